#pragma once

#include "layout.h"
#include "morveta.h"
#include "random_source.h"
#include "window.h"

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

namespace ui::win32 {

// The game window in the Win32 API: the controls of the layout table as
// child windows, Timer1 as a window timer, and the game's handlers wired to
// their notifications. Geometry and fonts follow the window's DPI.
class MorvetaWindow final : public app::Window {
public:
    // Creates the window and its controls and runs Form_Load; the window is
    // shown by show(). Draws from a clock-started generator unless a source is
    // handed in.
    explicit MorvetaWindow(HINSTANCE instance, std::unique_ptr<app::RandomSource> random = nullptr);
    ~MorvetaWindow() override;
    MorvetaWindow(const MorvetaWindow&) = delete;
    MorvetaWindow& operator=(const MorvetaWindow&) = delete;

    // False when the system could not create the window.
    bool valid() const { return hwnd_ != nullptr; }
    void show(int showCommand);
    // Closing the window then ends the message loop.
    void endProgramOnClose() { endsProgram_ = true; }

    HWND hwnd() const { return hwnd_; }
    // Any control of the layout table, frames included; null for an id that
    // names none.
    HWND control(app::ControlId id) const;
    Morveta& handlers() { return handlers_; }
    int dpi() const { return dpi_; }

    ui::Rgb backColor(app::ControlId control) const override;
    void setBackColor(app::ControlId control, ui::Rgb colour) override;
    void setValue(app::ControlId option, bool selected) override;
    std::string text(app::ControlId box) const override;
    void setText(app::ControlId box, std::string_view utf8) override;
    void appendLine(std::string_view utf8) override;
    void clearLines() override;
    std::int64_t lineCount() const override;
    void selectLine(std::int64_t index) override;
    bool timerEnabled() const override { return timerRunning_; }
    void setTimerEnabled(bool enabled) override;

private:
    struct Slot {
        HWND hwnd = nullptr;
        std::optional<ui::Rgb> colour; // for the controls whose colour the game sets
        HBRUSH brush = nullptr;
    };

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls(HINSTANCE instance);
    // Places every control and makes the fonts for dpi.
    void applyDpi(int dpi);
    // Sizes the window so that its client area is the design's at the DPI,
    // and moves it to topLeft when given.
    void fitClientArea(const POINT* topLeft);
    void onCommand(int id, int code);
    void drawButton(const DRAWITEMSTRUCT& item) const;
    // The brush and colours a control asks its parent for; null for the system's.
    HBRUSH colourFor(HWND control, HDC dc) const;
    void fillBackground(HWND hwnd, HDC dc) const;
    // Only the selected option of a group is a tab stop, as in dialogs.
    void updateTabStops();
    // The focused control, kept while the window is inactive and given back
    // when it is activated (or the first move button, the first time).
    void rememberFocus();
    void restoreFocus();

    const Slot* find(app::ControlId id) const;
    Slot* find(app::ControlId id);
    const ControlEntry* specOf(HWND hwnd) const;

    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    int dpi_ = 96;
    bool endsProgram_ = false;
    bool timerRunning_ = false;
    HFONT windowFont_ = nullptr;
    HFONT radioFont_ = nullptr;
    HBRUSH windowBrush_ = CreateSolidBrush(RGB(kWindowColour.r, kWindowColour.g, kWindowColour.b));
    std::array<Slot, kControls.size()> slots_{}; // in the table's order
    std::unique_ptr<app::RandomSource> random_;
    Morveta handlers_;
};

} // namespace ui::win32

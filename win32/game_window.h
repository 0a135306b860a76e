#pragma once

#include "accessible.h"
#include "controls.h"
#include "morveta.h"
#include "random_source.h"
#include "window.h"

#include <windows.h>

#include <memory>
#include <optional>

namespace win32gui {

// The game window in the Win32 API: the controls of the layout table as child
// windows, Timer1 as a window timer, and the game's handlers wired to their
// notifications. Geometry and fonts follow the window's DPI.
class MorvetaWindow final : public app::Window {
public:
    // Creates the window and its controls and runs Form_Load; the window is
    // shown by show(). Draws from a clock-started generator unless a source is
    // handed in.
    explicit MorvetaWindow(HINSTANCE instance, std::unique_ptr<app::RandomSource> random = nullptr);
    ~MorvetaWindow() override;
    MorvetaWindow(const MorvetaWindow&) = delete;
    MorvetaWindow& operator=(const MorvetaWindow&) = delete;

    // False when the system could not make the window or one of its controls;
    // failure() then holds the system's error code (0 where it gave none).
    bool valid() const { return hwnd_ != nullptr; }
    DWORD failure() const { return failure_; }
    // Shows and paints the window, then gives its controls their ways with
    // keys and screen readers, and the focus.
    void show(int showCommand);
    // Closing the window then ends the message loop.
    void endProgramOnClose() { endsProgram_ = true; }

    HWND hwnd() const { return hwnd_; }
    // Any control of the layout table, frames included; null for an id that
    // names none.
    HWND control(app::ControlId id) const { return controls_[id]; }
    Morveta& handlers() { return handlers_; }
    int dpi() const { return controls_.dpi(); }

    void appendLine(std::string_view utf8) override;
    void clearLines() override;
    std::int64_t lineCount() const override;
    void selectLine(std::int64_t index) override;
    bool timerEnabled() const override { return timerRunning_; }
    void setTimerEnabled(bool enabled) override;
    // As the focused control's description, told with NotifyWinEvent; the
    // control says its own again once the focus leaves it.
    void announce(std::string_view utf8) override;

protected:
    ui::Rgb faceColourAt(std::size_t row) const override;
    void paintFaceAt(std::size_t row, ui::Rgb colour) override;
    void selectOptionAt(std::size_t row, bool selected) override;
    std::string scoreTextAt(std::size_t row) const override;
    void setScoreTextAt(std::size_t row, std::string_view utf8) override;

private:
    // Makes the window and its controls; false, with the system's error in
    // GetLastError, when it cannot.
    bool create(HINSTANCE instance);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Sizes the window so that its client area is the design's at the
    // controls' DPI, and moves it to topLeft when given.
    void fitClientArea(const POINT* topLeft);
    void onCommand(UINT id, int code);
    // The focused control, kept while the window is inactive and given back
    // when it is activated (or the first move button, the first time).
    void rememberFocus();
    void restoreFocus();

    // The window's whole state is here and in controls_, but for what lives
    // apart, each for a reason its comment gives: what a screen reader is told
    // of a control stays with that control (accessible.cpp), since the objects
    // handed to readers may outlive the window; and what is the process's,
    // found or made once for every window: the entry points of oleacc
    // (accessible.cpp), comctl32 (subclass.cpp) and GetDpiForWindow
    // (controls.cpp), and the window classes with their brushes and icons.
    ComApartment com_; // first made, last gone
    HWND hwnd_ = nullptr;
    DWORD failure_ = 0;
    HWND lastFocus_ = nullptr;
    bool endsProgram_ = false;
    bool timerRunning_ = false;
    ControlWindows controls_;
    std::unique_ptr<app::RandomSource> random_;
    Morveta handlers_;
};

} // namespace win32gui

#pragma once

// The game window as a web page, kept in plain C++: what each control shows,
// by the layout table's row. The page's generator writes the first page from
// it; in the browser, BrowserWindow passes every change on to the page.

#include "layout.h"
#include "window.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace web {

// The colour a painted control without a colour of its own starts in, until
// the game paints it (the score boxes, before start-up has run).
inline constexpr ui::Rgb kBoxColour{255, 255, 255};

class PageWindow : public app::Window {
public:
    PageWindow();

    void appendLine(std::string_view utf8) override;
    void clearLines() override;
    std::int64_t lineCount() const override { return lines_; }
    void selectLine(std::int64_t index) override;
    bool timerEnabled() const override { return timer_; }
    void setTimerEnabled(bool enabled) override;
    // Into the page's polite live region.
    void announce(std::string_view utf8) override;

    // What a row shows now: its face (painted rows), whether an option is
    // selected, a score box's text.
    ui::Rgb face(std::size_t row) const { return faces_[row]; }
    bool selected(std::size_t row) const { return selected_[row]; }
    const std::string& boxText(std::size_t row) const { return texts_[row]; }
    std::int64_t selectedLine() const { return selectedLine_; }

protected:
    ui::Rgb faceColourAt(std::size_t row) const override { return faces_[row]; }
    void paintFaceAt(std::size_t row, ui::Rgb colour) override;
    void selectOptionAt(std::size_t row, bool selected) override;
    std::string scoreTextAt(std::size_t row) const override { return typedText(row); }
    void setScoreTextAt(std::size_t row, std::string_view utf8) override;

    // What the browser is told of each change that shows; nothing here.
    // A painted row's face changed from `was` to face(row).
    virtual void showFace(std::size_t /*row*/, ui::Rgb /*was*/) {}
    virtual void showSelected(std::size_t /*row*/) {}
    virtual void showText(std::size_t /*row*/) {}
    virtual void showLine(std::string_view /*utf8*/) {}
    virtual void showCleared() {}
    virtual void showSelectedLine() {}
    virtual void showTimer() {}
    virtual void say(std::string_view /*utf8*/) {}
    // The text a score box holds where the user may have typed into it.
    virtual std::string typedText(std::size_t row) const { return texts_[row]; }

private:
    static constexpr std::size_t kRows = ui::kControls.size();

    std::array<ui::Rgb, kRows> faces_{};
    std::array<bool, kRows> selected_{};
    std::array<std::string, kRows> texts_{};
    std::int64_t lines_ = 0;
    std::int64_t selectedLine_ = -1;
    bool timer_ = true;
};

} // namespace web

#include "page_window.h"

namespace web {

using ui::Control;
using ui::kControls;

PageWindow::PageWindow()
{
    for (std::size_t row = 0; row < kRows; ++row) {
        const ui::ControlEntry& entry = kControls[row];
        faces_[row] = entry.colour.value_or(kBoxColour);
        const auto start = ui::optionStart(entry);
        selected_[row] = start && start->selected;
        if (entry.control == Control::Rezul)
            texts_[row] = std::string(entry.caption);
    }
}

void PageWindow::paintFaceAt(std::size_t row, ui::Rgb colour)
{
    if (faces_[row] == colour)
        return;
    const ui::Rgb was = faces_[row];
    faces_[row] = colour;
    showFace(row, was);
}

void PageWindow::selectOptionAt(std::size_t row, bool selected)
{
    if (selected_[row] != selected) {
        selected_[row] = selected;
        showSelected(row);
    }
}

void PageWindow::setScoreTextAt(std::size_t row, std::string_view utf8)
{
    texts_[row] = std::string(utf8);
    showText(row);
}

void PageWindow::appendLine(std::string_view utf8)
{
    ++lines_;
    showLine(utf8);
}

void PageWindow::clearLines()
{
    lines_ = 0;
    selectedLine_ = -1;
    showCleared();
}

void PageWindow::selectLine(std::int64_t index)
{
    selectedLine_ = index >= 0 && index < lines_ ? index : -1;
    showSelectedLine();
}

void PageWindow::setTimerEnabled(bool enabled)
{
    if (timer_ == enabled)
        return;
    timer_ = enabled;
    showTimer();
}

void PageWindow::announce(std::string_view utf8) { say(utf8); }

} // namespace web

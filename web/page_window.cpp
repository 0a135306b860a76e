#include "page_window.h"

namespace web {

using ui::Control;
using ui::kControls;

PageWindow::PageWindow()
{
    for (std::size_t row = 0; row < kRows; ++row) {
        const ui::ControlEntry& entry = kControls[row];
        faces_[row] = entry.colour.value_or(kBoxColour);
        selected_[row] = entry.start == ui::Start::Selected;
        if (entry.control == Control::Rezul)
            texts_[row] = std::string(entry.caption);
    }
}

std::size_t PageWindow::rowOf(app::ControlId control, Control kind)
{
    return control.control == kind ? ui::positionOf(control.control, control.index) : kRows;
}

ui::Rgb PageWindow::backColor(app::ControlId control) const
{
    const std::size_t row = ui::positionOf(control.control, control.index);
    return row < kRows && kControls[row].face == ui::Face::Painted ? faces_[row] : ui::Rgb{};
}

void PageWindow::setBackColor(app::ControlId control, ui::Rgb colour)
{
    const std::size_t row = ui::positionOf(control.control, control.index);
    if (row == kRows || kControls[row].face != ui::Face::Painted || faces_[row] == colour)
        return;
    const ui::Rgb was = faces_[row];
    faces_[row] = colour;
    showFace(row, was);
}

void PageWindow::setValue(app::ControlId option, bool selected)
{
    if (option.control != Control::Igrach && option.control != Control::Radio)
        return;
    const std::size_t row = ui::positionOf(option.control, option.index);
    if (row == kRows)
        return;
    if (selected_[row] != selected) {
        selected_[row] = selected;
        showSelected(row);
    }
}

std::string PageWindow::text(app::ControlId box) const
{
    const std::size_t row = rowOf(box, Control::Rezul);
    return row < kRows ? typedText(row) : std::string();
}

void PageWindow::setText(app::ControlId box, std::string_view utf8)
{
    const std::size_t row = rowOf(box, Control::Rezul);
    if (row == kRows)
        return;
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

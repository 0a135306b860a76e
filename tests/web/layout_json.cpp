// Prints the layout table as the page must show it, for the browser test:
// every control's rectangle in CSS pixels within the window (an option's
// frame added), its kind, face and the keyboard's order of stops, and what
// a screen reader must hear of it, from the tests' own table of texts.

#include "expected_colours.h"
#include "expected_texts.h"
#include "layout.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

std::string colour(ui::Rgb c)
{
    return "[" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "]";
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

} // namespace

int main()
{
    namespace colours = testing_support::colours;
    std::printf("{\"idle\":%s,\"pick\":%s,\"pressed\":%s,", colour(colours::kIdle).c_str(),
                colour(colours::kPick).c_str(), colour(colours::kPeach).c_str());
    std::printf("\"title\":%s,\"width\":%d,\"height\":%d,\"window\":[%d,%d,%d],\"controls\":[",
                quoted(ui::kCaption).c_str(), ui::toPixels(ui::kClientArea.width, 96),
                ui::toPixels(ui::kClientArea.height, 96), ui::kWindowColour.r, ui::kWindowColour.g,
                ui::kWindowColour.b);
    for (std::size_t row = 0; row < ui::kControls.size(); ++row) {
        const ui::ControlEntry& c = ui::kControls[row];
        ui::Twips r = c.rect;
        if (const auto frame = ui::containerOf(c.control)) {
            const ui::Twips& f = ui::kControls[ui::positionOf(*frame, 0)].rect;
            r.left += f.left;
            r.top += f.top;
        }
        const auto* expected = std::find_if(
            testing_support::kExpectedTexts.begin(), testing_support::kExpectedTexts.end(),
            [&](const auto& e) { return e.control == c.control && e.index == c.index; });
        if (expected == testing_support::kExpectedTexts.end()) {
            std::fprintf(stderr, "no expected texts for row %zu\n", row);
            return 1;
        }
        std::printf(
            "%s{\"row\":%zu,\"name\":%s,\"index\":%d,\"rect\":[%d,%d,%d,%d],\"caption\":%s,"
            "\"spoken\":%s,\"description\":%s,\"tab\":%d,\"face\":%s}",
            row ? "," : "", row, quoted(ui::controlName(c.control)).c_str(), c.index,
            ui::toPixels(r.left, 96), ui::toPixels(r.top, 96), ui::toPixels(r.width, 96),
            ui::toPixels(r.height, 96), quoted(c.caption).c_str(), quoted(expected->name).c_str(),
            quoted(expected->description).c_str(), c.tabIndex,
            c.colour ? ("[" + std::to_string(c.colour->r) + "," + std::to_string(c.colour->g) +
                        "," + std::to_string(c.colour->b) + "]")
                           .c_str()
                     : "null");
    }
    std::printf("]}\n");
    return 0;
}

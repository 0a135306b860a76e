// Prints what the page must show, for the browser test, from the tests' own
// tables: every control's rectangle in CSS pixels within the window (an
// option's frame added), its face and the keyboard's order of stops, and
// what it shows and a screen reader must hear of it.

#include "expected_colours.h"
#include "expected_places.h"
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
                quoted(testing_support::kExpectedCaption).c_str(),
                testing_support::kExpectedClientSize.width,
                testing_support::kExpectedClientSize.height, colours::kWindowBlue.r,
                colours::kWindowBlue.g, colours::kWindowBlue.b);
    // Each row as the page makes it, with what the tests expect of it.
    for (std::size_t row = 0; row < ui::kControls.size(); ++row) {
        const ui::ControlEntry& c = ui::kControls[row];
        const auto same = [&](const auto& e) {
            return e.control == c.control && e.index == c.index;
        };
        const auto* text = std::find_if(testing_support::kExpectedTexts.begin(),
                                        testing_support::kExpectedTexts.end(), same);
        const auto* place = std::find_if(testing_support::kExpectedPlaces.begin(),
                                         testing_support::kExpectedPlaces.end(), same);
        if (text == testing_support::kExpectedTexts.end() ||
            place == testing_support::kExpectedPlaces.end()) {
            std::fprintf(stderr, "nothing expected of row %zu\n", row);
            return 1;
        }
        int left = place->left;
        int top = place->top;
        if (const auto frame = ui::containerOf(c.control)) {
            using testing_support::expectedPlace;
            const auto& holder = *frame == ui::Control::Frame1
                                     ? expectedPlace<ui::Control::Frame1, 0>()
                                     : expectedPlace<ui::Control::Frame2, 0>();
            left += holder.left;
            top += holder.top;
        }
        const std::string face = place->face ? colour(*place->face) : "null";
        std::printf("%s{\"row\":%zu,\"name\":%s,\"index\":%d,\"rect\":[%d,%d,%d,%d],"
                    "\"caption\":%s,\"spoken\":%s,\"description\":%s,\"tab\":%d,\"face\":%s}",
                    row ? "," : "", row, quoted(ui::controlName(c.control)).c_str(), c.index, left,
                    top, place->width, place->height, quoted(text->caption).c_str(),
                    quoted(text->name).c_str(), quoted(text->description).c_str(), place->tab,
                    face.c_str());
    }
    std::printf("]}\n");
    return 0;
}

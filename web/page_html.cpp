#include "page_html.h"

#include "contrast.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace web {

using ui::Control;
using ui::ControlEntry;
using ui::kControls;

namespace {

// Text for HTML's content and attributes.
std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// A font family list for CSS: the table's faces in its order, then the
// generic family, so that a missing face falls back to serif or sans.
std::string families(const ui::FontEntry& font)
{
    std::string out;
    for (const std::string_view family : font.families)
        out += "\"" + std::string(family) + "\",";
    return out + (font.serif ? "serif" : "sans-serif");
}

// CSS pixels at 96 dpi, where 15 twips are one.
std::string px(int twips) { return std::to_string(ui::toPixels(twips, 96)) + "px"; }

std::string id(std::size_t row) { return "c" + std::to_string(row); }

// "#rrggbb".
std::string cssColour(ui::Rgb colour)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return text.data();
}

// The text colour on a face where the page's own text colour is black (light
// scheme) or white (dark scheme): that colour where it stands out at 3:1,
// otherwise whichever of black and white stands out more.
ui::Rgb inkOn(ui::Rgb face, bool dark)
{
    return ui::textColourOn(face, dark ? ui::Rgb{255, 255, 255} : ui::Rgb{0, 0, 0});
}

// The element's place and size.
std::string placeRule(std::size_t row)
{
    const ui::Twips& r = kControls[row].rect;
    return "#" + id(row) + "{left:" + px(r.left) + ";top:" + px(r.top) + ";width:" + px(r.width) +
           ";height:" + px(r.height) + "}\n";
}

// A painted control's classes: its kind's and its face's.
std::string painted(std::string_view kind, const PageWindow& window, std::size_t row)
{
    return " class=\"" + std::string(kind) + " " + faceClass(window.face(row)) + "\"";
}

// The rules common to every page: kinds of control, schemes, focus.
constexpr std::string_view kStyle = R"css(:root{color-scheme:light dark}
body{margin:0}
#w{position:relative;overflow:hidden;forced-color-adjust:none;-webkit-user-select:none;user-select:none}
#w *{box-sizing:border-box;margin:0;padding:0;font:inherit}
#w>*,.f>*{position:absolute}
.l{display:flex;align-items:center;justify-content:center;white-space:pre}
.f{overflow:hidden;border:0}
.o{display:flex;align-items:center;white-space:pre;line-height:normal}
.o span{flex:1;align-self:stretch;display:flex;align-items:center}
.o input{appearance:none;outline:0;flex:none;width:13px;height:13px;margin:0 2px 0 2px;border-radius:50%;border:1px solid #404040;background:#fff}
.o input:checked{background:#000;box-shadow:inset 0 0 0 3px #fff}
.o input:disabled{border-color:#808080}
.o input:disabled:checked{background:#808080}
.b{border:2px solid;border-color:#fff #404040 #404040 #fff;text-align:center;white-space:pre}
.b:active{border-color:#404040 #fff #fff #404040}
.t{border:2px solid;border-color:#808080 #fff #fff #808080;text-align:center;outline:0}
.s{border:2px solid;border-color:#808080 #fff #fff #808080;background:Canvas;color:CanvasText;outline:0}
textarea.s{padding:0 2px;resize:none;overflow-y:scroll;white-space:pre-wrap;-webkit-user-select:text;user-select:text}
.b:focus-visible,.o input:focus-visible+span{outline:2px solid currentColor;outline-offset:-6px}
.t:focus{outline:1px solid currentColor;outline-offset:-4px}
.s:focus-visible{outline:1px solid CanvasText;outline-offset:-4px}
.h{pointer-events:none;overflow:hidden}
.h span{position:absolute;left:0;right:0;padding:0 2px;white-space:pre;display:flex;align-items:center;background:#0078d7;color:#fff}
.s:focus-visible~.h span{outline:1px dotted #fff;outline-offset:-1px}
@media (forced-colors:active){.h span{background:Highlight;color:HighlightText;outline:1px solid CanvasText;outline-offset:-1px}.s:focus-visible~.h span{outline:1px dotted CanvasText}}
.u{position:absolute;top:0;left:0;clip-path:inset(50%);width:1px;height:1px;overflow:hidden;white-space:nowrap}
)css";

// The policy the page keeps to wherever it stands, as strict as a page can
// set itself: its own files and nothing else, no inline script or style, no
// eval (WebAssembly's compiling aside), nothing embedded, no base or form
// target, and scripts named only through the page's one Trusted Types policy
// (start.js). A host's policy can narrow it further, frame-ancestors
// included, which a page cannot set itself.
constexpr std::string_view kPolicy =
    "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
    "img-src 'self'; font-src data:; connect-src 'self'; worker-src 'self'; "
    "manifest-src 'self'; base-uri 'none'; form-action 'none'; "
    "require-trusted-types-for 'script'; trusted-types morveta";

// Name and description for a reader; the description's text stands hidden
// after the window.
std::string readerAttributes(std::size_t row)
{
    const ControlEntry& entry = kControls[row];
    std::string out = " aria-label=\"" + escaped(ui::spokenNameOf(entry)) + "\"";
    if (!entry.description.empty())
        out += " aria-describedby=\"d" + std::to_string(row) + "\"";
    return out;
}

std::string control(const PageWindow& window, std::size_t row)
{
    const ControlEntry& entry = kControls[row];
    const std::string at = " id=\"" + id(row) + "\"";
    const std::string caption = escaped(entry.caption);
    switch (entry.control) {
    case Control::Label2:
        return "<div" + painted("l", window, row) + at + ">" + caption + "</div>\n";
    case Control::Frame1:
    case Control::Frame2:
        return "<div class=\"f\" role=\"radiogroup\"" + at + readerAttributes(row) + ">\n";
    case Control::Igrach:
    case Control::Radio: {
        const bool radio = entry.control == Control::Radio;
        const auto start = ui::optionStart(entry);
        return "<label" + painted(radio ? "o r" : "o", window, row) + at +
               "><input type=\"radio\" name=\"" + std::string(ui::controlName(entry.control)) +
               "\"" + (window.selected(row) ? " checked" : "") +
               (start && !start->enabled ? " disabled" : "") + readerAttributes(row) + "><span>" +
               caption + "</span></label>\n";
    }
    case Control::Rezul:
        return "<input type=\"text\"" + painted("t", window, row) +
               " spellcheck=\"false\" autocomplete=\"off\"" + at + readerAttributes(row) +
               " value=\"" + escaped(window.boxText(row)) + "\">\n";
    case Control::Buton:
    case Control::Nachalo:
        return "<button type=\"button\"" + painted("b", window, row) + at + readerAttributes(row) +
               (row == ui::kTabOrder[0] ? " autofocus" : "") + ">" + caption + "</button>\n";
    case Control::Rezultat:
        return "<select class=\"s\" size=\"4\"" + at + readerAttributes(row) + "></select>\n";
    case Control::Text1:
        return "<textarea class=\"s\" readonly" + at + readerAttributes(row) + ">" +
               escaped(ui::kRulesText) + "</textarea>\n";
    }
    return {};
}

// The controls in tab order, which is the keyboard's order on the page; an
// option stands in its frame, which follows it directly in that order.
void writeControls(std::string& page, const PageWindow& window)
{
    page += "<div id=\"w\">\n";
    bool inFrame = false;
    for (const std::size_t row : ui::kTabOrder) {
        const bool option = ui::isOption(kControls[row].control);
        if (inFrame && !option)
            page += "</div>\n";
        inFrame = option || ui::isFrame(kControls[row].control);
        page += control(window, row);
    }
    if (inFrame)
        page += "</div>\n";
    // The history's selected line, shown over the list (page.js).
    page += "<div id=\"mark\" class=\"h\" aria-hidden=\"true\" hidden><span></span></div>\n";
    page += "</div>\n";
    for (std::size_t row = 0; row < kControls.size(); ++row)
        if (!kControls[row].description.empty())
            page += "<span id=\"d" + std::to_string(row) + "\" hidden>" +
                    escaped(kControls[row].description) + "</span>\n";
    page += "<div id=\"say\" class=\"u\" aria-live=\"polite\"></div>\n";
}

} // namespace

std::string faceClass(ui::Rgb face) { return "k" + cssColour(face).substr(1); }

std::string faceRules(ui::Rgb face)
{
    const std::string selector = "." + faceClass(face);
    return selector + "{background:" + cssColour(face) + ";color:" + cssColour(inkOn(face, false)) +
           "}\n@media (prefers-color-scheme:dark){" + selector +
           "{color:" + cssColour(inkOn(face, true)) + "}}\n";
}

std::string manifestJson()
{
    const std::string colour = cssColour(ui::kWindowColour);
    std::string json =
        "{\n"
        "  \"id\": \"morveta\",\n"
        "  \"name\": \"Морвета\",\n"
        "  \"short_name\": \"Морвета\",\n"
        "  \"description\": \"Камък, ножица, хартия срещу компютъра: той непрекъснато "
        "сменя избора си, а вие отговаряте с Камък, Ножица или Хартия. Всеки рунд се "
        "записва, а точките се натрупват: 2 за победа, 1 за реми, 0 за загуба.\",\n"
        "  \"categories\": [\"games\"],\n"
        "  \"lang\": \"bg\",\n"
        "  \"start_url\": \"index.html\",\n"
        "  \"scope\": \"./\",\n"
        "  \"display\": \"standalone\",\n"
        "  \"background_color\": \"" +
        colour + "\",\n  \"theme_color\": \"" + colour +
        "\",\n"
        "  \"icons\": [\n"
        "    {\"src\": \"morveta.svg\", \"sizes\": \"any\", \"type\": \"image/svg+xml\"},\n"
        "    {\"src\": \"morveta-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"},\n"
        "    {\"src\": \"morveta-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\"}\n"
        "  ],\n"
        "  \"screenshots\": [";
    for (std::size_t i = 0; i < kScreenshots.size(); ++i) {
        const Screenshot& shot = kScreenshots[i];
        json += std::string(i ? "," : "") + "\n    {\"src\": \"" + std::string(shot.file) +
                "\", \"sizes\": \"" + std::to_string(shot.width) + "x" +
                std::to_string(shot.height) + "\", \"type\": \"image/png\", \"form_factor\": \"" +
                std::string(shot.formFactor) + "\", \"label\": \"" + std::string(shot.label) +
                "\"}";
    }
    return json + "\n  ]\n}\n";
}

std::string pageStyle(const PageWindow& window, std::string_view faceSource)
{
    std::string style;
    if (!faceSource.empty())
        style += "@font-face{font-family:\"" + std::string(kPageFace) +
                 "\";src:" + std::string(faceSource) + ";font-display:block}\n";
    style += kStyle;
    style += "#w{width:" + px(ui::kClientArea.width) + ";height:" + px(ui::kClientArea.height) +
             ";background:" + cssColour(ui::kWindowColour) +
             ";font:" + std::to_string(int(ui::kWindowFont.pointSize * 96 / 72)) + "px " +
             (faceSource.empty() ? "" : "\"" + std::string(kPageFace) + "\",") +
             families(ui::kWindowFont) + "}\n";
    // The computer's options keep their own face, whose text never shows.
    style += ".r{font-family:" + families(ui::kRadioFont) + "}\n";
    std::vector<ui::Rgb> faces;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        style += placeRule(row);
        const ui::Rgb face = window.face(row);
        if (kControls[row].face == ui::Face::Painted &&
            std::find(faces.begin(), faces.end(), face) == faces.end()) {
            faces.push_back(face);
            style += faceRules(face);
        }
    }
    return style;
}

std::string pageHtml(const PageWindow& window, std::string_view script)
{
    // The style sheet, our own file, is named ahead of the policy, which
    // governs what follows it: Chromium fetches it sooner so, and the window
    // paints a few milliseconds sooner (bench/web).
    std::string page = "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<link rel=\"stylesheet\" href=\"";
    page += escaped(kStyleFile);
    page += "\">\n<meta http-equiv=\"Content-Security-Policy\" content=\"";
    page += escaped(kPolicy);
    page += "\">\n<meta name=\"viewport\" content=\"width=device-width\">\n<title>";
    page += escaped(ui::kCaption);
    page += "</title>\n<link rel=\"icon\" href=\"morveta.ico\">\n</head>\n<body>\n";
    writeControls(page, window);
    // start.js loads the game's script once the window has painted, so that
    // neither loading nor compiling it can hold the first paint back.
    page += "<script src=\"" + escaped(kStartFile) + "\" data-game=\"" + escaped(script) +
            "\" defer></script>\n</body>\n</html>\n";
    return page;
}

} // namespace web

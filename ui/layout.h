#pragma once

// The window's design: every control's geometry (in twips), caption, colour
// and tab index, in one table, plus the window's own properties.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ui {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb IdleColour{128, 255, 128}; // move buttons waiting; the computer's idle marks
inline constexpr Rgb PickColour{192, 64, 0};    // the computer's current pick
inline constexpr Rgb PressedColour{255, 192, 128}; // the move button pressed in the last round
inline constexpr Rgb kLabelColour{255, 192, 128};
inline constexpr Rgb kComputerFirstColour{192, 0, 192};
inline constexpr Rgb kClearColour{255, 0, 0};
inline constexpr Rgb kNewColour{0, 255, 0};
inline constexpr Rgb kWindowColour{128, 128, 255};

// 1440 twips are an inch: 15 of them are one pixel at 96 dpi.
inline constexpr int kTwipsPerInch = 1440;

// Pixels at dpi for a length in twips (0 or more), rounded to the nearest
// pixel with halves away from zero, so that 7830 twips are 653 pixels at 120 dpi.
constexpr int toPixels(int twips, int dpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + kTwipsPerInch / 2) / kTwipsPerInch);
}

struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

// The control arrays and single controls, by name. The kind of widget and the
// container follow from the name.
enum class Control {
    Label2,
    Frame1,
    Igrach,
    Rezul,
    Frame2,
    Radio,
    Buton,
    Nachalo,
    Rezultat,
    Text1
};

// Each control by name, in the enum's order, with how many members its
// control array has (1 for a single control): the handlers index them.
struct ControlKindEntry {
    Control control;
    std::string_view name;
    int members;
};
inline constexpr std::array<ControlKindEntry, 10> kControlKinds{{
    {Control::Label2, "Label2", 3},
    {Control::Frame1, "Frame1", 1},
    {Control::Igrach, "Igrach", 2},
    {Control::Rezul, "Rezul", 2},
    {Control::Frame2, "Frame2", 1},
    {Control::Radio, "Radio", 3},
    {Control::Buton, "Buton", 3},
    {Control::Nachalo, "Nachalo", 2},
    {Control::Rezultat, "Rezultat", 1},
    {Control::Text1, "Text1", 1},
}};

constexpr const ControlKindEntry& kindEntry(Control c)
{
    return kControlKinds[static_cast<std::size_t>(c)];
}
constexpr std::string_view controlName(Control c) { return kindEntry(c).name; }
constexpr int arraySize(Control c) { return kindEntry(c).members; }
// Written "Buton(2)"; a single control is written by its name alone.
constexpr bool isArray(Control c) { return arraySize(c) > 1; }

// Option buttons sit in a frame; every other control sits in the window.
constexpr std::optional<Control> containerOf(Control c)
{
    if (c == Control::Igrach)
        return Control::Frame1;
    if (c == Control::Radio)
        return Control::Frame2;
    return std::nullopt;
}

// The option buttons: the controls that sit in a frame.
constexpr bool isOption(Control c) { return containerOf(c).has_value(); }

// The frames, which hold option buttons and nothing else.
constexpr bool isFrame(Control c) { return c == Control::Frame1 || c == Control::Frame2; }

// What the game may do to a control's face: paint it (the labels, buttons,
// options and score boxes) or not (frames, the history, the rules).
enum class Face { Painted, Fixed };

// An option button's state as the window opens.
enum class Start { Cleared, Selected, Disabled };

struct ControlEntry {
    Control control;
    int index;                // position in its control array; 0 for a single control
    Twips rect;               // relative to the container's client area
    std::string_view caption; // UTF-8; a score box's text
    std::string_view
        spokenName;            // what a screen reader says, holding the caption; empty: the caption
    std::optional<Rgb> colour; // none: the system's colour (boxes) or the window's (frames)
    Face face;                 // Painted without a colour: starts in the system's window colour
    Start start;               // for option buttons; Cleared for every other control
    int tabIndex;
    std::string_view description; // what a screen reader may add after the name
};

// clang-format off
inline constexpr std::array<ControlEntry, 19> kControls{{
    {Control::Label2, 0, {1560, 0, 4695, 375}, "Морвета - камък, ножица, хартия", "", kLabelColour, Face::Painted, Start::Cleared, 14, ""},
    {Control::Label2, 2, {120, 480, 1815, 375}, "Кой играе първи", "", kLabelColour, Face::Painted, Start::Cleared, 17, ""},
    {Control::Label2, 1, {2160, 480, 975, 375}, "Резултат", "", kLabelColour, Face::Painted, Start::Cleared, 15, ""},
    {Control::Frame1, 0, {120, 960, 1935, 975}, "", "Кой играе първи", std::nullopt, Face::Fixed, Start::Cleared, 5, ""},
    {Control::Igrach, 0, {0, 120, 1815, 375}, "  1. Играч", "1. Играч", kLabelColour, Face::Painted, Start::Selected, 6, "Играчът играе първи"},
    {Control::Igrach, 1, {0, 600, 1815, 375}, " 1. Компютър", "1. Компютър", kComputerFirstColour, Face::Painted, Start::Cleared, 7, "Компютърът играе първи"},
    {Control::Rezul, 0, {2160, 1080, 975, 405}, "0", "Резултат на играча", std::nullopt, Face::Painted, Start::Cleared, 12, ""},
    {Control::Rezul, 1, {2160, 1560, 975, 405}, "0", "Резултат на компютъра", std::nullopt, Face::Painted, Start::Cleared, 13, ""},
    {Control::Frame2, 0, {5040, 480, 255, 1575}, "", "Изборът на компютъра", std::nullopt, Face::Fixed, Start::Cleared, 8, ""},
    {Control::Radio, 0, {0, 120, 495, 375}, "", "Компютърът избира Камък", PickColour, Face::Painted, Start::Disabled, 11, ""},
    {Control::Radio, 1, {0, 600, 255, 375}, "", "Компютърът избира Ножица", IdleColour, Face::Painted, Start::Disabled, 9, ""},
    {Control::Radio, 2, {0, 1080, 255, 375}, "", "Компютърът избира Хартия", IdleColour, Face::Painted, Start::Disabled, 10, ""},
    {Control::Buton, 0, {5520, 600, 1095, 375}, "Камък", "", IdleColour, Face::Painted, Start::Cleared, 0, ""},
    {Control::Buton, 1, {5520, 1080, 1095, 375}, "Ножица", "", IdleColour, Face::Painted, Start::Cleared, 1, ""},
    {Control::Buton, 2, {5520, 1560, 1095, 375}, "Хартия", "", IdleColour, Face::Painted, Start::Cleared, 2, ""},
    {Control::Nachalo, 1, {6720, 600, 975, 495}, "Изчисти", "", kClearColour, Face::Painted, Start::Cleared, 16, ""},
    {Control::Nachalo, 0, {6720, 1440, 975, 495}, "Нова", "", kNewColour, Face::Painted, Start::Cleared, 3, ""},
    {Control::Rezultat, 0, {120, 2040, 7575, 1200}, "", "История на игрите", std::nullopt, Face::Fixed, Start::Cleared, 4, ""},
    {Control::Text1, 0, {120, 3360, 7575, 1935}, "", "Правила на играта", std::nullopt, Face::Fixed, Start::Cleared, 18, ""},
}};
// clang-format on

// How an option button stands as the window opens; none for other controls.
struct OptionStart {
    bool selected;
    bool enabled;
};
constexpr std::optional<OptionStart> optionStart(const ControlEntry& entry)
{
    if (!isOption(entry.control))
        return std::nullopt;
    return OptionStart{entry.start == Start::Selected, entry.start != Start::Disabled};
}

// What a screen reader calls the control.
constexpr std::string_view spokenNameOf(const ControlEntry& entry)
{
    return entry.spokenName.empty() ? entry.caption : entry.spokenName;
}

// The table's shape, which the code that builds the controls relies on: each
// control once, with an index within its array; frames before their options;
// every tab index used once; a start state only for option buttons.
constexpr bool tableIsWellFormed()
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlEntry& a = kControls[i];
        if (a.index < 0 || a.index >= arraySize(a.control))
            return false;
        if (a.tabIndex < 0 || a.tabIndex >= int(kControls.size()))
            return false;
        if (a.start != Start::Cleared && !isOption(a.control))
            return false;
        bool containerSeen = !isOption(a.control);
        for (std::size_t j = 0; j < kControls.size(); ++j) {
            const ControlEntry& b = kControls[j];
            if (j != i && b.control == a.control && b.index == a.index)
                return false;
            if (j != i && b.tabIndex == a.tabIndex)
                return false;
            if (j < i && containerOf(a.control) == b.control)
                containerSeen = true;
        }
        if (!containerSeen)
            return false;
    }
    int members = 0;
    for (std::size_t i = 0; i < kControlKinds.size(); ++i) {
        if (kControlKinds[i].control != static_cast<Control>(i))
            return false;
        members += kControlKinds[i].members;
    }
    return members == int(kControls.size());
}
static_assert(tableIsWellFormed(),
              "kControls: a control twice, an index out of its array, "
              "a frame after its options, a tab index used twice, a start state "
              "for what is no option, or kControlKinds out of the enum's order");

// The row of a control in kControls, or kControls.size() for none: a window
// system's list of controls in the table's order is found with it.
constexpr std::size_t positionOf(Control control, int index)
{
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].control == control && kControls[i].index == index)
            return i;
    return kControls.size();
}

// The rows of kControls by tab index: the order in which the keyboard visits
// the controls, and in which the Windows program creates them (its dialog
// manager's tab order is the order of creation).
constexpr std::array<std::size_t, kControls.size()> rowsByTabIndex()
{
    std::array<std::size_t, kControls.size()> order{};
    for (std::size_t i = 0; i < kControls.size(); ++i)
        order[std::size_t(kControls[i].tabIndex)] = i;
    return order;
}
inline constexpr std::array<std::size_t, kControls.size()> kTabOrder = rowsByTabIndex();

// The window itself.
inline constexpr Twips kClientArea{0, 0, 7830, 5310};
inline constexpr std::string_view kWebAddress = "www.morveta.example";
inline constexpr std::string_view kCaptionTail = "    камък >  ножица > хартия > камък";
// The window's caption: the address, then the words.
inline constexpr auto kCaptionText = [] {
    std::array<char, kWebAddress.size() + kCaptionTail.size()> text{};
    std::copy(kCaptionTail.begin(), kCaptionTail.end(),
              std::copy(kWebAddress.begin(), kWebAddress.end(), text.begin()));
    return text;
}();
inline constexpr std::string_view kCaption{kCaptionText.data(), kCaptionText.size()};
inline constexpr int kTimerIntervalMs = 100;
// The desktop entry, metainfo and theme icon are named after it.
inline constexpr std::string_view kAppId = MORVETA_APP_ID;
// The version the program and its packages carry, such as "1.00".
inline constexpr std::string_view kVersion = MORVETA_VERSION;

struct FontEntry {
    // In order of preference: Qt and the page take the first that is
    // installed; Windows asks for the first by name and its font mapper,
    // steered by the serif or sans family bits, stands in where it is missing.
    std::array<std::string_view, 4> families;
    double pointSize = 0;
    bool serif = false;
};

inline constexpr FontEntry kWindowFont{
    {"Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman"}, 12.0, true};
inline constexpr FontEntry kRadioFont{
    {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial"}, 8.25, false};

// The rules shown in Text1: five lines, each ending in CR LF. Line 1 has two
// straight quotes and six pairs of typographic ones; line 5 has two blanks
// after "поредната".
inline constexpr std::string_view kRulesText =
    "Правилата на известната игра \"камък, ножица, хартия\" са прости - "
    "\u201Cкамъкът\u201D чупи \u201Cножицата\u201D, \u201Cножицата\u201D реже "
    "\u201Cхартията\u201D, а \u201Cхартията\u201D покрива \u201Cкамъка\u201D. "
    "Съществуват психологически изследвания за оптимална печеливша стратегия, дори и "
    "препоръки кой е най-печелившия вариант за избор.\r\n"
    "Да се състави проект по Морвета, реализиращ популярната игра камък, ножица, хартия.\r\n"
    "Тема на проекта: Морвета - камък, ножица.\r\n"
    "Чрез генериране на случайни числа компютърът непрекъснато предлага своя избор, чрез "
    "събитие On-Click потребителят прави своя и веднага след това се съпоставят двата "
    "избора.\r\n"
    "Резултатите, от поредната  игра, победа, загуба, реми се натрупват в отделно "
    "списъчно поле.\r\n";

} // namespace ui

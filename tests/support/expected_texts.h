#pragma once

// What each control shows and what a screen reader says of it, written out
// here independently of the layout table, for the front ends' tests.

#include "layout.h"

#include <array>
#include <string>
#include <string_view>

namespace testing_support {

struct ExpectedText {
    ui::Control control;
    int index;
    const char* caption;     // what it shows; "" for controls without a caption
    const char* name;        // what a screen reader says
    const char* description; // what it may add; "" for none
};

inline constexpr std::array<ExpectedText, 19> kExpectedTexts{{
    {ui::Control::Label2, 0, "Морвета - камък, ножица, хартия", "Морвета - камък, ножица, хартия",
     ""},
    {ui::Control::Label2, 1, "Резултат", "Резултат", ""},
    {ui::Control::Label2, 2, "Кой играе първи", "Кой играе първи", ""},
    {ui::Control::Frame1, 0, "", "Кой играе първи", ""},
    // Two blanks before the player, one before the computer.
    {ui::Control::Igrach, 0, "  1. Играч", "1. Играч", "Играчът играе първи"},
    {ui::Control::Igrach, 1, " 1. Компютър", "1. Компютър", "Компютърът играе първи"},
    {ui::Control::Rezul, 0, "0", "Резултат на играча", ""},
    {ui::Control::Rezul, 1, "0", "Резултат на компютъра", ""},
    {ui::Control::Frame2, 0, "", "Изборът на компютъра", ""},
    {ui::Control::Radio, 0, "", "Компютърът избира Камък", ""},
    {ui::Control::Radio, 1, "", "Компютърът избира Ножица", ""},
    {ui::Control::Radio, 2, "", "Компютърът избира Хартия", ""},
    {ui::Control::Buton, 0, "Камък", "Камък", ""},
    {ui::Control::Buton, 1, "Ножица", "Ножица", ""},
    {ui::Control::Buton, 2, "Хартия", "Хартия", ""},
    {ui::Control::Nachalo, 0, "Нова", "Нова", ""},
    {ui::Control::Nachalo, 1, "Изчисти", "Изчисти", ""},
    {ui::Control::Rezultat, 0, "", "История на игрите", ""},
    {ui::Control::Text1, 0, "", "Правила на играта", ""},
}};

// The window's caption, which the page takes as its title.
inline constexpr std::string_view kExpectedCaption =
    "www.morveta.example    камък >  ножица > хартия > камък";

// The rules box's text: five lines, each ended by CR LF, with two blanks
// before "игра" in the last.
inline constexpr std::string_view kExpectedRules =
    "Правилата на известната игра \"камък, ножица, хартия\" са прости - “камъкът” чупи "
    "“ножицата”, “ножицата” реже “хартията”, а “хартията” покрива “камъка”. Съществуват "
    "психологически изследвания за оптимална печеливша стратегия, дори и препоръки кой е "
    "най-печелившия вариант за избор.\r\n"
    "Да се състави проект по Морвета, реализиращ популярната игра камък, ножица, хартия.\r\n"
    "Тема на проекта: Морвета - камък, ножица.\r\n"
    "Чрез генериране на случайни числа компютърът непрекъснато предлага своя избор, чрез "
    "събитие On-Click потребителят прави своя и веднага след това се съпоставят двата "
    "избора.\r\n"
    "Резултатите, от поредната  игра, победа, загуба, реми се натрупват в отделно списъчно "
    "поле.\r\n";

// A control's name as the programs and their tests write it: "Buton(0)", or
// "Rezultat" for a single control.
inline std::string nameOf(ui::Control control, int index)
{
    const std::string name(ui::controlName(control));
    return ui::isArray(control) ? name + "(" + std::to_string(index) + ")" : name;
}

} // namespace testing_support

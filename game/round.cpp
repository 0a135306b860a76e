#include "round.h"

#include <array>

namespace game {

namespace {

// The two columns differ in their trailing blanks; the history lines are
// written with exactly these texts.
constexpr std::array<std::string_view, 3> kPlayerTexts{"Камък    ", "Ножица   ", "Хартия "};
constexpr std::array<std::string_view, 3> kComputerTexts{"Камък      ", "Ножица   ", "Хартия     "};

std::string_view textOf(const std::array<std::string_view, 3>& texts, MoveIndex m)
{
    return isMove(m) ? texts[static_cast<std::size_t>(toInt(m))] : std::string_view{};
}

} // namespace

std::string_view playerText(MoveIndex m) { return textOf(kPlayerTexts, m); }
std::string_view computerText(MoveIndex m) { return textOf(kComputerTexts, m); }

Points judge(MoveIndex computer, MoveIndex player)
{
    if (computer == player)
        return {1, 1};
    Points p;
    if (beats(player, computer))
        p.player = 2;
    if (beats(computer, player))
        p.computer = 2;
    return p;
}

std::string historyLine(MoveIndex computer, MoveIndex player)
{
    std::string line;
    line.reserve(64);
    line += "Компютър: ";
    line += computerText(computer);
    line += " : ";
    line += "Играч: ";
    line += playerText(player);
    return line;
}

} // namespace game

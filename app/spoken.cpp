#include "spoken.h"

#include "round.h"

#include <algorithm>
#include <initializer_list>

namespace app::spoken {

namespace {

// A move by its name; "?" for what is no move.
std::string_view nameOf(game::MoveIndex m)
{
    const std::string_view name = game::moveName(m);
    return name.empty() ? "?" : name;
}

std::string_view outcome(game::MoveIndex computer, game::MoveIndex player)
{
    if (computer == player)
        return "Реми";
    return game::beats(player, computer) ? "Победа" : "Загуба";
}

} // namespace

std::string roundResult(game::MoveIndex computer, game::MoveIndex player,
                        std::string_view playerScore, std::string_view computerScore)
{
    std::string s;
    for (const std::string_view part :
         {std::string_view("Играч: "), nameOf(player), std::string_view(", компютър: "),
          nameOf(computer), std::string_view(". "), outcome(computer, player),
          std::string_view(". Играч "), playerScore, std::string_view(", компютър "), computerScore,
          std::string_view(".")})
        s += part;
    return s;
}

} // namespace app::spoken

#include "spoken.h"

#include "round.h"

#include <algorithm>
#include <initializer_list>

namespace app::spoken {

namespace {

// A move by its name, the player's history text without its blanks.
std::string_view moveName(game::MoveIndex m)
{
    std::string_view text = game::playerText(m);
    text.remove_suffix(text.size() - std::min(text.size(), text.find_last_not_of(' ') + 1));
    return text.empty() ? "?" : text;
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
         {std::string_view("Играч: "), moveName(player), std::string_view(", компютър: "),
          moveName(computer), std::string_view(". "), outcome(computer, player),
          std::string_view(". Играч "), playerScore, std::string_view(", компютър "), computerScore,
          std::string_view(".")})
        s += part;
    return s;
}

} // namespace app::spoken

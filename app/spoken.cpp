#include "spoken.h"

#include "layout.h"

namespace app::spoken {

namespace {

// A move by the caption of its button, without the history's blanks.
std::string_view moveName(game::MoveIndex m)
{
    if (!game::isMove(m))
        return "?";
    return ui::kControls[ui::positionOf(ui::Control::Buton, game::toInt(m))].caption;
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
    s.reserve(96 + playerScore.size() + computerScore.size());
    s.append("Играч: ").append(moveName(player));
    s.append(", компютър: ").append(moveName(computer)).append(". ");
    s.append(outcome(computer, player)).append(". ");
    s.append("Играч ").append(playerScore);
    s.append(", компютър ").append(computerScore).append(".");
    return s;
}

} // namespace app::spoken

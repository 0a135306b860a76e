#pragma once

// What the game says to a screen reader after each event, in short Bulgarian,
// passed to Window::announce unchanged.

#include "moves.h"

#include <string>
#include <string_view>

namespace app::spoken {

// The round just played: both moves, the outcome for the player and both
// scores as the boxes now show them, e.g.
// "Играч: Камък, компютър: Хартия. Загуба. Играч 0, компютър 2."
std::string roundResult(game::MoveIndex computer, game::MoveIndex player,
                        std::string_view playerScore, std::string_view computerScore);

// "Нова": a round runs and waits for the player's move.
inline constexpr std::string_view kNewRound = "Нов рунд. Изберете ход.";
// "Изчисти": scores to 0, the history emptied.
inline constexpr std::string_view kCleared = "Резултатът и историята са изчистени.";
// A switch of who plays first, which clears the match as well.
inline constexpr std::string_view kPlayerFirst =
    "Играчът играе първи. Резултатът и историята са изчистени.";
inline constexpr std::string_view kComputerFirst =
    "Компютърът играе първи. Резултатът и историята са изчистени.";
// A move pressed after the round is over, which records nothing.
inline constexpr std::string_view kRoundOver = "Рундът е приключил. Натиснете „Нова“.";

} // namespace app::spoken

#pragma once

#include "moves.h"

#include <string>
#include <string_view>

namespace game {

struct Points {
    int player = 0;
    int computer = 0;
    friend bool operator==(const Points&, const Points&) = default;
};

// Points of one round: 1 each for a draw (two equal values, whatever they
// are), 2 for the winner and 0 for the loser. Two different values of which
// one lies outside 0..2 score nobody.
Points judge(MoveIndex computer, MoveIndex player);

// The round's history line, in UTF-8:
// "Компютър: " + computer's text + " : " + "Играч: " + player's text.
// A value outside 0..2 gives an empty move text.
std::string historyLine(MoveIndex computer, MoveIndex player);

// The move texts of the history line, with their trailing blanks.
std::string_view playerText(MoveIndex m);
std::string_view computerText(MoveIndex m);

} // namespace game

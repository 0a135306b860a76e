#pragma once

// The history line a round leaves, written out here independently of the game.

#include <array>
#include <string>

namespace testing_support {

inline std::string lineFor(int computer, int player)
{
    static const std::array<std::string, 3> computerTexts{"Камък      ", "Ножица   ",
                                                          "Хартия     "};
    static const std::array<std::string, 3> playerTexts{"Камък    ", "Ножица   ", "Хартия "};
    return "Компютър: " + computerTexts[std::size_t(computer)] + " : " +
           "Играч: " + playerTexts[std::size_t(player)];
}

} // namespace testing_support

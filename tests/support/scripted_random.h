#pragma once

// A source of chance whose picks a test decides.

#include "moves.h"
#include "random_source.h"

#include <cstdint>
#include <deque>

namespace testing_support {

// Random bits that the game turns into move m: m / 1000 rounds to m.
constexpr std::uint32_t bitsFor(game::MoveIndex m)
{
    return (static_cast<std::uint32_t>(game::toInt(m)) * 16777u) << 8;
}

// Hands out the scripted moves in order; once they run out, it goes round
// rock, scissors, paper, so that a running timer still moves the mark.
class ScriptedRandom final : public app::RandomSource {
public:
    void restart() override { ++restarts; }
    std::uint32_t bits() override
    {
        ++draws;
        if (script.empty()) {
            next_ = (next_ + 1) % 3;
            return bitsFor(static_cast<game::MoveIndex>(next_));
        }
        const game::MoveIndex m = script.front();
        script.pop_front();
        return bitsFor(m);
    }

    std::deque<game::MoveIndex> script;
    int restarts = 0;
    int draws = 0;

private:
    int next_ = 2;
};

} // namespace testing_support

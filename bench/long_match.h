#pragma once

// What a round costs as the history grows: a long match played through the
// game's handlers on a real window, timed in blocks of rounds. The medians of
// the first and last blocks should be about the same.

#include "morveta.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

// Plays rounds computer first, "Нова" after each, letting the window catch up
// (paint, deliver what is queued) through idle() after every block; prints
// the cost of a round early and late and their ratio.
template <typename Idle> void playLongMatch(Morveta& game, int rounds, Idle idle)
{
    constexpr int kBlock = 1000;
    constexpr std::size_t kSampled = 10;
    game.Igrach_Click(1);
    std::vector<double> blockMicros;
    auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) {
        game.Timer1_Timer();
        game.Buton_Click(round % 3);
        game.Nachalo_Click(0);
        if (round % kBlock == kBlock - 1) {
            idle();
            const auto now = std::chrono::steady_clock::now();
            blockMicros.push_back(std::chrono::duration<double, std::micro>(now - start).count());
            start = now;
        }
    }
    if (blockMicros.size() < 2 * kSampled) {
        std::printf("long match: too few rounds to compare\n");
        return;
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2] / kBlock;
    };
    const double early = median({blockMicros.begin(), blockMicros.begin() + kSampled});
    const double late = median({blockMicros.end() - kSampled, blockMicros.end()});
    std::printf("long match of %d rounds: a round takes %.1f us early, %.1f us late (x%.2f)\n",
                rounds, early, late, late / early);
}

} // namespace bench

#pragma once

#include <cstdint>
#include <random>

namespace app {

// The computer's source of chance, handed in by the front end so that tests
// can script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a new sequence; the game calls it once, at start-up.
    virtual void restart() = 0;
    // 32 uniform random bits.
    virtual std::uint32_t bits() = 0;
};

// A Mersenne Twister started from the clock and the system's entropy source, so
// that every run plays a different sequence.
class ClockRandom final : public RandomSource {
public:
    void restart() override;
    std::uint32_t bits() override;

private:
    std::mt19937 generator_;
};

} // namespace app

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace game {

// A move, which also indexes the move texts: rock, scissors, paper.
enum class MoveIndex : std::int16_t { Rock = 0, Scissors = 1, Paper = 2 };

inline constexpr std::array<MoveIndex, 3> kMoves{MoveIndex::Rock, MoveIndex::Scissors,
                                                 MoveIndex::Paper};

constexpr int toInt(MoveIndex m) { return static_cast<int>(m); }

// The moves' names, as the buttons show them.
inline constexpr std::array<std::string_view, 3> kMoveNames{"Камък", "Ножица", "Хартия"};

// True for the three real moves; anything else scores nobody and has no text.
constexpr bool isMove(MoveIndex m) { return toInt(m) >= 0 && toInt(m) <= 2; }

// A move's name; empty for anything but a real move.
constexpr std::string_view moveName(MoveIndex m)
{
    return isMove(m) ? kMoveNames[std::size_t(toInt(m))] : std::string_view();
}

// Move m beats move (m + 1) mod 3: rock > scissors > paper > rock.
constexpr bool beats(MoveIndex a, MoveIndex b)
{
    return isMove(a) && isMove(b) && (toInt(a) + 1) % 3 == toInt(b);
}

// The move that beats m, for a real move m.
constexpr MoveIndex beaterOf(MoveIndex m) { return static_cast<MoveIndex>((toInt(m) + 2) % 3); }

// A uniform single-precision number in [0, 1) from 32 random bits. It keeps the top
// 24 bits, which a float holds exactly, so the result can never round up to 1.
constexpr float unitFromBits(std::uint32_t bits)
{
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}

// The computer's pick for a uniform r in [0, 1): r x 1000 rounded to the nearest
// integer with halves to the even neighbour (62.5 gives 62), then mod 3.
MoveIndex pickFromUnit(float r);

} // namespace game

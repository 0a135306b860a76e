#pragma once

// The game's handlers, written once for every window system. Each is named
// after the control and the event it serves; they run one at a time on the
// window's thread and reach the controls only through app::Window.

#include "moves.h"

#include <cstdint>
#include <optional>

namespace app {
struct ControlId;
class RandomSource;
class Window;
} // namespace app

class Morveta {
public:
    // Both must outlive the handlers.
    Morveta(app::Window& window, app::RandomSource& random);

    // Prepares the game state once the controls exist, before any input.
    void Form_Load();
    // 0 "Нова" starts a round, 1 "Изчисти" clears the match; others do nothing.
    void Nachalo_Click(int Index);
    // 0: the player plays first, 1: the computer; either starts a new match.
    // Others do nothing.
    void Igrach_Click(int Index);
    // The player's move 0..2; ends the round when one is running. Others do nothing.
    void Buton_Click(int Index);
    void Timer1_Timer();

    // A control was clicked, by the mouse, a key or a screen reader: a clicked
    // option button is selected alone in its group, then the handler that
    // serves the control runs. A control no handler serves changes nothing.
    void clicked(app::ControlId control);

    // Read-only views for tools and tests.
    game::MoveIndex computerChoice() const { return ComputerChoice; }
    game::MoveIndex playerChoice() const { return PlayerChoice; }
    std::optional<std::int16_t> firstMover() const { return FirstMover; }

private:
    void ComputerPick();
    void UpdateScore();
    // Unmarks the computer's old choice, then marks the new one.
    void setComputerChoice(game::MoveIndex move);
    void markPick(game::MoveIndex move, bool picked);
    void resetScores();

    app::Window& window_;
    app::RandomSource& random_;
    std::optional<std::int16_t> FirstMover; // empty counts as 0, the player first
    game::MoveIndex ComputerChoice = game::MoveIndex::Rock;
    game::MoveIndex PlayerChoice = game::MoveIndex::Rock;
};

#pragma once

#include "controls.h"
#include "moves.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <random>

// The game window. Its handlers are named after the control and the event
// they serve; they run one at a time on the window's thread.
class Morveta : public QWidget, private ui::ControlSet {
public:
    explicit Morveta(QWidget* parent = nullptr);

    // Prepares the game state once the controls exist; the constructor calls it.
    void Form_Load();
    // 0 "Нова" starts a round, 1 "Изчисти" clears the match; others do nothing.
    void Nachalo_Click(int Index);
    // 0: the player plays first, 1: the computer; either starts a new match.
    void Igrach_Click(int Index);
    // The player's move 0..2; ends the round when one is running.
    void Buton_Click(int Index);
    void Timer1_Timer();

    // Read-only views for tools and tests.
    game::MoveIndex computerChoice() const { return ComputerChoice; }
    game::MoveIndex playerChoice() const { return PlayerChoice; }
    std::optional<std::int16_t> firstMover() const { return FirstMover; }
    const QTimer& timer() const { return Timer1; }

private:
    void ComputerPick();
    void UpdateScore();
    // Unmarks the computer's old choice, then marks the new one.
    void setComputerChoice(game::MoveIndex move);
    void markPick(game::MoveIndex move, bool picked);

    std::optional<std::int16_t> FirstMover; // empty counts as 0, the player first
    game::MoveIndex ComputerChoice = game::MoveIndex::Rock;
    game::MoveIndex PlayerChoice = game::MoveIndex::Rock;
    std::mt19937 generator;
    QTimer Timer1;
};

#include "morveta.h"

#include "random_source.h"
#include "round.h"
#include "score_text.h"
#include "spoken.h"
#include "window.h"

namespace {

using ui::Control;

constexpr int kMoveCount = ui::arraySize(Control::Buton);
constexpr int kOptionCount = ui::arraySize(Control::Igrach);

app::ControlId scoreBox(int i) { return {Control::Rezul, i}; }

} // namespace

Morveta::Morveta(app::Window& window, app::RandomSource& random) : window_(window), random_(random)
{
}

void Morveta::Form_Load()
{
    random_.restart();
    ComputerChoice = game::MoveIndex::Rock;
    PlayerChoice = game::MoveIndex::Rock;
    resetScores();
    const ui::Rgb playerFirst = window_.backColor({Control::Igrach, 0});
    for (int i = 0; i < kOptionCount; ++i)
        window_.setBackColor(scoreBox(i), playerFirst);
}

void Morveta::resetScores()
{
    for (int i = 0; i < kOptionCount; ++i)
        window_.setText(scoreBox(i), "0");
}

void Morveta::Nachalo_Click(int Index)
{
    if (Index == 0) {
        window_.setTimerEnabled(true);
        for (int i = 0; i < kMoveCount; ++i)
            window_.setBackColor({Control::Buton, i}, ui::IdleColour);
        window_.announce(app::spoken::kNewRound);
    } else if (Index == 1) {
        window_.clearLines();
        resetScores();
        window_.announce(app::spoken::kCleared);
    }
}

void Morveta::Igrach_Click(int Index)
{
    if (Index < 0 || Index >= kOptionCount)
        return;
    FirstMover = static_cast<std::int16_t>(Index);
    const ui::Rgb colour = window_.backColor({Control::Igrach, Index});
    for (int i = 0; i < kOptionCount; ++i)
        window_.setBackColor(scoreBox(i), colour);
    resetScores();
    window_.clearLines();
    window_.announce(Index == 0 ? app::spoken::kPlayerFirst : app::spoken::kComputerFirst);
}

void Morveta::Timer1_Timer() { ComputerPick(); }

void Morveta::clicked(app::ControlId control)
{
    switch (control.control) {
    case Control::Buton: Buton_Click(control.index); break;
    case Control::Nachalo: Nachalo_Click(control.index); break;
    case Control::Igrach:
        if (control.index < 0 || control.index >= kOptionCount)
            break;
        for (int i = 0; i < kOptionCount; ++i)
            window_.setValue({Control::Igrach, i}, i == control.index);
        Igrach_Click(control.index);
        break;
    default: break;
    }
}

void Morveta::markPick(game::MoveIndex move, bool picked)
{
    if (!game::isMove(move))
        return;
    const app::ControlId radio{Control::Radio, game::toInt(move)};
    window_.setValue(radio, picked);
    window_.setBackColor(radio, picked ? ui::PickColour : ui::IdleColour);
}

void Morveta::setComputerChoice(game::MoveIndex move)
{
    markPick(ComputerChoice, false);
    ComputerChoice = move;
    markPick(ComputerChoice, true);
}

void Morveta::ComputerPick()
{
    setComputerChoice(game::pickFromUnit(game::unitFromBits(random_.bits())));
}

void Morveta::Buton_Click(int Index)
{
    if (Index < 0 || Index >= kMoveCount)
        return;
    const auto move = static_cast<game::MoveIndex>(Index);
    if (FirstMover.value_or(0) == 0)
        setComputerChoice(game::beaterOf(move));
    if (!window_.timerEnabled()) {
        window_.announce(app::spoken::kRoundOver);
        return;
    }

    window_.setTimerEnabled(false);
    window_.setBackColor({Control::Buton, Index}, ui::PressedColour);
    PlayerChoice = move;
    window_.appendLine(game::historyLine(ComputerChoice, PlayerChoice));
    window_.selectLine(window_.lineCount() - 1);
    UpdateScore();
    window_.announce(app::spoken::roundResult(
        ComputerChoice, PlayerChoice, window_.text(scoreBox(0)), window_.text(scoreBox(1))));
}

void Morveta::UpdateScore()
{
    const double player = game::readScore(window_.text(scoreBox(0)));
    const double computer = game::readScore(window_.text(scoreBox(1)));
    const game::Points points = game::judge(ComputerChoice, PlayerChoice);
    window_.setText(scoreBox(0), game::writeScore(points.player + player));
    window_.setText(scoreBox(1), game::writeScore(points.computer + computer));
}

#include "morveta.h"

#include "history_list.h"
#include "round.h"
#include "score_text.h"

#include <QLineEdit>
#include <QRadioButton>

#include <chrono>

namespace {

QString fromUtf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::size_t slot(game::MoveIndex m) { return static_cast<std::size_t>(game::toInt(m)); }

} // namespace

Morveta::Morveta(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      ui::ControlSet(ui::buildControls(*this))
{
    setObjectName(QStringLiteral("Morveta"));

    for (std::size_t i = 0; i < Buton.size(); ++i)
        connect(Buton[i], &QPushButton::clicked, this, [this, i] { Buton_Click(int(i)); });
    for (std::size_t i = 0; i < Nachalo.size(); ++i)
        connect(Nachalo[i], &QPushButton::clicked, this, [this, i] { Nachalo_Click(int(i)); });
    for (std::size_t i = 0; i < Igrach.size(); ++i)
        connect(Igrach[i], &QRadioButton::clicked, this, [this, i] { Igrach_Click(int(i)); });

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(ui::kTimerIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &Morveta::Timer1_Timer);
    Timer1.start();

    Form_Load();
    Buton[0]->setFocus(Qt::OtherFocusReason);
}

void Morveta::Form_Load()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator = std::mt19937(static_cast<std::uint32_t>(now));
    ComputerChoice = game::MoveIndex::Rock;
    PlayerChoice = game::MoveIndex::Rock;
    for (QLineEdit* box : Rezul)
        box->setText(QStringLiteral("0"));
    for (QLineEdit* box : Rezul)
        ui::setBackColor(*box, ui::backColor(*Igrach[0]));
}

void Morveta::Nachalo_Click(int Index)
{
    if (Index == 0) {
        // Enabling a timer that runs already leaves its rhythm alone.
        if (!Timer1.isActive())
            Timer1.start();
        for (ui::ColourButton* b : Buton)
            ui::setBackColor(*b, ui::IdleColour);
    } else if (Index == 1) {
        Rezultat->clear();
        for (QLineEdit* box : Rezul)
            box->setText(QStringLiteral("0"));
    }
}

void Morveta::Igrach_Click(int Index)
{
    if (Index < 0 || Index >= int(Igrach.size()))
        return;
    FirstMover = static_cast<std::int16_t>(Index);
    const QColor colour = ui::backColor(*Igrach[std::size_t(Index)]);
    for (QLineEdit* box : Rezul)
        ui::setBackColor(*box, colour);
    for (QLineEdit* box : Rezul)
        box->setText(QStringLiteral("0"));
    Rezultat->clear();
}

void Morveta::Timer1_Timer() { ComputerPick(); }

void Morveta::markPick(game::MoveIndex move, bool picked)
{
    if (!game::isMove(move))
        return;
    QRadioButton& r = *Radio[slot(move)];
    ui::setValue(r, picked);
    ui::setBackColor(r, picked ? ui::PickColour : ui::IdleColour);
}

void Morveta::setComputerChoice(game::MoveIndex move)
{
    markPick(ComputerChoice, false);
    ComputerChoice = move;
    markPick(ComputerChoice, true);
}

void Morveta::ComputerPick()
{
    setComputerChoice(
        game::pickFromUnit(game::unitFromBits(static_cast<std::uint32_t>(generator()))));
}

void Morveta::Buton_Click(int Index)
{
    if (Index < 0 || Index >= int(Buton.size()))
        return;
    const auto move = static_cast<game::MoveIndex>(Index);
    if (FirstMover.value_or(0) == 0)
        setComputerChoice(game::beaterOf(move));
    if (!Timer1.isActive())
        return;

    Timer1.stop();
    ui::setBackColor(*Buton[std::size_t(Index)], ui::PressedColour);
    PlayerChoice = move;
    Rezultat->addItem(fromUtf8(game::historyLine(ComputerChoice, PlayerChoice)));
    Rezultat->setCurrentRow(Rezultat->count() - 1);
    UpdateScore();
}

void Morveta::UpdateScore()
{
    const double player = game::readScore(Rezul[0]->text().toStdString());
    const double computer = game::readScore(Rezul[1]->text().toStdString());
    const game::Points points = game::judge(ComputerChoice, PlayerChoice);
    Rezul[0]->setText(fromUtf8(game::writeScore(points.player + player)));
    Rezul[1]->setText(fromUtf8(game::writeScore(points.computer + computer)));
}

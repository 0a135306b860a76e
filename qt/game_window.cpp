#include "game_window.h"

#include "history_list.h"
#include "random_source.h"
#include "text.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QWindow>

#include <limits>

namespace qtgui {

using ui::Control;
using ui::kControls;

namespace {

std::unique_ptr<app::RandomSource> orClock(std::unique_ptr<app::RandomSource> random)
{
    return random ? std::move(random) : std::make_unique<app::ClockRandom>();
}

// A window of its own: a title, the system menu and Close; no Minimise or
// Maximise, and a fixed size.
constexpr Qt::WindowFlags kTopLevel = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                      Qt::MSWindowsFixedSizeDialogHint;

} // namespace

MorvetaWindow::MorvetaWindow(std::unique_ptr<app::RandomSource> random, QWidget* parent)
    : QWidget(parent, parent ? Qt::Widget : kTopLevel), controls_(buildControls(*this)),
      random_(orClock(std::move(random))), announcer_(*this), handlers_(*this, *random_)
{
    setObjectName(QStringLiteral("Morveta"));

    for (const ui::ControlEntry& entry : kControls) {
        const app::ControlId id{entry.control, entry.index};
        if (auto* button = controls_.as<QAbstractButton>(id))
            connect(button, &QAbstractButton::clicked, this, [this, id] { handlers_.clicked(id); });
    }

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(ui::kTimerIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, [this] { handlers_.Timer1_Timer(); });
    Timer1.start();

    // The desktop's own ways out of a program, beside Alt+F4: Ctrl+Q and
    // Ctrl+W on GNOME, KDE and plain X11.
    for (const QKeySequence::StandardKey keys : {QKeySequence::Quit, QKeySequence::Close}) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] { window()->close(); });
    }

    watchScreen(); // buildControls laid the window out at this screen's dpi
    handlers_.Form_Load();
    controls_[{Control::Buton, 0}]->setFocus(Qt::OtherFocusReason);
}

void MorvetaWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The top-level window exists once shown; a move to another screen lays
    // the controls out at that screen's dpi.
    QWindow* handle = window()->windowHandle();
    if (handle && handle != watchedWindow_) {
        watchedWindow_ = handle;
        connect(handle, &QWindow::screenChanged, this, [this] {
            watchScreen();
            layOut(*this, controls_);
        });
    }
}

void MorvetaWindow::watchScreen()
{
    disconnect(dpiWatch_);
    if (const QScreen* s = screen())
        dpiWatch_ = connect(s, &QScreen::logicalDotsPerInchChanged, this,
                            [this] { layOut(*this, controls_); });
}

MorvetaWindow::~MorvetaWindow() = default;

HistoryList* MorvetaWindow::history() const
{
    return controls_.as<HistoryList>({Control::Rezultat, 0});
}

ui::Rgb MorvetaWindow::faceColourAt(std::size_t row) const
{
    const QColor c = qtgui::backColor(*controls_.at(row));
    return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

void MorvetaWindow::paintFaceAt(std::size_t row, ui::Rgb colour)
{
    qtgui::setBackColor(*controls_.at(row), colour);
}

void MorvetaWindow::selectOptionAt(std::size_t row, bool selected)
{
    qtgui::setValue(*static_cast<QRadioButton*>(controls_.at(row)), selected);
}

std::string MorvetaWindow::scoreTextAt(std::size_t row) const
{
    return toUtf8(static_cast<const QLineEdit*>(controls_.at(row))->text());
}

void MorvetaWindow::setScoreTextAt(std::size_t row, std::string_view utf8)
{
    auto* box = static_cast<QLineEdit*>(controls_.at(row));
    box->setText(toQString(utf8));
    box->setCursorPosition(0);
}

void MorvetaWindow::appendLine(std::string_view utf8) { history()->addItem(toQString(utf8)); }

void MorvetaWindow::clearLines() { history()->clear(); }

std::int64_t MorvetaWindow::lineCount() const { return history()->count(); }

void MorvetaWindow::selectLine(std::int64_t index)
{
    const bool inList = index >= 0 && index < std::numeric_limits<int>::max();
    history()->setCurrentRow(inList ? int(index) : -1);
}

bool MorvetaWindow::timerEnabled() const { return Timer1.isActive(); }

void MorvetaWindow::setTimerEnabled(bool enabled)
{
    // QTimer::start() restarts a running timer; its rhythm must go on.
    if (enabled && !Timer1.isActive())
        Timer1.start();
    else if (!enabled)
        Timer1.stop();
}

void MorvetaWindow::announce(std::string_view utf8) { announcer_.announce(toQString(utf8)); }

} // namespace qtgui

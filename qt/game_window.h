#pragma once

#include "announcer.h"
#include "controls.h"
#include "morveta.h"
#include "random_source.h"
#include "window.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace qtgui {

// The game window in Qt Widgets: the controls of the layout table, the timer,
// and the game's handlers wired to their events.
class MorvetaWindow final : public QWidget, public app::Window {
public:
    // Draws from a clock-started generator unless a source is handed in.
    explicit MorvetaWindow(std::unique_ptr<app::RandomSource> random = nullptr,
                           QWidget* parent = nullptr);
    ~MorvetaWindow() override;

    Morveta& handlers() { return handlers_; }
    const QTimer& timer() const { return Timer1; }

    void appendLine(std::string_view utf8) override;
    void clearLines() override;
    std::int64_t lineCount() const override;
    void selectLine(std::int64_t index) override;
    bool timerEnabled() const override;
    void setTimerEnabled(bool enabled) override;
    // Through the focused control's accessible description (Announcer).
    void announce(std::string_view utf8) override;

protected:
    void showEvent(QShowEvent* event) override;
    ui::Rgb faceColourAt(std::size_t row) const override;
    void paintFaceAt(std::size_t row, ui::Rgb colour) override;
    void selectOptionAt(std::size_t row, bool selected) override;
    std::string scoreTextAt(std::size_t row) const override;
    void setScoreTextAt(std::size_t row, std::string_view utf8) override;

private:
    // Lays the window out again whenever its screen's logical dpi changes;
    // a move to another screen calls it anew.
    void watchScreen();
    HistoryList* history() const;

    ControlSet controls_;
    QMetaObject::Connection dpiWatch_;
    QPointer<QWindow> watchedWindow_;
    std::unique_ptr<app::RandomSource> random_;
    QTimer Timer1;
    Announcer announcer_;
    Morveta handlers_;
};

} // namespace qtgui

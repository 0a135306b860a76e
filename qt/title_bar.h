#pragma once

#include <QAbstractButton>
#include <QWidget>

class QLabel;

namespace qtgui {

class MorvetaWindow;

// The Close button of the game's own title bar: a cross in the bar's text colour.
class CloseButton : public QAbstractButton {
public:
    explicit CloseButton(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A title bar drawn by the program, for compositors that leave the title bar
// to their clients (weston, GNOME) and would otherwise get Qt's own, with its
// Minimise and Maximise buttons. It shows the icon, the window's title and a
// Close button; dragging it moves the window. Nothing in it maximises,
// minimises or resizes: the window keeps its size.
class TitleBar : public QWidget {
public:
    explicit TitleBar(QWidget* window);
    QSize sizeHint() const override;
    // Where the caption goes, between the icon and Close, and the bar's face
    // narrowed as far as the whole caption needs to fit there.
    QRect captionRect() const;
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    CloseButton* close_;
};

// The game in a frameless top-level window under its own title bar.
class TitledWindow : public QWidget {
public:
    TitledWindow();
    MorvetaWindow& game() const { return *game_; }
    TitleBar& titleBar() const { return *bar_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TitleBar* bar_;
    MorvetaWindow* game_;
};

} // namespace qtgui

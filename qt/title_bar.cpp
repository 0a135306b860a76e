#include "title_bar.h"

#include "controls.h"
#include "game_window.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>

namespace qtgui {

namespace {

constexpr int kBorder = 1;       // around the whole window, so that it stands out
constexpr int kPadding = 4;      // between the bar's edges and what it shows
constexpr int kButtonMargin = 8; // around the cross, inside its button

QPalette::ColorGroup groupOf(const QWidget& w)
{
    return w.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

// What the bar draws with: the text colour while the window is active,
// dimmed to the disabled text's while another window is, as desktops dim
// the title bars of the windows behind.
QColor inkOf(const QWidget& w)
{
    return w.palette().color(w.isActiveWindow() ? QPalette::Active : QPalette::Disabled,
                             QPalette::WindowText);
}

} // namespace

CloseButton::CloseButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Затвори"));
    setToolTip(QStringLiteral("Затвори"));
}

QSize CloseButton::sizeHint() const
{
    const int side = fontMetrics().height() + kButtonMargin;
    return {side, side};
}

void CloseButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (isDown() || underMouse())
        painter.fillRect(rect(), palette().color(groupOf(*this), QPalette::Midlight));
    QPen pen(inkOf(*this), 2);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF cross =
        QRectF(rect()).adjusted(width() * 0.3, height() * 0.3, -width() * 0.3, -height() * 0.3);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.bottomLeft(), cross.topRight());
}

TitleBar::TitleBar(QWidget* window) : QWidget(window), close_(new CloseButton(this))
{
    setObjectName(QStringLiteral("TitleBar"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(kPadding, kPadding / 2, kPadding, kPadding / 2);
    row->addStretch();
    row->addWidget(close_);
    connect(close_, &QAbstractButton::clicked, this, [this] { this->window()->close(); });
}

QSize TitleBar::sizeHint() const { return {0, close_->sizeHint().height() + kPadding}; }

QRect TitleBar::captionRect() const
{
    int left = kPadding;
    if (!window()->windowIcon().isNull())
        left += height() - kPadding + kPadding;
    return {left, 0, close_->x() - kPadding - left, height()};
}

QFont TitleBar::captionFont() const
{
    // Narrowed as the window's stand-in faces are, rather than cut short.
    const QString caption = window()->windowTitle();
    const int room = captionRect().width();
    return narrowedToFit(font(), [&](const QFont& narrowed) {
        return QFontMetrics(narrowed, this).horizontalAdvance(caption) <= room;
    });
}

void TitleBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int side = height() - kPadding;
    const QIcon icon = window()->windowIcon();
    if (!icon.isNull())
        icon.paint(&painter, QRect(kPadding, kPadding / 2, side, side));
    painter.setPen(inkOf(*this));
    painter.setFont(captionFont());
    painter.drawText(captionRect(), Qt::AlignLeft | Qt::AlignVCenter, window()->windowTitle());
}

void TitleBar::mousePressEvent(QMouseEvent* event)
{
    // The compositor moves the window. A double-click, which on some
    // desktops maximises, does nothing here.
    if (event->button() == Qt::LeftButton && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
    event->accept();
}

bool TitleBar::event(QEvent* event)
{
    // A child widget learns of its window's activation by these, not by
    // ActivationChange, which only the window gets; Qt repaints it only where
    // the palette's active and inactive colours differ.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        update();
    return QWidget::event(event);
}

TitledWindow::TitledWindow()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), bar_(new TitleBar(this)),
      game_(new MorvetaWindow(nullptr, this))
{
    setObjectName(QStringLiteral("TitledWindow"));
    setWindowTitle(game_->windowTitle());
    // The caption in the window's own face, whatever the desktop's theme has.
    bar_->setFont(game_->font());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    column->setSpacing(0);
    // As large as the game and the bar, and no larger or smaller.
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addWidget(bar_);
    column->addWidget(game_);
}

void TitledWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace qtgui

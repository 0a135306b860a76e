#include "controls.h"

#include "contrast.h"
#include "history_list.h"
#include "text.h"
#include "window_accessible.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

#include <algorithm>
#include <limits>

namespace qtgui {

using ui::Control;
using ui::ControlEntry;
using ui::FontEntry;
using ui::kControls;
using ui::Rgb;
using ui::Twips;

namespace {

// The rectangle in the widget's logical pixels: twips follow the screen's
// logical dpi, as fonts in points do, and Qt scales logical pixels further
// by the device-pixel ratio.
QRect toPixels(Twips t, const QWidget& w)
{
    const int x = w.logicalDpiX();
    const int y = w.logicalDpiY();
    return {ui::toPixels(t.left, x), ui::toPixels(t.top, y), ui::toPixels(t.width, x),
            ui::toPixels(t.height, y)};
}

QString objectNameFor(const ControlEntry& entry)
{
    const QString name = toQString(ui::controlName(entry.control));
    return ui::isArray(entry.control) ? QStringLiteral("%1(%2)").arg(name).arg(entry.index) : name;
}

// An option button of a column: Left and Right move through the group like
// Up and Down. Qt looks for a button to the left or right, and finds none.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int key = event->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return QRadioButton::keyPressEvent(event);
        QKeyEvent vertical(event->type(), key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                           event->modifiers(), event->text(), event->isAutoRepeat());
        QRadioButton::keyPressEvent(&vertical);
        event->setAccepted(vertical.isAccepted());
    }
    void paintEvent(QPaintEvent* event) override
    {
        QRadioButton::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            drawFocusFrame(painter, rect(), palette().color(QPalette::WindowText));
        }
    }
};

QRadioButton* makeOption(QWidget* parent, const ControlEntry& entry)
{
    auto* option = new OptionButton(toQString(entry.caption), parent);
    option->setAutoFillBackground(true);
    return option;
}

ColourButton* makeButton(QWidget* parent, const ControlEntry& entry)
{
    auto* button = new ColourButton(toQString(entry.caption), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLabel* makeLabel(QWidget* parent, const ControlEntry& entry)
{
    auto* label = new QLabel(toQString(entry.caption), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A score box, which shows its focus as a frame in its text's colour as well
// as by its cursor.
class ScoreBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLineEdit::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            drawFocusFrame(painter, rect().adjusted(3, 3, -3, -3), palette().color(QPalette::Text));
        }
    }
};

QLineEdit* makeScoreBox(QWidget* parent, const ControlEntry& entry)
{
    auto* box = new ScoreBox(toQString(entry.caption), parent);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

HistoryList* makeHistory(QWidget* parent) { return new HistoryList(parent); }

// The rules box: read-only to every kind of input. A read-only QPlainTextEdit
// still takes text composed by an input method (dead keys, compose).
class RulesBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void inputMethodEvent(QInputMethodEvent* event) override { event->ignore(); }
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override
    {
        return query == Qt::ImEnabled ? QVariant(false) : QPlainTextEdit::inputMethodQuery(query);
    }
};

QPlainTextEdit* makeRules(QWidget* parent)
{
    auto* text = new RulesBox(parent);
    text->setAttribute(Qt::WA_InputMethodEnabled, false);
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setWordWrapMode(QTextOption::WordWrap);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setTabChangesFocus(true);
    return text;
}

QWidget* makeFrame(QWidget* parent)
{
    auto* frame = new Frame(parent);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

// The design's face, or where none of its families is installed the
// desktop's own serif or sans-serif face. The first installed family alone:
// a missing one in a list of families costs Qt a search for fallbacks.
QFont fontFor(const FontEntry& entry, const QStringList& installed, bool* fallback = nullptr)
{
    QString family = entry.serif ? QStringLiteral("serif") : QStringLiteral("sans-serif");
    bool designed = false;
    for (std::string_view f : entry.families)
        if (installed.contains(toQString(f), Qt::CaseInsensitive)) {
            family = toQString(f);
            designed = true;
            break;
        }
    if (fallback)
        *fallback = !designed;
    QFont font;
    font.setFamilies({family});
    font.setStyleHint(entry.serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(entry.pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

// The width a caption may take in its control: a label's whole width, a
// button's inside its bevel, an option's beside its indicator.
int captionRoom(const ControlEntry& entry, const QWidget& window)
{
    const int width = toPixels(entry.rect, window).width();
    switch (entry.control) {
    case Control::Label2: return width - 2;
    case Control::Buton:
    case Control::Nachalo: return width - 6;
    case Control::Igrach:
        return width - window.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
               window.style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) - 2;
    default: return std::numeric_limits<int>::max();
    }
}

// The window's face, narrowed until every caption fits its control.
QFont fitCaptions(const QFont& font, const QWidget& window)
{
    return narrowedToFit(font, [&](const QFont& narrowed) {
        const QFontMetrics metrics(narrowed, &window);
        return std::all_of(kControls.begin(), kControls.end(), [&](const auto& e) {
            return metrics.horizontalAdvance(toQString(e.caption)) <= captionRoom(e, window);
        });
    });
}

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

Rgb toRgb(const QColor& c)
{
    return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

} // namespace

void ColourButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QBrush face(palette().color(QPalette::Button));
    const bool sunken = isDown() || isChecked();
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);

    QRect textRect = rect();
    if (sunken)
        textRect.translate(1, 1);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignCenter, text());

    if (hasFocus())
        drawFocusFrame(painter, rect().adjusted(5, 5, -5, -5),
                       palette().color(QPalette::ButtonText));
}

void drawFocusFrame(QPainter& painter, const QRect& rect, const QColor& colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

QColor backColor(const QWidget& w) { return w.palette().color(w.backgroundRole()); }

void setBackColor(QWidget& w, const QColor& colour)
{
    // The text colour was chosen with the face: a tick that repaints a mark
    // in its own colour costs nothing.
    if (backColor(w) == colour)
        return;
    // The role the control draws its text with.
    QPalette::ColorRole text = QPalette::WindowText;
    if (qobject_cast<QLineEdit*>(&w))
        text = QPalette::Text;
    else if (qobject_cast<QPushButton*>(&w))
        text = QPalette::ButtonText;
    const QColor desktop = QApplication::palette(&w).color(QPalette::Active, text);
    const Rgb readable = ui::textColourOn(toRgb(colour), toRgb(desktop));
    const QColor textColour = toQColor(readable);
    QPalette p = w.palette();
    p.setColor(w.backgroundRole(), colour);
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, text, textColour);
    w.setPalette(p);
}

void setBackColor(QWidget& w, Rgb colour) { setBackColor(w, toQColor(colour)); }

void setValue(QRadioButton& option, bool selected)
{
    if (option.isChecked() == selected)
        return;
    const bool exclusive = option.autoExclusive();
    option.setAutoExclusive(exclusive && selected);
    option.setChecked(selected);
    option.setAutoExclusive(exclusive);
}

void layOut(QWidget& window, const ControlSet& controls)
{
    window.setFixedSize(toPixels(ui::kClientArea, window).size());
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (QWidget* w = controls.at(i))
            w->setGeometry(toPixels(kControls[i].rect, window));
}

namespace {

// The window's own font, caption and colour.
void setUpWindow(QWidget& window, const QStringList& installed)
{
    bool fallback = false;
    const QFont windowFont = fontFor(ui::kWindowFont, installed, &fallback);
    window.setFont(fallback ? fitCaptions(windowFont, window) : windowFont);
    window.setWindowTitle(toQString(ui::kCaption));
    window.setAutoFillBackground(true);
    setBackColor(window, ui::kWindowColour);
}

// The control of a row, made in its container (built before it).
QWidget* makeControl(const ControlSet& c, QWidget& window, const ControlEntry& entry,
                     const QStringList& installed)
{
    QWidget* parent = &window;
    if (const auto frame = ui::containerOf(entry.control))
        parent = c[{*frame, 0}];
    switch (entry.control) {
    case Control::Label2: return makeLabel(parent, entry);
    case Control::Frame1: return makeFrame(parent);
    case Control::Frame2: {
        // The marks in this frame take its font as they are made.
        QWidget* frame = makeFrame(parent);
        frame->setFont(fontFor(ui::kRadioFont, installed));
        return frame;
    }
    case Control::Igrach:
    case Control::Radio: return makeOption(parent, entry);
    case Control::Rezul: return makeScoreBox(parent, entry);
    case Control::Buton:
    case Control::Nachalo: return makeButton(parent, entry);
    case Control::Rezultat: return makeHistory(parent);
    case Control::Text1: return makeRules(parent);
    }
    return nullptr;
}

// The name, words for readers, colour and option state the row gives.
void applyEntry(QWidget& w, const ControlEntry& entry)
{
    w.setObjectName(objectNameFor(entry));
    if (!entry.spokenName.empty())
        w.setAccessibleName(toQString(entry.spokenName));
    if (!entry.description.empty())
        w.setAccessibleDescription(toQString(entry.description));
    if (entry.colour)
        setBackColor(w, *entry.colour);
    if (const auto start = ui::optionStart(entry)) {
        static_cast<QRadioButton&>(w).setChecked(start->selected);
        w.setEnabled(start->enabled);
    }
}

// Tab visits the controls that take the focus in the table's tab order.
void chainTabOrder(const ControlSet& c)
{
    QWidget* previous = nullptr;
    for (const std::size_t row : ui::kTabOrder) {
        QWidget* w = c.at(row);
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace

ControlSet buildControls(QWidget& window)
{
    // Before any control exists, so that no reader meets one without its role.
    registerWindowAccessibility();
    ControlSet c;
    const QStringList installed = QFontDatabase::families();
    setUpWindow(window, installed);
    // Each frame stands in the table before the options it holds, so they find it built.
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        QWidget* w = makeControl(c, window, kControls[row], installed);
        c.set(row, w);
        applyEntry(*w, kControls[row]);
    }
    layOut(window, c);
    // The rules are laid out once, at their box's width: set before the
    // geometry, they would be wrapped at the default width first.
    c.as<QPlainTextEdit>({Control::Text1, 0})->setPlainText(toQString(ui::kRulesText));
    chainTabOrder(c);
    return c;
}

} // namespace qtgui

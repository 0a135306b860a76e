// What a screen reader is given: a Bulgarian name for every control, the
// option buttons' checked state, the score texts and the history lines.
#include "probe.h"

#include "expected_texts.h"

#include "history_list.h"

#include <QAccessible>
#include <QApplication>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>

#include <tuple>

namespace {

QAccessibleInterface* accessible(QWidget& window, const QString& name)
{
    return QAccessible::queryAccessibleInterface(control(window, name));
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// What Qt's announcements said, each with the object that said it.
QList<std::pair<QObject*, QString>> announced;
void hearAnnouncements(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::Announcement)
        announced.append(
            {event->object(), static_cast<QAccessibleAnnouncementEvent*>(event)->message()});
}
#endif

} // namespace

class TestAccess : public QObject {
    Q_OBJECT
private slots:
    void init() { window = openWindow(); }
    void cleanup() { window.reset(); }

    void everyControlHasABulgarianName();
    void computersMarksTellTheirMoveAndState();
    void scoreTextsCanBeRead();
    void historyLinesCanBeRead();
    void namesChangeNothingOnScreen();
    void spokenNamesHoldWhatIsShown();
    void historyLetsGoOfItsLines();
    void readerSelectsAHistoryLineAsAClickWould();
    void theFocusedControlTellsWhatHappenedUntilTheFocusLeaves();

private:
    std::unique_ptr<MorvetaWindow> window;
};

void TestAccess::everyControlHasABulgarianName()
{
    const auto roleOf = [](ui::Control c) {
        switch (c) {
        case ui::Control::Label2: return QAccessible::StaticText;
        case ui::Control::Frame1:
        case ui::Control::Frame2: return QAccessible::Grouping;
        case ui::Control::Igrach:
        case ui::Control::Radio: return QAccessible::RadioButton;
        case ui::Control::Buton:
        case ui::Control::Nachalo: return QAccessible::Button;
        case ui::Control::Rezultat: return QAccessible::List;
        case ui::Control::Rezul:
        case ui::Control::Text1: return QAccessible::EditableText;
        }
        return QAccessible::NoRole;
    };
    for (const auto& expected : testing_support::kExpectedTexts) {
        const QString name =
            QString::fromStdString(testing_support::nameOf(expected.control, expected.index));
        QAccessibleInterface* iface = accessible(*window, name);
        QVERIFY2(iface && iface->isValid(), qPrintable(name));
        QCOMPARE(iface->text(QAccessible::Name), QString::fromUtf8(expected.name));
        QCOMPARE(iface->text(QAccessible::Description), QString::fromUtf8(expected.description));
        QCOMPARE(iface->role(), roleOf(expected.control));
    }
}

void TestAccess::computersMarksTellTheirMoveAndState()
{
    for (int tick = 0; tick < 20; ++tick) {
        window->handlers().Timer1_Timer();
        const int picked = game::toInt(window->handlers().computerChoice());
        for (int i = 0; i < 3; ++i) {
            const QAccessible::State s =
                accessible(*window, QStringLiteral("Radio(%1)").arg(i))->state();
            QCOMPARE(bool(s.checked), i == picked);
            QVERIFY(s.checkable);
            QVERIFY(s.disabled);
        }
    }
    QVERIFY(accessible(*window, "Igrach(0)")->state().checked);
    QVERIFY(!accessible(*window, "Igrach(1)")->state().checked);
}

void TestAccess::scoreTextsCanBeRead()
{
    window->handlers().Igrach_Click(1);
    control<QLineEdit>(*window, "Rezul(0)")->setText("41");
    window->handlers().Buton_Click(0);
    QCOMPARE(accessible(*window, "Rezul(0)")->text(QAccessible::Value),
             control<QLineEdit>(*window, "Rezul(0)")->text());
    QCOMPARE(accessible(*window, "Rezul(1)")->text(QAccessible::Value),
             control<QLineEdit>(*window, "Rezul(1)")->text());
    QVERIFY(accessible(*window, "Text1")->text(QAccessible::Value).startsWith("Правилата"));
}

void TestAccess::historyLinesCanBeRead()
{
    auto* list = control<qtgui::HistoryList>(*window, "Rezultat");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
    QCOMPARE(iface->childCount(), 0);
    for (int round = 0; round < 6; ++round) {
        window->handlers().Buton_Click(round % 3);
        window->handlers().Nachalo_Click(0);
    }
    QCOMPARE(iface->childCount(), 6);
    for (int row = 0; row < 6; ++row) {
        QAccessibleInterface* item = iface->child(row);
        QVERIFY(item && item->isValid());
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(item->text(QAccessible::Name), list->line(row));
        QCOMPARE(item->parent(), iface);
        QCOMPARE(iface->indexOfChild(item), row);
        QCOMPARE(bool(item->state().selected), row == 5);
    }
    QVERIFY(iface->child(0)->state().offscreen); // scrolled away
    QVERIFY(!iface->child(5)->state().offscreen);
    QCOMPARE(iface->child(6), nullptr);

    window->handlers().Nachalo_Click(1);
    QCOMPARE(iface->childCount(), 0);
    QCOMPARE(iface->child(0), nullptr);
}

void TestAccess::readerSelectsAHistoryLineAsAClickWould()
{
    auto* list = control<qtgui::HistoryList>(*window, "Rezultat");
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(list)->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->selectedRows(), QList<int>{});
    for (int round = 0; round < 4; ++round) {
        window->handlers().Buton_Click(round % 3);
        window->handlers().Nachalo_Click(0);
    }
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->selectedRows(), QList<int>{3}); // the newest line
    struct Step {
        int row;
        bool taken;
        int selected;
    };
    for (const Step& step :
         {Step{1, true, 1}, Step{4, false, 1}, Step{-1, false, 1}, Step{0, true, 0}}) {
        QCOMPARE(table->selectRow(step.row), step.taken);
        QCOMPARE(list->currentRow(), step.selected);
        QCOMPARE(table->selectedRows(), QList<int>{step.selected});
        QVERIFY(table->isRowSelected(step.selected));
        QAccessibleTableCellInterface* cell = table->cellAt(step.selected, 0)->tableCellInterface();
        QVERIFY(cell && cell->isSelected());
        QCOMPARE(cell->rowIndex(), step.selected);
    }
    // One line stays selected: nothing unselects it.
    QVERIFY(!table->unselectRow(0));
    QCOMPARE(table->selectedRowCount(), 1);
    QCOMPARE(table->cellAt(0, 1), nullptr);
}

void TestAccess::namesChangeNothingOnScreen()
{
    // The window looks the same with the spoken names taken away.
    const QImage named = screen(*window);
    for (QWidget* w : window->findChildren<QWidget*>())
        w->setAccessibleName(QString());
    QCOMPARE(screen(*window), named);
}

void TestAccess::spokenNamesHoldWhatIsShown()
{
    // Someone who says what they see must reach the control: each name holds
    // the visible caption, and the longer wording is the description.
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QString caption;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            caption = b->text().trimmed();
        else if (auto* l = qobject_cast<QLabel*>(w))
            caption = l->text().trimmed();
        if (caption.isEmpty())
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(iface->text(QAccessible::Name).contains(caption), qPrintable(w->objectName()));
    }
    QCOMPARE(accessible(*window, "Igrach(0)")->text(QAccessible::Description),
             QStringLiteral("Играчът играе първи"));
    QCOMPARE(accessible(*window, "Igrach(1)")->text(QAccessible::Description),
             QStringLiteral("Компютърът играе първи"));
}

void TestAccess::historyLetsGoOfItsLines()
{
    auto* list = control<qtgui::HistoryList>(*window, "Rezultat");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
    for (int round = 0; round < 700; ++round)
        list->addItem(lineFor(round % 3, 0));
    const QAccessible::Id first = QAccessible::uniqueId(iface->child(0));
    QVERIFY(QAccessible::accessibleInterface(first));
    // Reading the whole history keeps only a bounded number of line interfaces.
    for (int row = 1; row < 700; ++row)
        QVERIFY(iface->child(row));
    QCOMPARE(QAccessible::accessibleInterface(first), nullptr);
    // Clearing lets go of the rest.
    const QAccessible::Id last = QAccessible::uniqueId(iface->child(699));
    window->handlers().Nachalo_Click(1);
    QCOMPARE(QAccessible::accessibleInterface(last), nullptr);
}

// Before Qt 6.8 the words are the focused control's description until the
// focus leaves; from 6.8 on they are Qt's announcement from that control.
void TestAccess::theFocusedControlTellsWhatHappenedUntilTheFocusLeaves()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessible::installUpdateHandler(hearAnnouncements);
    QAccessible::setActive(true);
    announced.clear();
    const auto restore = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });
#endif
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const auto description = [this](const char* name) {
        return accessible(*window, name)->text(QAccessible::Description);
    };
    struct Step {
        const char* focus; // where the keys go
        Qt::Key key;
        const char* speaks; // the control that carries the message
        const char* said;
        const char* before; // the control that had it, its own description again
        const char* own;
    };
    const Step steps[] = {
        {"Buton(0)", Qt::Key_Space, "Buton(0)",
         "Играч: Камък, компютър: Хартия. Загуба. Играч 0, компютър 2.", nullptr, nullptr},
        {"Buton(0)", Qt::Key_Tab, "Buton(1)", "", "Buton(0)", ""},
        {"Nachalo(0)", Qt::Key_Space, "Nachalo(0)", "Нов рунд. Изберете ход.", "Buton(1)", ""},
        {"Igrach(0)", Qt::Key_Down, "Igrach(1)",
         "Компютърът играе първи. Резултатът и историята са изчистени.", "Nachalo(0)", ""},
        {"Igrach(1)", Qt::Key_Tab, "Rezul(0)", "", "Igrach(1)", "Компютърът играе първи"},
    };
    for (const Step& step : steps) {
        QWidget* target = control(*window, step.focus);
        if (!target->hasFocus())
            target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, step.key);
        QCOMPARE(QApplication::focusWidget(), control(*window, step.speaks));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        const qsizetype before = announced.size();
        QApplication::processEvents(); // told once the key's event is over
        if (*step.said) {
            WAIT_VERIFY(announced.size() > before);
            QCOMPARE(announced.last().first, control(*window, step.speaks));
            QCOMPARE(announced.last().second, QString::fromUtf8(step.said));
        } else {
            QCOMPARE(announced.size(), before);
        }
#else
        // Told once the key's event is over.
        WAIT_COMPARE(description(step.speaks), QString::fromUtf8(step.said));
        if (step.before)
            QCOMPARE(description(step.before), QString::fromUtf8(step.own));
#endif
    }
    QCOMPARE(description("Igrach(0)"), QStringLiteral("Играчът играе първи"));
}

QTEST_MAIN(TestAccess)
#include "test_access.moc"

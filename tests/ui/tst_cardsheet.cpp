// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include "app/cardqueries.h"
#include "ui/card/carddetailsheet.h"
#include "ui/card/checklistlist.h"
#include "ui/card/timerrow.h"
#include "ui/components/capsule.h"
#include "ui/components/colorswatch.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include <malloc.h>

class TestCardSheet final : public QObject {
    Q_OBJECT

    std::unique_ptr<UiFixture> f;
    std::unique_ptr<QWidget> window;
    QUuid projectID;
    QUuid cardID;

    TaskCard current() { return *f->model().card(cardID); }
    CardDetailSheet *open(const QUuid &id)
    {
        auto *sheet = new CardDetailSheet(f->context(), id, window.get());
        sheet->open();
        return sheet;
    }
    // A screen reader's command: the control's first accessible action (press or toggle).
    static void activate(QWidget *control)
    {
        QAccessibleActionInterface *actions =
            QAccessible::queryAccessibleInterface(control)->actionInterface();
        actions->doAction(actions->actionNames().constFirst());
    }
    template<typename T> T *find(CardDetailSheet *sheet, const QString &name)
    {
        T *child = sheet->findChild<T *>(name);
        if (!child)
            qFatal("no %s", qPrintable(name));
        return child;
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<UiFixture>();
        window = std::make_unique<QWidget>();
        window->resize(800, 600);
        window->show();
        projectID = f->addProject().id;
        cardID = f->addCard(projectID, u"Karta"_s, KanbanColumn::Doing).id;
    }
    void cleanup()
    {
        window.reset();
        f.reset();
    }

    void textsAreWrittenAsTyped();
    void pickersWriteTheCard();
    void dueDateSwitchRemembersTheDate();
    void timerTicksOnlyWhileShownAndRunning();
    void checklistAddsTogglesAndRemoves();
    void bigChecklistFollowsEditsByRows();
    void footerArchivesAndDeletes();
    void deletedCardLeavesOnlyTheText();
    void longTextsStayInsideTheSheet();
    void keyboardReachesEveryControlInOrder();
    void openAndCloseLeaveNothingBehind();
};

void TestCardSheet::textsAreWrittenAsTyped()
{
    CardDetailSheet *sheet = open(cardID);
    auto *title = find<QLineEdit>(sheet, u"cardTitleField"_s);
    QCOMPARE(title->text(), u"Karta"_s);
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, u" New "_s);
    QCOMPARE(current().title, u" New "_s);
    QCOMPARE(sheet->windowTitle(), u"New"_s); // the window's title follows
    title->selectAll();
    QTest::keyClick(title, Qt::Key_Backspace);
    QCOMPARE(current().title, QString());
    QCOMPARE(sheet->windowTitle(), u"Název úkolu"_s);

    auto *note = find<QPlainTextEdit>(sheet, u"noteField"_s);
    QTest::keyClicks(note, u"ab"_s);
    QTest::keyClick(note, Qt::Key_Return);
    QTest::keyClicks(note, u"c"_s);
    QCOMPARE(current().note, u"ab\nc"_s);
    QCOMPARE(note->accessibleName(), u"Popis"_s);

    // Undo in the sheet takes back one field's typing at a time, and the fields show it.
    auto *undo = sheet->findChild<QAction *>(u"undoAction"_s);
    QCOMPARE(undo->text(), u"Zpět: Upravit popis karty"_s);
    undo->trigger();
    QCOMPARE(note->toPlainText(), QString());
    undo->trigger();
    QCOMPARE(title->text(), u"Karta"_s);
    QCOMPARE(sheet->windowTitle(), u"Karta"_s);
}

void TestCardSheet::pickersWriteTheCard()
{
    f->model().addLabel(u"Zvláštní"_s, u"teal"_s); // an unknown colour draws gray
    CardDetailSheet *sheet = open(cardID);
    // Each picker answers a screen reader's action as it answers a click.
    activate(find<ColorSwatch>(sheet, u"cover_blue"_s));
    QCOMPARE(current().coverColorName, u"blue"_s);
    QVERIFY(find<ColorSwatch>(sheet, u"cover_blue"_s)->isChecked());
    find<ColorSwatch>(sheet, u"cover_blue"_s)->click(); // clicking it again keeps it
    QCOMPARE(current().coverColorName, u"blue"_s);
    find<ColorSwatch>(sheet, u"coverNone"_s)->click();
    QCOMPARE(current().coverColorName, std::nullopt);

    auto *high = find<Capsule>(sheet, u"priority_high"_s);
    activate(high);
    QCOMPARE(current().priority, CardPriority::High);
    QVERIFY(high->isChecked());
    high->click();
    QCOMPARE(current().priority, std::nullopt);
    QVERIFY(!high->isChecked());
    find<Capsule>(sheet, u"priority_low"_s)->click();
    QCOMPARE(current().priority, CardPriority::Low);

    // All labels in the model's order, carried or not; a click toggles one.
    const QList<CardLabel> labels = f->model().labels();
    const QList<Capsule *> chips = sheet->findChildren<Capsule *>(u"cardLabelChip"_s);
    QCOMPARE(chips.size(), labels.size());
    QCOMPARE(chips.constLast()->text(), u"Zvláštní"_s);
    activate(chips[2]);
    chips[0]->click();
    QCOMPARE(current().labelIDs, (QList<QUuid>{labels[2].id, labels[0].id}));
    QVERIFY(chips[0]->isChecked() && !chips[1]->isChecked());
    chips[2]->click();
    QCOMPARE(current().labelIDs, QList<QUuid>{labels[0].id});
}

void TestCardSheet::dueDateSwitchRemembersTheDate()
{
    const QDateTime opened = f->data.clock;
    CardDetailSheet *sheet = open(cardID);
    auto *toggle = find<QCheckBox>(sheet, u"dueDateToggle"_s);
    auto *picker = find<QDateEdit>(sheet, u"dueDatePicker"_s);
    QVERIFY(!toggle->isChecked() && !picker->isVisibleTo(sheet));
    f->data.clock = opened.addSecs(600); // the sheet keeps the moment it opened
    toggle->click();
    QCOMPARE(current().dueDate, opened);
    QVERIFY(picker->isVisibleTo(sheet));

    const QDate later = opened.toLocalTime().date().addDays(3);
    picker->setDate(later);
    QCOMPARE(current().dueDate->toLocalTime().date(), later);
    QCOMPARE(current().dueDate->toLocalTime().time(), opened.toLocalTime().time());
    toggle->click();
    QCOMPARE(current().dueDate, std::nullopt);
    toggle->click();
    QCOMPARE(current().dueDate->toLocalTime().date(), later);

    QCOMPARE(picker->locale().name(), u"cs_CZ"_s);
    f->data.switchLanguage(AppLanguage::En);
    QCOMPARE(picker->locale().name(), u"en_US"_s);
    QCOMPARE(toggle->text(), u"Due date"_s);
}

void TestCardSheet::timerTicksOnlyWhileShownAndRunning()
{
    CardDetailSheet *sheet = open(cardID);
    auto *row = sheet->findChild<TimerRow *>();
    auto *button = find<QPushButton>(sheet, u"timerButton"_s);
    QCOMPARE(button->text(), u"Spustit"_s);
    QVERIFY(!row->isTicking());
    button->click();
    QCOMPARE(current().timerStartedAt, f->data.clock);
    QCOMPARE(button->text(), u"Zastavit"_s);
    QVERIFY(row->isTicking());
    f->data.clock = f->data.clock.addSecs(90);
    QTRY_COMPARE_WITH_TIMEOUT(find<QLabel>(sheet, u"timerText"_s)->text(), u"1:30"_s, 2500);
    button->click();
    QCOMPARE(current().timeSpentSeconds, 90);
    QVERIFY(!row->isTicking());

    button->click();
    QVERIFY(row->isTicking());
    sheet->close();
    QVERIFY(!row->isTicking());
}

void TestCardSheet::checklistAddsTogglesAndRemoves()
{
    CardDetailSheet *sheet = open(cardID);
    auto *field = find<QLineEdit>(sheet, u"newChecklistItemField"_s);
    auto *add = find<QPushButton>(sheet, u"addChecklistItemButton"_s);
    QVERIFY(!add->isEnabled());
    QTest::keyClicks(field, u"  one "_s);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(sheet->isVisible()); // Return added; it did not close the sheet
    QTest::keyClicks(field, u"   "_s);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(field->text().isEmpty());
    QTest::keyClicks(field, u"two"_s);
    add->click();
    f->model().addChecklistItem(u"three\nlines"_s, cardID);
    QCOMPARE(current().checklist.size(), 3);
    QCOMPARE(current().checklist[0].text, u"one"_s);
    QCOMPARE(find<QLabel>(sheet, u"checklistCount"_s)->text(), u"0/3"_s);

    // A click on an entry's circle ticks it; one on its cross removes it.
    auto *list = find<ChecklistList>(sheet, u"checklistItems"_s);
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    const auto click = [list](int row, ChecklistDelegate::Part part) {
        const QRect where = list->partRect(list->model()->index(row, 0), part);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where.center());
    };
    click(1, ChecklistDelegate::Part::Toggle);
    QVERIFY(current().checklist[1].done);
    QCOMPARE(find<QLabel>(sheet, u"checklistCount"_s)->text(), u"1/3"_s);
    click(0, ChecklistDelegate::Part::Remove);
    QCOMPARE(current().checklist.size(), 2);
    QCOMPARE(current().checklist[0].text, u"two"_s);

    // From the keyboard: the arrows pick an entry, Space ticks it, Delete removes it; a screen
    // reader reads each entry's text and whether it is done.
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(!current().checklist[0].done);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(current().checklist[1].done);
    QAccessibleInterface *items = QAccessible::queryAccessibleInterface(list);
    QCOMPARE(items->text(QAccessible::Name), u"Checklist"_s);
    QAccessibleInterface *second = items->child(1);
    QVERIFY(second);
    QCOMPARE(second->text(QAccessible::Name), u"three lines"_s);
    QVERIFY(second->state().checkable && second->state().checked);
    QVERIFY(!items->child(0)->state().checked);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(current().checklist.size(), 1);
    QCOMPARE(current().checklist[0].text, u"two"_s);
    QTest::keyClick(list, Qt::Key_Delete);
    QVERIFY(current().checklist.isEmpty());
    QVERIFY(!list->isVisible()); // nothing to reach by Tab
}

void TestCardSheet::bigChecklistFollowsEditsByRows()
{
    f->addCard(projectID, u"big"_s, KanbanColumn::Idea, [](TaskCard &card) {
        for (int i = 0; i < 3000; ++i)
            card.checklist.append({QUuid::createUuid(), u"položka %1"_s.arg(i), i % 2 == 0});
    });
    const QUuid big = CardQueries::column(f->model().cards(), projectID, KanbanColumn::Idea)[0].id;
    CardDetailSheet *sheet = open(big);
    auto *list = find<ChecklistList>(sheet, u"checklistItems"_s);
    QAbstractItemModel *rows = list->model();
    QCOMPARE(rows->rowCount(), 3000);
    QCOMPARE(list->sizeHint().height(), 3000 * ChecklistDelegate::rowHeight);
    QSignalSpy changed(rows, &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(rows, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(rows, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(rows, &QAbstractItemModel::modelReset);

    // A title keystroke and the other card's edits leave the entries alone.
    auto *title = find<QLineEdit>(sheet, u"cardTitleField"_s);
    QTest::keyClick(title, Qt::Key_X);
    f->model().setPriority(CardPriority::High, big);
    QCOMPARE(changed.count() + inserted.count() + removed.count() + reset.count(), 0);
    // One entry ticked is one row repainted; one added or removed is one row.
    f->model().toggleChecklistItem(f->model().card(big)->checklist[1500].id, big);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toModelIndex().row(), 1500);
    f->model().addChecklistItem(u"nová"_s, big);
    f->model().removeChecklistItem(f->model().card(big)->checklist[7].id, big);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(rows->index(2999, 0).data().toString(), u"nová"_s);

    // The entry picked from the keyboard is brought into the sheet's view.
    auto *scroll = find<QScrollArea>(sheet, u"cardSheetScroll"_s);
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    list->setFocus();
    list->setCurrentIndex(rows->index(2000, 0));
    const QPoint shown = list->viewport()->mapTo(scroll->viewport(),
                                                 list->visualRect(rows->index(2000, 0)).center());
    QVERIFY(scroll->viewport()->rect().contains(shown));
}

void TestCardSheet::footerArchivesAndDeletes()
{
    CardDetailSheet *sheet = open(cardID);
    find<QPushButton>(sheet, u"archiveCardButton"_s)->click();
    QVERIFY(current().archived);
    QVERIFY(!sheet->isVisible());

    sheet = open(cardID);
    find<QPushButton>(sheet, u"deleteCardButton"_s)->click();
    QMessageBox *box = nullptr;
    QTRY_VERIFY((box = sheet->findChild<QMessageBox *>(u"deleteCardConfirmation"_s)));
    QVERIFY(box->informativeText().startsWith(u"Karta"_s));
    box->findChild<QPushButton *>(u"confirmDeleteButton"_s)->click();
    QVERIFY(!f->model().card(cardID));
    QVERIFY(!sheet->isVisible());
}

void TestCardSheet::deletedCardLeavesOnlyTheText()
{
    CardDetailSheet *sheet = open(cardID);
    const QUuid other = f->addCard(projectID, u"jiná"_s, KanbanColumn::Idea).id;
    find<QPushButton>(sheet, u"timerButton"_s)->click();
    f->model().deleteCard(cardID);
    QVERIFY(sheet->showsDeletedCard());
    QCOMPARE(find<QLabel>(sheet, u"cardDeletedText"_s)->text(), u"Karta byla smazána"_s);
    QVERIFY(!find<QLineEdit>(sheet, u"cardTitleField"_s)->isVisible());
    QVERIFY(!sheet->findChild<TimerRow *>()->isTicking());
    QCOMPARE(f->model().card(other)->title, u"jiná"_s);
    f->model().history().undo();
    QVERIFY(!sheet->showsDeletedCard());

    CardDetailSheet *missing = open(QUuid::createUuid());
    QVERIFY(missing->showsDeletedCard());
}

void TestCardSheet::longTextsStayInsideTheSheet()
{
    f->addCard(projectID, u"long"_s, KanbanColumn::Idea, [](TaskCard &card) {
        card.title = QString(10000, u'W') + u"\n\n\n"_s;
        card.note = QString(500, u'\n') + QString(10000, u'x');
        for (int i = 0; i < 40; ++i)
            card.checklist.append({QUuid::createUuid(), QString(300, u'y'), i % 2 == 0});
    });
    CardDetailSheet *sheet =
        open(CardQueries::column(f->model().cards(), projectID, KanbanColumn::Idea)[0].id);
    QTest::qWait(20);
    QCOMPARE(sheet->size(), QSize(440, 560));
    auto *scroll = find<QScrollArea>(sheet, u"cardSheetScroll"_s);
    QVERIFY(scroll->widget()->width() <= scroll->viewport()->width());
    QVERIFY(scroll->widget()->height() > scroll->viewport()->height());
}

void TestCardSheet::keyboardReachesEveryControlInOrder()
{
    f->addCard(projectID, u"plný"_s, KanbanColumn::Idea, [](TaskCard &card) {
        card.checklist = {{QUuid::createUuid(), u"jedna"_s, false},
                          {QUuid::createUuid(), u"dvě"_s, true}};
        card.dueDate = QDateTime(QDate(2026, 12, 24), QTime(9, 0));
    });
    CardDetailSheet *sheet =
        open(CardQueries::column(f->model().cards(), projectID, KanbanColumn::Idea)[0].id);
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    QCOMPARE(unnamedControls(sheet), QStringList());
    QStringList names;
    for (QWidget *widget : tabChain(sheet))
        names.append(widget->objectName());
    const auto before = [&](const QString &a, const QString &b) {
        return names.indexOf(a) >= 0 && names.indexOf(a) < names.indexOf(b);
    };
    QVERIFY(before(u"cardTitleField"_s, u"coverNone"_s));
    QVERIFY(before(u"priority_high"_s, u"cardLabelChip"_s));
    QVERIFY(before(u"cardLabelChip"_s, u"dueDateToggle"_s));
    QVERIFY(before(u"noteField"_s, u"checklistItems"_s));
    QVERIFY(before(u"checklistItems"_s, u"newChecklistItemField"_s));
    QCOMPARE(names.constLast(), u"cardDoneButton"_s);
}

void TestCardSheet::openAndCloseLeaveNothingBehind()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer's allocator is not the one mallinfo2 reports on");
#endif
    f->addCard(projectID, u"plný"_s, KanbanColumn::Idea, [](TaskCard &card) {
        card.note = u"Poznámka"_s;
        card.checklist = {{QUuid::createUuid(), u"jedna"_s, true}};
        card.dueDate = QDateTime(QDate(2026, 12, 24), QTime(9, 0));
        card.priority = CardPriority::High;
    });
    const QUuid full = CardQueries::column(f->model().cards(), projectID, KanbanColumn::Idea)[0].id;
    const auto cycle = [&] {
        CardDetailSheet *sheet = open(full);
        QApplication::processEvents();
        sheet->repaint();
        sheet->close(); // deletes itself
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    for (int i = 0; i < 20; ++i)
        cycle();
    constexpr int cycles = 100;
    const size_t before = mallinfo2().uordblks;
    for (int i = 0; i < cycles; ++i)
        cycle();
    const qint64 growth = qint64(mallinfo2().uordblks) - qint64(before);
    QVERIFY2(growth < cycles * 2048, qPrintable(u"%1 bytes per cycle"_s.arg(growth / cycles)));
}

QTEST_MAIN(TestCardSheet)
#include "tst_cardsheet.moc"

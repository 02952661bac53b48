// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include "app/cardqueries.h"
#include "ui/card/carddetailsheet.h"
#include "ui/card/timerrow.h"
#include "ui/components/capsule.h"
#include "ui/components/colorswatch.h"
#include "ui/components/iconbutton.h"

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
#include <QTest>

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
    void footerArchivesAndDeletes();
    void deletedCardLeavesOnlyTheText();
    void longTextsStayInsideTheSheet();
    void keyboardReachesEveryControlInOrder();
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
    QCOMPARE(current().checklist.size(), 2);
    QCOMPARE(current().checklist[0].text, u"one"_s);
    QCOMPARE(find<QLabel>(sheet, u"checklistCount"_s)->text(), u"0/2"_s);

    QTRY_COMPARE(sheet->findChildren<IconButton *>(u"checklistToggle"_s).size(), 2);
    sheet->findChildren<IconButton *>(u"checklistToggle"_s)[1]->click();
    QVERIFY(current().checklist[1].done);
    QCOMPARE(find<QLabel>(sheet, u"checklistCount"_s)->text(), u"1/2"_s);
    auto *remove = sheet->findChildren<IconButton *>(u"checklistRemove"_s)[0];
    QCOMPARE(remove->accessibleName(), u"Odebrat"_s);
    remove->click();
    QCOMPARE(current().checklist.size(), 1);
    QCOMPARE(current().checklist[0].text, u"two"_s);
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
    QVERIFY(before(u"noteField"_s, u"checklistToggle"_s));
    QVERIFY(before(u"checklistRemove"_s, u"newChecklistItemField"_s));
    QCOMPARE(names.constLast(), u"cardDoneButton"_s);
}

QTEST_MAIN(TestCardSheet)
#include "tst_cardsheet.moc"

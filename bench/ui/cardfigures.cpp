// SPDX-License-Identifier: MIT
// The card sheet with big cards, over models of their own: a card with 5,000 checklist entries
// opened and a keystroke in its title, a card with a 200,000-character note on one line and a
// 10,000-character title opened; and the memory an open and close of the card sheet, the
// settings and the project editor leave behind.
#include "uibench.h"

#include "support/benchsupport.h"
#include "ui/card/carddetailsheet.h"
#include "ui/editor/projecteditor.h"
#include "ui/main/mainview.h"
#include "ui/settings/settingssheet.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A model over one project holding one card made by `make`.
struct OneCard {
    std::unique_ptr<AppModel> model;
    std::unique_ptr<UiContext> context;
    QUuid cardID;
};

OneCard oneCard(UiBench &bench, const std::function<void(TaskCard &)> &make)
{
    StoreData document = StoreData::defaultDocument();
    document.didSeed = true;
    const ProjectConfig project = bench.projects().first();
    document.projects = {project};
    TaskCard card;
    card.id = QUuid::createUuid();
    card.projectID = project.id;
    card.title = u"Velká karta"_s;
    card.createdAt = QDateTime::currentDateTimeUtc();
    make(card);
    document.cards = {card};
    OneCard made;
    made.model = bench.makeModel(document);
    if (!made.model)
        return made;
    const UiContext &shared = bench.context();
    made.context = std::make_unique<UiContext>(
        UiContext{*made.model, shared.updates, shared.preferences, shared.desktop, shared.hotKey});
    made.cardID = card.id;
    return made;
}

// From creating the sheet until it has painted and the main thread has nothing left to do.
double openSheet(UiContext &context, const QUuid &cardID, QWidget *window, CardDetailSheet **opened)
{
    QElapsedTimer timer;
    timer.start();
    auto *sheet = new CardDetailSheet(context, cardID, window);
    sheet->open();
    QApplication::processEvents();
    sheet->repaint();
    QApplication::processEvents();
    *opened = sheet;
    return millisecondsSince(timer);
}

void closeSheet(QWidget *sheet)
{
    sheet->close(); // deletes itself
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double medianOf(int runs, const std::function<double()> &run)
{
    QList<double> values;
    for (int i = 0; i < runs; ++i)
        values.append(run());
    return BenchSupport::median(values);
}

qint64 residentKB()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4 : 0; // pages of 4 KiB
}

// RSS growth per open and close of a sheet, over 200 cycles after 30 to warm up.
double cycleKB(const std::function<QWidget *()> &open)
{
    const auto cycle = [&] {
        QWidget *sheet = open();
        QApplication::processEvents();
        sheet->repaint();
        closeSheet(sheet);
    };
    for (int i = 0; i < 30; ++i)
        cycle();
    constexpr int cycles = 200;
    const qint64 before = residentKB();
    for (int i = 0; i < cycles; ++i)
        cycle();
    return double(residentKB() - before) / cycles;
}

} // namespace

namespace CardFigures {

QList<UiFigure> bigChecklist(UiBench &bench)
{
    OneCard card = oneCard(bench, [](TaskCard &made) {
        for (int i = 0; i < 5000; ++i)
            made.checklist.append({QUuid::createUuid(),
                                   u"Položka %1: zkontrolovat odkaz v patičce"_s.arg(i + 1),
                                   i % 3 == 0});
    });
    if (!card.model)
        return {};
    QWidget *window = bench.window().view().window();
    CardDetailSheet *sheet = nullptr;
    const double open = medianOf(5, [&] {
        const double ms = openSheet(*card.context, card.cardID, window, &sheet);
        closeSheet(sheet);
        return ms;
    });
    openSheet(*card.context, card.cardID, window, &sheet);
    QLineEdit *title = sheet->findChild<QLineEdit *>(u"cardTitleField"_s);
    title->setFocus();
    title->end(false);
    int typed = 0;
    const double keystroke = medianOf(21, [&] {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(title, typed++ % 2 == 0 ? Qt::Key_A : Qt::Key_Backspace);
        QApplication::processEvents();
        sheet->repaint();
        return millisecondsSince(timer);
    });
    closeSheet(sheet);
    card.model->dataFile().waitForPendingSaves();
    return {{u"sheet_open_5000_ms"_s, open, 100}, {u"checklist_keystroke_ms"_s, keystroke, 4}};
}

QList<UiFigure> bigNote(UiBench &bench)
{
    OneCard card = oneCard(bench, [](TaskCard &made) {
        made.title = QString(10'000, u'W');
        QString note;
        note.reserve(200'000);
        while (note.size() < 200'000)
            note += u"slovo "_s;
        made.note = note.left(200'000);
    });
    if (!card.model)
        return {};
    QWidget *window = bench.window().view().window();
    const double ms = medianOf(3, [&] {
        CardDetailSheet *sheet = nullptr;
        const double opened = openSheet(*card.context, card.cardID, window, &sheet);
        closeSheet(sheet);
        return opened;
    });
    return {{u"big_note_open_ms"_s, ms, 300}};
}

QList<UiFigure> sheetCycles(UiBench &bench)
{
    QWidget *window = bench.window().view().window();
    UiContext &context = bench.context();
    const QUuid cardID = bench.model().cards().constFirst().id;
    const ProjectConfig project = bench.projects().first();
    const double card = cycleKB([&]() -> QWidget * {
        auto *sheet = new CardDetailSheet(context, cardID, window);
        sheet->open();
        return sheet;
    });
    const double settings = cycleKB([&]() -> QWidget * {
        auto *sheet = new SettingsSheet(context, window);
        sheet->open();
        return sheet;
    });
    const double editor = cycleKB([&]() -> QWidget * {
        auto *sheet = new ProjectEditor(context, project, window);
        sheet->open();
        return sheet;
    });
    return {{u"sheet_cycle_kb"_s, std::max({card, settings, editor}), 1},
            {u"sheet_cycle_card_kb"_s, card, 1},
            {u"sheet_cycle_settings_kb"_s, settings, 1},
            {u"sheet_cycle_editor_kb"_s, editor, 1}};
}

} // namespace CardFigures

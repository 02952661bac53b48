// SPDX-License-Identifier: MIT
// Times the data file's codec and save on a large but plausible document, and what one card
// edit costs the main thread with saving handed to the writing thread; prints the figures.
#include "app/appmodel.h"
#include "model/cardjsoncache.h"
#include "model/dates.h"
#include "model/recordjson.h"
#include "model/store.h"
#include "sources/httpconnections.h"
#include "sources/processrunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

using namespace Qt::StringLiterals;

constexpr int runs = 15;
constexpr int editRuns = 50;

StoreData makeDocument()
{
    StoreData data;
    data.didSeed = true;
    const char *colours[] = {"red", "orange", "yellow", "green", "blue", "purple"};
    for (const char *colour : colours)
        data.labels.append(
            {QUuid::createUuid(), u"Štítek "_s + QLatin1String(colour), QLatin1String(colour)});
    for (int i = 0; i < 10; ++i)
        data.folders.append({QUuid::createUuid(), u"Složka %1"_s.arg(i), double(i), i % 2 == 0});
    for (int i = 0; i < 50; ++i) {
        ProjectConfig project;
        project.id = QUuid::createUuid();
        project.name = u"Projekt %1"_s.arg(i);
        project.localPath = u"/home/user/projekty/projekt-%1"_s.arg(i);
        project.siteURL = u"https://projekt-%1.example.cz"_s.arg(i);
        project.githubURL = u"https://github.com/user/projekt-%1"_s.arg(i);
        project.netlifySiteID = QUuid::createUuid().toString(QUuid::WithoutBraces);
        project.folderID = data.folders[i % 10].id;
        project.sortIndex = i;
        data.projects.append(project);
    }
    const QString note = u"Poznámka k úkolu, která je docela dlouhá. "_s.repeated(5).left(200);
    const QDateTime start = Dates::fromReferenceSeconds(790'000'000.125);
    for (int i = 0; i < 2000; ++i) {
        TaskCard card;
        card.id = QUuid::createUuid();
        card.projectID = data.projects[i % 50].id;
        card.title = u"Úkol číslo %1"_s.arg(i);
        card.note = note;
        card.column = KanbanColumns::all()[i % 3];
        card.createdAt = start.addSecs(i * 37);
        if (card.column == KanbanColumn::Done)
            card.completedAt = card.createdAt.addDays(2);
        card.labelIDs = {data.labels[i % 6].id, data.labels[(i + 1) % 6].id,
                         data.labels[(i + 2) % 6].id};
        for (int k = 0; k < 4; ++k)
            card.checklist.append({QUuid::createUuid(), u"Krok %1"_s.arg(k), k % 2 == 0});
        card.sortIndex = i;
        card.priority = CardPriorities::all()[i % 3];
        card.timeSpentSeconds = i * 11;
        data.cards.append(card);
    }
    return data;
}

// Median and fastest of `count` timings of `work`, in milliseconds; `between` runs untimed
// after each.
std::pair<double, double> measure(const std::function<void()> &work, int count = runs,
                                  const std::function<void()> &between = {})
{
    QList<double> times;
    for (int run = 0; run < count; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(double(timer.nsecsElapsed()) / 1e6);
        if (between)
            between();
    }
    std::sort(times.begin(), times.end());
    return {times[count / 2], times.first()};
}

// One card edit as the board makes it, on a model over the document: the model's own work and
// the hand-off of the snapshot. Each save is finished, untimed, before the next edit, as when
// a person edits.
std::pair<double, double> measureEdit(const QString &dir, const StoreData &data)
{
    const Store store(dir);
    if (!store.save(data).ok())
        return {-1, -1};
    ProcessRunner runner;
    HttpConnections network;
    AppEnvironment environment;
    environment.store = store;
    environment.processRunner = &runner;
    environment.network = &network;
    AppModel model(std::move(environment));
    int edits = 0;
    return measure(
        [&] {
            const QList<TaskCard> cards = model.cards();
            TaskCard card = cards[(edits++ * 97) % cards.size()];
            card.title += u'.';
            model.updateCard(card);
        },
        editRuns, [&] { model.dataFile().waitForPendingSaves(); });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        out << "cannot create a temporary folder\n";
        return 1;
    }
    const StoreData data = makeDocument();
    const QByteArray bytes = RecordJson::encodeDocument(data);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!std::holds_alternative<StoreData>(RecordJson::decodeDocument(bytes, now))) {
        out << "the generated document does not decode\n";
        return 1;
    }
    const QString savePath = dir.filePath(u"store.json"_s);
    const QString plainPath = dir.filePath(u"plain.json"_s);

    const auto encode = measure([&] { (void)RecordJson::encodeDocument(data); });
    const auto decode = measure([&] { (void)RecordJson::decodeDocument(bytes, now); });
    const auto saveCold = measure([&] { (void)Store::writeDocument(data, savePath); });
    // What the application does after each change: one card differs from the previous save.
    const Store store(dir.path());
    CardJsonCache cache;
    (void)store.save(data, &cache);
    StoreData edited = data;
    int edits = 0;
    const auto save = measure([&] {
        edited.cards[(edits++ * 97) % edited.cards.size()].title += u'.';
        (void)store.save(edited, &cache);
    });
    const auto plain = measure([&] {
        QFile file(plainPath);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    });

    out << "document: " << data.projects.size() << " projects, " << data.folders.size()
        << " folders, " << data.cards.size() << " cards, " << bytes.size() << " bytes ("
        << QString::number(double(bytes.size()) / (1024 * 1024), 'f', 2) << " MiB)\n";
    out << "median (fastest) of " << runs << " runs, ms:\n";
    const auto row = [&out](const char *name, std::pair<double, double> t) {
        out << "  " << QString::fromLatin1(name).leftJustified(38)
            << QString::number(t.first, 'f', 2) << " (" << QString::number(t.second, 'f', 2)
            << ")\n";
    };
    row("encode", encode);
    row("decode", decode);
    row("save, cold (encode + atomic write)", saveCold);
    row("save after a one-card change", save);
    row("plain QFile write of the same bytes", plain);
    out << "save / plain write: " << QString::number(save.first / plain.first, 'f', 2)
        << " (cold: " << QString::number(saveCold.first / plain.first, 'f', 2) << ")\n";
    const auto edit = measureEdit(dir.filePath(u"model"_s), data);
    out << "main thread, one card edit incl. save hand-off (median (fastest) of " << editRuns
        << "), ms: " << QString::number(edit.first, 'f', 3) << " ("
        << QString::number(edit.second, 'f', 3) << ")\n";
    return 0;
}

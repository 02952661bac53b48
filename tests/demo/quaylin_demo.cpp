// SPDX-License-Identifier: MIT
// `quaylin_demo FOLDER`: makes eight real git repositories under FOLDER, writes a data file
// tracking them (in this user's data folder, so point XDG_DATA_HOME at a scratch folder), saves
// tokens to the keychain (a throw-away one: run inside scripts/with-keyring.sh), and then answers
// as Netlify, Vercel, GitHub and the update server on loopback until it is stopped. Prints
// "ready <base address>" once everything is in place.
#include "app/standardservices.h"
#include "model/recordjson.h"
#include "model/store.h"
#include "services/appversion.h"
#include "sources/keychaintokenstore.h"
#include "support/fakeservice.h"
#include "support/testenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Demo {
    QString emoji;
    QString name;
    QString folder;      // "" for none
    QString branch;      // of the repository
    QString git;         // "clean", "pushed", "ahead", "dirty", "rebase"
    QString netlifySite; // "" for none
    QString vercelProject;
    QString deployState; // of the newest deployment
    int deployedMinutesAgo = 0;
    QString github; // "owner/repo" or ""
    QString checks; // "success", "failure", "pending"
    int pulls = 0;
    ProjectStatus status = ProjectStatus::Development;
};

const QList<Demo> demos{
    {u"🌐"_s,
     u"Portfolio"_s,
     u""_s,
     u"main"_s,
     u"pushed"_s,
     u"portfolio"_s,
     {},
     u"ready"_s,
     130,
     u"jana-dev/portfolio"_s,
     u"success"_s,
     1},
    {u"☕"_s,
     u"Kavárna U Mostu"_s,
     u"Klienti"_s,
     u"main"_s,
     u"pushed"_s,
     u"kavarna"_s,
     {},
     u"error"_s,
     25,
     u"jana-dev/kavarna"_s,
     u"failure"_s,
     0},
    {u"📱"_s,
     u"Habit Tracker"_s,
     u"Osobní"_s,
     u"main"_s,
     u"dirty"_s,
     {},
     u"habits"_s,
     u"READY"_s,
     300,
     {},
     {},
     0},
    {u"📝"_s,
     u"Blog"_s,
     u"Osobní"_s,
     u"main"_s,
     u"pushed"_s,
     u"blog"_s,
     {},
     u"building"_s,
     2,
     {},
     {},
     0},
    {u"🎨"_s,
     u"Design System"_s,
     u"Klienti"_s,
     u"main"_s,
     u"clean"_s,
     {},
     {},
     {},
     0,
     {},
     {},
     0,
     ProjectStatus::Done},
    {u"📊"_s,
     u"Statistiky"_s,
     u"Klienti"_s,
     u"main"_s,
     u"pushed"_s,
     u"stats"_s,
     {},
     u"ready"_s,
     1500,
     u"jana-dev/stats"_s,
     u"pending"_s,
     2},
    {u"🤖"_s,
     u"Discord Bot"_s,
     u""_s,
     u"main"_s,
     u"clean"_s,
     {},
     {},
     {},
     0,
     {},
     {},
     0,
     ProjectStatus::Parked},
    {u"🧪"_s,
     u"Playground"_s,
     u""_s,
     u"experiment/vite-6"_s,
     u"rebase"_s,
     {},
     {},
     {},
     0,
     {},
     {},
     0},
};

bool write(const QString &path, const QByteArray &bytes)
{
    return writeFile(path, bytes);
}

bool commit(const QString &dir, const QString &file, const QString &message)
{
    return write(dir + u'/' + file, message.toUtf8() + '\n') && runGit(dir, {u"add"_s, u"."_s}) &&
           runGit(dir, {u"commit"_s, u"-q"_s, u"-m"_s, message});
}

// A repository with a little history, in the state the demo wants.
bool makeDemoRepository(const QString &dir, const Demo &demo)
{
    if (!makeRepository(dir) || !commit(dir, u"index.html"_s, u"Úvodní stránka"_s) ||
        !commit(dir, u"style.css"_s, u"Styly a barvy"_s))
        return false;
    if (demo.branch != u"main" && !runGit(dir, {u"checkout"_s, u"-q"_s, u"-b"_s, demo.branch}))
        return false;
    if (demo.git == u"pushed" || demo.git == u"ahead" || demo.git == u"dirty") {
        const QString remote = dir + u".git"_s;
        if (!runGit(dir, {u"init"_s, u"-q"_s, u"--bare"_s, remote}) ||
            !runGit(dir, {u"remote"_s, u"add"_s, u"origin"_s, remote}) ||
            !runGit(dir, {u"push"_s, u"-q"_s, u"-u"_s, u"origin"_s, demo.branch}))
            return false;
    }
    if (demo.git == u"ahead")
        return commit(dir, u"about.html"_s, u"Stránka O mně"_s);
    // Stopped in a rebase over main, with two stashes put aside before it.
    if (demo.git == u"rebase") {
        return gitScript(dir, uR"(set -e
for file in index.html style.css; do echo "pokus" >>$file; git stash -q; done
echo "Vite 6" >index.html; git commit -qam "Vite 6"; git checkout -q main
echo "Nová hlavička" >index.html; git commit -qam "Nová hlavička"
git checkout -q -; ! git rebase -q main >/dev/null 2>&1)"_s);
    }
    if (demo.git == u"dirty") {
        return write(dir + u"/index.html"_s, "změna\n") && write(dir + u"/app.js"_s, "nové\n") &&
               write(dir + u"/notes.md"_s, "poznámky\n");
    }
    return true;
}

QByteArray json(const QJsonValue &value)
{
    return value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                           : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

QString iso(int minutesAgo)
{
    return QDateTime::currentDateTimeUtc().addSecs(-60 * minutesAgo).toString(Qt::ISODate);
}

void serve(FakeService &service, const Demo &demo)
{
    if (!demo.netlifySite.isEmpty()) {
        QJsonObject newest{{u"id"_s, QString(demo.netlifySite + u"-3"_s)},
                           {u"state"_s, demo.deployState},
                           {u"created_at"_s, iso(demo.deployedMinutesAgo)},
                           {u"branch"_s, demo.branch}};
        if (demo.deployState == u"error")
            newest.insert(u"error_message"_s, u"Build script returned non-zero exit code: 2"_s);
        const QJsonArray deploys{newest,
                                 QJsonObject{{u"id"_s, QString(demo.netlifySite + u"-2"_s)},
                                             {u"state"_s, u"ready"_s},
                                             {u"created_at"_s, iso(demo.deployedMinutesAgo + 1440)},
                                             {u"branch"_s, demo.branch}},
                                 QJsonObject{{u"id"_s, QString(demo.netlifySite + u"-1"_s)},
                                             {u"state"_s, u"ready"_s},
                                             {u"created_at"_s, iso(demo.deployedMinutesAgo + 4320)},
                                             {u"branch"_s, demo.branch}}};
        service.serve(u"/api/v1/sites/"_s + demo.netlifySite + u"/deploys"_s, 200, json(deploys));
    }
    if (!demo.vercelProject.isEmpty()) {
        const qint64 created = QDateTime::currentDateTimeUtc()
                                   .addSecs(-60 * demo.deployedMinutesAgo)
                                   .toMSecsSinceEpoch();
        const QJsonObject deployment{{u"uid"_s, u"dpl_demo"_s},
                                     {u"created"_s, created},
                                     {u"readyState"_s, demo.deployState},
                                     {u"meta"_s, QJsonObject{{u"githubCommitRef"_s, demo.branch}}}};
        service.serve(u"/v6/deployments"_s, 200,
                      json(QJsonObject{{u"deployments"_s, QJsonArray{deployment}}}));
    }
    if (!demo.github.isEmpty()) {
        QJsonArray pulls;
        for (int i = 0; i < demo.pulls; ++i)
            pulls.append(QJsonObject{{u"head"_s, QJsonObject{{u"ref"_s, demo.branch}}}});
        service.serve(u"/repos/"_s + demo.github + u"/pulls"_s, 200, json(pulls));
        const QJsonObject run =
            demo.checks == u"pending"
                ? QJsonObject{{u"status"_s, u"in_progress"_s}}
                : QJsonObject{{u"status"_s, u"completed"_s}, {u"conclusion"_s, demo.checks}};
        service.serve(u"/repos/"_s + demo.github + u"/commits/"_s + demo.branch + u"/check-runs"_s,
                      200, json(QJsonObject{{u"check_runs"_s, QJsonArray{run}}}));
    }
}

// A few cards on the first project's board, so its detail page has something to show.
QList<TaskCard> cardsFor(const QUuid &projectID, const QList<CardLabel> &labels)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const struct {
        const char16_t *title;
        KanbanColumn column;
        int label;
        std::optional<CardPriority> priority;
    } rows[] = {
        {u"Přidat tmavý režim", KanbanColumn::Idea, 0, CardPriority::Low},
        {u"Galerie projektů", KanbanColumn::Idea, 1, std::nullopt},
        {u"Kontaktní formulář", KanbanColumn::Doing, 2, CardPriority::High},
        {u"Optimalizace obrázků", KanbanColumn::Doing, 3, CardPriority::Medium},
        {u"Nasadit na vlastní doménu", KanbanColumn::Done, 4, std::nullopt},
    };
    QList<TaskCard> cards;
    double sortIndex = 0;
    for (const auto &row : rows) {
        TaskCard card;
        card.id = QUuid::createUuid();
        card.projectID = projectID;
        card.title = QString::fromUtf16(row.title);
        card.column = row.column;
        card.createdAt = now.addDays(-3);
        if (row.column == KanbanColumn::Done)
            card.completedAt = now.addDays(-1);
        card.labelIDs = {labels.value(row.label % labels.size()).id};
        card.priority = row.priority;
        card.sortIndex = sortIndex++;
        cards.append(card);
    }
    return cards;
}

// A busy board for the café's project, whose newest deployment failed (the application adds
// its "Oprav build" card at the first refresh): covers, labels, notes, checklists, due dates
// today, overdue and ahead, a running timer, finished and archived cards.
QList<TaskCard> boardFor(const QUuid &projectID, const QList<CardLabel> &labels)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto label = [&](int index) { return labels.value(index % labels.size()).id; };
    const auto item = [](const char16_t *text, bool done) {
        return ChecklistItem{QUuid::createUuid(), QString::fromUtf16(text), done};
    };
    QList<TaskCard> cards;
    double sortIndex = 0;
    const auto add = [&](const char16_t *title, KanbanColumn column,
                         const std::function<void(TaskCard &)> &details) {
        TaskCard card;
        card.id = QUuid::createUuid();
        card.projectID = projectID;
        card.title = QString::fromUtf16(title);
        card.column = column;
        card.createdAt = now.addDays(-int(cards.size()) - 1);
        card.sortIndex = sortIndex++;
        details(card);
        cards.append(card);
    };
    add(u"Online rezervace stolů", KanbanColumn::Idea, [&](TaskCard &card) {
        card.coverColorName = u"blue"_s;
        card.labelIDs = {label(2), label(5)};
        card.note = u"Formulář s výběrem času a počtu hostů, potvrzení e-mailem."_s;
        card.priority = CardPriority::Medium;
        card.checklist = {item(u"Návrh formuláře", true), item(u"Napojení na kalendář", false),
                          item(u"Potvrzovací e-mail", false)};
    });
    add(u"Sezónní menu na web", KanbanColumn::Idea, [&](TaskCard &card) {
        card.labelIDs = {label(4)};
        card.dueDate = now.addDays(5);
        card.priority = CardPriority::Low;
    });
    add(u"Fotky interiéru od fotografa", KanbanColumn::Idea,
        [&](TaskCard &card) { card.note = u"Domluvit termín focení na příští týden."_s; });
    add(u"Nový jídelní lístek", KanbanColumn::Doing, [&](TaskCard &card) {
        card.coverColorName = u"orange"_s;
        card.labelIDs = {label(1)};
        card.dueDate = now;
        card.timerStartedAt = now.addSecs(-25 * 60);
        card.timeSpentSeconds = 3 * 3600 + 12 * 60;
        card.priority = CardPriority::High;
        card.checklist = {item(u"Texty od šéfkuchaře", true), item(u"Ceny", true),
                          item(u"Alergeny", false), item(u"Fotky jídel", false)};
    });
    add(u"Oprava mapy v patičce", KanbanColumn::Doing, [&](TaskCard &card) {
        card.labelIDs = {label(0)};
        card.dueDate = now.addDays(-2);
        card.priority = CardPriority::High;
        card.note = u"Na mobilu se mapa nenačte."_s;
    });
    add(u"Otevírací doba v hlavičce", KanbanColumn::Done, [&](TaskCard &card) {
        card.labelIDs = {label(3)};
        card.completedAt = now.addDays(-1);
        card.checklist = {item(u"Všední dny", true), item(u"Víkend", true), item(u"Svátky", true)};
    });
    add(u"Favicon a sdílení na sítích", KanbanColumn::Done, [&](TaskCard &card) {
        card.coverColorName = u"green"_s;
        card.completedAt = now.addDays(-2);
    });
    add(u"Kontaktní formulář (stará verze)", KanbanColumn::Done, [&](TaskCard &card) {
        card.completedAt = now.addDays(-20);
        card.archived = true;
    });
    add(u"Testovací stránka", KanbanColumn::Idea, [&](TaskCard &card) { card.archived = true; });
    return cards;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(u"Quaylin"_s);
    QCoreApplication::setApplicationName(u"Quaylin"_s);
    if (app.arguments().size() != 2) {
        QTextStream(stderr) << "usage: quaylin_demo FOLDER\n";
        return 2;
    }
    const QString root = QDir(app.arguments()[1]).absoluteFilePath(u"projects"_s);

    FakeService service;
    StoreData document = StoreData::defaultDocument();
    document.didSeed = true;
    QHash<QString, QUuid> folders;
    for (const QString &name : {u"Klienti"_s, u"Osobní"_s}) {
        ProjectFolder folder{QUuid::createUuid(), name, double(folders.size()), true};
        folders.insert(name, folder.id);
        document.folders.append(folder);
    }
    for (int i = 0; i < demos.size(); ++i) {
        const Demo &demo = demos[i];
        const QString dir = root + u'/' + demo.name.toLower().replace(u' ', u'-');
        if (!makeDemoRepository(dir, demo)) {
            QTextStream(stderr) << "quaylin_demo: could not make " << dir << '\n';
            return 1;
        }
        ProjectConfig project;
        project.id = QUuid::createUuid();
        project.name = demo.name;
        project.emoji = demo.emoji;
        project.localPath = dir;
        project.status = demo.status;
        project.sortIndex = i;
        if (!demo.folder.isEmpty())
            project.folderID = folders.value(demo.folder);
        if (!demo.netlifySite.isEmpty()) {
            project.netlifySiteID = demo.netlifySite;
            project.siteURL = u"https://"_s + demo.netlifySite + u".netlify.app"_s;
        }
        if (!demo.vercelProject.isEmpty()) {
            project.vercelProjectID = demo.vercelProject;
            project.siteURL = u"https://"_s + demo.vercelProject + u".vercel.app"_s;
        }
        if (!demo.github.isEmpty())
            project.githubURL = u"https://github.com/"_s + demo.github;
        document.projects.append(project);
        serve(service, demo);
    }
    document.cards = cardsFor(document.projects.first().id, document.labels);
    const QUuid cafe = document.projects[1].id; // the failing deployment
    document.cards += boardFor(cafe, document.labels);
    service.serve(u"/version.json"_s, 200,
                  json(QJsonObject{{u"version"_s, AppVersion::current()},
                                   {u"url"_s, u"https://example.com/quaylin"_s}}));

    const Store store(Store::defaultDir());
    store.dir(); // makes the folder
    if (const FileResult written = Store::writeDocument(document, store.filePath());
        !written.ok()) {
        QTextStream(stderr) << "quaylin_demo: " << *written.error << '\n';
        return 1;
    }
    KeychainTokenStore keychain;
    for (const TokenService &service : StandardServices::table().tokenServices()) {
        QCoro::Task<bool> saved = keychain.save(u"demo-token"_s, service.keychainItem);
        QCoro::waitFor(saved);
    }

    // The board the screenshots show, then the services' address.
    QTextStream(stdout) << "board " << cafe.toString(QUuid::WithoutBraces).toUpper() << Qt::endl;
    const QUuid rebasing = document.projects.constLast().id; // the playground, mid-rebase
    QTextStream(stdout) << "gitstates " << rebasing.toString(QUuid::WithoutBraces).toUpper()
                        << Qt::endl;
    QTextStream(stdout) << "ready " << service.base().toString() << Qt::endl;
    return app.exec();
}

// SPDX-License-Identifier: MIT
#include "uibench.h"

#include "model/recordjson.h"
#include "support/benchsupport.h"
#include "support/fakehotkeybackend.h"
#include "support/fakeservice.h"
#include "ui/main/mainview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QVBoxLayout>

#include <chrono>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

FakeService::Reply delayed(const QByteArray &body)
{
    FakeService::Reply reply;
    reply.body = body;
    reply.delay = std::chrono::milliseconds(50);
    return reply;
}

} // namespace

UiBench::UiBench()
{
    const QString root = m_root.path();
    qputenv("XDG_CONFIG_HOME", (root + u"/config"_s).toUtf8());
    m_projects = BenchSupport::makeRepositories(root, projectCount);
    if (m_projects.size() != projectCount) {
        std::fprintf(stderr, "could not create the repositories\n");
        return;
    }
    if (!startServices()) {
        std::fprintf(stderr, "could not start the fake services\n");
        return;
    }

    StoreData document = StoreData::defaultDocument();
    document.didSeed = true;
    for (int i = 0; i < folderCount; ++i)
        document.folders.append({QUuid::createUuid(), u"Složka %1"_s.arg(i + 1), double(i), true});
    for (int i = 0; i < m_projects.size(); ++i) {
        ProjectConfig &project = m_projects[i];
        const QString name = u"site-%1"_s.arg(i);
        if (i % 2 == 0)
            project.netlifySiteID = name;
        else
            project.vercelProjectID = name;
        project.githubURL = u"https://github.com/bench/"_s + name;
        project.emoji = i % 3 == 0 ? u"🚀"_s : u"📦"_s;
        project.folderID = document.folders[i % folderCount].id;
    }
    // Cards as a board user keeps them: some with notes, labels, checklists, priorities, due
    // dates and covers.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QList<KanbanColumn> columns = KanbanColumns::all();
    for (int i = 0; i < cardCount; ++i) {
        TaskCard card;
        card.id = QUuid::createUuid();
        card.projectID = m_projects[i < boardCards ? 0 : 1 + i % (projectCount - 1)].id;
        card.title = u"Úkol %1: uklidit úvodní stránku a její formuláře"_s.arg(i + 1);
        if (i % 2 == 0)
            card.note = u"Projít kontaktní formulář, odkazy v patičce a obrázky na malých "
                        u"obrazovkách před vydáním."_s;
        card.column = columns[i % columns.size()];
        card.createdAt = now.addSecs(-3600 * (i % 200));
        card.sortIndex = i;
        if (i % 3 == 0)
            card.labelIDs = {document.labels[i % document.labels.size()].id};
        if (i % 4 == 0)
            card.checklist = {{QUuid::createUuid(), u"jedna"_s, true},
                              {QUuid::createUuid(), u"dvě"_s, false}};
        if (i % 5 == 0)
            card.priority = CardPriority::High;
        if (i % 7 == 0)
            card.dueDate = now.addDays(i % 11 - 5);
        if (i % 9 == 0)
            card.coverColorName = u"blue"_s;
        document.cards.append(card);
    }
    document.projects = m_projects;
    const QString dataDir = root + u"/data/Quaylin"_s;
    if (!writeDocument(dataDir, document))
        return;

    m_preferences = std::make_unique<Preferences>(
        std::make_unique<QSettings>(root + u"/preferences.ini"_s, QSettings::IniFormat));
    m_language = std::make_unique<LanguageSwitch>(*m_preferences);
    m_updates = std::make_unique<UpdateChecker>(m_network, QUrl(u"http://127.0.0.1:9/v.json"_s),
                                                u"1.0"_s, *m_preferences);
    m_hotKey = std::make_unique<GlobalHotKeyManager>(std::make_unique<FakeHotKeyBackend>());
    auto model = std::make_unique<AppModel>(environment(dataDir));
    QCoro::waitFor(model->tokens().load());
    m_context = std::make_unique<UiContext>(
        UiContext{*model, *m_updates, *m_preferences, m_desktop.desktop(), *m_hotKey});
    m_model = std::move(model);
}

bool UiBench::writeDocument(const QString &dataDir, const StoreData &document)
{
    QDir().mkpath(dataDir);
    QFile file(dataDir + u"/store.json"_s);
    const QByteArray bytes = RecordJson::encodeDocument(document);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "could not write the data file\n");
        return false;
    }
    return true;
}

AppEnvironment UiBench::environment(const QString &dataDir)
{
    AppEnvironment environment;
    for (const TokenService &service : environment.services.tokenServices())
        m_tokens.items.insert(service.keychainItem, u"t"_s);
    environment.store = Store(dataDir);
    environment.processRunner = &m_runner;
    environment.network = &m_network;
    environment.services.deploys[0].endpoint = m_services[0]->base(); // Netlify, then Vercel
    environment.services.deploys[1].endpoint = m_services[1]->base();
    environment.endpoints.github = m_services[2]->base();
    environment.tokens = &m_tokens;
    environment.preferences = m_preferences.get();
    return environment;
}

std::unique_ptr<AppModel> UiBench::makeModel(const StoreData &document)
{
    const QString dataDir = m_root.path() + u"/data-%1/Quaylin"_s.arg(++m_extraModels);
    if (!writeDocument(dataDir, document))
        return nullptr;
    return std::make_unique<AppModel>(environment(dataDir));
}

UiBench::~UiBench()
{
    m_window.reset();
    m_context.reset();
    m_model.reset();
    const auto close = [this] {
        qDeleteAll(m_services);
        delete m_anchor;
    };
    if (m_anchor)
        QMetaObject::invokeMethod(m_anchor, close, Qt::BlockingQueuedConnection);
    m_serviceThread.quit();
    m_serviceThread.wait();
}

BenchWindow &UiBench::window()
{
    if (!m_window) {
        m_window = std::make_unique<BenchWindow>();
        m_window->addContent(context());
        m_window->settle();
    }
    return *m_window;
}

BenchWindow::BenchWindow()
{
    m_frame.resize(1060, 700);
    new QVBoxLayout(&m_frame);
    m_frame.layout()->setContentsMargins(0, 0, 0, 0);
    m_frame.show();
    QApplication::processEvents();
}

MainView &BenchWindow::addContent(UiContext &context)
{
    m_view = new MainView(context);
    m_frame.layout()->addWidget(m_view);
    return *m_view;
}

void BenchWindow::settle()
{
    QApplication::processEvents();
    m_frame.repaint();
}

double millisecondsSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

bool UiBench::startServices()
{
    m_serviceThread.start();
    m_anchor = new QObject;
    m_anchor->moveToThread(&m_serviceThread);
    const int count = int(m_projects.size());
    const auto make = [this, count] {
        auto *netlify = new FakeService, *vercel = new FakeService, *github = new FakeService;
        vercel->serve(
            u"/v6/deployments"_s,
            delayed(
                R"({"deployments": [{"uid": "v", "created": 1.7e12, "readyState": "READY"}]})"));
        for (int i = 0; i < count; ++i) {
            const QString name = u"site-%1"_s.arg(i);
            netlify->serve(
                u"/api/v1/sites/%1/deploys"_s.arg(name),
                delayed(
                    R"([{"id": "d", "state": "ready", "created_at": "2026-12-06T09:00:00Z"}])"));
            github->serve(u"/repos/bench/%1/pulls"_s.arg(name), delayed("[]"));
            github->serve(u"/repos/bench/%1/commits/main/check-runs"_s.arg(name),
                          delayed(R"({"check_runs": []})"));
        }
        m_services = {netlify, vercel, github};
        for (FakeService *service : std::as_const(m_services))
            service->setRecording(false);
    };
    QMetaObject::invokeMethod(m_anchor, make, Qt::BlockingQueuedConnection);
    return m_services.size() == 3 && m_services[0]->port() != 0;
}

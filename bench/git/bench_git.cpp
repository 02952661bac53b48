// SPDX-License-Identifier: MIT
// Live git over 200 tracked repositories: from `git commit` in one of them to the sidebar row's
// new text, with no refresh asked for; and how many git processes run while nothing changes.
#include "app/appmodel.h"
#include "app/livegit.h"
#include "sources/httpconnections.h"
#include "sources/pathwatcher.h"
#include "sources/processrunner.h"
#include "support/benchsupport.h"
#include "ui/main/sidebarmodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace BenchSupport;
using namespace std::chrono_literals;

namespace {

constexpr int projectCount = 200;
constexpr double liveTarget = 1000;

// Runs the event loop until `done` holds or `limit` passes; the time it took.
template<typename Done> double spinUntil(Done done, std::chrono::milliseconds limit)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < limit.count())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    qputenv("XDG_CONFIG_HOME", (root.path() + QStringLiteral("/config")).toUtf8());
    const QList<ProjectConfig> projects = makeRepositories(root.path(), projectCount);
    if (projects.size() != projectCount || !writeDataFile(root.path(), projects)) {
        std::fprintf(stderr, "could not create the repositories\n");
        return 1;
    }

    ProcessRunner runner;
    HttpConnections network;
    AppEnvironment environment;
    environment.store = Store(root.path() + QStringLiteral("/data/Quaylin"));
    environment.processRunner = &runner;
    environment.network = &network;
    AppModel model(environment);
    QCoro::waitFor(model.refreshes().refreshGit());
    LiveGit live(model, std::make_unique<FileSystemPathWatcher>());
    SidebarModel sidebar(model);
    int gitRuns = 0;
    QObject::connect(&runner, &ProcessRunner::slotReleased, &app, [&] { ++gitRuns; });

    // Idle: the repositories are watched, nothing changes.
    spinUntil([] { return false; }, 3s);
    const int idleRuns = gitRuns;

    QList<double> latencies;
    const ProjectConfig &target = projects[projectCount / 2];
    const QModelIndex row = sidebar.projectIndex(target.id);
    const auto text = [&] { return row.data(Qt::ToolTipRole).toString(); };
    for (int i = 0; i < 5; ++i) {
        // A new file first, seen live too (one change more), so that the commit taking it has
        // a text to change back.
        const QString before = text();
        const QString file = QStringLiteral("file-%1").arg(i);
        QFile(target.localPath + u'/' + file).open(QIODevice::WriteOnly);
        spinUntil([&] { return text() != before; }, 5s);
        const QString withFile = text();

        QProcess commit;
        commit.setWorkingDirectory(target.localPath);
        QElapsedTimer timer;
        timer.start();
        commit.start(QStringLiteral("/bin/sh"),
                     {QStringLiteral("-c"),
                      QStringLiteral("git add %1 && git -c user.name=B -c user.email=b@example.com "
                                     "commit -qm %1")
                          .arg(file)});
        spinUntil([&] { return text() != withFile; }, 5s);
        latencies.append(double(timer.nsecsElapsed()) / 1e6);
        commit.waitForFinished();
        spinUntil([] { return false; }, 300ms); // the burst's follow-up read, if any
    }

    const double liveMs = median(latencies);
    std::printf("live_git_ms: %.1f (target <= %.0f), %d repositories, median of 5\n", liveMs,
                liveTarget, projectCount);
    std::printf("idle_git_processes: %d in 3 s (target 0)\n", idleRuns);
    std::printf("%s\n", QJsonDocument(QJsonObject{{QStringLiteral("live_git_ms"), liveMs},
                                                  {QStringLiteral("idle_git_processes"), idleRuns}})
                            .toJson(QJsonDocument::Compact)
                            .constData());
    return liveMs <= liveTarget && idleRuns == 0 ? 0 : 1;
}

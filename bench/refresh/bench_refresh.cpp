// SPDX-License-Identifier: MIT
// A full refreshAll of 200 projects: real repositories, fake services on loopback that answer
// after 50 ms. Prints the wall time, the peak memory of this process, and the bound the
// phases allow: the git floor plus, per service phase, ceil(requests / connections per host)
// x 50 ms.
#include "app/appmodel.h"
#include "sources/httpconnections.h"
#include "sources/processrunner.h"
#include "support/benchsupport.h"
#include "support/fakeservice.h"
#include "support/memorytokenstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace BenchSupport;
using namespace std::chrono_literals;

namespace {

constexpr int projectCount = 200;
constexpr auto answerDelay = 50ms;
// Qt opens at most six connections at once to one host for HTTP/1.1.
constexpr int connectionsPerHost = 6;

FakeService::Reply delayed(const QByteArray &body)
{
    FakeService::Reply reply;
    reply.body = body;
    reply.delay = answerDelay;
    return reply;
}

double phaseBound(const QList<int> &requestsPerHost)
{
    int rounds = 0;
    for (int requests : requestsPerHost)
        rounds = std::max(rounds, (requests + connectionsPerHost - 1) / connectionsPerHost);
    return rounds * double(answerDelay.count());
}

double peakRssMB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    qputenv("XDG_CONFIG_HOME", (root.path() + QStringLiteral("/config")).toUtf8());

    QList<ProjectConfig> projects = makeRepositories(root.path(), projectCount);
    if (projects.size() != projectCount) {
        std::fprintf(stderr, "could not create the repositories\n");
        return 1;
    }

    // Half the projects deploy on Netlify, half on Vercel; all have a GitHub repository.
    FakeService netlify, vercel, github;
    const QByteArray netlifyBody =
        R"([{"id": "d", "state": "ready", "created_at": "2026-12-06T09:00:00Z"}])";
    vercel.serve(
        QStringLiteral("/v6/deployments"),
        delayed(R"({"deployments": [{"uid": "v", "created": 1.7e12, "readyState": "READY"}]})"));
    int netlifyRequests = 0, vercelRequests = 0;
    for (int i = 0; i < projects.size(); ++i) {
        ProjectConfig &project = projects[i];
        const QString name = QStringLiteral("site-%1").arg(i);
        if (i % 2 == 0) {
            project.netlifySiteID = name;
            netlify.serve(QStringLiteral("/api/v1/sites/%1/deploys").arg(name),
                          delayed(netlifyBody));
            ++netlifyRequests;
        } else {
            project.vercelProjectID = name;
            ++vercelRequests;
        }
        project.githubURL = QStringLiteral("https://github.com/bench/%1").arg(name);
        github.serve(QStringLiteral("/repos/bench/%1/pulls").arg(name), delayed("[]"));
        github.serve(QStringLiteral("/repos/bench/%1/commits/main/check-runs").arg(name),
                     delayed(R"({"check_runs": []})"));
    }
    if (!writeDataFile(root.path(), projects))
        return 1;

    QList<double> floors;
    const QByteArray floorCommand = gitFloorCommand(root.path(), projects);
    for (int i = 0; i < 3; ++i)
        floors.append(timed(floorCommand).ms);
    const double floor = median(floors);

    ProcessRunner runner;
    HttpConnections network;
    MemoryTokenStore tokens;
    AppEnvironment environment;
    for (const TokenService &service : environment.services.tokenServices())
        tokens.items.insert(service.keychainItem, QStringLiteral("t"));
    environment.store = Store(root.path() + QStringLiteral("/data/Quaylin"));
    environment.processRunner = &runner;
    environment.network = &network;
    environment.services.deploys[0].endpoint = netlify.base(); // Netlify, then Vercel
    environment.services.deploys[1].endpoint = vercel.base();
    environment.endpoints.github = github.base();
    environment.tokens = &tokens;
    AppModel model(environment);
    QCoro::waitFor(model.tokens().load());

    QList<double> walls;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        QCoro::waitFor(model.refreshes().refreshAll());
        walls.append(double(timer.nsecsElapsed()) / 1e6);
    }
    const double wall = median(walls);

    const double gitHubBound = phaseBound({2 * projectCount});
    const double deployBound = phaseBound({netlifyRequests, vercelRequests});
    const double bound = floor + gitHubBound + deployBound;
    int ready = 0;
    for (const ProjectConfig &project : projects)
        ready += model.runtime().value(project.id).deploy.kind == DeployStatus::Kind::Ready ? 1 : 0;
    std::printf("refreshAll of %d projects (%d ready), median of 3: %.1f ms\n", projectCount, ready,
                wall);
    std::printf("bound: git floor %.1f + GitHub %.0f + deployments %.0f = %.1f ms; ratio %.2f\n",
                floor, gitHubBound, deployBound, bound, wall / bound);
    std::printf("peak RSS of this process (model, fake services): %.1f MB\n", peakRssMB());
    return 0;
}

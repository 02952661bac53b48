// SPDX-License-Identifier: MIT
// `quaylin status` over N generated repositories against a floor that runs the same four git
// commands per repository with `xargs -P $(nproc)`. Prints both times, their ratio, and the
// peak memory of `quaylin status`.
#include "model/recordjson.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

bool run(const QString &program, const QStringList &arguments, const QString &dir = {})
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

bool makeRepositories(const QString &root, int count, QList<ProjectConfig> &projects)
{
    for (int i = 0; i < count; ++i) {
        const QString dir = root + QStringLiteral("/repo-%1").arg(i);
        QDir().mkpath(dir);
        QFile file(dir + QStringLiteral("/index.html"));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("<h1>hello</h1>\n");
        file.close();
        const QString script = QStringLiteral(
            "git init -q -b main && git -c user.name=b -c user.email=b@example.com add . && "
            "git -c user.name=b -c user.email=b@example.com commit -q -m 'first' && "
            "echo change >> index.html && touch untracked.txt");
        if (!run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script}, dir))
            return false;
        ProjectConfig project;
        project.id = QUuid::createUuid();
        project.name = QStringLiteral("Repo %1").arg(i);
        project.localPath = dir;
        project.sortIndex = i;
        projects.append(project);
    }
    return true;
}

// Wall time in ms and peak resident memory in MB of one child run.
struct Measure {
    double ms = 0;
    double peakMB = 0;
};

Measure timed(const QByteArray &command, const QList<QByteArray> &environment)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        for (const QByteArray &assignment : environment)
            putenv(strdup(assignment.constData()));
        execl("/bin/sh", "sh", "-c", command.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {double(timer.nsecsElapsed()) / 1e6, double(usage.ru_maxrss) / 1024.0};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString binary =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUAYLIN_BINARY);
    const int runs = 3;
    std::printf("quaylin status against the git floor (xargs -P %d), median of %d runs\n",
                QThread::idealThreadCount(), runs);

    for (int count : {50, 200}) {
        QTemporaryDir root;
        QList<ProjectConfig> projects;
        if (!makeRepositories(root.path(), count, projects)) {
            std::fprintf(stderr, "could not create repositories\n");
            return 1;
        }
        StoreData document = StoreData::defaultDocument();
        document.projects = projects;
        document.didSeed = true;
        const QString dataDir = root.path() + QStringLiteral("/data/Quaylin");
        QDir().mkpath(dataDir);
        QFile store(dataDir + QStringLiteral("/store.json"));
        if (!store.open(QIODevice::WriteOnly))
            return 1;
        store.write(RecordJson::encodeDocument(document));
        store.close();

        QByteArray list;
        for (const ProjectConfig &project : projects)
            list += project.localPath.toUtf8() + '\n';
        QFile listFile(root.path() + QStringLiteral("/repos.txt"));
        if (!listFile.open(QIODevice::WriteOnly))
            return 1;
        listFile.write(list);
        listFile.close();

        const QByteArray floor = "xargs -d '\\n' -P \"$(nproc)\" -I{} sh -c 'cd \"$1\" && "
                                 "git symbolic-ref --short -q HEAD; git status --porcelain; "
                                 "git rev-list --left-right --count @{u}...HEAD; "
                                 "git log -n 8 --pretty=%h%x1f%s%x1f%cr' _ {} < '" +
                                 listFile.fileName().toUtf8() + "' >/dev/null 2>&1";
        const QByteArray status = "'" + binary.toUtf8() + "' status >/dev/null";
        const QList<QByteArray> environment{
            "XDG_DATA_HOME=" + (root.path() + QStringLiteral("/data")).toUtf8(),
            "XDG_CONFIG_HOME=" + (root.path() + QStringLiteral("/config")).toUtf8(),
            "NETLIFY_AUTH_TOKEN=",
            "VERCEL_TOKEN=",
            "GH_TOKEN=",
            "GITHUB_TOKEN="};

        QList<double> floorTimes, statusTimes;
        double peak = 0;
        timed(status, environment); // warm the page cache for both
        for (int i = 0; i < runs; ++i) {
            floorTimes.append(timed(floor, environment).ms);
            const Measure measured = timed(status, environment);
            statusTimes.append(measured.ms);
            peak = std::max(peak, measured.peakMB);
        }
        const double floorMs = median(floorTimes);
        const double statusMs = median(statusTimes);
        std::printf(
            "N=%3d  floor %8.1f ms  quaylin status %8.1f ms  ratio %.2f  peak RSS %.1f MB\n", count,
            floorMs, statusMs, statusMs / floorMs, peak);
    }
    return 0;
}

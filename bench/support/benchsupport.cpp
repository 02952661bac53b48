// SPDX-License-Identifier: MIT
#include "support/benchsupport.h"

#include "model/recordjson.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

namespace BenchSupport {

QList<ProjectConfig> makeRepositories(const QString &root, int count)
{
    QList<ProjectConfig> projects;
    for (int i = 0; i < count; ++i) {
        const QString dir = root + QStringLiteral("/repos/repo-%1").arg(i);
        QDir().mkpath(dir);
        if (!writeBytes(dir + QStringLiteral("/index.html"), "<h1>hello</h1>\n"))
            return {};
        QProcess git;
        git.setWorkingDirectory(dir);
        git.start(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"),
             QStringLiteral("git init -q -b main && git add . && "
                            "git -c user.name=b -c user.email=b@example.com commit -q -m first && "
                            "echo change >> index.html && touch untracked.txt")});
        if (!git.waitForFinished(-1) || git.exitCode() != 0)
            return {};
        ProjectConfig project;
        project.id = QUuid::createUuid();
        project.name = QStringLiteral("Repo %1").arg(i);
        project.localPath = dir;
        project.sortIndex = i;
        projects.append(project);
    }
    return projects;
}

bool writeDataFile(const QString &root, const QList<ProjectConfig> &projects)
{
    StoreData document = StoreData::defaultDocument();
    document.projects = projects;
    document.didSeed = true;
    const QString dir = root + QStringLiteral("/data/Quaylin");
    return QDir().mkpath(dir) &&
           writeBytes(dir + QStringLiteral("/store.json"), RecordJson::encodeDocument(document));
}

QByteArray gitFloorCommand(const QString &root, const QList<ProjectConfig> &projects)
{
    QByteArray list;
    for (const ProjectConfig &project : projects)
        list += project.localPath.toUtf8() + '\n';
    const QString listPath = root + QStringLiteral("/repositories.txt");
    writeBytes(listPath, list);
    return "xargs -d '\\n' -P \"$(nproc)\" -I{} sh -c 'cd \"$1\" && "
           "git symbolic-ref --short -q HEAD; git status --porcelain; "
           "git rev-list --left-right --count @{u}...HEAD; "
           "git log -n 8 --pretty=%h%x1f%s%x1f%cr' _ {} < '" +
           listPath.toUtf8() + "' >/dev/null 2>&1";
}

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
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

} // namespace BenchSupport

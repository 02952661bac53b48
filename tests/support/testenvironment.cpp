// SPDX-License-Identifier: MIT
#include "support/testenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

TestEnvironment::TestEnvironment()
{
    const QString root = m_dir.path();
    for (const char *sub : {"home", "data", "config", "cache"})
        QDir(root).mkpath(QLatin1String(sub));
    qputenv("HOME", QFile::encodeName(root + QStringLiteral("/home")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/cache")));
    // QSettings reads XDG_CONFIG_HOME once per process; later environments must say it again.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       root + QStringLiteral("/config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       root + QStringLiteral("/config"));
    resetPreferences();
}

QString TestEnvironment::dataDir() const
{
    return m_dir.path() + QStringLiteral("/data/Quaylin");
}

void TestEnvironment::resetPreferences() const
{
    QSettings settings(QStringLiteral("Quaylin"), QStringLiteral("Quaylin"));
    settings.clear();
    settings.sync();
}

void deliverLanguageChange()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool runGit(const QString &dir, const QStringList &arguments)
{
    QProcess git;
    git.setWorkingDirectory(dir);
    git.start(QStringLiteral("/usr/bin/git"), arguments);
    if (!git.waitForFinished(30'000) || git.exitStatus() != QProcess::NormalExit ||
        git.exitCode() != 0) {
        qWarning() << "git" << arguments << "failed:" << git.readAllStandardError();
        return false;
    }
    return true;
}

bool makeRepository(const QString &dir)
{
    QDir().mkpath(dir);
    QFile readme(dir + QStringLiteral("/README"));
    if (!readme.open(QIODevice::WriteOnly))
        return false;
    readme.write("hello\n");
    readme.close();
    return runGit(dir, {QStringLiteral("init"), QStringLiteral("-q"), QStringLiteral("-b"),
                        QStringLiteral("main")}) &&
           runGit(dir, {QStringLiteral("config"), QStringLiteral("user.email"),
                        QStringLiteral("test@example.com")}) &&
           runGit(dir, {QStringLiteral("config"), QStringLiteral("user.name"),
                        QStringLiteral("Test")}) &&
           runGit(dir, {QStringLiteral("add"), QStringLiteral(".")}) &&
           runGit(dir, {QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("-m"),
                        QStringLiteral("first commit")});
}

bool gitScript(const QString &dir, const QString &script)
{
    static const QString helpers = QStringLiteral(R"(set -e
export GIT_AUTHOR_NAME=T GIT_AUTHOR_EMAIL=t@example.com GIT_COMMITTER_NAME=T
export GIT_COMMITTER_EMAIL=t@example.com
repo() { git init -q -b main "$1"; echo hello >"$1/README"; git -C "$1" add .; git -C "$1" commit -qm first; }
commits() { for i in $(seq "$2"); do git -C "$1" commit -q --allow-empty -m "$1 $i"; done; }
tracking() { repo origin; git clone -q --bare origin up.git; git clone -q up.git work; }
conflict() { repo work; cd work; git checkout -qb side; echo a >README; git commit -qam a
  git checkout -q main; echo b >README; git commit -qam b; }
)");
    QDir().mkpath(dir);
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), helpers + script});
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning() << script << process.readAllStandardError();
        return false;
    }
    return true;
}

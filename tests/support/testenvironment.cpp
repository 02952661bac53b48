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

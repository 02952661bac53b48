// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTemporaryDir>

// Points HOME, XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_CACHE_HOME at a fresh temporary folder
// so a test never touches the real home folder, and clears the preferences.
class TestEnvironment final {
public:
    TestEnvironment();

    QString root() const { return m_dir.path(); }
    QString dataDir() const; // where Store::defaultDir() now points
    // Clears every stored preference.
    void resetPreferences() const;

private:
    QTemporaryDir m_dir;
};

// Delivers the QEvent::LanguageChange that a language switch posts to every window, so every
// screen has retranslated when it returns.
void deliverLanguageChange();

// The bytes of a file, or nothing when it cannot be read.
QByteArray readFile(const QString &path);
// Writes a file (and its folder); false when that fails.
bool writeFile(const QString &path, const QByteArray &bytes);

// Runs `git` with the arguments in `dir`; fails the running test when git fails.
bool runGit(const QString &dir, const QStringList &arguments);
// A fresh repository with one commit on branch "main", configured with a test identity.
bool makeRepository(const QString &dir);
// Runs a shell script in `dir` with helpers for building repositories: `repo D` (one commit on
// main), `commits D N`, `tracking` (origin, its bare copy up.git, and work, a clone of up.git
// tracking main) and `conflict` (work on main, whose branch side changes README the other way;
// leaves the script inside work).
bool gitScript(const QString &dir, const QString &script);

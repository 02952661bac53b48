// SPDX-License-Identifier: MIT
#include "app/unsavedcopies.h"

#include "app/backupfiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace UnsavedCopies {

QString dir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/Quaylin"_s;
}

Written write(AppModel &model, const QDateTime &now)
{
    const QString folder = dir();
    if (!QDir().mkpath(folder))
        return {{}, FileResult::failure(u"cannot create the folder %1"_s.arg(folder))};
    const QString stem = folder + u"/unsaved-"_s + now.toLocalTime().toString(u"yyyyMMdd-HHmmss");
    QString path = stem + u".json"_s;
    for (int attempt = 2; QFile::exists(path); ++attempt)
        path = stem + u'-' + QString::number(attempt) + u".json"_s;
    return {path, BackupFiles::exportBackup(model, path)};
}

QStringList found()
{
    // The stamp in the name sorts by time.
    QStringList names = QDir(dir()).entryList({u"unsaved-*.json"_s}, QDir::Files, QDir::Name);
    QStringList paths;
    for (auto name = names.crbegin(); name != names.crend(); ++name)
        paths.append(dir() + u'/' + *name);
    return paths;
}

FileResult restore(AppModel &model, const QString &path)
{
    FileResult result = BackupFiles::importBackup(model, path);
    if (result.ok())
        QFile::remove(path);
    return result;
}

} // namespace UnsavedCopies

// SPDX-License-Identifier: MIT
#include "cli/githubremote.h"

#include "sources/gitreader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace GitHubRemote {

std::optional<QString> webAddress(const QString &remote)
{
    const QString text = remote.trimmed();
    QString host;
    QString path;
    if (text.contains(u"://")) {
        const QUrl url(text, QUrl::StrictMode);
        static const QStringList schemes{u"https"_s, u"http"_s, u"ssh"_s, u"git"_s, u"git+ssh"_s};
        if (!url.isValid() || !schemes.contains(url.scheme()))
            return std::nullopt;
        host = url.host();
        path = url.path();
    } else {
        // The scp form: [user@]host:owner/repository
        static const QRegularExpression scp(u"^(?:[^@/:]+@)?([^@/:]+):(.+)$"_s);
        const QRegularExpressionMatch match = scp.match(text);
        if (!match.hasMatch())
            return std::nullopt;
        host = match.captured(1);
        path = match.captured(2);
    }
    if (host.compare(u"github.com", Qt::CaseInsensitive) != 0)
        return std::nullopt;

    if (path.startsWith(u'/'))
        path.remove(0, 1);
    if (path.endsWith(u'/'))
        path.chop(1);
    if (path.endsWith(u".git"))
        path.chop(4);
    static const QRegularExpression ownerAndName(u"^[A-Za-z0-9_.-]+/[A-Za-z0-9_.-]+$"_s);
    const QStringList parts = path.split(u'/');
    if (!ownerAndName.match(path).hasMatch() || parts.contains(u"."_s) || parts.contains(u".."_s))
        return std::nullopt;
    return u"https://github.com/"_s + path;
}

std::optional<QString> origin(const QString &folder)
{
    QProcess git;
    git.setStandardErrorFile(QProcess::nullDevice());
    git.start(QString::fromLatin1(GitReader::gitPath),
              {u"-C"_s, folder, u"remote"_s, u"get-url"_s, u"origin"_s});
    if (!git.waitForFinished(10'000) || git.exitStatus() != QProcess::NormalExit ||
        git.exitCode() != 0)
        return std::nullopt;
    const QString url = QString::fromUtf8(git.readAllStandardOutput()).trimmed();
    if (url.isEmpty())
        return std::nullopt;
    return url;
}

} // namespace GitHubRemote

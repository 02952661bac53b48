// SPDX-License-Identifier: MIT
#include "services/updatechecker.h"

#include "i18n/localization.h"
#include "model/jsonfields.h"
#include "services/preferences.h"
#include "sources/httpfetcher.h"
#include "sources/webaddress.h"

#include <QPointer>

#include <algorithm>

namespace {

using namespace Qt::StringLiterals;
using enum JsonFields::Need;

struct Manifest {
    QString version;
    QString url;
    std::optional<QString> notes;
};

std::optional<Manifest> decodeManifest(const QByteArray &body)
{
    JsonFields json = JsonFields::parseObject(body);
    Manifest manifest;
    manifest.version = json.string("version"_L1, Required).value_or(QString());
    manifest.url = json.string("url"_L1, Required).value_or(QString());
    manifest.notes = json.string("notes"_L1);
    if (json.failed())
        return std::nullopt;
    return manifest;
}

// The download button hands the address to the desktop's opener, so only a web address will do.
// Whole numbers in base 10 with an optional sign; every other piece is left out.
QList<qint64> numericPieces(const QString &version)
{
    QList<qint64> numbers;
    for (const QString &piece : version.split(QLatin1Char('.'), Qt::SkipEmptyParts)) {
        const qsizetype digitsFrom = (piece.startsWith(u'+') || piece.startsWith(u'-')) ? 1 : 0;
        const bool allDigits = piece.size() > digitsFrom &&
                               std::all_of(piece.cbegin() + digitsFrom, piece.cend(),
                                           [](QChar c) { return c >= u'0' && c <= u'9'; });
        bool converted = false;
        const qint64 number = allDigits ? piece.toLongLong(&converted, 10) : 0;
        if (converted)
            numbers.append(number);
    }
    return numbers;
}

} // namespace

UpdateChecker::UpdateChecker(HttpConnections &network, QUrl manifestURL, QString runningVersion,
                             Preferences &preferences, QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_manifestURL(std::move(manifestURL))
    , m_runningVersion(std::move(runningVersion))
    , m_preferences(preferences)
{
}

QCoro::Task<> UpdateChecker::checkForUpdate()
{
    const QPointer<UpdateChecker> self(this);
    const HttpFetcher fetcher(m_network);
    const auto answer = co_await fetcher.get(m_manifestURL, {});
    if (!self)
        co_return;
    const auto *response = std::get_if<HttpResponse>(&answer);
    if (!response || response->statusCode != 200)
        co_return;
    const auto manifest = decodeManifest(response->body);
    if (!manifest)
        co_return;

    const std::optional<QUrl> download = WebAddress::parse(manifest->url);
    if (m_latestVersion == manifest->version && m_downloadURL == download &&
        m_notes == manifest->notes)
        co_return;
    m_latestVersion = manifest->version;
    m_downloadURL = download;
    m_notes = manifest->notes;
    Q_EMIT changed();
}

std::optional<QString> UpdateChecker::dismissedVersion() const
{
    return m_preferences.dismissedUpdateVersion();
}

void UpdateChecker::setDismissedVersion(const std::optional<QString> &version)
{
    if (m_preferences.dismissedUpdateVersion() == version)
        return;
    m_preferences.setDismissedUpdateVersion(version);
    Q_EMIT changed();
}

bool UpdateChecker::isUpdateAvailable() const
{
    if (!m_latestVersion)
        return false;
    if (dismissedVersion() == m_latestVersion)
        return false;
    return isNewer(*m_latestVersion, m_runningVersion);
}

QString UpdateChecker::bannerText() const
{
    const QString hint = L(QStringLiteral("Stáhni novou verzi a nainstaluj balíček, nebo ji najdi "
                                          "na stránce vydání."));
    if (m_notes && !m_notes->trimmed().isEmpty())
        return *m_notes + QLatin1Char(' ') + hint;
    return hint;
}

bool UpdateChecker::isNewer(const QString &a, const QString &than)
{
    const QList<qint64> left = numericPieces(a);
    const QList<qint64> right = numericPieces(than);
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const qint64 x = i < left.size() ? left.at(i) : 0;
        const qint64 y = i < right.size() ? right.at(i) : 0;
        if (x != y)
            return x > y;
    }
    return false;
}

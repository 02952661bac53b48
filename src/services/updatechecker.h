// SPDX-License-Identifier: MIT
#pragma once

#include <QCoroTask>
#include <QObject>
#include <QString>
#include <QUrl>

#include <optional>

class Preferences;
class HttpConnections;

// Learns about new releases from the published version manifest.
class UpdateChecker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateChecker)

public:
    // The skipped version lives in `preferences`.
    UpdateChecker(HttpConnections &network, QUrl manifestURL, QString runningVersion,
                  Preferences &preferences, QObject *parent = nullptr);

    QCoro::Task<> checkForUpdate();

    std::optional<QString> latestVersion() const { return m_latestVersion; }
    std::optional<QUrl> downloadURL() const { return m_downloadURL; }
    std::optional<QString> notes() const { return m_notes; }
    std::optional<QString> dismissedVersion() const;
    // Stored in Quaylin.dismissedUpdateVersion on every change.
    void setDismissedVersion(const std::optional<QString> &version);

    bool isUpdateAvailable() const;
    // The banner's text: the notes (when not blank) and the install hint.
    QString bannerText() const;

    // Numeric, component-wise comparison of dotted versions.
    static bool isNewer(const QString &a, const QString &than);

Q_SIGNALS:
    void changed();

private:
    HttpConnections &m_network;
    QUrl m_manifestURL;
    QString m_runningVersion;
    std::optional<QString> m_latestVersion;
    std::optional<QUrl> m_downloadURL;
    std::optional<QString> m_notes;
    Preferences &m_preferences;
};

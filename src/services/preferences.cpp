// SPDX-License-Identifier: MIT
#include "services/preferences.h"

namespace {

std::optional<QString> optionalText(const QSettings &settings, const char *key)
{
    const QVariant value = settings.value(QLatin1String(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

} // namespace

Preferences::Preferences(QObject *parent)
    : Preferences(std::make_unique<QSettings>(QStringLiteral("Quaylin"), QStringLiteral("Quaylin")),
                  parent)
{
}

Preferences::Preferences(std::unique_ptr<QSettings> settings, QObject *parent)
    : QObject(parent)
    , m_settings(std::move(settings))
{
    load();
}

Preferences::~Preferences() = default;

void Preferences::load()
{
    const QSettings &s = *m_settings;
    m_languageRaw = s.value(QLatin1String(languageKey), QStringLiteral("cs")).toString();
    m_language = m_languageRaw == u"en" ? AppLanguage::En : AppLanguage::Cs;
    m_autoArchiveEnabled = s.value(QLatin1String(autoArchiveEnabledKey), false).toBool();
    bool ok = false;
    const int days = s.value(QLatin1String(autoArchiveDaysKey)).toInt(&ok);
    m_autoArchiveDays = ok ? std::optional(days) : std::nullopt;
    m_kanbanSortMode =
        s.value(QLatin1String(kanbanSortModeKey), QStringLiteral("manual")).toString();
    m_kanbanCompact = s.value(QLatin1String(kanbanCompactKey), false).toBool();
    m_lastSelection = optionalText(s, lastSelectionKey);
    m_globalHotkeyEnabled = s.value(QLatin1String(globalHotkeyEnabledKey), true).toBool();
    m_globalHotkey = optionalText(s, globalHotkeyKey);
    m_dismissedUpdateVersion = optionalText(s, dismissedUpdateVersionKey);
}

void Preferences::write(const char *key, const QVariant &value)
{
    if (value.isValid())
        m_settings->setValue(QLatin1String(key), value);
    else
        m_settings->remove(QLatin1String(key));
    m_settings->sync();
}

void Preferences::setLanguage(AppLanguage language)
{
    const QString raw = AppLanguages::rawValue(language);
    if (raw == m_languageRaw)
        return;
    m_languageRaw = raw;
    write(languageKey, raw);
    if (language == m_language)
        return;
    m_language = language;
    Q_EMIT languageChanged(language);
}

void Preferences::setAutoArchiveEnabled(bool enabled)
{
    if (enabled == m_autoArchiveEnabled)
        return;
    m_autoArchiveEnabled = enabled;
    write(autoArchiveEnabledKey, enabled);
    Q_EMIT autoArchiveChanged();
}

int Preferences::autoArchiveDays() const
{
    return m_autoArchiveDays && *m_autoArchiveDays >= 1 ? *m_autoArchiveDays
                                                        : defaultAutoArchiveDays;
}

void Preferences::setAutoArchiveDays(int days)
{
    if (m_autoArchiveDays == days)
        return;
    m_autoArchiveDays = days;
    write(autoArchiveDaysKey, days);
    Q_EMIT autoArchiveChanged();
}

void Preferences::setKanbanSortMode(const QString &raw)
{
    if (raw == m_kanbanSortMode)
        return;
    m_kanbanSortMode = raw;
    write(kanbanSortModeKey, raw);
    Q_EMIT kanbanChanged();
}

void Preferences::setKanbanCompact(bool compact)
{
    if (compact == m_kanbanCompact)
        return;
    m_kanbanCompact = compact;
    write(kanbanCompactKey, compact);
    Q_EMIT kanbanChanged();
}

void Preferences::setLastSelection(const QString &uuidText)
{
    if (m_lastSelection == uuidText)
        return;
    m_lastSelection = uuidText;
    write(lastSelectionKey, uuidText);
}

void Preferences::setGlobalHotkeyEnabled(bool enabled)
{
    if (enabled == m_globalHotkeyEnabled)
        return;
    m_globalHotkeyEnabled = enabled;
    write(globalHotkeyEnabledKey, enabled);
    Q_EMIT globalHotkeyEnabledChanged(enabled);
}

void Preferences::setGlobalHotkey(const QString &chord)
{
    if (m_globalHotkey == chord)
        return;
    m_globalHotkey = chord;
    write(globalHotkeyKey, chord);
    Q_EMIT globalHotkeyChanged();
}

void Preferences::setDismissedUpdateVersion(const std::optional<QString> &version)
{
    if (version == m_dismissedUpdateVersion)
        return;
    m_dismissedUpdateVersion = version;
    write(dismissedUpdateVersionKey, version ? QVariant(*version) : QVariant());
    Q_EMIT dismissedUpdateVersionChanged();
}

QByteArray Preferences::windowGeometry(const QString &windowName) const
{
    return m_settings->value(windowName).toByteArray();
}

void Preferences::setWindowGeometry(const QString &windowName, const QByteArray &geometry)
{
    m_settings->setValue(windowName, geometry);
    m_settings->sync();
}

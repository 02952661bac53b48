// SPDX-License-Identifier: MIT
#pragma once

#include "i18n/localization.h"

#include <QByteArray>
#include <QObject>
#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

// The user preferences, keys `Quaylin.*`. One object per process reads the store once and
// keeps every value in memory, so a lookup costs nothing; setters write through at once and
// signal the change. The language switch puts the interface language into effect.
class Preferences final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Preferences)

public:
    static constexpr auto languageKey = "Quaylin.language";
    static constexpr auto autoArchiveEnabledKey = "Quaylin.autoArchiveEnabled";
    static constexpr auto autoArchiveDaysKey = "Quaylin.autoArchiveDays";
    static constexpr auto kanbanSortModeKey = "Quaylin.kanbanSortMode";
    static constexpr auto kanbanCompactKey = "Quaylin.kanbanCompact";
    static constexpr auto lastSelectionKey = "Quaylin.lastSelection";
    static constexpr auto globalHotkeyEnabledKey = "Quaylin.globalHotkeyEnabled";
    static constexpr auto globalHotkeyKey = "Quaylin.globalHotkey";
    static constexpr auto dismissedUpdateVersionKey = "Quaylin.dismissedUpdateVersion";
    static constexpr int defaultAutoArchiveDays = 14;

    // The user's preferences file (organisation and application "Quaylin").
    explicit Preferences(QObject *parent = nullptr);
    // Any settings store, e.g. an INI file in a test's temporary folder.
    explicit Preferences(std::unique_ptr<QSettings> settings, QObject *parent = nullptr);
    ~Preferences() override;

    // The stored text as it is ("cs", "en" or anything else) and the language it means:
    // "en" is English, everything else Czech.
    QString languageRaw() const { return m_languageRaw; }
    AppLanguage language() const { return m_language; }
    void setLanguage(AppLanguage language);

    bool autoArchiveEnabled() const { return m_autoArchiveEnabled; }
    void setAutoArchiveEnabled(bool enabled);
    // The stored day count; absent or below 1 counts as 14.
    int autoArchiveDays() const;
    void setAutoArchiveDays(int days);

    // The board's sort mode as stored (raw value; the board maps unknown values to manual).
    QString kanbanSortMode() const { return m_kanbanSortMode; }
    void setKanbanSortMode(const QString &raw);
    bool kanbanCompact() const { return m_kanbanCompact; }
    void setKanbanCompact(bool compact);

    // The project last selected in the main window ("" for the overview), absent when never
    // stored.
    std::optional<QString> lastSelection() const { return m_lastSelection; }
    void setLastSelection(const QString &uuidText);

    // Absent means enabled.
    bool globalHotkeyEnabled() const { return m_globalHotkeyEnabled; }
    void setGlobalHotkeyEnabled(bool enabled);
    // The global shortcut's chord as stored (QKeySequence's portable text, e.g. "Ctrl+Meta+S");
    // absent until the user records one.
    std::optional<QString> globalHotkey() const { return m_globalHotkey; }
    void setGlobalHotkey(const QString &chord);

    std::optional<QString> dismissedUpdateVersion() const { return m_dismissedUpdateVersion; }
    void setDismissedUpdateVersion(const std::optional<QString> &version);

    // A window's saved frame (QWidget::saveGeometry), stored under its name, e.g.
    // "QuaylinMainWindow"; empty when never saved.
    QByteArray windowGeometry(const QString &windowName) const;
    void setWindowGeometry(const QString &windowName, const QByteArray &geometry);

Q_SIGNALS:
    void languageChanged(AppLanguage language);
    void autoArchiveChanged();
    void kanbanChanged(); // sort mode or compact flag
    void globalHotkeyEnabledChanged(bool enabled);
    void globalHotkeyChanged();
    void dismissedUpdateVersionChanged();

private:
    void load();
    void write(const char *key, const QVariant &value);

    std::unique_ptr<QSettings> m_settings;
    QString m_languageRaw;
    AppLanguage m_language = AppLanguage::Cs;
    bool m_autoArchiveEnabled = false;
    std::optional<int> m_autoArchiveDays;
    QString m_kanbanSortMode;
    bool m_kanbanCompact = false;
    std::optional<QString> m_lastSelection;
    bool m_globalHotkeyEnabled = true;
    std::optional<QString> m_globalHotkey;
    std::optional<QString> m_dismissedUpdateVersion;
};

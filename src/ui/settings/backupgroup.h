// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class SectionBox;
struct UiContext;

// Export of all projects, cards, labels and folders to one file, and restore from such a file
// after a confirmation. The result of the last one is said below the buttons; a failed
// restore leaves every record as it was.
class BackupGroup final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackupGroup)

public:
    explicit BackupGroup(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void exportBackup();
    void chooseBackup();
    void confirmRestore(const QString &path);
    void setResult(const QString &czech, const std::optional<QString> &reason = std::nullopt);

    UiContext &m_context;
    SectionBox *m_box;
    QLabel *m_explanation;
    QPushButton *m_export;
    QPushButton *m_restore;
    QLabel *m_result;
    QString m_resultCzech;  // the result's source text, shown in the current language
    QString m_resultReason; // why it failed, as the system said it
};

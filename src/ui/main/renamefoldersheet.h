// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QUuid>

class ProminentButton;
class QLabel;
class QLineEdit;
class QPushButton;
struct UiContext;

// Renames one folder. "Uložit" stays disabled while the name is blank.
class RenameFolderSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RenameFolderSheet)

public:
    RenameFolderSheet(UiContext &context, const QUuid &folderID, QWidget *parent = nullptr);

    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    UiContext &m_context;
    QUuid m_folderID;
    QLabel *m_title;
    QLineEdit *m_name;
    QPushButton *m_cancel;
    ProminentButton *m_save;
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QList>

struct UiContext;
class LabelEditRow;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The labels every board shares: rename, recolour and delete each one; add new ones with a
// random palette colour.
class LabelManagerSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LabelManagerSheet)

public:
    explicit LabelManagerSheet(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void syncRows();
    void addLabel();

    UiContext &m_context;
    QLabel *m_title;
    QPushButton *m_done;
    QVBoxLayout *m_rows;
    QList<LabelEditRow *> m_rowWidgets;
    QLineEdit *m_newName;
    QPushButton *m_add;
};

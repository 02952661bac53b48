// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QVBoxLayout;
class SectionBox;

// A titled box holding either one line saying it is empty, or rows with a hairline between
// each two. The deploy history and the recent commits.
class RowsBox final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RowsBox)

public:
    RowsBox(const QString &symbol, QWidget *parent = nullptr);

    void setTitle(const QString &title);
    QString emptyText() const; // empty while rows are shown
    void showEmpty(const QString &text);
    // Takes the rows; replaces what was shown.
    void showRows(const QList<QWidget *> &rows);
    int rowCount() const { return m_rowCount; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void clear();

    SectionBox *m_box;
    QLabel *m_empty;
    QVBoxLayout *m_rows;
    int m_rowCount = 0;
};

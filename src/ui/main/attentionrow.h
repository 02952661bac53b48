// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QUuid>

// One project of the attention section: emoji, name, why it needs attention, and a chevron.
// A plain button: clicking it (or Space) selects the project.
class AttentionRow final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AttentionRow)

public:
    struct Entry {
        QUuid projectID;
        QString emoji;
        QString name;
        QString reason;
        bool operator==(const Entry &) const = default;
    };

    explicit AttentionRow(const Entry &entry, QWidget *parent = nullptr);

    const Entry &entry() const { return m_entry; }
    void setEntry(const Entry &entry);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Entry m_entry;
};

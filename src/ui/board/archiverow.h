// SPDX-License-Identifier: MIT
#pragma once

#include "model/taskcard.h"

#include <QWidget>

class ElidedLabel;
class QPushButton;

// One archived card in the archive sheet: its title over its column, with Restore and Delete.
class ArchiveRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveRow)

public:
    explicit ArchiveRow(const TaskCard &card, QWidget *parent = nullptr);

Q_SIGNALS:
    void restoreRequested(const QUuid &cardID);
    void deleteRequested(const QUuid &cardID);

protected:
    void paintEvent(QPaintEvent *event) override;
};

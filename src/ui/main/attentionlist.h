// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>
#include <QUuid>

class AttentionModel;

// The rows of the attention section: emoji, name, why it needs attention, and a chevron, each
// selecting its project when clicked (or with Return). It never scrolls itself: it is as tall
// as its rows.
class AttentionList final : public QListView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AttentionList)

public:
    static constexpr int rowHeight = 30;

    explicit AttentionList(AttentionModel &model, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void projectActivated(const QUuid &projectID);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitHeight();
};

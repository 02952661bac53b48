// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/attentionrow.h"

#include <QList>
#include <QWidget>

class Banner;
struct UiContext;

// The projects that need attention, in the model's order, each a row that selects it. Hidden
// while none does. Live status arrives project by project; the rows are worked out once per
// turn of the event loop and rebuilt only when they differ.
class AttentionSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AttentionSection)

public:
    explicit AttentionSection(UiContext &context, QWidget *parent = nullptr);

    void retranslate();
    QList<AttentionRow *> rows() const { return m_rows; }

Q_SIGNALS:
    void projectActivated(const QUuid &projectID);

private:
    void schedule();
    void refresh();

    UiContext &m_context;
    Banner *m_banner;
    QList<AttentionRow *> m_rows;
    bool m_scheduled = false;
};

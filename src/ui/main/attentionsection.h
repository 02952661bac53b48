// SPDX-License-Identifier: MIT
#pragma once

#include <QUuid>
#include <QWidget>

class AttentionList;
class AttentionModel;
class Banner;
struct UiContext;

// The projects that need attention, in the model's order, each a row that selects it, on an
// orange banner. Hidden while none does.
class AttentionSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AttentionSection)

public:
    explicit AttentionSection(UiContext &context, QWidget *parent = nullptr);

    AttentionModel *model() const { return m_model; }
    AttentionList *list() const { return m_list; }

Q_SIGNALS:
    void projectActivated(const QUuid &projectID);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateVisibility();

    AttentionModel *m_model;
    Banner *m_banner;
    AttentionList *m_list;
};

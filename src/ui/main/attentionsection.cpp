// SPDX-License-Identifier: MIT
#include "ui/main/attentionsection.h"

#include "app/appmodel.h"
#include "locale/localization.h"
#include "ui/components/banner.h"
#include "ui/components/colors.h"
#include "ui/shell/uicontext.h"

#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AttentionSection::AttentionSection(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_banner(new Banner(u"exclamationmark.circle.fill"_s, Colors::named(u"orange"_s, palette()),
                          0.07, 0.20))
{
    setObjectName(u"attentionSection"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_banner);
    connect(&context.model, &AppModel::runtimeChanged, this, &AttentionSection::schedule);
    connect(&context.model, &AppModel::projectsChanged, this, &AttentionSection::schedule);
    retranslate();
}

void AttentionSection::retranslate()
{
    m_banner->setTitle(L(u"Vyžaduje pozornost"_s));
    refresh();
}

void AttentionSection::schedule()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_scheduled = false;
        refresh();
    });
}

void AttentionSection::refresh()
{
    QList<AttentionRow::Entry> entries;
    for (const ProjectConfig &project : m_context.model.projectsNeedingAttention()) {
        if (const std::optional<QString> reason = m_context.model.attentionReason(project.id))
            entries.append({project.id, project.emoji, project.name, *reason});
    }
    while (m_rows.size() > entries.size())
        delete m_rows.takeLast();
    for (int i = 0; i < entries.size(); ++i) {
        if (i < m_rows.size()) {
            if (m_rows[i]->entry() != entries[i])
                m_rows[i]->setEntry(entries[i]);
            continue;
        }
        auto *row = new AttentionRow(entries[i]);
        connect(row, &QAbstractButton::clicked, this,
                [this, row] { Q_EMIT projectActivated(row->entry().projectID); });
        m_banner->bodyLayout()->addWidget(row);
        m_rows.append(row);
    }
    setVisible(!entries.isEmpty());
}

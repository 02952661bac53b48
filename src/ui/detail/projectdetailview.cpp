// SPDX-License-Identifier: MIT
#include "ui/detail/projectdetailview.h"

#include "ui/shell/uicontext.h"

ProjectDetailView::ProjectDetailView(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("projectDetailView"));
}

ProjectDetailView::~ProjectDetailView() = default;

void ProjectDetailView::setProject(const QUuid &projectID)
{
    m_projectID = projectID;
}

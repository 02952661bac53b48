// SPDX-License-Identifier: MIT
#include "ui/main/mainview.h"

#include "ui/shell/uicontext.h"

MainView::MainView(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("mainView"));
}

MainView::~MainView() = default;

// SPDX-License-Identifier: MIT
#include "ui/settings/switchrow.h"

#include "ui/components/colors.h"
#include "ui/components/toggleswitch.h"
#include "ui/components/typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QHBoxLayout *switchRow(QLabel *text, QLabel *explanation, ToggleSwitch *toggle)
{
    text->setFont(Typography::font(12.5));
    text->setWordWrap(true);
    explanation->setFont(Typography::font(11));
    explanation->setWordWrap(true);
    Colors::setTextColor(*explanation, Colors::secondary(explanation->palette()));

    auto *texts = new QVBoxLayout;
    texts->setSpacing(3);
    texts->addWidget(text);
    texts->addWidget(explanation);
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addLayout(texts, 1);
    row->addWidget(toggle, 0, Qt::AlignTop);
    return row;
}

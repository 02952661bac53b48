// SPDX-License-Identifier: MIT
#include "ui/components/sheet.h"

#include "ui/components/typography.h"

#include <QDialog>
#include <QScrollArea>

namespace Sheet {

void setUp(QDialog &sheet, const QString &objectName)
{
    sheet.setObjectName(objectName);
    sheet.setWindowModality(Qt::WindowModal);
    sheet.setAttribute(Qt::WA_DeleteOnClose);
}

void makeTitle(QWidget &title, qreal points)
{
    title.setFont(Typography::font(points, QFont::Bold));
}

QScrollArea *scrollList(QWidget *content, QWidget *parent)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return scroll;
}

} // namespace Sheet

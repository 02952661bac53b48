// SPDX-License-Identifier: MIT
#include "ui/components/taborder.h"

#include <QWidget>

namespace TabOrder {

void insertAt(QWidget *place, const QList<QWidget *> &widgets)
{
    // QWidget::setTabOrder only links widgets that take the focus.
    QWidget *previous = place;
    while (previous && previous->focusPolicy() == Qt::NoFocus && previous != place->window())
        previous = previous->previousInFocusChain();
    for (QWidget *widget : widgets) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous && previous->focusPolicy() != Qt::NoFocus)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace TabOrder

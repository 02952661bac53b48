// SPDX-License-Identifier: MIT
#include "ui/components/accessiblecombo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>

namespace AccessibleCombo {

void chooseOnAccessibleSelection(QComboBox &combo)
{
    QAbstractItemView *list = combo.view();
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, &combo,
                     [&combo, list](const QItemSelection &selected) {
                         if (list->isVisible() || selected.indexes().isEmpty())
                             return;
                         const int row = selected.indexes().constFirst().row();
                         if (row == combo.currentIndex())
                             return;
                         combo.setCurrentIndex(row);
                         Q_EMIT combo.activated(row);
                     });
}

} // namespace AccessibleCombo

// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardlabel.h"

#include <QList>
#include <QWidget>

class AppModel;
class ColorSwatch;
class IconButton;
class QLineEdit;

// One label in the label manager: its name (renamed with every keystroke), the seven palette
// colours (the current one ringed) and a button that deletes it at once.
class LabelEditRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LabelEditRow)

public:
    LabelEditRow(AppModel &model, const CardLabel &label, QWidget *parent = nullptr);

    QUuid labelID() const { return m_label.id; }
    QLineEdit *nameField() const { return m_name; }
    // The name field, the swatches and the delete button, in Tab order.
    QList<QWidget *> controls() const;
    // The label as the model has it now; the name field keeps what the user is typing.
    void setLabel(const CardLabel &label);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    AppModel &m_model;
    CardLabel m_label;
    QLineEdit *m_name;
    QList<ColorSwatch *> m_swatches;
    IconButton *m_delete;
};

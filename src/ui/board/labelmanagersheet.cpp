// SPDX-License-Identifier: MIT
#include "ui/board/labelmanagersheet.h"

#include "app/appmodel.h"
#include "i18n/localization.h"
#include "model/colornames.h"
#include "ui/board/labeleditrow.h"
#include "ui/components/sheet.h"
#include "ui/components/taborder.h"
#include "ui/components/typography.h"
#include "ui/components/undoactions.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

LabelManagerSheet::LabelManagerSheet(UiContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_title(new QLabel(this))
    , m_done(new QPushButton(this))
    , m_rows(new QVBoxLayout)
    , m_newName(new QLineEdit(this))
    , m_add(new QPushButton(this))
{
    Sheet::setUp(*this, u"labelManagerSheet"_s);
    new UndoActions(context.model.history(), this);
    resize(420, 460);
    Sheet::makeTitle(*m_title, 16);
    m_done->setObjectName(u"labelManagerDoneButton"_s);
    m_done->setDefault(true);
    m_newName->setObjectName(u"newLabelField"_s);
    m_newName->setFont(Typography::font(12));
    m_newName->installEventFilter(this);
    m_add->setObjectName(u"addLabelButton"_s);
    m_add->setEnabled(false);
    m_add->setAutoDefault(false);

    auto *list = new QWidget;
    auto *listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(0, 0, 6, 0);
    listLayout->setSpacing(4);
    listLayout->addLayout(m_rows);
    listLayout->addStretch(1);
    m_rows->setSpacing(4);
    QScrollArea *scroll = Sheet::scrollList(list, this);

    auto *divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);

    auto *header = new QHBoxLayout;
    header->addWidget(m_title, 1);
    header->addWidget(m_done);
    auto *addRow = new QHBoxLayout;
    addRow->setSpacing(8);
    addRow->addWidget(m_newName, 1);
    addRow->addWidget(m_add);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(14);
    layout->addLayout(header);
    layout->addWidget(scroll, 1);
    layout->addWidget(divider);
    layout->addLayout(addRow);

    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_add, &QPushButton::clicked, this, &LabelManagerSheet::addLabel);
    connect(m_newName, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_add->setEnabled(!text.trimmed().isEmpty()); });
    connect(&context.model, &AppModel::labelsChanged, this, &LabelManagerSheet::syncRows);
    syncRows();
    retranslate();
}

bool LabelManagerSheet::eventFilter(QObject *watched, QEvent *event)
{
    // Return in the new-label field adds the label; it does not close the sheet.
    if (watched == m_newName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            addLabel();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LabelManagerSheet::addLabel()
{
    const QString name = m_newName->text().trimmed();
    if (name.isEmpty())
        return;
    const QStringList palette = ColorNames::all();
    const QString color = palette.at(QRandomGenerator::global()->bounded(int(palette.size())));
    m_context.model.addLabel(name, color);
    m_newName->clear();
}

// Rows follow the model's labels by id, so the row being typed in keeps its field and focus.
void LabelManagerSheet::syncRows()
{
    const QList<CardLabel> labels = m_context.model.labels();
    bool sameOrder = labels.size() == m_rowWidgets.size();
    for (qsizetype i = 0; sameOrder && i < labels.size(); ++i)
        sameOrder = m_rowWidgets[i]->labelID() == labels[i].id;
    if (sameOrder) {
        for (qsizetype i = 0; i < labels.size(); ++i)
            m_rowWidgets[i]->setLabel(labels[i]);
        return;
    }
    QList<LabelEditRow *> rows;
    for (const CardLabel &label : labels) {
        LabelEditRow *row = nullptr;
        for (LabelEditRow *existing : std::as_const(m_rowWidgets)) {
            if (existing->labelID() == label.id)
                row = existing;
        }
        if (row) {
            m_rowWidgets.removeOne(row);
            row->setLabel(label);
        } else {
            row = new LabelEditRow(m_context.model, label);
        }
        rows.append(row);
    }
    // Later: the delete click is still being delivered to its row.
    for (LabelEditRow *gone : std::as_const(m_rowWidgets)) {
        gone->hide();
        gone->deleteLater();
    }
    m_rowWidgets = rows;
    while (QLayoutItem *item = m_rows->takeAt(0))
        delete item;
    QList<QWidget *> controls;
    for (LabelEditRow *row : std::as_const(rows)) {
        m_rows->addWidget(row);
        controls += row->controls();
    }
    TabOrder::insertAt(m_done, controls); // rows before the add row
}

void LabelManagerSheet::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void LabelManagerSheet::retranslate()
{
    setWindowTitle(L(u"Štítky"_s));
    m_title->setText(L(u"Štítky"_s));
    m_done->setText(L(u"Hotovo"_s));
    m_newName->setPlaceholderText(L(u"Nový štítek…"_s));
    m_newName->setAccessibleName(L(u"Nový štítek…"_s));
    m_add->setText(L(u"Přidat"_s));
}

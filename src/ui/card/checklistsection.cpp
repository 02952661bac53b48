// SPDX-License-Identifier: MIT
#include "ui/card/checklistsection.h"

#include "i18n/localization.h"
#include "ui/card/checklistlist.h"
#include "ui/card/checklistmodel.h"
#include "ui/components/colors.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ChecklistSection::ChecklistSection(QWidget *parent)
    : QWidget(parent)
    , m_heading(new QLabel(this))
    , m_count(new QLabel(this))
    , m_progress(new QProgressBar(this))
    , m_model(new ChecklistModel(this))
    , m_list(new ChecklistList(*m_model, this))
    , m_newItem(new QLineEdit(this))
    , m_add(new QPushButton(this))
{
    m_heading->setFont(Typography::font(12, QFont::DemiBold));
    m_count->setObjectName(u"checklistCount"_s);
    m_count->setFont(Typography::font(11));
    m_progress->setObjectName(u"checklistProgress"_s);
    m_progress->setTextVisible(false);
    m_progress->setFixedHeight(6);
    m_newItem->setObjectName(u"newChecklistItemField"_s);
    m_newItem->setFont(Typography::font(12));
    m_newItem->installEventFilter(this);
    m_add->setObjectName(u"addChecklistItemButton"_s);
    m_add->setAutoDefault(false);
    m_add->setEnabled(false);
    m_list->hide();

    auto *header = new QHBoxLayout;
    header->addWidget(m_heading);
    header->addStretch(1);
    header->addWidget(m_count);
    auto *addRow = new QHBoxLayout;
    addRow->setSpacing(8);
    addRow->addWidget(m_newItem, 1);
    addRow->addWidget(m_add);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addLayout(header);
    layout->addWidget(m_progress);
    layout->addWidget(m_list);
    layout->addLayout(addRow);

    connect(m_list, &ChecklistList::toggleRequested, this, &ChecklistSection::toggleRequested);
    connect(m_list, &ChecklistList::removeRequested, this, &ChecklistSection::removeRequested);
    connect(m_add, &QPushButton::clicked, this, &ChecklistSection::submit);
    connect(m_newItem, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_add->setEnabled(!text.trimmed().isEmpty()); });
    updateProgressColor();
    retranslate();
}

bool ChecklistSection::eventFilter(QObject *watched, QEvent *event)
{
    // Return adds the entry; it does not close the sheet.
    if (watched == m_newItem && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            submit();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChecklistSection::submit()
{
    const QString text = m_newItem->text();
    m_newItem->clear();
    Q_EMIT addRequested(text);
}

void ChecklistSection::setItems(const QList<ChecklistItem> &items)
{
    int done = 0;
    for (const ChecklistItem &item : items)
        done += item.done ? 1 : 0;
    const int total = int(items.size());
    m_count->setText(u"%1/%2"_s.arg(done).arg(total));
    m_count->setVisible(total > 0);
    m_progress->setVisible(total > 0);
    m_progress->setRange(0, qMax(1, total));
    m_progress->setValue(done);
    m_model->setItems(items);
    m_list->setVisible(total > 0);
}

void ChecklistSection::retranslate()
{
    m_heading->setText(L(u"Checklist"_s));
    m_newItem->setPlaceholderText(L(u"Přidat položku…"_s));
    m_newItem->setAccessibleName(L(u"Přidat položku…"_s));
    m_add->setText(L(u"Přidat"_s));
    m_list->setAccessibleName(L(u"Checklist"_s));
    m_list->setRemoveHelp(L(u"Odebrat"_s));
}

void ChecklistSection::updateProgressColor()
{
    QPalette colors = m_progress->palette();
    colors.setColor(QPalette::Highlight, Colors::named(u"green"_s, palette()));
    m_progress->setPalette(colors);
    QPalette count = m_count->palette();
    count.setColor(QPalette::WindowText, Colors::secondary(palette()));
    m_count->setPalette(count);
}

void ChecklistSection::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        updateProgressColor();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// SPDX-License-Identifier: MIT
#include "ui/card/duedaterow.h"

#include "i18n/formatters.h"
#include "i18n/localization.h"
#include "ui/components/typography.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

DueDateRow::DueDateRow(const QDateTime &opened, QWidget *parent)
    : QWidget(parent)
    , m_toggle(new QCheckBox(this))
    , m_picker(new QDateEdit(this))
    , m_date(opened)
{
    m_toggle->setObjectName(u"dueDateToggle"_s);
    m_toggle->setFont(Typography::font(12, QFont::DemiBold));
    m_picker->setObjectName(u"dueDatePicker"_s);
    m_picker->setCalendarPopup(true);
    m_picker->hide();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(m_toggle);
    layout->addWidget(m_picker);
    layout->addStretch(1);

    connect(m_toggle, &QCheckBox::toggled, this, [this](bool on) {
        m_picker->setVisible(on);
        Q_EMIT changed(on ? std::optional(m_date) : std::nullopt);
    });
    connect(m_picker, &QDateEdit::dateChanged, this, [this](QDate day) {
        if (!day.isValid())
            return;
        const QDateTime local = m_date.toLocalTime();
        m_date = QDateTime(day, local.time(), local.timeSpec()).toTimeSpec(m_date.timeSpec());
        Q_EMIT changed(m_date);
    });
    retranslate();
    showDate();
}

void DueDateRow::setDueDate(const std::optional<QDateTime> &due)
{
    if (due)
        m_date = *due;
    const QSignalBlocker blockToggle(m_toggle);
    m_toggle->setChecked(due.has_value());
    m_picker->setVisible(due.has_value());
    showDate();
}

void DueDateRow::showDate()
{
    const QSignalBlocker blockPicker(m_picker);
    m_picker->setDate(m_date.toLocalTime().date());
}

void DueDateRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void DueDateRow::retranslate()
{
    m_toggle->setText(L(u"Termín"_s));
    m_picker->setAccessibleName(L(u"Termín"_s));
    // The picker's text field takes the focus for it; a screen reader names it the same.
    if (auto *field = m_picker->findChild<QLineEdit *>())
        field->setAccessibleName(L(u"Termín"_s));
    const QLocale locale = Formatters::interfaceLocale();
    m_picker->setLocale(locale);
    const QSignalBlocker blockPicker(m_picker);
    const bool english = Localization::language() == AppLanguage::En;
    m_picker->setDisplayFormat(english ? u"MMM d, yyyy"_s : u"d. M. yyyy"_s);
    showDate();
}

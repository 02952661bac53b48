// SPDX-License-Identifier: MIT
#include "ui/card/checklistrow.h"

#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/iconbutton.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QHBoxLayout>

using namespace Qt::StringLiterals;

ChecklistRow::ChecklistRow(const ChecklistItem &item, QWidget *parent)
    : QWidget(parent)
    , m_item(item)
    , m_circle(new IconButton({}, {}, this))
    , m_text(new ElidedLabel({}, this))
    , m_remove(new IconButton(u"xmark"_s, {}, this))
{
    m_circle->setObjectName(u"checklistToggle"_s);
    m_circle->setCheckable(true);
    m_remove->setObjectName(u"checklistRemove"_s);
    m_text->setObjectName(u"checklistText"_s);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_circle);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_remove);
    connect(m_circle, &IconButton::clicked, this, [this] { Q_EMIT toggleRequested(m_item.id); });
    connect(m_remove, &IconButton::clicked, this, [this] { Q_EMIT removeRequested(m_item.id); });
    setItem(item);
    retranslate();
}

QList<QWidget *> ChecklistRow::controls() const
{
    return {m_circle, m_remove};
}

void ChecklistRow::setItem(const ChecklistItem &item)
{
    m_item = item;
    m_text->setText(item.text);
    m_circle->setAccessibleName(ElidedLabel::singleLine(item.text));
    updateLook();
}

void ChecklistRow::updateLook()
{
    m_circle->setChecked(m_item.done);
    m_circle->setSymbol(m_item.done ? u"checkmark.circle.fill"_s : u"circle"_s);
    m_circle->setSymbolColor(m_item.done ? Colors::named(u"green"_s, palette())
                                         : Colors::secondary(palette()));
    QFont font = Typography::font(12);
    font.setStrikeOut(m_item.done);
    m_text->setFont(font);
    m_text->setTextColor(m_item.done ? Colors::secondary(palette()) : QColor());
}

void ChecklistRow::retranslate()
{
    m_remove->setHelp(L(u"Odebrat"_s));
}

void ChecklistRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        updateLook();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

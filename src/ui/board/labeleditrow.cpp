// SPDX-License-Identifier: MIT
#include "ui/board/labeleditrow.h"

#include "app/appmodel.h"
#include "i18n/localization.h"
#include "model/colornames.h"
#include "ui/components/colorswatch.h"
#include "ui/components/iconbutton.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>

using namespace Qt::StringLiterals;

LabelEditRow::LabelEditRow(AppModel &model, const CardLabel &label, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_label(label)
    , m_name(new QLineEdit(label.name, this))
    , m_delete(new IconButton(u"trash"_s, {}, this))
{
    m_name->setObjectName(u"labelNameField"_s);
    m_name->setFont(Typography::font(12));
    m_name->setCursorPosition(0);
    m_delete->setObjectName(u"deleteLabelButton"_s);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(4);
    layout->addWidget(m_name, 1);
    layout->addSpacing(4);
    for (const QString &name : ColorNames::all()) {
        auto *swatch = new ColorSwatch(name, 16, this);
        swatch->setObjectName(u"labelColor_"_s + name);
        layout->addWidget(swatch);
        m_swatches.append(swatch);
        connect(swatch, &ColorSwatch::clicked, this,
                [this, name] { m_model.renameLabel(m_label.id, m_label.name, name); });
    }
    layout->addSpacing(4);
    layout->addWidget(m_delete);

    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &name) {
        m_model.renameLabel(m_label.id, name, m_label.colorName);
    });
    connect(m_delete, &IconButton::clicked, this, [this] { m_model.deleteLabel(m_label.id); });
    setLabel(label);
    retranslate();
}

QList<QWidget *> LabelEditRow::controls() const
{
    QList<QWidget *> controls{m_name};
    for (ColorSwatch *swatch : m_swatches)
        controls.append(swatch);
    controls.append(m_delete);
    return controls;
}

void LabelEditRow::setLabel(const CardLabel &label)
{
    m_label = label;
    if (m_name->text() != label.name && !m_name->hasFocus())
        m_name->setText(label.name);
    for (ColorSwatch *swatch : std::as_const(m_swatches))
        swatch->setChecked(swatch->colorName() == label.colorName);
}

void LabelEditRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void LabelEditRow::retranslate()
{
    m_name->setPlaceholderText(L(u"Název"_s));
    m_name->setAccessibleName(L(u"Název"_s));
    m_delete->setHelp(L(u"Smazat štítek"_s));
}

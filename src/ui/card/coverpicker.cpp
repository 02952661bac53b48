// SPDX-License-Identifier: MIT
#include "ui/card/coverpicker.h"

#include "ui/components/colorswatch.h"

#include <QHBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int diameter = 20;

} // namespace

CoverPicker::CoverPicker(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0); // each swatch carries 3 px of room for its ring: 6 between circles
    const QStringList names{u""_s,      u"red"_s,  u"orange"_s, u"yellow"_s,
                            u"green"_s, u"blue"_s, u"purple"_s};
    for (const QString &name : names) {
        auto *swatch = new ColorSwatch(name, diameter, this);
        swatch->setObjectName(name.isEmpty() ? u"coverNone"_s : u"cover_"_s + name);
        layout->addWidget(swatch);
        m_swatches.append(swatch);
        connect(swatch, &ColorSwatch::clicked, this, [this, name] {
            Q_EMIT chosen(name.isEmpty() ? std::nullopt : std::optional(name));
        });
    }
    layout->addStretch(1);
}

void CoverPicker::setColor(const std::optional<QString> &colorName)
{
    for (ColorSwatch *swatch : std::as_const(m_swatches))
        swatch->setChecked(colorName ? swatch->colorName() == *colorName
                                     : swatch->colorName().isEmpty());
}

// SPDX-License-Identifier: MIT
#include "ui/components/typography.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace {

constexpr qreal bodyPoints = 13.0;

} // namespace

namespace Typography {

QFont font(qreal points, QFont::Weight weight)
{
    return font(QGuiApplication::font(), points, weight);
}

QFont font(const QFont &base, qreal points, QFont::Weight weight)
{
    QFont result = base;
    const QFont application = QGuiApplication::font();
    // Scale from the application font, not from `base`, so a widget that already has a scaled
    // font does not scale twice.
    if (application.pointSizeF() > 0)
        result.setPointSizeF(application.pointSizeF() * points / bodyPoints);
    else
        result.setPixelSize(qMax(1, qRound(application.pixelSize() * points / bodyPoints)));
    result.setWeight(weight);
    return result;
}

QFont emoji(qreal points)
{
    QFont result = font(points);
    QStringList families{QStringLiteral("Noto Color Emoji"), QStringLiteral("Apple Color Emoji"),
                         QStringLiteral("Segoe UI Emoji"), QStringLiteral("Twemoji")};
    families += QGuiApplication::font().families();
    result.setFamilies(families);
    return result;
}

QFont monospace(qreal points, QFont::Weight weight)
{
    return font(QFontDatabase::systemFont(QFontDatabase::FixedFont), points, weight);
}

} // namespace Typography

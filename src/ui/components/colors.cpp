// SPDX-License-Identifier: MIT
#include "ui/components/colors.h"

#include "model/colornames.h"

#include <QWidget>

namespace {

struct NamedColor {
    QLatin1StringView name;
    QRgb light;
    QRgb dark;
};

// The Mac system colours; gray last, as the fallback.
constexpr NamedColor table[] = {
    {QLatin1StringView("red"), qRgb(255, 59, 48), qRgb(255, 69, 58)},
    {QLatin1StringView("orange"), qRgb(255, 149, 0), qRgb(255, 159, 10)},
    {QLatin1StringView("yellow"), qRgb(255, 204, 0), qRgb(255, 214, 10)},
    {QLatin1StringView("green"), qRgb(52, 199, 89), qRgb(48, 209, 88)},
    {QLatin1StringView("blue"), qRgb(0, 122, 255), qRgb(10, 132, 255)},
    {QLatin1StringView("purple"), qRgb(175, 82, 222), qRgb(191, 90, 242)},
    {QLatin1StringView("gray"), qRgb(142, 142, 147), qRgb(152, 152, 157)},
};

QString statusName(StatusColor color)
{
    switch (color) {
    case StatusColor::Green:
        return QStringLiteral("green");
    case StatusColor::Yellow:
        return QStringLiteral("yellow");
    case StatusColor::Red:
        return QStringLiteral("red");
    case StatusColor::Gray:
        break;
    }
    return QStringLiteral("gray");
}

} // namespace

namespace Colors {

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QColor named(const QString &name, const QPalette &palette)
{
    const QString resolved = ColorNames::resolved(name);
    const NamedColor *entry = &table[std::size(table) - 1];
    for (const NamedColor &candidate : table) {
        if (candidate.name == resolved)
            entry = &candidate;
    }
    return QColor(isDark(palette) ? entry->dark : entry->light);
}

QColor status(StatusColor color, const QPalette &palette)
{
    return named(statusName(color), palette);
}

QColor column(KanbanColumn column, const QPalette &palette)
{
    return named(KanbanColumns::tintName(column), palette);
}

QColor priority(CardPriority priority, const QPalette &palette)
{
    return named(CardPriorities::tintName(priority), palette);
}

QColor projectStatus(ProjectStatus status, const QPalette &palette)
{
    switch (status) {
    case ProjectStatus::Development:
        return named(QStringLiteral("blue"), palette);
    case ProjectStatus::Done:
        return named(QStringLiteral("green"), palette);
    case ProjectStatus::Parked:
        break;
    }
    return named(QStringLiteral("gray"), palette);
}

QColor primary(const QPalette &palette)
{
    return palette.color(QPalette::WindowText);
}

QColor secondary(const QPalette &palette)
{
    return withAlpha(primary(palette), isDark(palette) ? 0.55 : 0.5);
}

QColor tertiary(const QPalette &palette)
{
    return withAlpha(primary(palette), isDark(palette) ? 0.35 : 0.3);
}

QColor quaternaryFill(const QPalette &palette)
{
    return withAlpha(primary(palette), isDark(palette) ? 0.1 : 0.07);
}

QColor accent(const QPalette &palette)
{
    return palette.color(QPalette::Highlight);
}

QColor onAccent()
{
    return QColor(Qt::white);
}

void setTextColor(QWidget &widget, const QColor &color)
{
    // A label under a Base-coloured parent draws in Text, elsewhere in WindowText.
    QPalette colors = widget.palette();
    colors.setColor(QPalette::WindowText, color);
    colors.setColor(QPalette::Text, color);
    widget.setPalette(colors);
}

QColor withAlpha(const QColor &color, qreal opacity)
{
    QColor result = color;
    result.setAlphaF(float(qBound(0.0, opacity, 1.0)));
    return result;
}

} // namespace Colors

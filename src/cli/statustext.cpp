// SPDX-License-Identifier: MIT
#include "cli/statustext.h"

#include "app/presentation.h"
#include "cli/terminal.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct Cell {
    QString text; // escaped; empty when the project has nothing to say here
    std::optional<StatusColor> color;
};

constexpr qsizetype columnCount = 6;
using Row = std::array<Cell, columnCount>;

Row row(const ProjectReport &report)
{
    const ProjectConfig &project = report.project;
    const ProjectRuntime &runtime = report.runtime;
    Row cells;
    cells[0].text = project.emoji % u' ' % project.name;
    cells[1] = {Presentation::gitLabel(runtime.git), Presentation::gitColor(runtime.git)};
    if (report.deployService)
        cells[2] = {Presentation::deployLabel(runtime.deploy),
                    Presentation::deployColor(runtime.deploy)};
    if (runtime.github)
        cells[3].text = Presentation::gitHubLabel(*runtime.github);
    if (report.openCards > 0)
        cells[4].text = Presentation::openTasksText(report.openCards);
    if (report.attention)
        cells[5].text = u"⚠ "_s % *report.attention;
    for (Cell &cell : cells)
        cell.text = Terminal::escaped(cell.text);
    return cells;
}

} // namespace

namespace StatusText {

QString lines(const QList<ProjectReport> &reports)
{
    QString text;
    for (const ProjectReport &report : reports) {
        QStringList parts;
        for (const Cell &cell : row(report)) {
            if (!cell.text.isEmpty())
                parts.append(cell.text);
        }
        text += parts.join(u" — "_s) % u'\n';
    }
    return text;
}

QString table(const QList<ProjectReport> &reports, bool colors)
{
    QList<Row> rows;
    std::array<int, columnCount> widths{};
    for (const ProjectReport &report : reports) {
        rows.append(row(report));
        for (qsizetype column = 0; column < columnCount; ++column)
            widths[column] = std::max(widths[column], Terminal::width(rows.last()[column].text));
    }

    QString text;
    for (const Row &cells : std::as_const(rows)) {
        QString line;
        for (qsizetype column = 0; column < columnCount; ++column) {
            if (widths[column] == 0)
                continue; // no project has anything to say here
            const Cell &cell = cells[column];
            if (column > 0)
                line += u"  "_s;
            line += colors && cell.color && !cell.text.isEmpty()
                        ? Terminal::colored(cell.text, *cell.color)
                        : cell.text;
            line += QString(widths[column] - Terminal::width(cell.text), u' ');
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line % u'\n';
    }
    return text;
}

} // namespace StatusText

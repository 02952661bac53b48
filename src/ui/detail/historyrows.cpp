// SPDX-License-Identifier: MIT
#include "ui/detail/historyrows.h"

#include "app/presentation.h"
#include "i18n/formatters.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/typography.h"

#include <QHBoxLayout>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

ElidedLabel *text(QWidget *row, const QString &value, const QFont &font, const QColor &color)
{
    auto *label = new ElidedLabel(value, row);
    label->setFont(font);
    label->setTextColor(color);
    return label;
}

QWidget *row(const QList<std::pair<QWidget *, int>> &parts, QWidget *rowWidget)
{
    auto *layout = new QHBoxLayout(rowWidget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    for (const auto &[part, stretch] : parts)
        layout->addWidget(part, stretch);
    return rowWidget;
}

} // namespace

namespace HistoryRows {

QList<QWidget *> deploys(const QList<DeployInfo> &deploys, const QDateTime &now,
                         const QPalette &palette)
{
    QList<QWidget *> rows;
    // The outcome words line up in one column, at least 46 wide, as wide as the longest word.
    const QFont wordFont = Typography::font(11.5, QFont::Medium);
    int wordWidth = 46;
    for (const char *state : {"ready", "building", "error"}) {
        const QString word = Presentation::deployOutcome(QString::fromLatin1(state)).word;
        wordWidth = qMax(wordWidth, ElidedLabel::preferredWidth(word, wordFont) + 2);
    }
    for (const DeployInfo &deploy : deploys) {
        auto *widget = new QWidget;
        widget->setObjectName(u"deployRow"_s);
        const Presentation::DeployOutcome outcome = Presentation::deployOutcome(deploy.state);
        ElidedLabel *word =
            text(widget, outcome.word, wordFont, Colors::status(outcome.color, palette));
        word->setObjectName(u"deployOutcome"_s);
        word->setFixedWidth(wordWidth);
        QList<std::pair<QWidget *, int>> parts{{word, 0}};
        // A preview's outcome is its own, not the site's: the row says whose it is.
        if (const auto context = Presentation::deployContextWord(deploy.context)) {
            ElidedLabel *tag = text(widget, *context, Typography::font(10.5, QFont::Medium),
                                    Colors::secondary(palette));
            tag->setObjectName(u"deployContext"_s);
            parts.append({tag, 0});
        }
        if (deploy.branch && !deploy.branch->isEmpty()) {
            ElidedLabel *branch = text(widget, *deploy.branch, Typography::monospace(10.5),
                                       Colors::secondary(palette));
            branch->setObjectName(u"deployBranch"_s);
            parts.append({branch, 1});
        } else {
            parts.append({new QWidget(widget), 1});
        }
        parts.append({text(widget, Formatters::relative(deploy.createdAt, now),
                           Typography::font(10.5), QColor()),
                      0});
        rows.append(row(parts, widget));
    }
    return rows;
}

QList<QWidget *> commits(const QList<CommitInfo> &commits, const QDateTime &now,
                         const QPalette &palette)
{
    QList<QWidget *> rows;
    for (const CommitInfo &commit : commits) {
        auto *widget = new QWidget;
        widget->setObjectName(u"commitRow"_s);
        ElidedLabel *id =
            text(widget, commit.id, Typography::monospace(10.5), Colors::named(u"blue"_s, palette));
        id->setObjectName(u"commitId"_s);
        ElidedLabel *message = text(widget, commit.message, Typography::font(11.5), QColor());
        ElidedLabel *when = text(widget, Formatters::relative(commit.date, now),
                                 Typography::font(10.5), Colors::tertiary(palette));
        when->setObjectName(u"commitWhen"_s);
        rows.append(row({{id, 0}, {message, 1}, {when, 0}}, widget));
    }
    return rows;
}

} // namespace HistoryRows

// SPDX-License-Identifier: MIT
#include "ui/board/cardtile.h"

#include "app/presentation.h"
#include "i18n/formatters.h"
#include "i18n/localization.h"
#include "ui/board/duedatetone.h"
#include "ui/board/tilechrome.h"
#include "ui/components/capsule.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/flowlayout.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"

#include <QPainter>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal padding = 10;
constexpr qreal spacing = 6;
constexpr qreal coverHeight = 26;
constexpr qreal compactPaddingY = 6;
constexpr qreal compactGap = 6;
constexpr qreal footerGap = 10;
constexpr qreal symbolGap = 3;
constexpr qreal labelDot = 5;
constexpr qreal coverDot = 7;
const QSize chipPadding(6, 2);
// Two lines never need more; a 10,000-character title is cut before it is laid out.
constexpr qsizetype laidOutCharacters = 600;

qreal contentLeft()
{
    return TileChrome::stripWidth + padding;
}

// What a tile shows of a user's text: one paragraph (line breaks as spaces), trimmed, cut long
// before it could matter.
QString displayText(const QString &text)
{
    QString flat = text.left(laidOutCharacters);
    if (flat.size() < text.size() && flat.back().isHighSurrogate())
        flat.chop(1);
    return ElidedLabel::singleLine(flat).trimmed();
}

// How many of at most two lines `text` takes in `width`, without laying it out: a text that
// fits one line takes one. Measuring a prefix that could not fit at two pixels a character
// settles long texts without shaping all of them.
int linesNeeded(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    const QString flat = displayText(text);
    const qsizetype probe = qsizetype(qMax(0.0, width) / 2) + 1;
    if (metrics.horizontalAdvance(flat.left(probe)) > width)
        return 2;
    return flat.size() <= probe ? 1 : 2;
}

// `text` on `lines` lines of `width`, the last one cut with "…" when text remains.
QStringList wrapped(const QString &text, const QFont &font, qreal width, int lines)
{
    const QString flat = displayText(text);
    if (flat.isEmpty() || width <= 0)
        return {QString()};
    QStringList result;
    QTextLayout layout(flat, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int lastStart = 0;
    while (result.size() < lines) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        lastStart = line.textStart();
        result.append(flat.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    if (result.isEmpty())
        return {QString()};
    const QString rest = flat.mid(lastStart);
    if (rest.trimmed() != result.last() || text.size() > laidOutCharacters)
        result.last() = QFontMetrics(font).elidedText(rest, Qt::ElideRight, int(width));
    return result;
}

qreal symbolSide(const QFont &font)
{
    return qRound(QFontMetricsF(font).height() * 0.85);
}

} // namespace

CardTile::Fonts::Fonts()
    : label(Typography::font(9, QFont::DemiBold))
    , title(Typography::font(12, QFont::Medium))
    , note(Typography::font(10.5))
    , footer(Typography::font(9.5))
    , footerMedium(Typography::font(9.5, QFont::Medium))
    , compactTitle(Typography::font(11.5, QFont::Medium))
    , compactDetail(Typography::font(8.5, QFont::Bold))
    , titleMetrics(title)
    , noteMetrics(note)
{
}

CardTile::CardTile(const TaskCard &card, const QList<CardLabel> &labels, bool compact, int width,
                   const Fonts &fonts)
    : m_card(card)
    , m_fonts(fonts)
    , m_compact(compact)
    , m_width(width)
{
    for (const CardLabel &label : labels) {
        if (card.labelIDs.contains(label.id))
            m_chips.append({{}, label.name, label.colorName});
    }
    if (compact)
        layoutCompact();
    else
        layoutFull();
}

void CardTile::layoutFull()
{
    const qreal left = contentLeft();
    const qreal width = qMax(0.0, m_width - left - padding);
    qreal y = padding;
    if (m_card.coverColorName) {
        m_cover = QRectF(left, y, width, coverHeight);
        y += coverHeight + spacing;
    }
    if (!m_chips.isEmpty()) {
        QList<QSize> sizes;
        for (const Chip &chip : std::as_const(m_chips)) {
            QSize size = Capsule::sizeFor(chip.name, {}, m_fonts.label, chipPadding);
            size.setWidth(qMin(size.width(), int(width)));
            sizes.append(size);
        }
        const QRect bounds(int(left), int(y), int(width), 0);
        const QList<QRect> places = FlowLayout::place(sizes, bounds, 4);
        for (qsizetype i = 0; i < places.size(); ++i)
            m_chips[i].rect = places[i];
        y += FlowLayout::measure(sizes, int(width), 4) + spacing;
    }

    const QFontMetricsF &titleMetrics = m_fonts.titleMetrics;
    qreal titleLeft = left;
    if (m_card.isDeployFix) {
        const qreal side = symbolSide(m_fonts.title) * 0.85;
        m_fixSymbol = QRectF(left, y + (titleMetrics.height() - side) / 2, side, side);
        titleLeft += side + 4;
    }
    const qreal titleWidth = qMax(0.0, left + width - titleLeft);
    m_titleLineCount = linesNeeded(m_card.title, m_fonts.titleMetrics, titleWidth);
    m_titleRect = QRectF(titleLeft, y, titleWidth, m_titleLineCount * titleMetrics.lineSpacing());
    y = m_titleRect.bottom() + spacing;

    if (!m_card.note.trimmed().isEmpty()) {
        m_noteLineCount = linesNeeded(m_card.note, m_fonts.noteMetrics, width);
        m_noteRect = QRectF(left, y, width, m_noteLineCount * m_fonts.noteMetrics.lineSpacing());
        y = m_noteRect.bottom() + spacing;
    }

    const qreal footerHeight =
        qMax(QFontMetricsF(m_fonts.footer).height(), symbolSide(m_fonts.footer));
    m_footerRow = QRectF(left, y, width, footerHeight);
    m_height = qCeil(m_footerRow.bottom() + padding);
}

void CardTile::layoutCompact()
{
    m_height =
        qCeil(qMax(QFontMetricsF(m_fonts.compactTitle).height(), coverDot) + 2 * compactPaddingY);
}

CardTile::Footer CardTile::footer(const QRectF &row, const QDateTime &now) const
{
    Footer parts;
    const qreal side = symbolSide(m_fonts.footer);
    qreal x = row.left();
    const auto advance = [&](qreal width) {
        const QRectF rect(x, row.top(), width, row.height());
        x += width + footerGap;
        return rect;
    };
    if (m_card.priority)
        parts.priority = advance(side);
    if (m_card.dueDate) {
        parts.dueText = Formatters::dayMonth(*m_card.dueDate);
        parts.due = advance(side + symbolGap +
                            QFontMetricsF(m_fonts.footerMedium).horizontalAdvance(parts.dueText));
    }
    const auto [done, total] = m_card.checklistProgress();
    if (total > 0) {
        parts.checklistText = u"%1/%2"_s.arg(done).arg(total);
        parts.checklist =
            advance(side + symbolGap +
                    QFontMetricsF(m_fonts.footer).horizontalAdvance(parts.checklistText));
    }
    if (m_card.isTimerRunning())
        parts.timer = advance(side);
    parts.created = QRectF(x, row.top(), qMax(0.0, row.right() - x), row.height());
    parts.createdText = Formatters::relative(m_card.createdAt, now);
    return parts;
}

QColor CardTile::titleColor(const QPalette &palette) const
{
    return m_card.column == KanbanColumn::Done ? Colors::secondary(palette)
                                               : Colors::primary(palette);
}

QColor CardTile::dueColor(const QPalette &palette, const QDateTime &now) const
{
    switch (dueDateTone(*m_card.dueDate, m_card.column, now)) {
    case DueDateTone::Today:
        return Colors::named(u"orange"_s, palette);
    case DueDateTone::Overdue:
        return Colors::named(u"red"_s, palette);
    case DueDateTone::Plain:
        break;
    }
    return Colors::secondary(palette);
}

QColor CardTile::checklistColor(const QPalette &palette) const
{
    const auto [done, total] = m_card.checklistProgress();
    return total > 0 && done == total ? Colors::named(u"green"_s, palette)
                                      : Colors::secondary(palette);
}

void CardTile::paint(QPainter &painter, const QPointF &topLeft, const QPalette &palette,
                     const State &state, const QDateTime &now) const
{
    painter.save();
    painter.translate(topLeft);
    TileChrome::Look look;
    look.body = palette.color(QPalette::Base);
    look.strip = Colors::withAlpha(Colors::column(m_card.column, palette),
                                   m_card.column == KanbanColumn::Done ? 0.3 : 0.8);
    look.outline = Colors::withAlpha(Colors::primary(palette), 0.08);
    if (state.targeted) {
        look.outline = Colors::withAlpha(Colors::named(u"blue"_s, palette), 0.6);
        look.outlineWidth = 2;
    } else if (state.focused) {
        look.outline = Colors::withAlpha(Colors::accent(palette), 0.9);
        look.outlineWidth = 2;
    } else if (m_card.isDeployFix && m_card.column != KanbanColumn::Done) {
        look.outline = Colors::withAlpha(Colors::named(u"red"_s, palette), 0.4);
    }
    if (state.hovered) {
        look.shadowOpacity = 0.12;
        look.shadowBlur = 6;
    }
    TileChrome::paint(painter, QRect(0, 0, m_width, m_height), look);

    painter.setRenderHint(QPainter::Antialiasing);
    if (m_compact)
        paintCompact(painter, palette, now);
    else
        paintFull(painter, palette, now);
    painter.restore();
}

void CardTile::paintFull(QPainter &painter, const QPalette &palette, const QDateTime &now) const
{
    if (!m_cover.isNull()) {
        const QColor color = Colors::named(*m_card.coverColorName, palette);
        QLinearGradient gradient(m_cover.topLeft(), m_cover.topRight());
        gradient.setColorAt(0, Colors::withAlpha(color, 0.95));
        gradient.setColorAt(1, Colors::withAlpha(color, 0.55));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawRoundedRect(m_cover, 6, 6);
    }
    for (const Chip &chip : m_chips) {
        const QColor color = Colors::named(chip.colorName, palette);
        Capsule::paint(painter, chip.rect, chip.name, {}, {Colors::withAlpha(color, 0.16), color},
                       m_fonts.label, chipPadding);
    }

    if (!m_fixSymbol.isNull())
        Symbols::paint(painter, m_fixSymbol, u"exclamationmark.triangle.fill"_s,
                       Colors::named(u"red"_s, palette));
    QFont title = m_fonts.title;
    title.setStrikeOut(m_card.column == KanbanColumn::Done);
    painter.setFont(title);
    painter.setPen(titleColor(palette));
    const qreal titleLine = QFontMetricsF(title).lineSpacing();
    const QStringList titleLines =
        wrapped(m_card.title, m_fonts.title, m_titleRect.width(), m_titleLineCount);
    for (qsizetype i = 0; i < titleLines.size(); ++i) {
        const QRectF line(m_titleRect.left(), m_titleRect.top() + i * titleLine,
                          m_titleRect.width(), titleLine);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         titleLines[i]);
    }

    painter.setFont(m_fonts.note);
    painter.setPen(Colors::secondary(palette));
    const qreal noteLine = m_fonts.noteMetrics.lineSpacing();
    const QStringList noteLines = m_noteLineCount > 0 ? wrapped(m_card.note, m_fonts.note,
                                                                m_noteRect.width(), m_noteLineCount)
                                                      : QStringList();
    for (qsizetype i = 0; i < noteLines.size(); ++i) {
        const QRectF line(m_noteRect.left(), m_noteRect.top() + i * noteLine, m_noteRect.width(),
                          noteLine);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, noteLines[i]);
    }
    paintFooter(painter, palette, now);
}

void CardTile::paintFooter(QPainter &painter, const QPalette &palette, const QDateTime &now) const
{
    const Footer parts = footer(m_footerRow, now);
    const qreal side = symbolSide(m_fonts.footer);
    const auto symbolAt = [&](const QRectF &slot) {
        return QRectF(slot.left(), slot.center().y() - side / 2, side, side);
    };
    const auto textAfterSymbol = [&](const QRectF &slot) {
        return slot.adjusted(side + symbolGap, 0, 0, 0);
    };
    const int line = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    if (m_card.priority) {
        const QColor color = Colors::priority(*m_card.priority, palette);
        const QRectF symbol = symbolAt(parts.priority);
        // Drawn twice a hair apart: the bold weight of the symbol.
        Symbols::paint(painter, symbol, CardPriorities::symbol(*m_card.priority), color);
        Symbols::paint(painter, symbol.translated(0.4, 0), CardPriorities::symbol(*m_card.priority),
                       color);
    }
    if (m_card.dueDate) {
        const QColor color = dueColor(palette, now);
        Symbols::paint(painter, symbolAt(parts.due), u"calendar"_s, color);
        painter.setFont(m_fonts.footerMedium);
        painter.setPen(color);
        painter.drawText(textAfterSymbol(parts.due), line, parts.dueText);
    }
    if (!parts.checklistText.isEmpty()) {
        const QColor color = checklistColor(palette);
        Symbols::paint(painter, symbolAt(parts.checklist), u"checklist"_s, color);
        painter.setFont(m_fonts.footer);
        painter.setPen(color);
        painter.drawText(textAfterSymbol(parts.checklist), line, parts.checklistText);
    }
    if (m_card.isTimerRunning())
        Symbols::paint(painter, symbolAt(parts.timer), u"timer"_s,
                       Colors::named(u"green"_s, palette));
    painter.setFont(m_fonts.footer);
    painter.setPen(Colors::tertiary(palette));
    const QFontMetrics metrics(m_fonts.footer);
    painter.drawText(
        parts.created, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
        metrics.elidedText(parts.createdText, Qt::ElideRight, int(parts.created.width())));
}

void CardTile::paintCompact(QPainter &painter, const QPalette &palette, const QDateTime &now) const
{
    const qreal centerY = m_height / 2.0;
    qreal left = contentLeft();
    qreal right = m_width - padding;
    const QFontMetricsF detail(m_fonts.compactDetail);
    const qreal side = qRound(detail.height() * 0.9);
    const auto symbolRect = [&](qreal x) { return QRectF(x, centerY - side / 2, side, side); };
    const auto dot = [&](qreal x, qreal diameter, const QColor &color) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(QRectF(x, centerY - diameter / 2, diameter, diameter));
    };
    const auto text = [&](qreal x, qreal width, const QString &value, const QColor &color) {
        painter.setFont(m_fonts.compactDetail);
        painter.setPen(color);
        painter.drawText(QRectF(x, 0, width, m_height),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, value);
    };

    // Trailing details first, right to left, so the title gets what is left.
    if (m_card.isTimerRunning()) {
        right -= side;
        Symbols::paint(painter, symbolRect(right), u"timer"_s, Colors::named(u"green"_s, palette));
        right -= compactGap;
    }
    const auto [done, total] = m_card.checklistProgress();
    if (total > 0) {
        const QString count = u"%1/%2"_s.arg(done).arg(total);
        right -= detail.horizontalAdvance(count);
        text(right, detail.horizontalAdvance(count) + 1, count, checklistColor(palette));
        right -= compactGap;
    }
    if (m_card.dueDate) {
        const QString day = Formatters::dayMonth(*m_card.dueDate);
        right -= detail.horizontalAdvance(day);
        text(right, detail.horizontalAdvance(day) + 1, day, dueColor(palette, now));
        right -= compactGap;
    }
    if (m_card.priority) {
        right -= side;
        const QString symbol = CardPriorities::symbol(*m_card.priority);
        const QColor color = Colors::priority(*m_card.priority, palette);
        Symbols::paint(painter, symbolRect(right), symbol, color);
        Symbols::paint(painter, symbolRect(right + 0.4), symbol, color);
        right -= compactGap;
    }
    if (!m_chips.isEmpty()) {
        for (qsizetype i = m_chips.size() - 1; i >= 0; --i) {
            right -= labelDot;
            dot(right, labelDot, Colors::named(m_chips[i].colorName, palette));
            right -= 2;
        }
        right -= compactGap - 2;
    }

    if (m_card.coverColorName) {
        dot(left, coverDot, Colors::named(*m_card.coverColorName, palette));
        left += coverDot + compactGap;
    }
    if (m_card.isDeployFix) {
        Symbols::paint(painter, symbolRect(left), u"exclamationmark.triangle.fill"_s,
                       Colors::named(u"red"_s, palette));
        left += side + 4;
    }
    QFont title = m_fonts.compactTitle;
    title.setStrikeOut(m_card.column == KanbanColumn::Done);
    painter.setFont(title);
    painter.setPen(titleColor(palette));
    const qreal room = qMax(0.0, right - left);
    painter.drawText(
        QRectF(left, 0, room, m_height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        ElidedLabel::elided(m_card.title.left(laidOutCharacters), QFontMetrics(title), int(room)));
}

QString CardTile::toolTipAt(const QPointF &point, const QDateTime &now) const
{
    if (m_compact)
        return {};
    const Footer parts = footer(m_footerRow, now);
    if (m_card.priority && parts.priority.contains(point))
        return Presentation::title(*m_card.priority);
    if (m_card.isTimerRunning() && parts.timer.contains(point))
        return L(u"Časomíra běží"_s);
    return {};
}

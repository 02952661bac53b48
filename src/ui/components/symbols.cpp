// SPDX-License-Identifier: MIT
#include "ui/components/symbols.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtMath>

#include <functional>
#include <optional>

namespace {

struct SymbolEntry {
    const char *name;
    const char *file; // in resources/icons, without ".svg"
    // 0 draws the outline. n > 0 fills the first n shapes of the file and cuts the rest out of
    // them (the check inside a filled circle).
    int filledShapes = 0;
};

constexpr SymbolEntry symbolTable[] = {
    {"archivebox", "archive"},
    {"archivebox.fill", "archive", 2},
    {"arrow.clockwise", "rotate-cw"},
    {"arrow.down", "arrow-down"},
    {"arrow.down.circle.fill", "circle-arrow-down", 1},
    {"arrow.triangle.branch", "git-branch"},
    {"arrow.up", "arrow-up"},
    {"calendar", "calendar"},
    {"checklist", "list-checks"},
    {"checkmark", "check"},
    {"checkmark.circle", "circle-check"},
    {"checkmark.circle.fill", "circle-check", 1},
    {"checkmark.seal", "badge-check"},
    {"checkmark.seal.fill", "badge-check", 1},
    {"chevron.left.forwardslash.chevron.right", "code-xml"},
    {"chevron.right", "chevron-right"},
    {"circle", "circle"},
    {"cloud", "cloud"},
    {"curlybraces", "braces"},
    {"doc.on.doc", "copy"},
    {"equal", "equal"},
    {"exclamationmark.circle.fill", "circle-alert", 1},
    {"exclamationmark.triangle", "triangle-alert"},
    {"exclamationmark.triangle.fill", "triangle-alert", 1},
    {"flag", "flag"},
    {"folder", "folder"},
    {"folder.badge.plus", "folder-plus"},
    {"folder.fill", "folder", 1},
    {"gearshape", "settings"},
    {"globe", "globe"},
    {"hammer", "hammer"},
    {"hammer.fill", "hammer", 3},
    {"hand.draw", "hand"},
    {"key.fill", "key-round", 1},
    {"lightbulb", "lightbulb"},
    {"line.3.horizontal.decrease.circle", "list-filter"},
    {"magnifyingglass", "search"},
    {"pencil", "pencil"},
    {"play.fill", "play", 1},
    {"plus", "plus"},
    {"plus.circle.fill", "circle-plus", 1},
    {"rectangle.compress.vertical", "fold-vertical"},
    {"rectangle.expand.vertical", "unfold-vertical"},
    {"sailboat", "sailboat"},
    {"sailboat.fill", "sailboat", 3},
    {"square.grid.2x2", "layout-grid"},
    {"square.stack.3d.up", "layers"},
    {"stop.fill", "square", 1},
    {"tag", "tag"},
    {"terminal", "square-terminal"},
    {"timer", "timer"},
    {"trash", "trash-2"},
    {"xmark", "x"},
    {"xmark.circle.fill", "circle-x", 1},
};

const SymbolEntry *findEntry(const QString &name)
{
    for (const SymbolEntry &entry : symbolTable) {
        if (name == QLatin1StringView(entry.name))
            return &entry;
    }
    return nullptr;
}

// One symbol ready to render: the shapes drawn in the colour, and for a filled symbol the marks
// cut out of them afterwards. Both are whole SVG documents.
struct PreparedSymbol {
    QByteArray shapes;
    QByteArray cutouts;
};

// `svg` keeping only the top-level shapes `keep` accepts by their index, with the root's fill
// set to the drawing colour when `filled`.
QByteArray extract(const QByteArray &svg, bool filled, const std::function<bool(int)> &keep)
{
    QXmlStreamReader reader(svg);
    QByteArray result;
    QXmlStreamWriter writer(&result);
    int depth = 0;
    int shape = -1;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && ++depth == 1) {
            writer.writeDefaultNamespace(reader.namespaceUri().toString());
            writer.writeStartElement(reader.namespaceUri().toString(), reader.name().toString());
            for (const QXmlStreamAttribute &attribute : reader.attributes()) {
                if (attribute.name() != QLatin1String("fill"))
                    writer.writeAttribute(attribute);
            }
            writer.writeAttribute(QStringLiteral("fill"),
                                  filled ? QStringLiteral("currentColor") : QStringLiteral("none"));
            continue;
        }
        if (reader.isStartElement() && depth == 2)
            ++shape;
        if (depth >= 2 && keep(shape))
            writer.writeCurrentToken(reader);
        if (reader.isEndElement() && depth-- == 1)
            writer.writeEndElement();
    }
    return reader.hasError() ? QByteArray() : result;
}

std::optional<PreparedSymbol> prepare(const SymbolEntry &entry)
{
    QFile file(QStringLiteral(":/icons/%1.svg").arg(QLatin1StringView(entry.file)));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (entry.filledShapes == 0)
        return PreparedSymbol{bytes, {}};

    const int filled = entry.filledShapes;
    PreparedSymbol prepared{extract(bytes, true, [filled](int shape) { return shape < filled; }),
                            extract(bytes, false, [filled](int shape) { return shape >= filled; })};
    if (prepared.shapes.isEmpty())
        return std::nullopt;
    return prepared;
}

std::optional<PreparedSymbol> prepared(const QString &name)
{
    static QHash<QString, std::optional<PreparedSymbol>> cache;
    auto found = cache.constFind(name);
    if (found == cache.constEnd()) {
        const SymbolEntry *entry = findEntry(name);
        found = cache.insert(name, entry ? prepare(*entry) : std::nullopt);
    }
    return *found;
}

// Renders into a transparent image of `pixels`: shapes in black, cut-outs cleared, then the
// whole coverage recoloured so the colour's alpha applies once.
QImage render(const PreparedSymbol &symbol, const QColor &color, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int side = qMin(pixels.width(), pixels.height());
    const QRectF target((pixels.width() - side) / 2.0, (pixels.height() - side) / 2.0, side, side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(symbol.shapes).render(&painter, target);
    if (!symbol.cutouts.isEmpty()) {
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        QSvgRenderer(symbol.cutouts).render(&painter, target);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    return image;
}

QPixmap cachedPixmap(const QString &name, const QColor &color, QSize pixels, qreal ratio)
{
    const std::optional<PreparedSymbol> symbol = prepared(name);
    if (!symbol || pixels.isEmpty())
        return {};
    const QString key = QStringLiteral("quaylin-symbol/%1/%2/%3x%4@%5")
                            .arg(name, color.name(QColor::HexArgb))
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(render(*symbol, color, pixels));
        pixmap.setDevicePixelRatio(ratio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QColor colorForMode(const QColor &color, QIcon::Mode mode)
{
    if (mode != QIcon::Disabled)
        return color;
    QColor faded = color;
    faded.setAlphaF(color.alphaF() * 0.4f);
    return faded;
}

class SymbolIconEngine final : public QIconEngine {
public:
    SymbolIconEngine(const QString &name, const QColor &color)
        : m_name(name)
        , m_color(color)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        Symbols::paint(*painter, rect, m_name, colorForMode(m_color, mode));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        return cachedPixmap(m_name, colorForMode(m_color, mode), size, 1.0);
    }

    QIconEngine *clone() const override { return new SymbolIconEngine(m_name, m_color); }
    QString key() const override { return QStringLiteral("QuaylinSymbol"); }

private:
    QString m_name;
    QColor m_color;
};

} // namespace

namespace Symbols {

QStringList names()
{
    QStringList list;
    for (const SymbolEntry &entry : symbolTable)
        list.append(QLatin1StringView(entry.name));
    return list;
}

bool contains(const QString &name)
{
    return findEntry(name) != nullptr;
}

QPixmap pixmap(const QString &name, const QColor &color, int size, qreal devicePixelRatio)
{
    const int pixels = qCeil(size * devicePixelRatio);
    return cachedPixmap(name, color, QSize(pixels, pixels), devicePixelRatio);
}

QIcon icon(const QString &name, const QColor &color)
{
    if (!contains(name))
        return {};
    return QIcon(new SymbolIconEngine(name, color));
}

void paint(QPainter &painter, const QRectF &rect, const QString &name, const QColor &color)
{
    const qreal side = qMin(rect.width(), rect.height());
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const int pixels = qCeil(side * ratio);
    const QPixmap pixmap = cachedPixmap(name, color, QSize(pixels, pixels), ratio);
    if (pixmap.isNull())
        return;
    const QRectF target(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, pixmap, QRectF(pixmap.rect()));
    painter.restore();
}

} // namespace Symbols

// SPDX-License-Identifier: MIT
#include "i18n/displaytext.h"
#include "ui/components/banner.h"
#include "ui/components/capsule.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/flowlayout.h"
#include "ui/components/iconbutton.h"
#include "ui/components/statchip.h"
#include "ui/components/statuschip.h"
#include "ui/components/statusline.h"
#include "ui/components/symbollabel.h"
#include "ui/components/symbols.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// How many pixels of `pixmap` are at least half opaque.
int coveredPixels(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            covered += qAlpha(image.pixel(x, y)) >= 128 ? 1 : 0;
    }
    return covered;
}

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(30, 30, 32));
    palette.setColor(QPalette::WindowText, QColor(235, 235, 240));
    return palette;
}

} // namespace

class TestComponents final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everySymbolDrawsInItsColour();
    void filledSymbolsDifferFromTheirOutline();
    void unknownSymbolDrawsNothing();
    void disabledIconIsFaded();
    void colourNames_data();
    void colourNames();
    void flowLayoutPlacesByTheRule_data();
    void flowLayoutPlacesByTheRule();
    void flowLayoutArrangesWidgets();
    void iconButtonIsNamedByItsTooltipAndClicks();
    void capsuleIsAButtonOnlyWhenAsked();
    void userTextIsShownSafely_data();
    void userTextIsShownSafely();
    void elidedLabelKeepsLongNamesOnOneLine();
    void statusPiecesKeepLongTextsOnOneLine();
    void bannerShowsOnlyWhatItIsGiven();
};

void TestComponents::everySymbolDrawsInItsColour()
{
    const QColor red(255, 0, 0);
    QVERIFY(Symbols::names().size() >= 50);
    for (const QString &name : Symbols::names()) {
        const QPixmap pixmap = Symbols::pixmap(name, red, 24, 2.0);
        QVERIFY2(!pixmap.isNull(), qPrintable(name));
        QCOMPARE(pixmap.size(), QSize(48, 48));
        QVERIFY2(coveredPixels(pixmap) > 20, qPrintable(name));
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        bool onlyRed = true;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                onlyRed =
                    onlyRed && (qAlpha(pixel) == 0 || (qGreen(pixel) == 0 && qBlue(pixel) == 0));
            }
        }
        QVERIFY2(onlyRed, qPrintable(name));
        QVERIFY(!Symbols::icon(name, red).pixmap(16).isNull());
    }
}

void TestComponents::filledSymbolsDifferFromTheirOutline()
{
    for (const QString &name : Symbols::names()) {
        if (!name.endsWith(QLatin1String(".fill")))
            continue;
        const QString outline = name.chopped(5);
        const int filled = coveredPixels(Symbols::pixmap(name, Qt::black, 32));
        if (Symbols::contains(outline))
            QVERIFY2(filled > coveredPixels(Symbols::pixmap(outline, Qt::black, 32)) * 1.3,
                     qPrintable(name));
    }
    // The check of a filled circle is cut out, not drawn over in the same colour.
    const QImage check = Symbols::pixmap(QStringLiteral("checkmark.circle.fill"), Qt::black, 48)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    QVERIFY(qAlpha(check.pixel(22, 29)) < 16);
    QCOMPARE(qAlpha(check.pixel(14, 14)), 255);
}

void TestComponents::unknownSymbolDrawsNothing()
{
    QVERIFY(!Symbols::contains(QStringLiteral("no.such.symbol")));
    QVERIFY(Symbols::pixmap(QStringLiteral("no.such.symbol"), Qt::black, 16).isNull());
    QVERIFY(Symbols::icon(QStringLiteral("no.such.symbol"), Qt::black).isNull());
    QVERIFY(Symbols::pixmap(QString(), Qt::black, 16).isNull());
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Symbols::paint(painter, QRectF(0, 0, 16, 16), QStringLiteral("no.such.symbol"), Qt::black);
    painter.end();
    QCOMPARE(coveredPixels(QPixmap::fromImage(image)), 0);
}

void TestComponents::disabledIconIsFaded()
{
    const QIcon icon = Symbols::icon(QStringLiteral("plus"), Qt::black);
    auto strongest = [](const QPixmap &pixmap) {
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        int alpha = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                alpha = qMax(alpha, qAlpha(image.pixel(x, y)));
        }
        return alpha;
    };
    QCOMPARE(strongest(icon.pixmap(32)), 255);
    QVERIFY(strongest(icon.pixmap(32, QIcon::Disabled)) < 128);
}

void TestComponents::colourNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("drawnAs");
    QTest::newRow("red") << "red"
                         << "red";
    QTest::newRow("purple") << "purple"
                            << "purple";
    QTest::newRow("unknown") << "pink"
                             << "gray";
    QTest::newRow("other case") << "Red"
                                << "gray";
    QTest::newRow("empty") << ""
                           << "gray";
}

void TestComponents::colourNames()
{
    QFETCH(QString, name);
    QFETCH(QString, drawnAs);
    const QPalette light;
    const QPalette dark = darkPalette();
    QCOMPARE(Colors::named(name, light), Colors::named(drawnAs, light));
    QCOMPARE(Colors::named(name, dark), Colors::named(drawnAs, dark));
    if (drawnAs != QLatin1String("gray"))
        QVERIFY(Colors::named(name, light) != Colors::named(QStringLiteral("gray"), light));
    QVERIFY(Colors::named(name, light) != Colors::named(name, dark));

    QCOMPARE(Colors::status(StatusColor::Gray, light),
             Colors::named(QStringLiteral("gray"), light));
    QCOMPARE(Colors::column(KanbanColumn::Doing, dark),
             Colors::named(QStringLiteral("orange"), dark));
    QCOMPARE(Colors::priority(CardPriority::High, light),
             Colors::named(QStringLiteral("red"), light));
    // Secondary text stays readable: the text colour, faded, on either background.
    QVERIFY(Colors::secondary(dark).lightness() > 200 && Colors::secondary(dark).alphaF() > 0.4);
}

void TestComponents::flowLayoutPlacesByTheRule_data()
{
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<QRect>>("places");
    QTest::addColumn<int>("height");
    const int h = 20;
    QTest::newRow("two rows of two")
        << QList<QSize>{{100, h}, {120, h}, {90, h}, {60, h}} << 300
        << QList<QRect>{{0, 0, 100, h}, {106, 0, 120, h}, {0, 26, 90, h}, {96, 26, 60, h}} << 46;
    QTest::newRow("exact fit stays on the row")
        << QList<QSize>{{100, h}, {194, h}} << 300 << QList<QRect>{{0, 0, 100, h}, {106, 0, 194, h}}
        << h;
    QTest::newRow("wider than the row, alone and unshrunk")
        << QList<QSize>{{50, h}, {400, 30}, {50, h}} << 300
        << QList<QRect>{{0, 0, 50, h}, {0, 26, 400, 30}, {0, 62, 50, h}} << 82;
    QTest::newRow("rows as tall as their tallest item")
        << QList<QSize>{{50, 10}, {50, 40}, {250, h}} << 200
        << QList<QRect>{{0, 0, 50, 10}, {56, 0, 50, 40}, {0, 46, 250, h}} << 66;
    QTest::newRow("empty") << QList<QSize>{} << 300 << QList<QRect>{} << 0;
}

void TestComponents::flowLayoutPlacesByTheRule()
{
    QFETCH(QList<QSize>, sizes);
    QFETCH(int, width);
    QFETCH(QList<QRect>, places);
    QFETCH(int, height);
    QCOMPARE(FlowLayout::measure(sizes, width, 6), height);
    QCOMPARE(FlowLayout::place(sizes, QRect(0, 0, width, 500), 6), places);
    // Moved bounds move every place alike.
    QList<QRect> moved;
    for (const QRect &place : places)
        moved.append(place.translated(10, 5));
    QCOMPARE(FlowLayout::place(sizes, QRect(10, 5, width, 500), 6), moved);
}

void TestComponents::flowLayoutArrangesWidgets()
{
    QWidget container;
    auto *flow = new FlowLayout(6, &container);
    QList<QWidget *> chips;
    for (int width : {100, 120, 90, 60}) {
        auto *chip = new QWidget;
        chip->setFixedSize(width, 20);
        flow->addWidget(chip);
        chips.append(chip);
    }
    QCOMPARE(flow->heightForWidth(300), 46);
    QCOMPARE(flow->sizeHint(), QSize(100 + 120 + 90 + 60 + 3 * 6, 20));
    flow->setGeometry(QRect(0, 0, 300, 46));
    QCOMPARE(chips[2]->geometry(), QRect(0, 26, 90, 20));
    QCOMPARE(chips[3]->geometry(), QRect(96, 26, 60, 20));

    // A hidden chip takes no room: the rest close up.
    chips[1]->hide();
    flow->setGeometry(QRect(0, 0, 300, 46));
    QCOMPARE(chips[2]->geometry(), QRect(106, 0, 90, 20));
    QCOMPARE(flow->heightForWidth(300), 20);
}

void TestComponents::iconButtonIsNamedByItsTooltipAndClicks()
{
    IconButton named(QStringLiteral("gearshape"), QStringLiteral("Nastavení"));
    QCOMPARE(named.toolTip(), QStringLiteral("Nastavení"));
    QCOMPARE(accessibleName(&named), QStringLiteral("Nastavení"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&named)->role(), QAccessible::Button);
    named.setHelp(QStringLiteral("Settings"));
    QCOMPARE(accessibleName(&named), QStringLiteral("Settings"));
    QCOMPARE(named.sizeHint(), QSize(26, 26));

    IconButton silent(QStringLiteral("plus"), QString());
    silent.show();
    QSignalSpy clicked(&silent, &IconButton::clicked);
    QTest::mouseClick(&silent, Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
    QVERIFY(silent.focusPolicy() & Qt::TabFocus);
    silent.setFocus();
    QTest::keyClick(&silent, Qt::Key_Space);
    QCOMPARE(clicked.size(), 2);
}

void TestComponents::capsuleIsAButtonOnlyWhenAsked()
{
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *badge = new Capsule(QStringLiteral("3"));
    auto *chip = new Capsule(QStringLiteral("Bug"), Capsule::Role::Button);
    chip->setCheckable(true);
    layout->addWidget(badge);
    layout->addWidget(chip);
    window.show();

    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Through the window, so the click lands where a pointer would.
    QSignalSpy badgeClicked(badge, &Capsule::clicked);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, badge->geometry().center());
    QCOMPARE(badgeClicked.size(), 0);
    QCOMPARE(badge->focusPolicy(), Qt::NoFocus);
    QCOMPARE(QAccessible::queryAccessibleInterface(badge)->role(), QAccessible::StaticText);
    QCOMPARE(accessibleName(badge), QStringLiteral("3"));

    QSignalSpy chipClicked(chip, &Capsule::clicked);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, chip->geometry().center());
    QCOMPARE(chipClicked.size(), 1);
    QVERIFY(chip->isChecked());
    QCOMPARE(accessibleName(chip), QStringLiteral("Bug"));
    QCOMPARE(QAccessible::queryAccessibleInterface(chip)->role(), QAccessible::CheckBox);

    // A 500-character label asks for no more room than a long ordinary one.
    chip->setText(QString(500, QLatin1Char('x')));
    QVERIFY(chip->sizeHint().width() < 60 * chip->fontMetrics().averageCharWidth());
}

void TestComponents::userTextIsShownSafely_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    const QString fsi(QChar(0x2068)), pdi(QChar(0x2069));
    QTest::newRow("plain") << u"Web ✓ 🚀"_s << u"Web ✓ 🚀"_s;
    QTest::newRow("terminal colour") << u"a\x1b[31m\x7f"_s << u"a␛[31m␡"_s;
    QTest::newRow("C1 and NUL") << QString(u"x\u0085\u009b"_s + QChar(0)) << u"x\uFFFD\uFFFD␀"_s;
    QTest::newRow("override") << u"ab\u202Ecd"_s << fsi + u"ab\u202Ecd"_s + pdi;
    QTest::newRow("Hebrew") << u"שלום 1"_s << fsi + u"שלום 1"_s + pdi;
    // A stray closing isolate would end ours early; an open one would outlive it.
    QTest::newRow("stray PDI") << pdi + u"\u202Ex"_s << fsi + u"\u202Ex"_s + pdi;
    QTest::newRow("open isolate") << u"\u2067x"_s << fsi + u"\u2067x"_s + pdi + pdi;
}

void TestComponents::userTextIsShownSafely()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(DisplayText::shown(stored), shown);
    QCOMPARE(DisplayText::shown(u"a\nb\tc\x1b"_s, true), u"a\nb\tc␛"_s);
    QCOMPARE(DisplayText::shown(shown), shown); // shown twice is shown once
}

void TestComponents::elidedLabelKeepsLongNamesOnOneLine()
{
    const QString name = QStringLiteral("Projekt\nna dva řádky\t🚀 ") + QString(500, QChar(0x05D0));
    QWidget row;
    row.setFixedWidth(240);
    auto *layout = new QHBoxLayout(&row);
    auto *label = new ElidedLabel(name);
    layout->addWidget(label, 1);
    layout->addWidget(new IconButton(QStringLiteral("pencil"), QStringLiteral("Upravit")));
    row.show();

    QVERIFY(!label->text().contains(QLatin1Char('\n')) &&
            !label->text().contains(QLatin1Char('\t')));
    // Isolated: the Hebrew tail must not reorder the line it sits in.
    QVERIFY(label->text().startsWith(QChar(0x2068) + u"Projekt na dva řádky 🚀 "_s));
    QCOMPARE(accessibleName(label), label->text());
    QCOMPARE(label->sizeHint().height(), label->fontMetrics().height());
    QVERIFY(label->sizeHint().width() < 50 * label->fontMetrics().averageCharWidth());
    QVERIFY(row.minimumSizeHint().width() < 100);
    QVERIFY(label->width() <= 240);

    const QString shown = ElidedLabel::elided(name, label->fontMetrics(), 120);
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= 120);
    QVERIFY(!row.grab().isNull()); // paints without trouble
}

void TestComponents::statusPiecesKeepLongTextsOnOneLine()
{
    const QString text = QStringLiteral("Název\nse zalomením ") + QString(500, QLatin1Char('x'));
    StatusLine line(QStringLiteral("cloud"), StatusColor::Red, text);
    SymbolLabel label(QStringLiteral("tag"), text);
    StatusChip chip(QStringLiteral("cloud"), QStringLiteral("Netlify"), StatusColor::Green, text);
    StatChip stat(QStringLiteral("checklist"), {});
    stat.setValue(3);
    stat.setLabel(text);

    QCOMPARE(line.sizeHint().height(), StatusLine::lineHeight(line.font()));
    QCOMPARE(label.sizeHint().height(), label.fontMetrics().height());
    QVERIFY(accessibleName(&chip).startsWith(QStringLiteral("Netlify: Název se zalomením x")));
    QVERIFY(chip.toolTip().startsWith(QStringLiteral("Název se zalomením x"))); // cut line whole
    QVERIFY(accessibleName(&stat).startsWith(QStringLiteral("3 Název se")));
    for (QWidget *widget : std::initializer_list<QWidget *>{&line, &label, &chip, &stat}) {
        QVERIFY(!accessibleName(widget).contains(QLatin1Char('\n')));
        QVERIFY2(widget->sizeHint().width() < 600, widget->metaObject()->className());
        // Narrower than its smallest size it still paints.
        widget->resize(12, widget->sizeHint().height());
        QVERIFY(!widget->grab().isNull());
    }
}

void TestComponents::bannerShowsOnlyWhatItIsGiven()
{
    Banner banner(QStringLiteral("key.fill"), QColor(255, 149, 0));
    banner.setTitle(QStringLiteral("Připoj Netlify"));
    auto *field = new QLineEdit;
    auto *save = new QPushButton(QStringLiteral("Uložit"));
    banner.addTrailingWidget(field);
    banner.addTrailingWidget(save);
    banner.show();
    QVERIFY(QTest::qWaitForWindowActive(&banner));

    auto *title = banner.findChild<QLabel *>(QStringLiteral("bannerTitle"));
    auto *text = banner.findChild<QLabel *>(QStringLiteral("bannerText"));
    QVERIFY(title->isVisible());
    QVERIFY(!text->isVisible());
    banner.setText(QStringLiteral("Zadej Personal Access Token."));
    QVERIFY(text->isVisible());
    banner.setTitle(QString());
    QVERIFY(!title->isVisible());

    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), save);

    // On a Base-coloured page (the overview) a label draws in Text, not WindowText: the small
    // text must stay secondary there too, not turn black.
    QWidget page;
    page.setBackgroundRole(QPalette::Base);
    banner.setParent(&page);
    QCOMPARE(text->foregroundRole(), QPalette::Text);
    QCOMPARE(text->palette().color(text->foregroundRole()), Colors::secondary(banner.palette()));
    banner.setParent(nullptr);
}

QTEST_MAIN(TestComponents)
#include "tst_components.moc"

// SPDX-License-Identifier: MIT
#include "ui/shell/menubarview.h"

#include "app/appmodel.h"
#include "i18n/formatters.h"
#include "i18n/localization.h"
#include "services/appversion.h"
#include "ui/components/appbadge.h"
#include "ui/components/capsule.h"
#include "ui/components/colors.h"
#include "ui/components/iconbutton.h"
#include "ui/components/typography.h"
#include "ui/desktop/uicontext.h"
#include "ui/shell/menuprojectrow.h"

#include <QAccessibleWidget>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QVariantAnimation>

#include <chrono>

using namespace Qt::StringLiterals;

namespace {

constexpr int turnMs = 800;
constexpr int screenGap = 4;
// A tray click right after the panel lost focus to it closes rather than reopens.
constexpr auto focusLossClick = std::chrono::milliseconds(300);

QWidget *divider()
{
    auto *line = new QWidget;
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Colors::withAlpha(Colors::primary(palette), 0.12));
    line->setPalette(palette);
    return line;
}

Qt::WindowFlags panelFlags(MenuBarView::Presentation presentation)
{
    if (presentation == MenuBarView::Presentation::Window)
        return Qt::Window;
    return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
}

QLabel *smallLabel(const QColor &color)
{
    auto *label = new QLabel;
    label->setFont(Typography::font(11));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

// A plain top-level widget reads as a pane; the panel is a window a screen reader announces.
QAccessibleInterface *panelAccessible(const QString &key, QObject *object)
{
    auto *panel = qobject_cast<MenuBarView *>(object);
    if (!panel || key != QLatin1String(MenuBarView::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(panel, QAccessible::Window);
}

} // namespace

MenuBarView::MenuBarView(UiContext &context, Presentation presentation, QWidget *parent)
    : QWidget(parent, panelFlags(presentation))
    , m_context(context)
    , m_presentation(presentation)
{
    static const bool readAsWindow = [] {
        QAccessible::installFactory(panelAccessible);
        return true;
    }();
    Q_UNUSED(readAsWindow)
    setObjectName(u"menuBarView"_s);
    setWindowTitle(u"Quaylin"_s);
    setAccessibleName(u"Quaylin"_s);
    setFixedWidth(panelWidth);

    m_hint = smallLabel(Colors::secondary(palette()));
    m_hint->setObjectName(u"panelHint"_s);
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setContentsMargins(12, 14, 12, 14);

    auto *body = new QWidget;
    m_rowsLayout = new QVBoxLayout(body);
    m_rowsLayout->setContentsMargins(8, 7, 8, 7);
    m_rowsLayout->setSpacing(1);
    m_rowsLayout->addWidget(m_hint);
    // The rows grow with the projects; only a list taller than the screen scrolls.
    m_scroll = new QScrollArea;
    m_scroll->setObjectName(u"panelRows"_s);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(body);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(makeHeader());
    layout->addWidget(divider());
    layout->addWidget(m_scroll);
    layout->addWidget(divider());
    layout->addWidget(makeFooter());

    m_spin = new QVariantAnimation(this);
    m_spin->setObjectName(u"panelRefreshSpin"_s);
    m_spin->setStartValue(0.0);
    m_spin->setEndValue(360.0);
    m_spin->setDuration(turnMs);
    m_spin->setLoopCount(-1);
    connect(m_spin, &QVariantAnimation::valueChanged, m_refresh,
            [this](const QVariant &degrees) { m_refresh->setSymbolRotation(degrees.toReal()); });

    AppModel &model = m_context.model;
    connect(&model, &AppModel::projectsChanged, this, &MenuBarView::syncRows);
    connect(&model, &AppModel::runtimeChanged, this, &MenuBarView::syncRow);
    connect(&model.refreshes(), &RefreshScheduler::lastRefreshChanged, this,
            &MenuBarView::syncRefreshText);
    m_ticker.setInterval(std::chrono::seconds(20));
    connect(&m_ticker, &QTimer::timeout, this, &MenuBarView::syncRefreshText);
    connect(&model.refreshes(), &RefreshScheduler::isRefreshingChanged, this,
            &MenuBarView::syncSpinner);
}

MenuBarView::~MenuBarView() = default;

QWidget *MenuBarView::makeHeader()
{
    auto *name = new QLabel(u"Quaylin"_s);
    name->setFont(Typography::font(13, QFont::DemiBold));
    m_refreshText = smallLabel(Colors::secondary(palette()));
    m_refreshText->setObjectName(u"panelRefreshText"_s);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(1);
    texts->addWidget(name);
    texts->addWidget(m_refreshText);

    m_refresh = new IconButton(u"arrow.clockwise"_s);
    m_refresh->setObjectName(u"panelRefreshButton"_s);
    connect(m_refresh, &IconButton::clicked, this,
            [this] { m_context.model.refreshes().requestRefresh(); });

    auto *header = new QWidget;
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(12, 10, 10, 10);
    row->setSpacing(10);
    row->addWidget(new AppBadge(28));
    row->addLayout(texts, 1);
    row->addWidget(m_refresh);
    return header;
}

QWidget *MenuBarView::makeFooter()
{
    m_open = new Capsule({}, Capsule::Role::Button);
    m_open->setObjectName(u"panelOpenButton"_s);
    m_open->setSymbol(u"sailboat"_s);
    m_open->setPadding({10, 4});
    m_open->setLook({Colors::accent(palette()), Qt::white});
    connect(m_open, &Capsule::clicked, this, [this] {
        hide(); // first, so the main window comes up over a closed panel
        Q_EMIT openMainWindowRequested();
    });

    auto *version = smallLabel(Colors::tertiary(palette()));
    version->setObjectName(u"panelVersion"_s);
    version->setText(u"v"_s + AppVersion::current());

    m_quit = new Capsule({}, Capsule::Role::Button);
    m_quit->setObjectName(u"panelQuitButton"_s);
    m_quit->setPadding({6, 4});
    m_quit->setLook({Qt::transparent, Colors::secondary(palette())});
    connect(m_quit, &Capsule::clicked, this, &MenuBarView::quitRequested);

    auto *footer = new QWidget;
    auto *row = new QHBoxLayout(footer);
    row->setContentsMargins(10, 8, 10, 8);
    row->setSpacing(8);
    row->addWidget(m_open);
    row->addStretch(1);
    row->addWidget(version);
    row->addWidget(m_quit);
    return footer;
}

void MenuBarView::popUp(const QRect &anchor)
{
    m_anchor = anchor;
    if (!isVisible()) {
        // Content first, so the panel is placed at its final size.
        retranslate();
        place();
        m_placed = true;
        show();
    }
    raise();
    activateWindow();
}

bool MenuBarView::justLostFocus() const
{
    return m_lostFocusAt && m_clock() - *m_lostFocusAt < focusLossClick;
}

bool MenuBarView::isSpinning() const
{
    return m_spin->state() == QAbstractAnimation::Running;
}

void MenuBarView::changeEvent(QEvent *event)
{
    // Hidden, it retranslates when it is next shown.
    if (event->type() == QEvent::LanguageChange && isVisible())
        retranslate();
    QWidget::changeEvent(event);
}

void MenuBarView::retranslate()
{
    m_refresh->setHelp(L(u"Obnovit"_s, "refresh"));
    m_hint->setText(L(u"Zatím žádné projekty.\nPřidej je v hlavním okně."_s));
    m_open->setText(L(u"Otevřít Quaylin"_s));
    m_quit->setText(L(u"Ukončit"_s));
    syncRefreshText();
    // Row texts are made when a row is filled, so filling the rows again words them anew.
    rebuildRows();
}

void MenuBarView::rebuildRows()
{
    const QList<ProjectConfig> projects = m_context.model.projects();
    QHash<QUuid, MenuProjectRow *> kept;
    int position = m_rowsLayout->indexOf(m_hint) + 1;
    for (const ProjectConfig &project : projects) {
        if (kept.contains(project.id))
            continue; // a repeated id shows once
        MenuProjectRow *row = m_rows.take(project.id);
        if (!row)
            row = new MenuProjectRow;
        row->setProject(project, m_context.model.runtime().value(project.id),
                        m_context.model.services().deployServiceOf(project));
        if (m_rowsLayout->indexOf(row) != position) {
            m_rowsLayout->removeWidget(row);
            m_rowsLayout->insertWidget(position, row);
            row->show(); // now, so the panel's height counts it at once
        }
        ++position;
        kept.insert(project.id, row);
    }
    qDeleteAll(m_rows);
    m_rows = std::move(kept);
    m_hint->setVisible(m_rows.isEmpty());
    fitToContent();
}

void MenuBarView::syncRows()
{
    if (isVisible())
        rebuildRows();
}

void MenuBarView::syncRow(const QUuid &projectID)
{
    MenuProjectRow *row = m_rows.value(projectID);
    if (!row || !isVisible())
        return;
    if (const std::optional<ProjectConfig> project = m_context.model.project(projectID))
        row->setProject(*project, m_context.model.runtime().value(projectID),
                        m_context.model.services().deployServiceOf(*project));
}

void MenuBarView::syncRefreshText()
{
    const std::optional<QDateTime> last = m_context.model.refreshes().lastRefresh();
    m_refreshText->setText(last ? L(u"Aktualizováno"_s) + u' ' + Formatters::relative(*last)
                                : L(u"Zatím neaktualizováno"_s));
}

void MenuBarView::syncSpinner()
{
    const bool spin = isVisible() && m_context.model.refreshes().isRefreshing();
    if (spin == isSpinning())
        return;
    if (spin) {
        m_spin->start();
    } else {
        m_spin->stop();
        m_refresh->setSymbolRotation(0);
    }
}

void MenuBarView::fitToContent()
{
    const QWidget *body = m_scroll->widget();
    body->layout()->activate();
    int bodyHeight = body->sizeHint().height();
    const QScreen *screen = this->screen();
    if (screen) {
        const int chrome = sizeHint().height() - m_scroll->sizeHint().height();
        bodyHeight =
            qMin(bodyHeight, screen->availableGeometry().height() - chrome - 2 * screenGap);
    }
    m_scroll->setFixedHeight(qMax(bodyHeight, 0));
    layout()->activate();
    if (m_presentation == Presentation::Window) {
        setFixedSize(panelWidth, sizeHint().height());
        return;
    }
    resize(panelWidth, sizeHint().height());
    if (isVisible())
        place();
}

void MenuBarView::place()
{
    if (m_presentation == Presentation::Window)
        return;
    const bool anchored = m_anchor.isValid() && !m_anchor.isEmpty();
    const QRect anchor = anchored ? m_anchor : QRect(QCursor::pos(), QSize(1, 1));
    QScreen *screen = QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = this->size();
    // Centred under (or over) the icon, inside the screen's free area.
    int x = anchor.center().x() - size.width() / 2;
    x = qBound(area.left() + screenGap, x,
               qMax(area.left(), area.right() - size.width() - screenGap));
    const bool below = anchor.center().y() < area.center().y();
    int y = below ? anchor.bottom() + screenGap : anchor.top() - size.height() - screenGap;
    y = qBound(area.top() + screenGap, y,
               qMax(area.top(), area.bottom() - size.height() - screenGap));
    move(x, y);
}

bool MenuBarView::event(QEvent *event)
{
    // Not when hiding by itself (Escape, "Otevřít Quaylin"), which deactivates it too.
    if (event->type() == QEvent::WindowDeactivate && isVisible() &&
        !testAttribute(Qt::WA_WState_Hidden)) {
        m_lostFocusAt = m_clock();
        hide();
    }
    return QWidget::event(event);
}

void MenuBarView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MenuBarView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) // shown some other way than popUp (tests, accessibility tools)
        retranslate();
    m_placed = false;
    syncSpinner();
    syncRefreshText();
    m_ticker.start();
}

void MenuBarView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    syncSpinner();
    m_ticker.stop();
}

void MenuBarView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colors = palette();
    painter.fillRect(rect(), colors.color(QPalette::Window));
    painter.setPen(Colors::withAlpha(Colors::primary(colors), 0.2));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

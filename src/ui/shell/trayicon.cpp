// SPDX-License-Identifier: MIT
#include "ui/shell/trayicon.h"

#include "app/appmodel.h"
#include "app/attention.h"
#include "i18n/localization.h"
#include "ui/components/appbadge.h"
#include "ui/components/languagechange.h"
#include "ui/desktop/uicontext.h"
#include "ui/shell/menubarview.h"

#include <QGuiApplication>
#include <QMenu>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// A Wayland client cannot place its windows, nor learn where the tray icon is: there the panel
// is a window of its own that the compositor places.
MenuBarView::Presentation panelPresentation()
{
    return QGuiApplication::platformName().startsWith(u"wayland"_s)
               ? MenuBarView::Presentation::Window
               : MenuBarView::Presentation::BesideIcon;
}

} // namespace

TrayIcon::TrayIcon(UiContext &context, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_menu(std::make_unique<QMenu>())
{
    m_icon.setObjectName(u"trayIcon"_s);
    m_icon.setToolTip(u"Quaylin"_s);
    m_menu->setObjectName(u"trayMenu"_s);
    QAction *open = m_menu->addAction(QString());
    open->setObjectName(u"trayOpenAction"_s);
    connect(open, &QAction::triggered, this, &TrayIcon::openMainWindowRequested);
    QAction *quit = m_menu->addAction(QString());
    quit->setObjectName(u"trayQuitAction"_s);
    connect(quit, &QAction::triggered, this, &TrayIcon::quitRequested);
    m_icon.setContextMenu(m_menu.get());
    // Not a widget itself: its menu, a window of its own, hears of language changes.
    LanguageChange::follow(*m_menu, [this] { retranslate(); });

    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    togglePanel();
            });

    // Every change that can move the worst status: live states, and projects coming or going.
    AppModel &model = m_context.model;
    connect(&model, &AppModel::runtimeChanged, this, &TrayIcon::syncSymbol);
    connect(&model, &AppModel::projectsChanged, this, &TrayIcon::syncSymbol);
    syncSymbol();
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::show()
{
    m_icon.show();
}

void TrayIcon::togglePanel()
{
    if (!m_panel) {
        m_panel = std::make_unique<MenuBarView>(m_context, panelPresentation());
        connect(m_panel.get(), &MenuBarView::openMainWindowRequested, this,
                &TrayIcon::openMainWindowRequested);
        connect(m_panel.get(), &MenuBarView::quitRequested, this, &TrayIcon::quitRequested);
    }
    if (m_panel->isVisible() || m_panel->justLostFocus()) {
        m_panel->hide();
        return;
    }
    m_panel->popUp(m_icon.geometry());
}

QIcon TrayIcon::iconFor(const QString &symbol)
{
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        // Trays differ in colour; the badge reads on light and dark ones alike.
        AppBadge::paint(painter, QRectF(0, 0, side, side), symbol);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void TrayIcon::syncSymbol()
{
    const QString symbol = Attention::worstStatus(m_context.model.runtime()) == StatusColor::Red
                               ? u"sailboat.fill"_s
                               : u"sailboat"_s;
    if (symbol == m_symbol)
        return;
    m_symbol = symbol;
    m_icon.setIcon(iconFor(symbol));
}

void TrayIcon::retranslate()
{
    const QList<QAction *> actions = m_menu->actions();
    actions[0]->setText(L(u"Otevřít Quaylin"_s));
    actions[1]->setText(L(u"Ukončit"_s));
}

// SPDX-License-Identifier: MIT
#include "ui/shell/mainwindow.h"

#include "app/appmodel.h"
#include "services/appversion.h"
#include "services/preferences.h"
#include "ui/components/appbadge.h"
#include "ui/components/sheet.h"
#include "ui/desktop/uicontext.h"
#include "ui/main/mainview.h"
#include "ui/shell/appmenu.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QStyle>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(UiContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_view(new MainView(context))
{
    setObjectName(u"mainWindow"_s);
    setWindowTitle(u"Quaylin"_s);
    setCentralWidget(m_view);
    setMinimumSize(smallestSize);
    AppMenu::install(*this, *context.desktop.commands, context.model.history(),
                     {
                         .about = [this] { showAbout(); },
                         .quit = [this] { Q_EMIT quitRequested(); },
                     });

    const QByteArray saved = context.preferences.windowGeometry(QLatin1String(geometryName));
    if (saved.isEmpty() || !restoreGeometry(saved)) {
        resize(firstSize);
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, firstSize,
                                            screen->availableGeometry()));
    }
}

MainWindow::~MainWindow()
{
    // The frame as it is at quit, also when the application ends while the window is open.
    storeGeometry();
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

bool MainWindow::isShown() const
{
    return isVisible() && !isMinimized();
}

void MainWindow::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    storeGeometry();
}

void MainWindow::storeGeometry()
{
    if (testAttribute(Qt::WA_WState_Created))
        m_context.preferences.setWindowGeometry(QLatin1String(geometryName), saveGeometry());
}

void MainWindow::showAbout()
{
    auto *about = new QMessageBox(this);
    Sheet::setUp(*about, u"aboutBox"_s);
    about->setWindowTitle(u"O aplikaci Quaylin"_s);
    about->setText(u"<b>Quaylin</b>"_s);
    about->setInformativeText(u"v"_s + AppVersion::current());
    QPixmap badge(64 * devicePixelRatio(), 64 * devicePixelRatio());
    badge.setDevicePixelRatio(devicePixelRatio());
    badge.fill(Qt::transparent);
    QPainter painter(&badge);
    AppBadge::paint(painter, QRectF(0, 0, 64, 64));
    painter.end();
    about->setIconPixmap(badge);
    about->setStandardButtons(QMessageBox::Ok);
    about->open();
}

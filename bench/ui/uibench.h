// SPDX-License-Identifier: MIT
#pragma once

#include "app/appmodel.h"
#include "model/projectconfig.h"
#include "services/languageswitch.h"
#include "services/preferences.h"
#include "services/updatechecker.h"
#include "sources/httpconnections.h"
#include "sources/processrunner.h"
#include "support/fakedesktop.h"
#include "support/memorytokenstore.h"
#include "ui/desktop/globalhotkeymanager.h"
#include "ui/desktop/uicontext.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>

#include <memory>

class FakeService;
class MainView;

// The empty main window as the shell makes it, shown, with the main view added by the caller.
class BenchWindow final {
public:
    BenchWindow();

    MainView &addContent(UiContext &context);
    MainView &view() { return *m_view; }
    // Lets every pending change reach the screen, then paints what is still due.
    void settle();

private:
    QWidget m_frame;
    MainView *m_view = nullptr;
};

double millisecondsSince(const QElapsedTimer &timer);

// What the figures of the desktop screens share: a data file with 200 projects (real
// repositories) in 10 folders and 2,000 cards (500 on the first project's board), the Netlify,
// Vercel and GitHub services faked on loopback answering after 50 ms (on a thread of their own,
// so they take no time from the thread being measured), the model with all three tokens, and
// the context a screen is built with.
class UiBench final {
public:
    static constexpr int projectCount = 200;
    static constexpr int folderCount = 10;
    static constexpr int cardCount = 2000;
    static constexpr int boardCards = 500; // in the first project; the rest share the others

    UiBench();
    ~UiBench();
    UiBench(const UiBench &) = delete;
    UiBench &operator=(const UiBench &) = delete;

    // False when the data could not be made (the reason is printed).
    bool ok() const { return m_model != nullptr; }
    AppModel &model() { return *m_model; }
    Preferences &preferences() { return *m_preferences; }
    UiContext &context() { return *m_context; }
    // The projects as stored, in sortIndex order.
    const QList<ProjectConfig> &projects() const { return m_projects; }

    // The window the figures that change something share: shown with the main view at its
    // first use, kept until the bench ends.
    BenchWindow &window();
    // The project holding `boardCards` of the cards, and another one.
    QUuid boardProject() const { return m_projects.first().id; }
    QUuid otherProject() const { return m_projects.last().id; }
    // A model of its own over `document` (in a data folder of its own), for a figure whose
    // data would weigh on the others; none when the data file could not be written.
    std::unique_ptr<AppModel> makeModel(const StoreData &document);

private:
    bool startServices();
    static bool writeDocument(const QString &dataDir, const StoreData &document);
    AppEnvironment environment(const QString &dataDir);

    QTemporaryDir m_root;
    QList<ProjectConfig> m_projects;
    QThread m_serviceThread;
    QObject *m_anchor = nullptr;     // lives on m_serviceThread, to run code there
    QList<FakeService *> m_services; // netlify, vercel, github; live on m_serviceThread
    ProcessRunner m_runner;
    HttpConnections m_network;
    MemoryTokenStore m_tokens;
    FakeDesktop m_desktop;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<LanguageSwitch> m_language;
    std::unique_ptr<UpdateChecker> m_updates;
    std::unique_ptr<GlobalHotKeyManager> m_hotKey;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<UiContext> m_context;
    std::unique_ptr<BenchWindow> m_window;
    int m_extraModels = 0;
};

// One measured figure: its key in the final JSON line, its value and its target (both in the
// figure's unit, lower is better).
struct UiFigure {
    QString key;
    double value = 0;
    double target = 0;
};

// A measurement gives one figure or a few that come from the same run.
using UiMeasurement = QList<UiFigure> (*)(UiBench &);

// The main window's figures (mainfigures.cpp).
namespace MainFigures {

QList<UiFigure> overviewShow(UiBench &bench);
QList<UiFigure> runtimeChange(UiBench &bench);
QList<UiFigure> languageSwitch(UiBench &bench);
QList<UiFigure> editMainThread(UiBench &bench);
QList<UiFigure> refreshStalls(UiBench &bench);

} // namespace MainFigures

// The project page's figures with the 500-card board (boardfigures.cpp).
namespace BoardFigures {

QList<UiFigure> boardOpen(UiBench &bench);
QList<UiFigure> cardChange(UiBench &bench);
QList<UiFigure> searchKeystroke(UiBench &bench);
QList<UiFigure> drop(UiBench &bench);
QList<UiFigure> sheetOpen(UiBench &bench);
QList<UiFigure> archiveOpen(UiBench &bench);

} // namespace BoardFigures

// The card sheet with big cards, and the memory sheets leave behind (cardfigures.cpp).
namespace CardFigures {

QList<UiFigure> bigChecklist(UiBench &bench);
QList<UiFigure> bigNote(UiBench &bench);
QList<UiFigure> sheetCycles(UiBench &bench);

} // namespace CardFigures

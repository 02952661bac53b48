// SPDX-License-Identifier: MIT
#pragma once

#include "app/appmodel.h"
#include "locale/preferences.h"
#include "model/projectconfig.h"
#include "services/updatechecker.h"
#include "sources/processrunner.h"
#include "support/fakedesktop.h"
#include "support/memorytokenstore.h"
#include "ui/shell/globalhotkeymanager.h"
#include "ui/shell/uicontext.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

class FakeService;

// What the figures of the desktop screens share: a data file with 200 projects (real
// repositories) in 10 folders and 2,000 cards, the Netlify, Vercel and GitHub services faked on
// loopback answering after 50 ms (on a thread of their own, so they take no time from the
// thread being measured), the model with all three tokens, and the context a screen is built
// with.
class UiBench final {
public:
    static constexpr int projectCount = 200;
    static constexpr int folderCount = 10;
    static constexpr int cardsPerProject = 10;

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

    // Keeps `object` (a window the figures share) until the bench ends, before the model.
    template<typename T> T &keep(std::shared_ptr<T> object)
    {
        m_kept.append(object);
        return *object;
    }

private:
    bool startServices();

    QTemporaryDir m_root;
    QList<ProjectConfig> m_projects;
    QThread m_serviceThread;
    QObject *m_anchor = nullptr;     // lives on m_serviceThread, to run code there
    QList<FakeService *> m_services; // netlify, vercel, github; live on m_serviceThread
    ProcessRunner m_runner;
    QNetworkAccessManager m_network;
    MemoryTokenStore m_tokens;
    FakeDesktop m_desktop;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<UpdateChecker> m_updates;
    std::unique_ptr<GlobalHotKeyManager> m_hotKey;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<UiContext> m_context;
    QList<std::shared_ptr<void>> m_kept;
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

// SPDX-License-Identifier: MIT
#pragma once

#include "app/modelfixture.h"
#include "services/updatechecker.h"
#include "support/fakedesktop.h"
#include "support/fakehotkeybackend.h"
#include "support/memorytokenstore.h"
#include "ui/shell/globalhotkeymanager.h"
#include "ui/shell/uicontext.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

// A model over a temporary data folder (see ModelFixture) with everything a screen is built
// with: fake desktop seams, a fake global-shortcut backend, an update checker that asks nobody
// unless told to, and tokens kept in memory unless another store is given.
class UiFixture final {
public:
    UiFixture()
        : updates(data.network, QUrl(u"http://127.0.0.1:9/version.json"_s), u"1.0"_s,
                  data.preferences)
    {
    }

    // Opens the model over a data file holding `projects` (none: a fresh start).
    AppModel &open(const QList<ProjectConfig> &projects = {}, TokenStore *store = nullptr)
    {
        if (!projects.isEmpty())
            writeDocument(data.dataFile(), projects);
        AppEnvironment environment = data.environment();
        environment.tokens = store ? store : &tokens;
        m_context.reset();
        data.model.reset(); // finishes its saves first
        data.model = std::make_unique<AppModel>(environment);
        m_context = std::make_unique<UiContext>(
            UiContext{*data.model, updates, data.preferences, desktop.desktop(), hotKey});
        return *data.model;
    }

    UiContext &context() { return *m_context; }
    AppModel &model() { return *data.model; }

    ModelFixture data;
    FakeDesktop desktop;
    MemoryTokenStore tokens;
    FakeHotKeyBackend *hotKeyBackend = new FakeHotKeyBackend; // owned by hotKey
    GlobalHotKeyManager hotKey{std::unique_ptr<HotKeyBackend>(hotKeyBackend)};
    UpdateChecker updates;

private:
    std::unique_ptr<UiContext> m_context;
};

// A folder that exists, for projects whose path must be real.
inline QString existingFolder(const UiFixture &f, const QString &name)
{
    const QString path = f.data.environmentDir.root() + u"/projects/"_s + name;
    QDir().mkpath(path);
    return path;
}

// The message box named `name` that is open now, if any.
inline QMessageBox *openBox(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box && box->objectName() == name && box->isVisible())
            return box;
    }
    return nullptr;
}

// Every row id of a flat model or of one parent, in order.
inline QList<QUuid> rowIds(const QAbstractItemModel &model, int role,
                           const QModelIndex &parent = {})
{
    QList<QUuid> ids;
    for (int row = 0; row < model.rowCount(parent); ++row)
        ids.append(model.index(row, 0, parent).data(role).toUuid());
    return ids;
}

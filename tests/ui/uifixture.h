// SPDX-License-Identifier: MIT
#pragma once

#include "app/modelfixture.h"
#include "services/updatechecker.h"
#include "support/fakedesktop.h"
#include "support/fakehotkeybackend.h"
#include "support/memorytokenstore.h"
#include "ui/desktop/globalhotkeymanager.h"
#include "ui/desktop/uicontext.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <functional>

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

    // The model and context, opened over a fresh start if open() was not called.
    UiContext &context()
    {
        if (!m_context)
            open();
        return *m_context;
    }
    AppModel &model() { return context().model; }

    // A project the model tracks, returned as stored.
    ProjectConfig addProject(const QString &name = u"Web"_s)
    {
        ProjectConfig project = makeProject(name);
        model().addProject(project);
        return *model().project(project.id);
    }

    // A card added through the model, then changed by `change` through updateCard.
    TaskCard addCard(const QUuid &projectID, const QString &title, KanbanColumn column,
                     const std::function<void(TaskCard &)> &change = {})
    {
        model().addCard(projectID, title, {}, column);
        TaskCard card = model().cards().constLast();
        if (change) {
            change(card);
            model().updateCard(card);
        }
        return *model().card(card.id);
    }

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

// The widgets Tab reaches inside `root`, in Tab order.
inline QList<QWidget *> tabChain(QWidget *root)
{
    QList<QWidget *> chain;
    for (QWidget *widget = root->nextInFocusChain(); widget && widget != root;
         widget = widget->nextInFocusChain()) {
        if (root->isAncestorOf(widget) && widget->isVisibleTo(root) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) && !chain.contains(widget))
            chain.append(widget);
    }
    return chain;
}

// A screen reader's toggle on the row of `view` at `index` (its accessible cell, found by place).
inline void toggleAccessibleRow(QAbstractItemView &view, const QModelIndex &index)
{
    const QRect rect = view.visualRect(index);
    const QRect global(view.viewport()->mapToGlobal(rect.topLeft()), rect.size());
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&view);
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface *cell = table->child(i);
        if (cell && cell->rect() == global && cell->actionInterface()) {
            cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            return;
        }
    }
    QFAIL("no accessible cell at the row");
}

// Names of the widgets Tab reaches in `root` that a screen reader could not name.
inline QStringList unnamedControls(QWidget *root)
{
    QStringList unnamed;
    for (QWidget *widget : tabChain(root)) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(widget->objectName() + u" ("_s + widget->metaObject()->className() +
                           u")"_s);
    }
    return unnamed;
}

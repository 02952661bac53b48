// SPDX-License-Identifier: MIT
#pragma once

#include "app/modelfixture.h"
#include "services/updatechecker.h"
#include "support/fakedesktop.h"
#include "support/fakehotkeybackend.h"
#include "ui/shell/globalhotkeymanager.h"
#include "ui/shell/uicontext.h"

#include <QAccessible>
#include <QUrl>
#include <QWidget>

// What a screen under test is built with: a model over a temporary folder with a hand-moved
// clock, recording desktop fakes, an update checker that is never asked, a fake shortcut.
class UiFixture final {
public:
    UiFixture()
        : model(models.open())
        , updates(models.network, QUrl(u"http://127.0.0.1:9/manifest.json"_s), u"0.1.0"_s,
                  models.preferences)
        , hotKey(std::make_unique<FakeHotKeyBackend>())
        , context{model, updates, models.preferences, desktop.desktop(), hotKey}
    {
    }

    // A project the model tracks, returned with its id.
    ProjectConfig addProject(const QString &name = u"Web"_s)
    {
        ProjectConfig project = makeProject(name);
        model.addProject(project);
        return *model.project(project.id);
    }

    // A card added through the model, then changed by `change` through updateCard.
    TaskCard addCard(const QUuid &projectID, const QString &title, KanbanColumn column,
                     const std::function<void(TaskCard &)> &change = {})
    {
        model.addCard(projectID, title, {}, column);
        TaskCard card = model.cards().constLast();
        if (change) {
            change(card);
            model.updateCard(card);
        }
        return *model.card(card.id);
    }

    ModelFixture models;
    AppModel &model;
    FakeDesktop desktop;
    UpdateChecker updates;
    GlobalHotKeyManager hotKey;
    UiContext context;
};

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

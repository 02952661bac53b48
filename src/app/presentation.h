// SPDX-License-Identifier: MIT
#pragma once

#include "app/attention.h"
#include "app/projectruntime.h"
#include "app/statuscolor.h"
#include "model/cardpriority.h"
#include "model/kanbancolumn.h"
#include "model/projectconfig.h"

#include <QDateTime>
#include <QString>

#include <optional>

// Every display text and colour of a status, made when it is shown, in the interface language
// of that moment. The records keep only facts; the screens and the command line word them here.
namespace Presentation {

// Counts with the noun form that agrees with them: "1 změna", "3 změny", "5 změn".
QString changesText(qint64 count);
QString openTasksText(qint64 count); // "2 otevřené úkoly" / "2 open tasks"
// The noun alone, for a figure drawn apart from its label.
QString openTasksWord(qint64 count);
QString projectsWord(qint64 count);

// "main · čisto", "main ↑2", "main · 5 změn · ↑1 · ↓3", "Načítám…", "Git nedostupný";
// an operation under way leads, a branch never pushed and the stashes follow:
// "Probíhá rebase · 1a2b3c4 · 2 změn", "odpojený HEAD 1a2b3c4 · čisto",
// "feature · čisto · bez upstreamu · 2 stashe".
QString gitLabel(const GitStatus &status);
// "Probíhá rebase"; empty for none.
QString gitOperationText(GitOperation operation);
// "Nasazeno před 5 min", "Chyba: …", "Načítám…", "Čeká na token", "Bez nasazení", "Nasazuje se…".
QString deployLabel(const DeployStatus &status,
                    const QDateTime &now = QDateTime::currentDateTimeUtc());
// An error's message alone (empty for every other kind).
QString deployMessage(const DeployStatus &status);
// "2 PR · CI OK"; empty when there is nothing to say.
QString gitHubLabel(const GitHubStatus &status);
QString attentionText(const AttentionReason &reason);
// "GitHub: limit vyčerpán do 14:05": GitHub is not asked until then.
QString gitHubLimitText(const QDateTime &until);
std::optional<QString> attentionText(const ProjectRuntime &runtime);

// Green when clean with nothing ahead; yellow when ahead or dirty; gray otherwise.
StatusColor gitColor(const GitStatus &status);
// Green ready, red error, yellow building, gray otherwise.
StatusColor deployColor(const DeployStatus &status);
// The one dot of a sidebar row: a failed deployment, then work in progress, then what is
// known to be well.
StatusColor combinedColor(const ProjectRuntime &runtime);
// The GitHub chip's colour by its checks; pending, and open pull requests without checks,
// are yellow.
StatusColor gitHubColor(const GitHubStatus &status);
// A GitHub chip is shown for open pull requests or any checks.
bool showsGitHub(const std::optional<GitHubStatus> &status);

// One row of the deploy history: the outcome word of a deployment's raw state and its colour.
struct DeployOutcome {
    QString word;
    StatusColor color = StatusColor::Gray;
};
DeployOutcome deployOutcome(const QString &state);
// How the deploy history marks a deployment that is not the site's own: "náhled" (a pull
// request's preview), "větev" (a branch deploy); none for production.
std::optional<QString> deployContextWord(DeployContext context);

// Titles of the stored enumerations in the interface language.
QString title(ProjectStatus status);
QString title(KanbanColumn column);
QString title(CardPriority priority);

} // namespace Presentation

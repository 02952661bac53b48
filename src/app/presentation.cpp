// SPDX-License-Identifier: MIT
#include "app/presentation.h"

#include "i18n/displaytext.h"
#include "i18n/formatters.h"
#include "i18n/localization.h"
#include "i18n/plural.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Presentation {

namespace {

const QString separator = u" · "_s;

} // namespace

QString gitOperationText(GitOperation operation)
{
    switch (operation) {
    case GitOperation::None:
        break;
    case GitOperation::Merge:
        return L(u"Probíhá merge"_s);
    case GitOperation::Rebase:
        return L(u"Probíhá rebase"_s);
    case GitOperation::CherryPick:
        return L(u"Probíhá cherry-pick"_s);
    case GitOperation::Revert:
        return L(u"Probíhá revert"_s);
    case GitOperation::Bisect:
        return L(u"Probíhá bisect"_s);
    }
    return {};
}

QString changesText(qint64 count)
{
    return Plural::counted(count, u"změna"_s, u"změny"_s, u"změn"_s);
}

QString openTasksText(qint64 count)
{
    return QString::number(count) % u' ' % openTasksWord(count);
}

QString openTasksWord(qint64 count)
{
    return L(
        Plural::czechForm(count, u"otevřený úkol"_s, u"otevřené úkoly"_s, u"otevřených úkolů"_s));
}

QString projectsWord(qint64 count)
{
    return L(Plural::czechForm(count, u"projekt"_s, u"projekty"_s, u"projektů"_s));
}

QString gitLabel(const GitStatus &status)
{
    switch (status.kind) {
    case GitStatus::Kind::Unknown:
        return L(u"Načítám…"_s);
    case GitStatus::Kind::NotAvailable:
        return L(u"Git nedostupný"_s);
    case GitStatus::Kind::Clean:
    case GitStatus::Kind::Dirty:
        break;
    }

    // An operation under way has detached HEAD on purpose: its commit alone says enough. The
    // branch is the repository's text, embedded in a line of ours.
    const bool saysDetached = status.detached && status.operation == GitOperation::None;
    const QString branch = DisplayText::shown(status.branch);
    const QString head = saysDetached ? L(u"odpojený HEAD"_s) % u' ' % branch : branch;
    QStringList parts{head};
    if (status.kind == GitStatus::Kind::Dirty)
        parts.append(changesText(status.changes));
    if (status.ahead >= 1)
        parts.append(u"↑"_s % QString::number(status.ahead));
    if (status.behind >= 1)
        parts.append(u"↓"_s % QString::number(status.behind));

    QString label;
    if (status.kind == GitStatus::Kind::Dirty)
        label = parts.join(separator);
    else if (parts.size() >= 2)
        label = parts.join(u' ');
    else
        label = head % separator % L(u"čisto"_s);

    // What needs finishing leads, so an elided line still shows it.
    QStringList states;
    if (status.operation != GitOperation::None)
        states.append(gitOperationText(status.operation));
    states.append(label);
    if (status.unpublished)
        states.append(L(u"bez upstreamu"_s));
    if (status.stashes >= 1)
        states.append(Plural::counted(status.stashes, u"stash"_s, u"stashe"_s, u"stashů"_s));
    return states.join(separator);
}

QString deployMessage(const DeployStatus &status)
{
    if (status.kind != DeployStatus::Kind::Error)
        return {};
    switch (status.failure) {
    case DeployStatus::Failure::NoDeploys:
        return L(u"žádný deploy"_s);
    case DeployStatus::Failure::BuildFailed:
        return L(u"build selhal"_s);
    case DeployStatus::Failure::Message:
        break;
    }
    // Our own reasons (a request that failed) have twins; a service's words pass unchanged.
    return L(status.message);
}

QString deployLabel(const DeployStatus &status, const QDateTime &now)
{
    switch (status.kind) {
    case DeployStatus::Kind::Ready:
        return L(u"Nasazeno"_s) % u' ' % Formatters::relative(status.deployedAt, now);
    case DeployStatus::Kind::Error:
        return L(u"Chyba"_s) % u": " % deployMessage(status);
    case DeployStatus::Kind::Unknown:
        return L(u"Načítám…"_s);
    case DeployStatus::Kind::TokenMissing:
        return L(u"Čeká na token"_s);
    case DeployStatus::Kind::NotConfigured:
        return L(u"Bez nasazení"_s);
    case DeployStatus::Kind::Building:
        return L(u"Nasazuje se…"_s);
    }
    return {};
}

QString gitHubLabel(const GitHubStatus &status)
{
    QStringList parts;
    if (status.openPRCount >= 1)
        parts.append(QString::number(status.openPRCount) % u" PR");
    switch (status.checks) {
    case GitHubStatus::ChecksState::None:
        break;
    case GitHubStatus::ChecksState::Pending:
        parts.append(L(u"CI běží"_s));
        break;
    case GitHubStatus::ChecksState::Success:
        parts.append(L(u"CI OK"_s));
        break;
    case GitHubStatus::ChecksState::Failure:
        parts.append(L(u"CI selhalo"_s));
        break;
    }
    return parts.join(separator);
}

QString attentionText(const AttentionReason &reason)
{
    switch (reason.kind) {
    case AttentionReason::Kind::DeployFailed:
        return L(u"Deploy selhal"_s);
    case AttentionReason::Kind::Unpushed:
        return Plural::counted(reason.ahead, u"commit nepushnut"_s, u"commity nepushnuty"_s,
                               u"commitů nepushnuto"_s);
    case AttentionReason::Kind::Uncommitted:
        return Plural::counted(reason.changes, u"nezacommitovaná změna"_s,
                               u"nezacommitované změny"_s, u"nezacommitovaných změn"_s);
    case AttentionReason::Kind::UncommittedAndUnpushed:
        // "nepushnuto" leans on the commits the line already spoke of, so it keeps one form.
        return changesText(reason.changes) % separator % QString::number(reason.ahead) % u' ' %
               L(u"nepushnuto"_s);
    case AttentionReason::Kind::Operation:
        return gitOperationText(reason.operation);
    case AttentionReason::Kind::Unpublished:
        return L(u"Větev nikdy nepushnuta"_s);
    }
    return {};
}

std::optional<QString> attentionText(const ProjectRuntime &runtime)
{
    const std::optional<AttentionReason> reason = Attention::reason(runtime);
    if (!reason)
        return std::nullopt;
    return attentionText(*reason);
}

StatusColor gitColor(const GitStatus &status)
{
    return Attention::gitColor(status);
}

StatusColor deployColor(const DeployStatus &status)
{
    return Attention::deployColor(status);
}

StatusColor combinedColor(const ProjectRuntime &runtime)
{
    const GitStatus &git = runtime.git;
    if (runtime.deploy.kind == DeployStatus::Kind::Error)
        return StatusColor::Red;
    if (gitColor(git) == StatusColor::Yellow)
        return StatusColor::Yellow;
    if (runtime.deploy.kind == DeployStatus::Kind::Building)
        return StatusColor::Yellow;
    if (git.kind == GitStatus::Kind::Clean)
        return StatusColor::Green;
    return runtime.deploy.kind == DeployStatus::Kind::Ready ? StatusColor::Green
                                                            : StatusColor::Gray;
}

StatusColor gitHubColor(const GitHubStatus &status)
{
    switch (status.checks) {
    case GitHubStatus::ChecksState::Success:
        return StatusColor::Green;
    case GitHubStatus::ChecksState::Failure:
        return StatusColor::Red;
    case GitHubStatus::ChecksState::Pending:
    case GitHubStatus::ChecksState::None:
        break;
    }
    return StatusColor::Yellow;
}

bool showsGitHub(const std::optional<GitHubStatus> &status)
{
    return status &&
           (status->openPRCount >= 1 || status->checks != GitHubStatus::ChecksState::None);
}

DeployOutcome deployOutcome(const QString &state)
{
    if (state == u"ready" || state == u"current")
        return {L(u"Úspěch"_s), StatusColor::Green};
    if (isInProgress(state))
        return {L(u"Běží"_s), StatusColor::Yellow};
    return {L(u"Selhal"_s), StatusColor::Red};
}

QString gitHubLimitText(const QDateTime &until)
{
    return L(u"GitHub: limit vyčerpán do"_s) + u' ' + Formatters::clockTime(until);
}

std::optional<QString> deployContextWord(DeployContext context)
{
    switch (context) {
    case DeployContext::Production:
        break;
    case DeployContext::Preview:
        return L(u"náhled"_s);
    case DeployContext::Branch:
        return L(u"větev"_s);
    }
    return std::nullopt;
}

QString title(ProjectStatus status)
{
    return L(ProjectStatuses::title(status));
}

QString title(KanbanColumn column)
{
    return L(KanbanColumns::title(column));
}

QString title(CardPriority priority)
{
    return L(CardPriorities::title(priority));
}

} // namespace Presentation

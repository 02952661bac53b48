// SPDX-License-Identifier: MIT
#include "cli/statusjson.h"

#include "app/presentation.h"
#include "i18n/formatters.h"
#include "model/recordjson.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {

QJsonValue orNull(const std::optional<QString> &text)
{
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

QString isoUtc(const QDateTime &date)
{
    return date.toUTC().toString(Qt::ISODateWithMs);
}

// The local time with its offset from UTC, as git itself writes dates.
QString isoWithOffset(const QDateTime &date)
{
    const QDateTime local = date.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

QJsonValue operationWord(GitOperation operation)
{
    switch (operation) {
    case GitOperation::None:
        break;
    case GitOperation::Merge:
        return u"merge"_s;
    case GitOperation::Rebase:
        return u"rebase"_s;
    case GitOperation::CherryPick:
        return u"cherry-pick"_s;
    case GitOperation::Revert:
        return u"revert"_s;
    case GitOperation::Bisect:
        return u"bisect"_s;
    }
    return QJsonValue::Null;
}

QJsonObject gitObject(const GitStatus &git)
{
    QJsonObject object;
    switch (git.kind) {
    case GitStatus::Kind::Clean:
        object.insert(u"state", u"clean"_s);
        break;
    case GitStatus::Kind::Dirty:
        object.insert(u"state", u"dirty"_s);
        object.insert(u"changes", git.changes);
        break;
    case GitStatus::Kind::Unknown:
        object.insert(u"state", u"unknown"_s);
        break;
    case GitStatus::Kind::NotAvailable:
        object.insert(u"state", u"notAvailable"_s);
        break;
    }
    if (git.isRepository()) {
        object.insert(git.detached ? u"commit" : u"branch", git.branch);
        object.insert(u"ahead", git.ahead);
        object.insert(u"behind", git.behind);
    }
    object.insert(u"stashes", git.stashes);
    object.insert(u"upstream", orNull(git.upstream));
    object.insert(u"detached", git.detached);
    object.insert(u"operation", operationWord(git.operation));
    object.insert(u"label", Presentation::gitLabel(git));
    return object;
}

QString deployState(DeployStatus::Kind kind)
{
    switch (kind) {
    case DeployStatus::Kind::Ready:
        return u"ready"_s;
    case DeployStatus::Kind::Error:
        return u"error"_s;
    case DeployStatus::Kind::Unknown:
        break;
    case DeployStatus::Kind::TokenMissing:
        return u"tokenMissing"_s;
    case DeployStatus::Kind::NotConfigured:
        return u"notConfigured"_s;
    case DeployStatus::Kind::Building:
        return u"building"_s;
    }
    return u"unknown"_s;
}

QString contextWord(DeployContext context)
{
    switch (context) {
    case DeployContext::Production:
        break;
    case DeployContext::Preview:
        return u"preview"_s;
    case DeployContext::Branch:
        return u"branch"_s;
    }
    return u"production"_s;
}

QJsonObject deployObject(const ProjectRuntime &runtime)
{
    QJsonObject object;
    object.insert(u"state", deployState(runtime.deploy.kind));
    if (runtime.deploy.kind == DeployStatus::Kind::Error)
        object.insert(u"message", Presentation::deployMessage(runtime.deploy));
    if (runtime.deploy.kind == DeployStatus::Kind::Ready)
        object.insert(u"deployedAt", isoUtc(runtime.deploy.deployedAt));
    object.insert(u"label", Presentation::deployLabel(runtime.deploy));
    QJsonArray deploys;
    for (const DeployInfo &deploy : runtime.deploys) {
        deploys.append(QJsonObject{
            {u"id"_s, deploy.id},
            {u"state"_s, deploy.state},
            {u"createdAt"_s, isoUtc(deploy.createdAt)},
            {u"errorMessage"_s, orNull(deploy.errorMessage)},
            {u"branch"_s, orNull(deploy.branch)},
            {u"context"_s, contextWord(deploy.context)},
        });
    }
    object.insert(u"deploys", deploys);
    return object;
}

QString checksWord(GitHubStatus::ChecksState checks)
{
    switch (checks) {
    case GitHubStatus::ChecksState::None:
        break;
    case GitHubStatus::ChecksState::Pending:
        return u"pending"_s;
    case GitHubStatus::ChecksState::Success:
        return u"success"_s;
    case GitHubStatus::ChecksState::Failure:
        return u"failure"_s;
    }
    return u"none"_s;
}

QJsonValue gitHubValue(const std::optional<GitHubStatus> &github)
{
    if (!github)
        return QJsonValue::Null;
    return QJsonObject{
        {u"openPRCount"_s, github->openPRCount},
        {u"checks"_s, checksWord(github->checks)},
        {u"label"_s, Presentation::gitHubLabel(*github)},
    };
}

} // namespace

namespace StatusJson {

QJsonObject project(const ProjectReport &report)
{
    const ProjectConfig &project = report.project;
    QJsonArray commits;
    for (const CommitInfo &commit : report.runtime.commits) {
        commits.append(QJsonObject{{u"id"_s, commit.id},
                                   {u"message"_s, commit.message},
                                   {u"relativeDate"_s, Formatters::relative(commit.date)},
                                   {u"date"_s, isoWithOffset(commit.date)}});
    }
    return QJsonObject{
        {u"id"_s, RecordJson::uuidText(project.id)},
        {u"name"_s, project.name},
        {u"emoji"_s, project.emoji},
        {u"localPath"_s, project.localPath},
        {u"status"_s, ProjectStatuses::rawValue(project.status)},
        {u"folder"_s, orNull(report.folderName)},
        {u"openCards"_s, report.openCards},
        {u"overdueCards"_s, report.overdueCards},
        {u"git"_s, gitObject(report.runtime.git)},
        {u"commits"_s, commits},
        {u"deploy"_s, deployObject(report.runtime)},
        {u"github"_s, gitHubValue(report.runtime.github)},
        {u"attention"_s, orNull(report.attention)},
    };
}

QByteArray document(const QList<ProjectReport> &reports)
{
    QJsonArray projects;
    for (const ProjectReport &report : reports)
        projects.append(project(report));
    return QJsonDocument(QJsonObject{{u"projects"_s, projects}}).toJson(QJsonDocument::Indented);
}

} // namespace StatusJson

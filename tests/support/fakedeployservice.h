// SPDX-License-Identifier: MIT
#pragma once

#include "app/servicetable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <utility>

// Fakeploy: a fourth deploy service that exists only in the tests, added through the same
// service table as the shipped ones (a row and a client, nothing else), to show the refresh and
// the presentation take any service the table brings.
namespace FakeDeployService {

// Its row, with its API at `endpoint`. The data file has no field for a service that is not
// shipped, so its project id lives in the project's site address (ProjectConfig::siteURL):
// a project deploys to Fakeploy when it has a site address and no id of a service before it.
DeployService row(const QUrl &endpoint);

// The shipped table, every deploy API at `base`.
ServiceTable shippedAt(const QUrl &base);
// The same with Fakeploy after Vercel.
ServiceTable tableAt(const QUrl &base);

// Where its API answers for a project id, and a body it answers with: builds newest first,
// each a name and a phase (LIVE, FAILED, RUNNING).
QString path(const QString &projectID);
QByteArray builds(const QList<std::pair<QString, QString>> &namesAndPhases);

} // namespace FakeDeployService

// SPDX-License-Identifier: MIT
#pragma once

#include "app/servicetable.h"

#include <QString>
#include <QUrl>

// Fakeploy: a deploy service only the tests know, added through the service table like the
// shipped ones (a row and a client, nothing else).
namespace FakeDeployService {

// Its row, with its API at `endpoint`. The data file has no field for a service that is not
// shipped, so its project id lives in the site address (ProjectConfig::siteURL).
DeployService row(const QUrl &endpoint);

// The shipped table, every deploy API at `base`.
ServiceTable shippedAt(const QUrl &base);
// The same with Fakeploy after Vercel.
ServiceTable tableAt(const QUrl &base);

// Where its API answers for a project id; it speaks Vercel's wire format there.
QString path(const QString &projectID);

} // namespace FakeDeployService

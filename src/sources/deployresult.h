// SPDX-License-Identifier: MIT
#pragma once

#include "sources/deployinfo.h"
#include "sources/fetcherror.h"

#include <QCoroTask>
#include <QList>
#include <QString>
#include <QUrl>

#include <variant>

class HttpFetcher;

// A deployment client's answer: the deployments, newest first, or why there are none.
using DeployResult = std::variant<QList<DeployInfo>, FetchError>;

// The request both deployment clients make: an authorised GET of `url` whose 200 answer
// `decode` reads. An address that is not valid is the error "neplatné URL". When the list holds
// deployments but none to production (a busy week of previews), `production` (the service's
// newest production deployment) is asked too and its answer goes at the end of the list, so
// the site's state is still known; when that fails the list stays as it is.
QCoro::Task<DeployResult> fetchDeployList(const HttpFetcher &fetcher, QUrl url, QUrl production,
                                          QString token,
                                          DeployResult (*decode)(const QByteArray &));

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

// The request both deployment clients make: an authorised GET whose 200 answer `decode`
// reads. An address that is not valid is the error "neplatné URL".
QCoro::Task<DeployResult> fetchDeployList(const HttpFetcher &fetcher, QUrl url, QString token,
                                          DeployResult (*decode)(const QByteArray &));

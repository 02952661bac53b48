// SPDX-License-Identifier: MIT
#pragma once

#include "app/tokenservice.h"
#include "model/projectconfig.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

class DeployClient;
class HttpFetcher;

// A service that builds and hosts projects, as a row of the service table: everything the
// refresh, the screens and the command line need to know of it. Texts marked Czech are source
// texts, translated when shown.
struct DeployService {
    using MakeClient = std::unique_ptr<DeployClient> (*)(const HttpFetcher &fetcher, QUrl base);

    TokenService token;
    // The project's field holding its id at this service (stored in the data file under the
    // field's name).
    std::optional<QString> ProjectConfig::*projectID = nullptr;
    MakeClient makeClient = nullptr;
    QUrl endpoint;            // the API's base address
    QString endpointVariable; // the environment variable that overrides it
    // What a failed deployment that brings no message of its own is called on its fix card and
    // in the notification (Czech); none: the generic wording.
    QString unnamedFailure;
    QString addOption;         // the id's option of `quaylin add`, "--netlify-site"
    QString editorLabel;       // the id's row in the project editor, through L()
    QString editorPlaceholder; // Czech
    // The project page's deploy history while it is empty (Czech); none: the page's own text.
    QString emptyHistoryText;

    // The project's id here: present and not empty, else none.
    std::optional<QString> idOf(const ProjectConfig &project) const;

    friend bool operator==(const DeployService &, const DeployService &) = default;
};

// The service a project's deployments are read from: the first in `services` whose id the
// project has, so the order of the table decides between several; null when it has none.
const DeployService *deployServiceOf(const QList<DeployService> &services,
                                     const ProjectConfig &project);

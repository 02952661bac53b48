// SPDX-License-Identifier: MIT
#include "app/standardservices.h"

#include "sources/netlifyclient.h"
#include "sources/serviceendpoints.h"
#include "sources/vercelclient.h"

using namespace Qt::StringLiterals;

namespace {

// Keychain items are named by the application's identifier; a former release used another.
QString keychainItem(QStringView suffix)
{
    return u"app.quaylin.Quaylin"_s + suffix;
}

QString formerKeychainItem(QStringView suffix)
{
    return u"app.quaylin.menubar"_s + suffix;
}

template<typename Client>
std::unique_ptr<DeployClient> makeClient(const HttpFetcher &fetcher, QUrl base)
{
    return std::make_unique<Client>(fetcher, std::move(base));
}

} // namespace

namespace StandardServices {

DeployService netlify()
{
    DeployService service;
    service.token = {
        .key = u"netlify"_s,
        .title = u"Netlify"_s,
        .keychainItem = keychainItem(u".netlify-token"),
        .formerKeychainItems = {formerKeychainItem(u".netlify-token")},
        .environmentVariables = {u"NETLIFY_AUTH_TOKEN"_s},
        .bannerTitle = u"Připoj Netlify"_s,
    };
    service.projectID = &ProjectConfig::netlifySiteID;
    service.makeClient = &makeClient<NetlifyClient>;
    service.endpoint = QUrl(u"https://api.netlify.com"_s);
    service.endpointVariable = u"QUAYLIN_NETLIFY_API"_s;
    service.addOption = u"--netlify-site"_s;
    service.editorLabel = u"ID webu na Netlify"_s;
    service.editorPlaceholder = u"UUID webu z Netlify (volitelné)"_s;
    service.emptyHistoryText = u"Žádná data — zkontroluj token."_s;
    return service;
}

DeployService vercel()
{
    DeployService service;
    service.token = {
        .key = u"vercel"_s,
        .title = u"Vercel"_s,
        .keychainItem = keychainItem(u".vercel-token"),
        .environmentVariables = {u"VERCEL_TOKEN"_s},
    };
    service.projectID = &ProjectConfig::vercelProjectID;
    service.makeClient = &makeClient<VercelClient>;
    service.endpoint = QUrl(u"https://api.vercel.com"_s);
    service.endpointVariable = u"QUAYLIN_VERCEL_API"_s;
    // Vercel gives no text of its own for a failed build.
    service.unnamedFailure = u"build selhal"_s;
    service.addOption = u"--vercel-project"_s;
    service.editorLabel = u"ID projektu na Vercelu"_s;
    service.editorPlaceholder = u"ID projektu z Vercelu (volitelné)"_s;
    return service;
}

TokenService github()
{
    return {
        .key = u"github"_s,
        .title = u"GitHub"_s,
        .keychainItem = keychainItem(u".github-token"),
        .environmentVariables = {u"GH_TOKEN"_s, u"GITHUB_TOKEN"_s},
        .optional = true,
        .explanation = u"Otevřené PR a CI stav aktuální větve. Bez tokenu funguje jen u veřejných "
                       u"repozitářů a s nižším limitem dotazů."_s,
    };
}

ServiceTable table()
{
    ServiceTable services{{netlify(), vercel()}, github()};
    for (DeployService &service : services.deploys)
        service.endpoint = ServiceEndpoints::overridden(service.endpointVariable, service.endpoint);
    return services;
}

} // namespace StandardServices

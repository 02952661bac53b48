// SPDX-License-Identifier: MIT
#include "support/fakedeployservice.h"

#include "app/standardservices.h"
#include "sources/httpfetcher.h"
#include "sources/urlpath.h"
#include "sources/vercelclient.h"

using namespace Qt::StringLiterals;

namespace {

class FakeployClient final : public DeployClient {
public:
    FakeployClient(const HttpFetcher &fetcher, QUrl base)
        : m_fetcher(fetcher)
        , m_base(std::move(base))
    {
    }

    QCoro::Task<DeployResult> fetchDeploys(QString id, QString token, int count) const override
    {
        const QString builds = FakeDeployService::path(UrlPath::escapeSegment(id));
        const QUrl url = UrlPath::join(m_base, builds + u"?limit="_s + QString::number(count));
        const QUrl production = UrlPath::join(m_base, builds + u"?target=production&limit=1"_s);
        co_return co_await fetchDeployList(m_fetcher, url, production, std::move(token),
                                           &VercelClient::decode);
    }

private:
    const HttpFetcher &m_fetcher;
    QUrl m_base;
};

} // namespace

namespace FakeDeployService {

DeployService row(const QUrl &endpoint)
{
    DeployService service;
    service.token = {
        .key = u"fakeploy"_s,
        .title = u"Fakeploy"_s,
        .keychainItem = u"test.quaylin.fakeploy-token"_s,
    };
    service.projectID = &ProjectConfig::siteURL;
    service.makeClient = [](const HttpFetcher &fetcher,
                            QUrl base) -> std::unique_ptr<DeployClient> {
        return std::make_unique<FakeployClient>(fetcher, std::move(base));
    };
    service.endpoint = endpoint;
    service.unnamedFailure = u"sestavení selhalo"_s;
    return service;
}

ServiceTable shippedAt(const QUrl &base)
{
    ServiceTable services = StandardServices::table();
    for (DeployService &service : services.deploys)
        service.endpoint = base;
    return services;
}

ServiceTable tableAt(const QUrl &base)
{
    ServiceTable services = shippedAt(base);
    services.deploys.append(row(base));
    return services;
}

QString path(const QString &projectID)
{
    return u"/fakeploy/v1/projects/"_s + projectID + u"/builds"_s;
}

} // namespace FakeDeployService

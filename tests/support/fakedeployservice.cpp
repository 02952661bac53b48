// SPDX-License-Identifier: MIT
#include "support/fakedeployservice.h"

#include "app/standardservices.h"
#include "model/jsonfields.h"
#include "sources/deployclient.h"
#include "sources/httpfetcher.h"
#include "sources/urlpath.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

// Its own wire format: {"builds": [{"name", "phase", "startedAt" (seconds since 1970)}]}.
class FakeployClient final : public DeployClient {
public:
    FakeployClient(const HttpFetcher &fetcher, QUrl base)
        : m_fetcher(fetcher)
        , m_base(std::move(base))
    {
    }

    QCoro::Task<DeployResult> fetchDeploys(QString id, QString token, int count) const override
    {
        const QUrl url = UrlPath::join(m_base, FakeDeployService::path(UrlPath::escapeSegment(id)) +
                                                   u"?limit="_s + QString::number(count));
        co_return co_await fetchDeployList(m_fetcher, url, std::move(token), &decode);
    }

private:
    static DeployResult decode(const QByteArray &body)
    {
        using enum JsonFields::Need;
        JsonFields json = JsonFields::parseObject(body);
        QList<DeployInfo> deploys;
        for (JsonFields &build : json.objects("builds"_L1, Required)) {
            const QString phase = build.string("phase"_L1, Required).value_or(QString());
            DeployInfo deploy;
            deploy.id = build.string("name"_L1, Required).value_or(QString());
            deploy.state = phase == u"LIVE"      ? u"ready"_s
                           : phase == u"FAILED"  ? u"error"_s
                           : phase == u"RUNNING" ? u"building"_s
                                                 : phase.toLower();
            deploy.createdAt = QDateTime::fromSecsSinceEpoch(
                qint64(build.number("startedAt"_L1, Required).value_or(0)), Qt::UTC);
            deploys.append(deploy);
        }
        if (json.failed())
            return FetchError{json.error()};
        return deploys;
    }

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
        .environmentVariables = {u"FAKEPLOY_TOKEN"_s},
    };
    service.projectID = &ProjectConfig::siteURL;
    service.makeClient = [](const HttpFetcher &fetcher,
                            QUrl base) -> std::unique_ptr<DeployClient> {
        return std::make_unique<FakeployClient>(fetcher, std::move(base));
    };
    service.endpoint = endpoint;
    service.endpointVariable = u"QUAYLIN_FAKEPLOY_API"_s;
    service.unnamedFailure = u"sestavení selhalo"_s;
    service.addOption = u"--fakeploy-project"_s;
    service.editorLabel = u"Fakeploy Project"_s;
    service.editorPlaceholder = u"ID projektu z Fakeploye (volitelné)"_s;
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

QByteArray builds(const QList<std::pair<QString, QString>> &namesAndPhases)
{
    QJsonArray list;
    qint64 startedAt = 1'796'000'000;
    for (const auto &[name, phase] : namesAndPhases)
        list.append(
            QJsonObject{{u"name"_s, name}, {u"phase"_s, phase}, {u"startedAt"_s, startedAt--}});
    return QJsonDocument(QJsonObject{{u"builds"_s, list}}).toJson();
}

} // namespace FakeDeployService

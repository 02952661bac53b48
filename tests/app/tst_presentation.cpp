// SPDX-License-Identifier: MIT
#include "app/attention.h"
#include "app/presentation.h"
#include "i18n/localization.h"
#include "services/languageswitch.h"
#include "services/preferences.h"
#include "support/fakedeployservice.h"
#include "support/testenvironment.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A dirty detached HEAD stopped in a rebase, with stashes.
GitStatus trippedOver(int stashes)
{
    GitStatus git = GitStatus::dirty(u"1a2b3c4"_s, 2, 0, 0);
    git.detached = true;
    git.operation = GitOperation::Rebase;
    git.stashes = stashes;
    return git;
}

GitStatus unpublished()
{
    GitStatus git = GitStatus::clean(u"feature"_s, 0, 0);
    git.unpublished = true;
    return git;
}

ProjectRuntime runtimeOf(const GitStatus &git, const DeployStatus &deploy = {})
{
    ProjectRuntime runtime;
    runtime.git = git;
    runtime.deploy = deploy;
    return runtime;
}

} // namespace

class PresentationTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_preferences.setLanguage(AppLanguage::Cs); }

    void statusTextsFollowTheLanguageOfTheMoment()
    {
        const GitStatus clean = GitStatus::clean(u"main"_s, 0, 0);
        const GitStatus ahead = GitStatus::clean(u"main"_s, 2, 0);
        const GitStatus dirty = GitStatus::dirty(u"main"_s, 5, 1, 3);
        const DeployStatus none = DeployStatus::noDeploys();
        const DeployStatus failed = DeployStatus::buildFailed();
        const GitHubStatus github{2, GitHubStatus::ChecksState::Success};
        const QDateTime reset(QDate(2026, 12, 6), QTime(14, 5)); // local time
        QCOMPARE(Presentation::gitLabel(clean), u"main · čisto"_s);
        QCOMPARE(Presentation::gitLabel(ahead), u"main ↑2"_s);
        QCOMPARE(Presentation::gitLabel(dirty), u"main · 5 změn · ↑1 · ↓3"_s);
        QCOMPARE(Presentation::deployLabel(none), u"Chyba: žádný deploy"_s);
        QCOMPARE(Presentation::deployLabel(failed), u"Chyba: build selhal"_s);
        QCOMPARE(Presentation::gitHubLabel(github), u"2 PR · CI OK"_s);
        QCOMPARE(Presentation::gitHubLimitText(reset), u"GitHub: limit vyčerpán do 14:05"_s);
        QCOMPARE(Presentation::gitLabel(trippedOver(3)),
                 u"Probíhá rebase · 1a2b3c4 · 2 změny · 3 stashe"_s);
        QCOMPARE(Presentation::gitLabel(trippedOver(5)).right(8), u"5 stashů"_s);
        QCOMPARE(Presentation::gitLabel(unpublished()), u"feature · čisto · bez upstreamu"_s);

        // The same records read in English after a switch: nothing translated was stored.
        m_preferences.setLanguage(AppLanguage::En);
        QCOMPARE(Presentation::gitLabel(clean), u"main · clean"_s);
        QCOMPARE(Presentation::gitLabel(dirty), u"main · 5 changes · ↑1 · ↓3"_s);
        QCOMPARE(Presentation::gitLabel(GitStatus::unknown()), u"Loading…"_s);
        QCOMPARE(Presentation::deployLabel(none), u"Error: no deploy"_s);
        QCOMPARE(Presentation::deployLabel(failed), u"Error: build failed"_s);
        QCOMPARE(Presentation::deployLabel(DeployStatus::error(u"HTTP 401"_s)),
                 u"Error: HTTP 401"_s);
        QCOMPARE(Presentation::deployLabel(DeployStatus::error(u"server neodpověděl včas"_s)),
                 u"Error: the server did not answer in time"_s);
        QCOMPARE(Presentation::gitHubLabel({0, GitHubStatus::ChecksState::Pending}),
                 u"CI running"_s);
        QCOMPARE(Presentation::gitHubLabel({}), QString());
        QCOMPARE(Presentation::gitHubLimitText(reset).replace(QChar(0x202f), u' '),
                 u"GitHub: rate limit reached until 2:05 PM"_s);
        QCOMPARE(Presentation::gitLabel(trippedOver(1)),
                 u"Rebase in progress · 1a2b3c4 · 2 changes · 1 stash"_s);
        GitStatus parked = GitStatus::clean(u"1a2b3c4"_s, 0, 0);
        parked.detached = true;
        QCOMPARE(Presentation::gitLabel(parked), u"detached HEAD 1a2b3c4 · clean"_s);
        QCOMPARE(Presentation::gitLabel(unpublished()), u"feature · clean · no upstream"_s);
    }

    void attentionReasons()
    {
        using enum AttentionReason::Kind;
        // A failed deployment wins over a dirty repository, whatever its message (a rejected
        // token included); behind, building and a missing token never count.
        QCOMPARE(Attention::reason(runtimeOf(GitStatus::dirty(u"m"_s, 3, 2, 0),
                                             DeployStatus::error(u"HTTP 401"_s))),
                 AttentionReason{DeployFailed});
        for (const ProjectRuntime &calm :
             {runtimeOf(GitStatus::clean(u"m"_s, 0, 5), DeployStatus::building()),
              runtimeOf(GitStatus::notAvailable(), DeployStatus::tokenMissing()), ProjectRuntime{}})
            QCOMPARE(Attention::reason(calm), std::nullopt);
        // An operation stopped half-way comes before the changes it left; a branch never
        // pushed after them; stashes and a detached HEAD alone are no reason.
        QCOMPARE(Attention::reason(runtimeOf(trippedOver(0))),
                 (AttentionReason{Operation, 0, 0, GitOperation::Rebase}));
        QCOMPARE(Attention::reason(runtimeOf(unpublished())), AttentionReason{Unpublished});
        GitStatus dirtyUnpublished = unpublished();
        dirtyUnpublished.kind = GitStatus::Kind::Dirty;
        dirtyUnpublished.changes = 1;
        QCOMPARE(Attention::reason(runtimeOf(dirtyUnpublished))->kind, Uncommitted);
        GitStatus parked = GitStatus::clean(u"1a2b3c4"_s, 0, 0);
        parked.detached = true;
        parked.stashes = 2;
        QCOMPARE(Attention::reason(runtimeOf(parked)), std::nullopt);
        QCOMPARE(Presentation::attentionText(*Attention::reason(runtimeOf(unpublished()))),
                 u"Větev nikdy nepushnuta"_s);

        // Every fragment agrees with its number: Czech 1 / 2–4 / 0 and 5+, English 1 / other.
        const QList<std::tuple<AttentionReason, QString, QString>> rows{
            {{Uncommitted, 1, 0}, u"1 nezacommitovaná změna"_s, u"1 uncommitted change"_s},
            {{Uncommitted, 4, 0}, u"4 nezacommitované změny"_s, u"4 uncommitted changes"_s},
            {{Uncommitted, 5, 0}, u"5 nezacommitovaných změn"_s, u"5 uncommitted changes"_s},
            {{Unpushed, 0, 1}, u"1 commit nepushnut"_s, u"1 commit not pushed"_s},
            {{Unpushed, 0, 3}, u"3 commity nepushnuty"_s, u"3 commits not pushed"_s},
            {{Unpushed, 0, 12}, u"12 commitů nepushnuto"_s, u"12 commits not pushed"_s},
            {{UncommittedAndUnpushed, 1, 2},
             u"1 změna · 2 nepushnuto"_s,
             u"1 change · 2 not pushed"_s},
            {{UncommittedAndUnpushed, 22, 1},
             u"22 změn · 1 nepushnuto"_s,
             u"22 changes · 1 not pushed"_s},
            {{DeployFailed}, u"Deploy selhal"_s, u"Deploy failed"_s},
        };
        for (const auto &[reason, czech, english] : rows) {
            m_preferences.setLanguage(AppLanguage::Cs);
            QCOMPARE(Presentation::attentionText(reason), czech);
            m_preferences.setLanguage(AppLanguage::En);
            QCOMPARE(Presentation::attentionText(reason), english);
        }
        QCOMPARE(Presentation::openTasksText(1), u"1 open task"_s);
        QCOMPARE(Presentation::projectsWord(0), u"projects"_s);
    }

    void colours()
    {
        using enum StatusColor;
        const DeployStatus ready = DeployStatus::ready(QDateTime::currentDateTimeUtc());
        // Combined sidebar colour, in its order of rules.
        const QList<std::tuple<GitStatus, DeployStatus, StatusColor>> rows{
            {GitStatus::clean(u"m"_s, 0, 0), DeployStatus::error(u"x"_s), Red},
            {GitStatus::dirty(u"m"_s, 1, 0, 0), ready, Yellow},
            {GitStatus::clean(u"m"_s, 1, 0), ready, Yellow},
            {GitStatus::clean(u"m"_s, 0, 0), DeployStatus::building(), Yellow},
            {unpublished(), ready, Yellow},
            {GitStatus::clean(u"m"_s, 0, 3), DeployStatus::notConfigured(), Green},
            {GitStatus::notAvailable(), ready, Green},
            {GitStatus::unknown(), DeployStatus::tokenMissing(), Gray},
        };
        for (const auto &[git, deploy, colour] : rows)
            QCOMPARE(Presentation::combinedColor(runtimeOf(git, deploy)), colour);

        QCOMPARE(Presentation::gitHubColor({1, GitHubStatus::ChecksState::None}), Yellow);
        QCOMPARE(Presentation::gitHubColor({0, GitHubStatus::ChecksState::Failure}), Red);
        QVERIFY(!Presentation::showsGitHub(GitHubStatus{}));
        QVERIFY(Presentation::showsGitHub(GitHubStatus{1, GitHubStatus::ChecksState::None}));
    }

    // A deployment is shown under the first service of the table whose id the project has.
    // Fakeploy, known to the tests only, keeps its id in the site address.
    void deploymentsAreShownUnderTheFirstServiceWithAnId()
    {
        const ServiceTable services = FakeDeployService::tableAt(QUrl(u"http://127.0.0.1:9"_s));
        const auto shownUnder = [&](const ProjectConfig &project) {
            const DeployService *service = services.deployServiceOf(project);
            return service ? service->token.title : QString();
        };
        ProjectConfig project;
        project.siteURL = QString(); // empty is no id
        QCOMPARE(shownUnder(project), QString());
        project.siteURL = u"fp-1"_s;
        QCOMPARE(shownUnder(project), u"Fakeploy"_s);
        project.vercelProjectID = u"prj"_s;
        QCOMPARE(shownUnder(project), u"Vercel"_s);
        project.netlifySiteID = u"site"_s;
        QCOMPARE(shownUnder(project), u"Netlify"_s);
    }

    void deployHistoryOutcomes()
    {
        QCOMPARE(Presentation::deployOutcome(u"current"_s).color, StatusColor::Green);
        QCOMPARE(Presentation::deployOutcome(u"uploaded"_s).word, u"Běží"_s);
        for (const QString &state : {u""_s, u"error"_s, u"READY"_s})
            QCOMPARE(Presentation::deployOutcome(state).word, u"Selhal"_s);
    }

private:
    TestEnvironment m_environment;
    Preferences m_preferences; // after the environment: reads its settings
    LanguageSwitch m_language{m_preferences};
};

QTEST_GUILESS_MAIN(PresentationTest)
#include "tst_presentation.moc"

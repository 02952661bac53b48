// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include "ui/board/cardlistview.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/iconbutton.h"
#include "ui/components/statuschip.h"
#include "ui/detail/commitsuggestion.h"
#include "ui/detail/commitsuggestionsheet.h"
#include "ui/detail/historyrows.h"
#include "ui/detail/projectdetailview.h"
#include "ui/detail/rowsbox.h"
#include "ui/detail/statuschiprow.h"

#include <QCoroTask>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using ChecksState = GitHubStatus::ChecksState;

class TestDetail final : public QObject {
    Q_OBJECT

    std::unique_ptr<UiFixture> f;
    std::unique_ptr<ProjectDetailView> view;

    ProjectConfig add(const std::function<void(ProjectConfig &)> &change)
    {
        ProjectConfig project = makeProject(u"Web"_s);
        change(project);
        f->model().addProject(project);
        return project;
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<UiFixture>();
        view = std::make_unique<ProjectDetailView>(f->context());
        view->resize(1000, 800);
    }
    void cleanup()
    {
        view.reset();
        f.reset();
    }

    void chips_data();
    void chips();
    void emptyBoxes_data();
    void emptyBoxes();
    void historyRowsWordTheOutcome();
    void headerActionsOpenWhatTheyName();
    void commitMessage_data();
    void commitMessage();
    void commitSuggestionCopiesAndClears();
    void followsTheModel();
    void relativeTimesAdvanceWhileShown();
    void pageFollowsTheKeyboardThroughTheBoard();
};

void TestDetail::chips_data()
{
    QTest::addColumn<ProjectConfig>("project");
    QTest::addColumn<ProjectRuntime>("runtime");
    QTest::addColumn<StatusColor>("git");
    QTest::addColumn<QString>("deployTitle"); // empty: no chip
    QTest::addColumn<StatusColor>("deploy");
    QTest::addColumn<bool>("gitHubShown");
    QTest::addColumn<StatusColor>("gitHub");

    ProjectConfig plain = makeProject(u"p"_s);
    ProjectConfig both = plain;
    both.netlifySiteID = u"site"_s;
    both.vercelProjectID = u"prj"_s;
    ProjectConfig vercel = plain;
    vercel.vercelProjectID = u"prj"_s;
    const auto runtime = [](GitStatus git, DeployStatus deploy,
                            std::optional<GitHubStatus> github = {}) {
        ProjectRuntime result;
        result.git = git;
        result.deploy = deploy;
        result.github = github;
        return result;
    };

    QTest::newRow("not refreshed yet")
        << both << ProjectRuntime{} << StatusColor::Gray << u"Netlify"_s << StatusColor::Gray
        << false << StatusColor::Gray;
    QTest::newRow("clean, two ahead; Vercel ready")
        << vercel << runtime(GitStatus::clean(u"main"_s, 2, 0), DeployStatus::ready(QDateTime()))
        << StatusColor::Yellow << u"Vercel"_s << StatusColor::Green << false << StatusColor::Gray;
    QTest::newRow("clean; no deploy target; no pull requests or checks")
        << plain
        << runtime(GitStatus::clean(u"main"_s, 0, 3), DeployStatus::notConfigured(),
                   GitHubStatus{0, ChecksState::None})
        << StatusColor::Green << QString() << StatusColor::Gray << false << StatusColor::Gray;
    QTest::newRow("dirty; building; one pull request without checks")
        << both
        << runtime(GitStatus::dirty(u"dev"_s, 3, 0, 0), DeployStatus::building(),
                   GitHubStatus{1, ChecksState::None})
        << StatusColor::Yellow << u"Netlify"_s << StatusColor::Yellow << true
        << StatusColor::Yellow;
    QTest::newRow("no git; failed deploy; failing checks")
        << both
        << runtime(GitStatus::notAvailable(), DeployStatus::error(u"boom"_s),
                   GitHubStatus{0, ChecksState::Failure})
        << StatusColor::Gray << u"Netlify"_s << StatusColor::Red << true << StatusColor::Red;
    QTest::newRow("token missing; checks pass")
        << both
        << runtime(GitStatus::clean(u"main"_s, 0, 0), DeployStatus::tokenMissing(),
                   GitHubStatus{0, ChecksState::Success})
        << StatusColor::Green << u"Netlify"_s << StatusColor::Gray << true << StatusColor::Green;
}

void TestDetail::chips()
{
    QFETCH(ProjectConfig, project);
    QFETCH(ProjectRuntime, runtime);
    QFETCH(StatusColor, git);
    QFETCH(QString, deployTitle);
    QFETCH(StatusColor, deploy);
    QFETCH(bool, gitHubShown);
    QFETCH(StatusColor, gitHub);

    StatusChipRow row;
    row.show();
    const ServiceTable services = StandardServices::table();
    row.setStatus(services.deployServiceOf(project), runtime, f->data.clock);
    QCOMPARE(row.gitChip()->status(), git);
    QCOMPARE(row.gitChip()->title(), u"Git"_s);
    QCOMPARE(row.deployChip()->isVisible(), !deployTitle.isEmpty());
    if (!deployTitle.isEmpty()) {
        QCOMPARE(row.deployChip()->title(), deployTitle);
        QCOMPARE(row.deployChip()->status(), deploy);
    }
    QCOMPARE(row.gitHubChip()->isVisible(), gitHubShown);
    if (gitHubShown)
        QCOMPARE(row.gitHubChip()->status(), gitHub);
}

void TestDetail::emptyBoxes_data()
{
    QTest::addColumn<std::optional<QString>>("netlify");
    QTest::addColumn<bool>("vercel");
    QTest::addColumn<QString>("deployText");
    const std::optional<QString> site = u"site"_s;
    const std::optional<QString> none;
    QTest::newRow("netlify") << site << false << u"Žádná data — zkontroluj token."_s;
    QTest::newRow("netlify and vercel") << site << true << u"Žádná data — zkontroluj token."_s;
    QTest::newRow("vercel only") << none << true << u"Projekt nemá napojené Netlify."_s;
    QTest::newRow("neither") << none << false << u"Projekt nemá napojené Netlify."_s;
    // A blank site id from a hand-edited file is no site, as the refresh treats it.
    QTest::newRow("blank netlify and vercel")
        << std::optional<QString>(QString()) << true << u"Projekt nemá napojené Netlify."_s;
}

void TestDetail::emptyBoxes()
{
    QFETCH(std::optional<QString>, netlify);
    QFETCH(bool, vercel);
    QFETCH(QString, deployText);
    const ProjectConfig project = add([&](ProjectConfig &p) {
        p.netlifySiteID = netlify;
        if (vercel)
            p.vercelProjectID = u"prj"_s;
    });
    view->setProject(project.id);
    QCOMPARE(view->findChild<RowsBox *>(u"deployHistoryBox"_s)->emptyText(), deployText);
    QCOMPARE(view->findChild<RowsBox *>(u"recentCommitsBox"_s)->emptyText(),
             u"Žádné commity — repo je prázdné nebo bez gitu."_s);
}

void TestDetail::historyRowsWordTheOutcome()
{
    const QPalette palette;
    const QDateTime now = f->data.clock;
    const QList<DeployInfo> deploys{{u"1"_s, u"current"_s, now, {}, u"main"_s},
                                    {u"2"_s, u"enqueued"_s, now, {}, {}, DeployContext::Preview},
                                    {u"3"_s, QString(), now, {}, {}, DeployContext::Branch},
                                    {u"4"_s, u"weird"_s, now, {}, {}}};
    RowsBox box(u"cloud"_s);
    box.showRows(HistoryRows::deploys(deploys, now, palette));
    QCOMPARE(box.rowCount(), 4);
    QCOMPARE(box.findChildren<QWidget *>(u"rowDivider"_s).size(), 3);
    QStringList words;
    QList<QColor> colors;
    for (auto *word : box.findChildren<ElidedLabel *>(u"deployOutcome"_s))
        words.append(word->text());
    QCOMPARE(words, (QStringList{u"Úspěch"_s, u"Běží"_s, u"Selhal"_s, u"Selhal"_s}));
    QCOMPARE(box.findChildren<ElidedLabel *>(u"deployBranch"_s).size(), 1);
    // Previews and branch deploys say so; production rows carry no mark.
    QStringList contexts;
    for (auto *mark : box.findChildren<ElidedLabel *>(u"deployContext"_s))
        contexts.append(mark->text());
    QCOMPARE(contexts, (QStringList{u"náhled"_s, u"větev"_s}));

    // A commit's time is worded from its date, in the interface language.
    box.showRows(HistoryRows::commits({{u"abc1234"_s, u"Fix the header"_s, now.addSecs(-300)}}, now,
                                      palette));
    QCOMPARE(box.findChild<ElidedLabel *>(u"commitId"_s)->text(), u"abc1234"_s);
    QVERIFY(box.findChild<ElidedLabel *>(u"commitWhen"_s)->text().startsWith(u"před 5"_s));
    QCOMPARE(box.findChildren<QWidget *>(u"rowDivider"_s).size(), 0);
}

void TestDetail::headerActionsOpenWhatTheyName()
{
    const ProjectConfig project = add([](ProjectConfig &p) {
        p.siteURL = u"not a url"_s;
        p.githubURL = u"https://github.com/me/web"_s;
        p.localPath = u"/home/me/web"_s;
    });
    f->desktop.terminal.available = false;
    f->addCard(project.id, u"úkol"_s, KanbanColumn::Idea,
               [&](TaskCard &card) { card.labelIDs = {f->model().labels()[0].id}; });
    view->setProject(project.id);
    view->show();
    QCOMPARE(unnamedControls(view.get()), QStringList());
    QVERIFY(!view->findChild<QPushButton *>(u"openWebButton"_s)->isVisible());
    QVERIFY(!view->findChild<QPushButton *>(u"openTerminalButton"_s)->isVisible());
    view->findChild<QPushButton *>(u"openGitHubButton"_s)->click();
    view->findChild<QPushButton *>(u"openFolderButton"_s)->click();
    auto *editor = view->findChild<QPushButton *>(u"openEditorButton"_s);
    QCOMPARE(editor->text(), u"Visual Studio Code"_s);
    editor->click();
    QCOMPARE(f->desktop.urls.urls, QList<QUrl>{QUrl(u"https://github.com/me/web"_s)});
    QCOMPARE(f->desktop.urls.folders, QStringList{u"/home/me/web"_s});
    QCOMPARE(f->desktop.editor.opened, QStringList{u"/home/me/web"_s});

    QSignalSpy edit(view.get(), &ProjectDetailView::editRequested);
    auto *pencil = view->findChild<IconButton *>(u"editProjectButton"_s);
    QCOMPARE(pencil->accessibleName(), u"Upravit projekt"_s);
    pencil->click();
    QCOMPARE(edit.size(), 1);
    QCOMPARE(edit.first().first().toUuid(), project.id);

    ProjectConfig changed = *f->model().project(project.id);
    changed.siteURL = u"example.com"_s;
    f->model().updateProject(changed);
    view->findChild<QPushButton *>(u"openWebButton"_s)->click();
    QCOMPARE(f->desktop.urls.urls.constLast(), QUrl(u"https://example.com"_s));
}

void TestDetail::commitMessage_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("deployFix");
    QTest::addColumn<QString>("message");
    QTest::newRow("deploy fix: lower case") << u"Oprav build"_s << true << u"fix: oprav build"_s;
    QTest::newRow("task: as stored") << u"Přidat Login"_s << false << u"feat: Přidat Login"_s;
    QTest::newRow("spaces kept") << u" Úprava "_s << false << u"feat:  Úprava "_s;
}

void TestDetail::commitMessage()
{
    QFETCH(QString, title);
    QFETCH(bool, deployFix);
    QFETCH(QString, message);
    TaskCard card;
    card.title = title;
    card.note = u"not part of it"_s;
    card.isDeployFix = deployFix;
    QCOMPARE(CommitSuggestion::message(card), message);
}

void TestDetail::commitSuggestionCopiesAndClears()
{
    const ProjectConfig project = add([](ProjectConfig &) {});
    view->setProject(project.id);
    view->show();
    const QUuid id = f->addCard(project.id, u"Přidat Login"_s, KanbanColumn::Doing).id;
    f->model().moveCard(id, KanbanColumn::Done, std::nullopt);
    QTRY_VERIFY(view->commitSuggestionSheet() && view->commitSuggestionSheet()->isVisible());
    CommitSuggestionSheet *sheet = view->commitSuggestionSheet();
    auto *field = sheet->findChild<QLineEdit *>(u"commitMessageField"_s);
    auto *copy = sheet->findChild<QPushButton *>(u"copyCommitMessageButton"_s);
    QCOMPARE(field->text(), u"feat: Přidat Login"_s);
    QCOMPARE(copy->text(), u"Zkopírovat"_s);

    field->setText(u"feat: login"_s);
    copy->click();
    QCOMPARE(f->desktop.clipboard.text, u"feat: login"_s);
    QCOMPARE(copy->text(), u"Zkopírováno"_s);
    QTest::keyClicks(field, u"!"_s);
    QCOMPARE(copy->text(), u"Zkopírováno"_s); // an edit after copying does not reset it
    QVERIFY(sheet->isVisible());

    sheet->findChild<QPushButton *>(u"closeCommitSuggestionButton"_s)->click();
    QVERIFY(!f->model().commitSuggestionCard());

    // Escape dismisses too; the next finished card starts afresh.
    f->model().moveCard(id, KanbanColumn::Doing, std::nullopt);
    f->model().moveCard(id, KanbanColumn::Done, std::nullopt);
    QTRY_VERIFY(view->commitSuggestionSheet() && view->commitSuggestionSheet()->isVisible());
    QCOMPARE(view->commitSuggestionSheet()
                 ->findChild<QPushButton *>(u"copyCommitMessageButton"_s)
                 ->text(),
             u"Zkopírovat"_s);
    QTest::keyClick(view->commitSuggestionSheet(), Qt::Key_Escape);
    QVERIFY(!f->model().commitSuggestionCard());
}

void TestDetail::followsTheModel()
{
    const ProjectConfig project = add([](ProjectConfig &) {});
    view->setProject(project.id);
    view->show();
    ProjectConfig renamed = project;
    renamed.name = u"Nový název"_s;
    f->model().updateProject(renamed);
    QCOMPARE(view->findChild<ElidedLabel *>(u"projectName"_s)->text(), u"Nový název"_s);
    f->model().removeProject(*f->model().project(project.id));
    QVERIFY(!view->findChild<ElidedLabel *>(u"projectName"_s)->isVisible());
}

void TestDetail::relativeTimesAdvanceWhileShown()
{
    const QString repo = existingFolder(*f, u"web"_s);
    QVERIFY(makeRepository(repo));
    const ProjectConfig project = add([&](ProjectConfig &p) { p.localPath = repo; });
    QCoro::waitFor(f->model().refreshes().refreshGit());
    view->setProject(project.id);
    view->show();
    auto *ticker = view->findChild<QTimer *>(u"relativeTimeTicker"_s);
    QVERIFY(ticker->isActive());
    const auto when = [&] { return view->findChild<ElidedLabel *>(u"commitWhen"_s)->text(); };
    const QString before = when();
    f->data.clock = f->data.clock.addDays(400);
    ticker->setInterval(1);
    QTRY_VERIFY(when() != before);
    view->hide();
    QVERIFY(!ticker->isActive());
}

void TestDetail::pageFollowsTheKeyboardThroughTheBoard()
{
    const ProjectConfig project = add([](ProjectConfig &) {});
    for (int i = 0; i < 40; ++i)
        f->addCard(project.id, u"úkol %1"_s.arg(i), KanbanColumn::Idea);
    view->setProject(project.id);
    view->show();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    auto *page = view->findChild<QScrollArea *>(u"projectDetailScroll"_s);
    auto *list = view->findChild<CardListView *>(u"ideaCardList"_s);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QTRY_VERIFY(page->verticalScrollBar()->value() > 0);
    const QRect tile = list->visualRect(list->currentIndex());
    const QPoint top = list->viewport()->mapTo(page->viewport(), tile.topLeft());
    QVERIFY(page->viewport()->rect().contains(QRect(top, tile.size())));
    QCOMPARE(list->verticalScrollBar()->value(), 0); // the list itself never scrolls

    // A refresh of the project keeps the page where it is.
    const int scrolled = page->verticalScrollBar()->value();
    ProjectConfig renamed = project;
    renamed.name = u"Jinak"_s;
    f->model().updateProject(renamed);
    f->addCard(project.id, u"nový"_s, KanbanColumn::Done);
    QCOMPARE(page->verticalScrollBar()->value(), scrolled);
    QCOMPARE(list->currentIndex().row(), 39);
}

QTEST_MAIN(TestDetail)
#include "tst_detail.moc"

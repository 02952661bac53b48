// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include "support/fakeservice.h"
#include "ui/components/statchip.h"
#include "ui/main/attentionlist.h"
#include "ui/main/attentionmodel.h"
#include "ui/main/attentionsection.h"
#include "ui/main/overviewmodel.h"
#include "ui/main/overviewview.h"
#include "ui/main/projectgrid.h"
#include "ui/main/welcomeview.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using Button = ProjectCardDelegate::Button;

namespace {

template<typename T> T *child(QWidget &parent, const QString &name)
{
    return parent.findChild<T *>(name);
}

bool shown(QWidget &parent, const QString &name)
{
    auto *widget = parent.findChild<QWidget *>(name);
    return widget && widget->isVisibleTo(&parent);
}

} // namespace

class OverviewTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cardsFollowTheModelByRows()
    {
        UiFixture f;
        ProjectConfig a = makeProject(u"A"_s, 2), b = makeProject(u"B"_s, 1);
        b.status = ProjectStatus::Done;
        AppModel &model = f.open({a, b});
        OverviewModel cards(model);
        QAbstractItemModelTester tester(&cards,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(rowIds(cards, OverviewModel::ProjectIdRole), QList<QUuid>({b.id, a.id}));
        cards.setStatusFilter(ProjectStatus::Done);
        QCOMPARE(rowIds(cards, OverviewModel::ProjectIdRole), QList<QUuid>({b.id}));
        cards.setStatusFilter(std::nullopt);

        QSignalSpy changed(&cards, &QAbstractItemModel::dataChanged);
        QSignalSpy resets(&cards, &QAbstractItemModel::modelReset);
        model.addCard(a.id, u"Úkol"_s, {}, KanbanColumn::Doing);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(cards.card(cards.indexOf(a.id)).openTasks, 1);
        Q_EMIT model.runtimeChanged(b.id);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().first().toModelIndex(), cards.indexOf(b.id));
        model.reorderProject(a.id, b.id, std::nullopt);
        QCOMPARE(rowIds(cards, OverviewModel::ProjectIdRole), QList<QUuid>({a.id, b.id}));
        QCOMPARE(resets.count(), 0);
    }

    void showsWelcomeNoMatchOrTheGrid()
    {
        UiFixture f;
        AppModel &model = f.open();
        OverviewView view(f.context());
        QVERIFY(shown(view, u"welcomeView"_s));
        QVERIFY(!shown(view, u"overviewGrid"_s));
        QCOMPARE(child<StatChip>(view, u"statProjects"_s)->value(), 0);
        QCOMPARE(child<StatChip>(view, u"statOpenTasks"_s)->value(), 0);
        QSignalSpy add(&view, &OverviewView::addProjectRequested);
        child<QPushButton>(view, u"welcomeAddProjectButton"_s)->click();
        QCOMPARE(add.count(), 1);

        model.addProject(makeProject(u"A"_s));
        QVERIFY(!shown(view, u"welcomeView"_s));
        QVERIFY(shown(view, u"overviewGrid"_s));
        QCOMPARE(child<StatChip>(view, u"statProjects"_s)->value(), 1);
        view.setStatusFilter(ProjectStatus::Parked);
        QVERIFY(shown(view, u"noMatchView"_s));
        QVERIFY(!shown(view, u"overviewGrid"_s));
        view.setStatusFilter(std::nullopt);
        QVERIFY(!shown(view, u"noMatchView"_s));
        QVERIFY(shown(view, u"overviewGrid"_s));
    }

    void chipsAndBannersComeAndGo()
    {
        UiFixture f;
        const ProjectConfig a = makeProject(u"A"_s);
        AppModel &model = f.open({a});
        FakeService service;
        service.serve(u"/version.json"_s, 200,
                      "{\"version\": \"9.0\", \"url\": \"https://example.com/q.dmg\"}");
        UpdateChecker updates(f.data.network, service.base().resolved(QUrl(u"/version.json"_s)),
                              u"1.0"_s, f.data.preferences);
        UiContext context{model, updates, f.data.preferences, f.desktop.desktop(), f.hotKey};
        OverviewView view(context);

        // Overdue shows only while a card is overdue.
        model.addCard(a.id, u"Úkol"_s, {}, KanbanColumn::Idea);
        const QUuid card = model.cards().first().id;
        QVERIFY(!shown(view, u"statOverdue"_s));
        model.setDueDate(f.data.clock.addDays(-1), card);
        QVERIFY(shown(view, u"statOverdue"_s));
        QCOMPARE(child<StatChip>(view, u"statOverdue"_s)->value(), 1);
        model.setDueDate(std::nullopt, card);
        QVERIFY(!shown(view, u"statOverdue"_s));

        // The update banner: only while a newer version is known and not skipped.
        QVERIFY(!shown(view, u"updateBanner"_s));
        QCoro::waitFor(updates.checkForUpdate());
        QVERIFY(shown(view, u"updateBanner"_s));
        child<QPushButton>(view, u"updateDownloadButton"_s)->click();
        QCOMPARE(f.desktop.urls.urls, QList<QUrl>({QUrl(u"https://example.com/q.dmg"_s)}));
        child<QPushButton>(view, u"updateSkipButton"_s)->click();
        QVERIFY(!shown(view, u"updateBanner"_s));

        // The token banner: saving needs text, and a saved token hides it.
        auto *field = child<QLineEdit>(view, u"tokenBannerField"_s);
        auto *save = child<QPushButton>(view, u"tokenBannerSaveButton"_s);
        QVERIFY(shown(view, u"tokenBanner"_s));
        QVERIFY(!save->isEnabled());
        f.tokens.refusesSaves = true; // no keychain: the banner stays and says why
        QTest::keyClicks(field, u"secret"_s);
        save->click();
        auto *bannerText =
            child<QWidget>(view, u"tokenBanner"_s)->findChild<QLabel *>(u"bannerText"_s);
        QTRY_VERIFY(bannerText->text().contains(u"klíčenky"_s));
        QVERIFY(shown(view, u"tokenBanner"_s));
        QVERIFY(field->text().isEmpty());
        f.tokens.refusesSaves = false;
        QTest::keyClicks(field, u"secret"_s);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(model.tokens().token(StandardServices::netlify().token), u"secret"_s);
        QVERIFY(!shown(view, u"tokenBanner"_s));
    }

    void attentionRowsAndCardsSelectProjects()
    {
        UiFixture f;
        const QString path = existingFolder(f, u"site"_s);
        QVERIFY(makeRepository(path));
        QVERIFY(writeFile(path + u"/new.txt"_s, "x"));
        ProjectConfig site = makeProject(u"Site"_s, 1, {}, path);
        site.siteURL = u"example.com"_s;
        site.githubURL = u"https://github.com/o/site"_s;
        AppModel &model = f.open({site, makeProject(u"Calm"_s, 2)});
        OverviewView view(f.context());
        view.resize(900, 700);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy activated(&view, &OverviewView::projectActivated);

        auto *section = child<AttentionSection>(view, u"attentionSection"_s);
        QAbstractItemModelTester tester(section->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto reason = [section] {
            return section->model()->index(0).data(AttentionModel::ReasonRole).toString();
        };
        QVERIFY(!shown(view, u"attentionSection"_s));
        QCoro::waitFor(model.refreshes().refreshGit());
        QTRY_VERIFY(shown(view, u"attentionSection"_s));
        QCOMPARE(rowIds(*section->model(), AttentionModel::ProjectIdRole),
                 QList<QUuid>({site.id})); // the one with changes only
        QCOMPARE(reason(), u"1 nezacommitovaná změna"_s);
        // A new reason repaints the row it stands in.
        QSignalSpy reworded(section->model(), &QAbstractItemModel::dataChanged);
        QVERIFY(writeFile(path + u"/other.txt"_s, "y"));
        QCoro::waitFor(model.refreshes().refreshGit());
        QTRY_COMPARE(reworded.count(), 1);
        QCOMPARE(reworded.first().first().toModelIndex().row(), 0);
        QCOMPARE(reason(), u"2 nezacommitované změny"_s);
        AttentionList *list = section->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(section->model()->index(0)).center());
        QCOMPARE(activated.last().first().toUuid(), site.id);

        // A card's buttons open what they show; elsewhere the card selects its project.
        ProjectGrid *grid = view.grid();
        const QModelIndex index = view.model()->indexOf(site.id);
        const auto parts =
            grid->cardDelegate()->layout(grid->visualRect(index), view.model()->card(index));
        QList<Button> buttons;
        for (const auto &part : parts.buttons) {
            buttons.append(part.button);
            grid->clickAt(part.rect.center().toPoint());
        }
        QCOMPARE(buttons,
                 QList<Button>({Button::Website, Button::GitHub, Button::Folder, Button::Editor}));
        QCOMPARE(f.desktop.urls.urls, QList<QUrl>({QUrl(u"https://example.com"_s),
                                                   QUrl(u"https://github.com/o/site"_s)}));
        QCOMPARE(f.desktop.urls.folders, QStringList({path}));
        QCOMPARE(f.desktop.editor.opened, QStringList({path}));
        QCOMPARE(activated.count(), 1);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, parts.name.center().toPoint());
        QCOMPARE(activated.count(), 2);
        QCOMPARE(activated.last().first().toUuid(), site.id);

        // A 500-character name with line breaks changes neither the card height nor the
        // width the overview asks for.
        ProjectConfig longName = *model.project(site.id);
        longName.name = u"ديناميكي 🚀\n"_s + QString(500, u'm');
        model.updateProject(longName);
        QCOMPARE(grid->visualRect(view.model()->indexOf(site.id)).height(),
                 ProjectCardDelegate::cardHeight + 2 * ProjectCardDelegate::cellMargin);
        QVERIFY(view.widget()->minimumSizeHint().width() < 700);
    }

    void gridColumnsAdaptToTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("cardWidth");
        QTest::newRow("narrow") << 250 << 1 << 234;
        QTest::newRow("one") << 300 << 1 << 284;
        QTest::newRow("one at most 360") << 560 << 1 << 360;
        QTest::newRow("two") << 572 << 2 << 270;
        QTest::newRow("three") << 1000 << 3 << 317;
    }

    void gridColumnsAdaptToTheWidth()
    {
        QFETCH(int, width);
        QFETCH(int, columns);
        QFETCH(int, cardWidth);
        QCOMPARE(ProjectGrid::columnsFor(width), (ProjectGrid::Columns{columns, cardWidth}));
    }
};

QTEST_MAIN(OverviewTest)
#include "tst_overview.moc"

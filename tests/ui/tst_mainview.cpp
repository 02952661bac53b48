// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include "model/recordjson.h"
#include "ui/detail/projectdetailview.h"
#include "ui/editor/projecteditor.h"
#include "ui/main/mainview.h"
#include "ui/main/overviewview.h"
#include "ui/main/renamefoldersheet.h"
#include "ui/main/sidebar.h"
#include "ui/main/sidebarmodel.h"
#include "ui/settings/settingssheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

namespace {

void showView(MainView &view)
{
    view.resize(1060, 700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
}

bool shown(QWidget &parent, const QString &name)
{
    auto *widget = parent.findChild<QWidget *>(name);
    return widget && widget->isVisibleTo(&parent);
}

} // namespace

class MainViewTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void selectionIsRestoredStoredAndLeftWithTheProject()
    {
        UiFixture f;
        const ProjectConfig a = makeProject(u"A"_s, 1), b = makeProject(u"B"_s, 2);
        AppModel &model = f.open({a, b});
        f.data.preferences.setLastSelection(RecordJson::uuidText(b.id));
        MainView view(f.context());
        showView(view);
        QCOMPARE(view.selection(), b.id);
        QCOMPARE(view.currentDetail(), view.detail());
        QCOMPARE(view.detail()->projectID(), b.id);

        view.select(std::nullopt);
        QCOMPARE(f.data.preferences.lastSelection(), QString());
        QCOMPARE(view.currentDetail(), view.overview());
        view.select(QUuid::createUuid()); // not a tracked project: the overview
        QCOMPARE(view.selection(), std::nullopt);
        view.select(a.id);
        QCOMPARE(f.data.preferences.lastSelection(), RecordJson::uuidText(a.id));

        // The detail view's edit button opens the editor for its project.
        Q_EMIT view.detail()->editRequested(a.id);
        auto *editor = view.findChild<ProjectEditor *>();
        QVERIFY(editor);
        QCOMPARE(editor->projectID(), a.id);
        editor->reject();

        // Cancelling the removal keeps everything; confirming it returns to the overview.
        view.confirmRemoval(a.id);
        QMessageBox *box = openBox(u"removeProjectConfirmation"_s);
        QVERIFY(box);
        box->findChild<QPushButton *>(u"cancelButton"_s)->click();
        QCOMPARE(model.projects().size(), 2);
        QCOMPARE(view.selection(), a.id);
        view.confirmRemoval(a.id);
        openBox(u"removeProjectConfirmation"_s)
            ->findChild<QPushButton *>(u"confirmButton"_s)
            ->click();
        QCOMPARE(model.projects().size(), 1);
        QCOMPARE(view.selection(), std::nullopt);
        QCOMPARE(view.currentDetail(), view.overview());
        QCOMPARE(f.data.preferences.lastSelection(), QString());

        // A project removed elsewhere (here: a restored backup without it) leaves as well.
        view.select(b.id);
        model.removeProject(*model.project(b.id));
        QCOMPARE(view.selection(), std::nullopt);
    }

    void menuCommandsSheetsAndRename()
    {
        UiFixture f;
        AppModel &model = f.open({makeProject(u"A"_s)});
        MainView view(f.context());
        showView(view);
        f.desktop.commands.requestNewProject();
        auto *editor = view.findChild<ProjectEditor *>();
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->projectID(), std::nullopt);
        f.desktop.commands.requestNewProject(); // one editor at a time
        QCOMPARE(view.findChildren<ProjectEditor *>().size(), 1);
        editor->reject();

        QSignalSpy refreshed(&model.refreshes(), &RefreshScheduler::lastRefreshChanged);
        f.desktop.commands.requestRefresh();
        QVERIFY(refreshed.wait(20'000));

        view.sidebar()->findChild<QAbstractButton *>(u"sidebarSettingsButton"_s)->click();
        QVERIFY(view.findChild<SettingsSheet *>());

        model.addFolder(u"Old"_s);
        const QUuid folder = model.folders().first().id;
        view.openRenameFolder(folder);
        auto *sheet = view.findChild<RenameFolderSheet *>();
        auto *field = sheet->findChild<QLineEdit *>(u"renameFolderField"_s);
        auto *save = sheet->findChild<QPushButton *>(u"renameFolderSaveButton"_s);
        QCOMPARE(field->text(), u"Old"_s);
        field->setText(u" \n "_s);
        QVERIFY(!save->isEnabled());
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(model.folder(folder)->name, u"Old"_s);
        field->setText(u" New "_s);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(model.folder(folder)->name, u"New"_s);
    }

    void noticesSayWhereTheDataIs()
    {
        UiFixture f;
        QVERIFY(writeFile(f.data.dataFile(), "{ not json"));
        AppModel &model = f.open();
        MainView view(f.context());
        showView(view);
        QVERIFY(!model.dataFile().setAsidePath().isEmpty());
        QVERIFY(shown(view, u"setAsideBanner"_s));
        const auto text = [&](const QString &banner) {
            return view.findChild<QWidget *>(banner)->findChild<QLabel *>(u"bannerText"_s)->text();
        };
        QVERIFY(text(u"setAsideBanner"_s).contains(model.dataFile().setAsidePath()));
        view.findChild<QAbstractButton *>(u"setAsideCloseButton"_s)->click();
        QVERIFY(!shown(view, u"setAsideBanner"_s));

        // A directory where the data file goes makes every save fail, until it is gone.
        QVERIFY(!shown(view, u"saveErrorBanner"_s));
        QFile::remove(f.data.dataFile());
        QVERIFY(QDir().mkpath(f.data.dataFile()));
        model.addFolder(u"A"_s);
        model.dataFile().waitForPendingSaves();
        QVERIFY(model.dataFile().saveError());
        QVERIFY(shown(view, u"saveErrorBanner"_s));
        QVERIFY(text(u"saveErrorBanner"_s).contains(model.dataFile().path()));
        QVERIFY(QDir(f.data.dataFile()).removeRecursively());
        model.addFolder(u"B"_s);
        model.dataFile().waitForPendingSaves();
        QVERIFY(!shown(view, u"saveErrorBanner"_s));
    }

    void languageSwitchRetranslatesEveryOpenWindow()
    {
        UiFixture f;
        f.open({makeProject(u"A"_s)});
        MainView view(f.context());
        showView(view);
        view.openNewProject();
        view.openSettings();
        auto *editor = view.findChild<ProjectEditor *>();
        auto *settings = view.findChild<SettingsSheet *>();
        const auto texts = [&] {
            return QStringList{
                view.findChild<QLabel *>(u"overviewTitle"_s)->text(),
                view.findChild<QToolButton *>(u"sidebarAddProjectButton"_s)->text(),
                editor->findChild<QLabel *>(u"editorTitle"_s)->text(),
                editor->findChild<QPushButton *>(u"editorSaveButton"_s)->text(),
                settings->windowTitle(),
                settings->findChild<QLabel *>(u"settingsDataFolder"_s)->text().section(u' ', 0, 1)};
        };
        QCOMPARE(texts(), QStringList({u"Přehled"_s, u"Přidat projekt"_s, u"Nový projekt"_s,
                                       u"Přidat"_s, u"Nastavení"_s, u"Data v"_s}));
        f.data.preferences.setLanguage(AppLanguage::En);
        QCOMPARE(texts(), QStringList({u"Overview"_s, u"Add project"_s, u"New project"_s, u"Add"_s,
                                       u"Settings"_s, u"Data stored"_s}));
        QCOMPARE(view.locale().name(), u"en_US"_s);
        // Painted rows word themselves when drawn: the sidebar's overview row follows too.
        QCOMPARE(view.sidebar()->model()->overviewIndex().data().toString(), u"Overview"_s);
        f.data.preferences.setLanguage(AppLanguage::Cs);
        QCOMPARE(texts().first(), u"Přehled"_s);
    }
};

QTEST_MAIN(MainViewTest)
#include "tst_mainview.moc"

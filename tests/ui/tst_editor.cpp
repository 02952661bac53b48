// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include "ui/components/segmentedcontrol.h"
#include "ui/editor/projecteditor.h"
#include "ui/editor/projectform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSet>

namespace {

QLineEdit *field(ProjectEditor &editor, const QString &name)
{
    return editor.findChild<QLineEdit *>(name);
}

QPushButton *button(ProjectEditor &editor, const QString &name)
{
    return editor.findChild<QPushButton *>(name);
}

} // namespace

class EditorTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formBuildsTheSavedRecord_data()
    {
        QTest::addColumn<QString>("typedEmoji");
        QTest::addColumn<QString>("emoji");
        QTest::addColumn<QString>("typedSite");
        QTest::addColumn<std::optional<QString>>("site");
        QTest::newRow("empty emoji, blank site")
            << u""_s << u"📦"_s << u"   "_s << std::optional<QString>();
        QTest::newRow("spaces only") << u"  \n"_s << u"📦"_s << u""_s << std::optional<QString>();
        QTest::newRow("two emoji stay whole")
            << u" 🚀🔥 "_s << u"🚀🔥"_s << u" https://a.cz "_s << std::optional(u"https://a.cz"_s);
        QTest::newRow("longer entry cut")
            << u"👩🏽‍💻🇨🇿xyz"_s << u"👩🏽‍💻🇨🇿"_s << u"x"_s
            << std::optional(u"x"_s);
    }

    void formBuildsTheSavedRecord()
    {
        QFETCH(QString, typedEmoji);
        QFETCH(QString, emoji);
        QFETCH(QString, typedSite);
        QFETCH(std::optional<QString>, site);
        ProjectConfig existing = makeProject(u"Old"_s, 7.5, QUuid::createUuid());
        const QList<DeployService> services = StandardServices::table().deploys;
        ProjectForm form = ProjectForm::from(existing, services);
        form.name = u"  Nový\n"_s;
        form.emoji = typedEmoji;
        form.siteURL = typedSite;
        form.localPath = u"/tmp/"_s;
        form.status = ProjectStatus::Parked;
        const ProjectConfig built = form.build(existing, services);
        QCOMPARE(built.id, existing.id);
        QCOMPARE(built.folderID, existing.folderID); // folder and position stay
        QCOMPARE(built.sortIndex, 7.5);
        QCOMPARE(built.name, u"Nový"_s);
        QCOMPARE(built.emoji, emoji);
        QCOMPARE(built.siteURL, site);
        QCOMPARE(built.localPath, u"/tmp"_s);
        QCOMPARE(built.status, ProjectStatus::Parked);
        const ProjectConfig fresh = form.build(std::nullopt, services);
        QVERIFY(!fresh.id.isNull() && fresh.id != existing.id);
        QCOMPARE(fresh.folderID, std::nullopt);
    }

    // The stored path is absolute and clean, so the next start or `quaylin status` run from
    // elsewhere still finds the folder.
    void validityNeedsANameAndAFolderStoredAbsolute()
    {
        UiFixture f;
        const QString folder = existingFolder(f, u"site"_s);
        QVERIFY(QDir().mkpath(QDir::homePath() + u"/code/app"_s));
        QVERIFY(writeFile(folder + u"/file.txt"_s, "x"));
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder + u"/.."_s);
        const QList<std::pair<QString, QString>> rows{
            {u""_s, u""_s},                   // nothing typed: invalid, but no warning yet
            {folder + u' ', u""_s},           // a trailing space is another path
            {folder + u"/file.txt"_s, u""_s}, // a file is no folder
            {u"~nobody"_s, u""_s},
            {folder, folder},
            {u"site"_s, folder},
            {u"./site/../site/"_s, folder},
            {u"~"_s, QDir::homePath()},
            {u"~/code//app/"_s, QDir::homePath() + u"/code/app"_s},
        };
        ProjectForm form;
        form.name = u"A"_s;
        for (const auto &[typed, stored] : rows) {
            form.localPath = typed;
            QCOMPARE(form.isValid(), !stored.isEmpty());
            QCOMPARE(form.showsPathWarning(), !typed.isEmpty() && stored.isEmpty());
            if (!stored.isEmpty())
                QCOMPARE(form.build(std::nullopt, {}).localPath, stored);
        }
        form.name = u" \t"_s;
        QVERIFY(!form.isValid());
        QDir::setCurrent(before);
    }

    void addsEditsAndRemoves()
    {
        UiFixture f;
        const QString folder = existingFolder(f, u"landing-page"_s);
        AppModel &model = f.open();
        auto *editor = new ProjectEditor(f.context(), std::nullopt);
        editor->open();
        QVERIFY(!button(*editor, u"editorRemoveButton"_s)->isVisibleTo(editor));
        auto *save = button(*editor, u"editorSaveButton"_s);
        QVERIFY(!save->isEnabled());

        // Choosing a folder fills an empty name from it; a later choice keeps a typed name.
        button(*editor, u"editorChooseFolderButton"_s)->click();
        QCOMPARE(f.desktop.files.pending->kind, FakeFileChooser::Kind::Folder);
        f.desktop.files.choose(folder);
        QCOMPARE(field(*editor, u"editorPathField"_s)->text(), folder);
        QCOMPARE(field(*editor, u"editorNameField"_s)->text(), u"landing-page"_s);
        field(*editor, u"editorNameField"_s)->setText(u"Landing"_s);
        button(*editor, u"editorChooseFolderButton"_s)->click();
        f.desktop.files.choose(folder + u"/"_s);
        QCOMPARE(field(*editor, u"editorNameField"_s)->text(), u"Landing"_s);
        QVERIFY(save->isEnabled());
        field(*editor, u"editorPathField"_s)->setText(folder + u"-gone"_s);
        QVERIFY(!save->isEnabled());
        QVERIFY(editor->findChild<QWidget *>(u"editorPathWarning"_s)->isVisibleTo(editor));
        QTest::keyClick(field(*editor, u"editorNameField"_s), Qt::Key_Return); // does nothing
        QVERIFY(model.projects().isEmpty());
        field(*editor, u"editorPathField"_s)->setText(folder);
        field(*editor, u"editorSiteField"_s)->setText(u"   "_s);
        QTest::keyClick(field(*editor, u"editorNameField"_s), Qt::Key_Return);
        QCOMPARE(model.projects().size(), 1);
        const ProjectConfig added = model.projects().first();
        QCOMPARE(added.name, u"Landing"_s);
        QCOMPARE(added.siteURL, std::nullopt);
        QCOMPARE(added.emoji, u"📦"_s);

        // Editing keeps the folder and position; only the status changes here.
        model.addFolder(u"F"_s);
        model.moveProject(added.id, model.folders().first().id);
        const ProjectConfig placed = *model.project(added.id);
        editor = new ProjectEditor(f.context(), placed);
        editor->open();
        QCOMPARE(button(*editor, u"editorSaveButton"_s)->text(), u"Uložit"_s);
        editor->findChild<SegmentedControl *>()->segment(1)->click();
        button(*editor, u"editorSaveButton"_s)->click();
        ProjectConfig expected = placed;
        expected.status = ProjectStatus::Done;
        QCOMPARE(*model.project(added.id), expected);

        // Removal asks first.
        editor = new ProjectEditor(f.context(), expected);
        editor->open();
        button(*editor, u"editorRemoveButton"_s)->click();
        QMessageBox *box = openBox(u"removeProjectConfirmation"_s);
        QVERIFY(box);
        box->findChild<QPushButton *>(u"confirmButton"_s)->click();
        QVERIFY(model.projects().isEmpty());
    }

    void keyboardReachesEveryControlAndEscapeCancels()
    {
        UiFixture f;
        const ProjectConfig project = makeProject(u"A"_s, 1, {}, existingFolder(f, u"a"_s));
        AppModel &model = f.open({project});
        auto *editor = new ProjectEditor(f.context(), project);
        editor->open();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QTRY_COMPARE(QApplication::focusWidget(), field(*editor, u"editorNameField"_s));
        QSet<QWidget *> reached;
        for (int i = 0; i < 20; ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget *control : editor->findChildren<QWidget *>()) {
            // A group of exclusive choices is one stop, on its chosen segment (arrows move on).
            auto *button = qobject_cast<QAbstractButton *>(control);
            const bool interactive = qobject_cast<QLineEdit *>(control) ||
                                     (button && (!button->autoExclusive() || button->isChecked()));
            if (interactive && control->isVisibleTo(editor))
                QVERIFY2(reached.contains(control), control->metaObject()->className());
        }
        field(*editor, u"editorNameField"_s)->setText(u"Changed"_s);
        QTest::keyClick(field(*editor, u"editorNameField"_s), Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QCOMPARE(model.projects(), QList<ProjectConfig>({project}));
    }
};

QTEST_MAIN(EditorTest)
#include "tst_editor.moc"

// SPDX-License-Identifier: MIT
#include "drawntexts.h"
#include "uifixture.h"

#include "i18n/translations.h"
#include "model/recordjson.h"
#include "ui/board/archivedelegate.h"
#include "ui/board/kanbanview.h"
#include "ui/components/iconbutton.h"
#include "ui/detail/projectdetailview.h"
#include "ui/editor/projecteditor.h"
#include "ui/main/mainview.h"
#include "ui/main/overviewview.h"
#include "ui/main/renamefoldersheet.h"
#include "ui/main/sidebar.h"
#include "ui/main/sidebarmodel.h"
#include "ui/settings/settingssheet.h"
#include "ui/shell/menubarview.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QToolButton>

namespace {

void showView(MainView &view)
{
    view.resize(1060, 700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
}

// Every text a user or a screen reader meets in the open windows: titles, texts, placeholders,
// tooltips and accessible names of the visible widgets, and the accessible names of what item
// views paint (rows, cards).
QStringList shownTexts()
{
    QStringList texts;
    const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *item) {
        if (!item || item->state().invisible)
            return;
        texts << item->text(QAccessible::Name) << item->text(QAccessible::Description);
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.append(window);
        for (const QWidget *widget : std::as_const(widgets)) {
            if (!widget->isVisible())
                continue;
            texts << widget->windowTitle() << widget->toolTip() << widget->accessibleName();
            // A text field's text is what the user typed.
            const bool typed = qobject_cast<const QLineEdit *>(widget);
            for (const char *property : {"text", "placeholderText", "title", "prefix", "suffix"})
                if (!typed || qstrcmp(property, "text") != 0)
                    texts << widget->property(property).toString();
        }
        walk(QAccessible::queryAccessibleInterface(window));
    }
    return texts;
}

QSet<QString> wordsOf(const QSet<QString> &texts)
{
    static const QRegularExpression word(u"\\w{2,}"_s,
                                         QRegularExpression::UseUnicodePropertiesOption);
    QSet<QString> words;
    for (const QString &text : texts) {
        for (auto match = word.globalMatch(text); match.hasNext();)
            words.insert(match.next().captured().toLower());
    }
    return words;
}

// The shown texts holding an interface text of the other language, as a whole text or as a
// word no text of their own language has (so a missing twin or a sentence of hard-coded
// English is caught too), and, in English, any letter only Czech writes. Product names and the
// user data of the test read the same in both.
QStringList foreignTexts(AppLanguage language)
{
    QSet<QString> czech, english;
    const auto &dictionary = Translations::dictionary();
    for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
        czech.insert(it.key().section(u'\x04', -1)); // without its context
        english.insert(it.value());
    }
    const bool inEnglish = language == AppLanguage::En;
    const QSet<QString> foreign = inEnglish ? czech - english : english - czech;
    const QSet<QString> foreignWords =
        inEnglish ? wordsOf(czech) - wordsOf(english) : wordsOf(english) - wordsOf(czech);
    static const QRegularExpression czechLetter(u"[ěščřžýáíéůúťďňĚŠČŘŽÝÁÍÉŮÚŤĎŇ]"_s);
    QStringList found;
    QStringList texts = shownTexts();
    texts.removeIf([](const QString &text) { return text.startsWith(u'/'); }); // folders
    for (const QString &text : std::as_const(texts)) {
        const QSet<QString> words = wordsOf({text});
        for (const QString &word : words) {
            if (foreignWords.contains(word))
                found.append(word + u" in: "_s + text);
        }
        if (inEnglish && text.contains(czechLetter))
            found.append(u"Czech letters in: "_s + text);
    }
    for (const QString &word : foreign) {
        const QRegularExpression whole(u"(?<!\\w)"_s + QRegularExpression::escape(word) +
                                           u"(?!\\w)"_s,
                                       QRegularExpression::UseUnicodePropertiesOption);
        for (const QString &text : texts) {
            if (text.contains(word) && text.contains(whole))
                found.append(word + u" in: "_s + text);
        }
    }
    found.removeDuplicates();
    return found;
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

    // Names, titles and labels with a terminal's colour codes and a right-to-left override are
    // drawn with the controls visible and the override kept inside its own text, on every kind
    // of display; what is stored keeps its bytes.
    void userTextIsDrawnSafely_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("text");
        QTest::newRow("sidebar row") << u"sidebarTree"_s << u"Alpha"_s;
        QTest::newRow("card tile") << u"doingCardList"_s << u"Beta"_s;
        QTest::newRow("label chip") << u"labelFilterChip"_s << u"API"_s;
        QTest::newRow("page title") << u"projectName"_s << u"Alpha"_s;
        QTest::newRow("panel row") << u"menuProjectRow"_s << u"Alpha"_s;
    }

    void userTextIsDrawnSafely()
    {
        QFETCH(QString, widget);
        QFETCH(QString, text);
        UiFixture f;
        const QString hostile = u"\x1b[31m\u202E\u0085!"_s;
        AppModel &model = f.open({makeProject(u"Alpha"_s + hostile)});
        const QUuid project = model.projects().first().id;
        model.addLabel(u"API"_s + hostile, u"blue"_s);
        f.addCard(project, u"Beta"_s + hostile, KanbanColumn::Doing,
                  [&](TaskCard &card) { card.labelIDs = {model.labels().constLast().id}; });
        MainView view(f.context());
        showView(view);
        view.select(project);
        MenuBarView panel(f.context());
        panel.show();
        QWidget *shown = view.findChild<QWidget *>(widget);
        shown = shown ? shown : panel.findChild<QWidget *>(widget);
        QVERIFY(shown);
        if (auto *list = qobject_cast<QAbstractScrollArea *>(shown))
            shown = list->viewport();
        const QString drawn = DrawnTexts::of(*shown).join(QString()); // runs split by font
        QVERIFY2(drawn.contains(text), qPrintable(drawn));
        for (const QChar character : drawn)
            QVERIFY2(character.category() != QChar::Other_Control, qPrintable(drawn));
        QVERIFY(drawn.contains(u"␛[31m"_s));
        QVERIFY(model.projects().first().name.endsWith(hostile));
    }

    void everyOpenWindowSpeaksTheChosenLanguage()
    {
        UiFixture f;
        ProjectConfig project = makeProject(u"Alpha"_s);
        project.netlifySiteID = u"site"_s;
        AppModel &model = f.open({project});
        for (const CardLabel &label : model.labels()) // stored Czech names are user data
            model.deleteLabel(label.id);
        model.addLabel(u"API"_s, u"blue"_s);
        model.addFolder(u"Gamma"_s);
        const TaskCard card = f.addCard(project.id, u"Beta"_s, KanbanColumn::Doing, [&](auto &c) {
            c.labelIDs = {model.labels().first().id};
            c.dueDate = f.data.clock.addDays(2);
        });
        model.addChecklistItem(u"Delta"_s, card.id);
        model.archiveCard(f.addCard(project.id, u"Kappa"_s, KanbanColumn::Done).id);
        MainView view(f.context());
        showView(view);
        view.select(project.id);
        // Every sheet at once over the main window, and the tray's panel.
        model.moveCard(f.addCard(project.id, u"Omega"_s, KanbanColumn::Doing).id,
                       KanbanColumn::Done, std::nullopt); // offers a commit message
        auto *board = view.findChild<KanbanView *>();
        board->openCard(card.id);
        board->openArchive();
        board->openLabelManager();
        view.openEditor(project.id);
        view.openSettings();
        view.openRenameFolder(model.folders().first().id);
        view.confirmRemoval(project.id);
        QTRY_VERIFY(view.detail()->commitSuggestionSheet());
        MenuBarView panel(f.context());
        panel.show(); // last: it hides when another window takes the focus

        for (const AppLanguage language : {AppLanguage::En, AppLanguage::Cs}) {
            f.data.switchLanguage(language);
            QVERIFY(panel.isVisible());
            for (const bool page : {true, false}) { // the project page, then the overview
                view.select(page ? std::optional(project.id) : std::nullopt);
                QCoreApplication::processEvents(); // rows made anew show up
                const QStringList foreign = foreignTexts(language);
                QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(u" | "_s)));
            }
            const bool english = language == AppLanguage::En;
            QCOMPARE(view.locale().name(), english ? u"en_US"_s : u"cs_CZ"_s);
            // "Obnovit" refreshes on the overview and the panel, and restores in the archive.
            QCOMPARE(view.findChild<QPushButton *>(u"overviewRefreshButton"_s)->text(),
                     english ? u"Refresh"_s : u"Obnovit"_s);
            QCOMPARE(panel.findChild<IconButton *>(u"panelRefreshButton"_s)->toolTip(),
                     english ? u"Refresh"_s : u"Obnovit"_s);
            QCOMPARE(ArchiveDelegate::text(ArchiveDelegate::Button::Restore),
                     english ? u"Restore"_s : u"Obnovit"_s);
        }
    }
};

QTEST_MAIN(MainViewTest)
#include "tst_mainview.moc"

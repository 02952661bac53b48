// SPDX-License-Identifier: MIT
#include "support/fakehotkeybackend.h"
#include "support/testenvironment.h"
#include "ui/desktop/editorlauncher.h"
#include "ui/desktop/globalhotkeymanager.h"
#include "ui/desktop/hotkeychord.h"
#include "ui/desktop/terminallauncher.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A folder of stand-in programs: each name in `executables` a runnable script, each in
// `plainFiles` a file that is not executable.
class FakeBin final {
public:
    explicit FakeBin(const QStringList &executables, const QStringList &plainFiles = {})
    {
        for (const QString &name : executables)
            add(name, true);
        for (const QString &name : plainFiles)
            add(name, false);
    }

    QString path() const { return m_dir.path(); }
    QString program(const QString &name) const { return m_dir.filePath(name); }

    // A script that writes its arguments and working directory to `log`.
    void addRecorder(const QString &name, const QString &log) const
    {
        writeFile(program(name),
                  QStringLiteral("#!/bin/sh\necho \"$@|$(pwd)\" > '%1'\n").arg(log).toUtf8());
        QFile::setPermissions(program(name),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    void add(const QString &name, bool executable) const
    {
        writeFile(program(name), "#!/bin/sh\nexit 0\n");
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            permissions |= QFile::ExeOwner;
        QFile::setPermissions(program(name), permissions);
    }

    QTemporaryDir m_dir;
};

QProcessEnvironment environment(const QString &path, const QString &terminal = {})
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), path);
    if (!terminal.isEmpty())
        environment.insert(QStringLiteral("TERMINAL"), terminal);
    return environment;
}

} // namespace

class TestLaunchers final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void editorIsTheFirstInstalled_data();
    void editorIsTheFirstInstalled();
    void editorOpensTheFolder();
    void terminalIsFoundInOrder_data();
    void terminalIsFoundInOrder();
    void terminalStartsInTheFolder();
    void hotKeyIsRegisteredOnce();
    void chordsAreCheckedStoredAndNamed_data();
    void chordsAreCheckedStoredAndNamed();
};

void TestLaunchers::editorIsTheFirstInstalled_data()
{
    QTest::addColumn<QStringList>("executables");
    QTest::addColumn<QStringList>("plainFiles");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("command");
    QTest::newRow("none") << QStringList{} << QStringList{} << QString() << QString();
    QTest::newRow("all three: code")
        << QStringList{"zed", "cursor", "code"} << QStringList{} << "Visual Studio Code"
        << "code";
    QTest::newRow("cursor before zed") << QStringList{"zed", "cursor"} << QStringList{} << "Cursor"
                                       << "cursor";
    QTest::newRow("zeditor is Zed") << QStringList{"zeditor"} << QStringList{} << "Zed"
                                    << "zeditor";
    QTest::newRow("a file that cannot run is no editor")
        << QStringList{"zed"} << QStringList{"code"} << "Zed"
        << "zed";
}

void TestLaunchers::editorIsTheFirstInstalled()
{
    QFETCH(QStringList, executables);
    QFETCH(QStringList, plainFiles);
    QFETCH(QString, name);
    QFETCH(QString, command);
    const FakeBin bin(executables, plainFiles);
    const QTemporaryDir empty;
    const SystemEditorLauncher launcher(empty.path() + QLatin1Char(':') + bin.path());
    const std::optional<InstalledEditor> editor = launcher.installedEditor();
    if (name.isEmpty()) {
        QVERIFY(!editor);
        return;
    }
    QVERIFY(editor);
    QCOMPARE(editor->name, name);
    QCOMPARE(editor->command, bin.program(command));
}

void TestLaunchers::editorOpensTheFolder()
{
    const QTemporaryDir logs;
    const QString log = logs.filePath(QStringLiteral("code.log"));
    const FakeBin bin({});
    bin.addRecorder(QStringLiteral("code"), log);
    const QTemporaryDir project;
    SystemEditorLauncher(bin.path()).open(project.path());
    QTRY_VERIFY(QFile::exists(log) && !readFile(log).isEmpty());
    QCOMPARE(readFile(log).trimmed(),
             (project.path() + QLatin1Char('|') + project.path()).toUtf8());

    // Without an editor nothing starts and nothing breaks.
    const QTemporaryDir empty;
    SystemEditorLauncher none(empty.path());
    QVERIFY(!none.installedEditor());
    none.open(project.path());
    SystemEditorLauncher(QString()).open(project.path());
}

void TestLaunchers::terminalIsFoundInOrder_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("terminal");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList{} << QString() << QString() << QStringList{};
    QTest::newRow("$TERMINAL first") << QStringList{"kitty", "x-terminal-emulator"} << "kitty"
                                     << "kitty" << QStringList{};
    QTest::newRow("$TERMINAL with its arguments")
        << QStringList{"wezterm", "xterm"} << "wezterm start --always-new-process"
        << "wezterm" << QStringList{"start", "--always-new-process"};
    QTest::newRow("$TERMINAL missing: the system's choice")
        << QStringList{"x-terminal-emulator", "gnome-terminal"} << "nosuchterm"
        << "x-terminal-emulator" << QStringList{};
    QTest::newRow("known terminals in order") << QStringList{"xterm", "konsole", "xfce4-terminal"}
                                              << QString() << "konsole" << QStringList{};
    QTest::newRow("xterm last") << QStringList{"xterm"} << QString() << "xterm" << QStringList{};
}

void TestLaunchers::terminalIsFoundInOrder()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, terminal);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const FakeBin bin(installed);
    const QProcessEnvironment fake = environment(bin.path(), terminal);
    const std::optional<TerminalCommand> command =
        SystemTerminalLauncher::command(fake, QStringLiteral("/projects/web"));
    QCOMPARE(SystemTerminalLauncher(fake).isAvailable(), !program.isEmpty());
    if (program.isEmpty()) {
        QVERIFY(!command);
        return;
    }
    QVERIFY(command);
    QCOMPARE(*command, (TerminalCommand{bin.program(program), arguments, "/projects/web"}));
}

void TestLaunchers::terminalStartsInTheFolder()
{
    const QTemporaryDir logs;
    const QString log = logs.filePath(QStringLiteral("terminal.log"));
    const FakeBin bin({});
    bin.addRecorder(QStringLiteral("xterm"), log);
    const QTemporaryDir project;
    SystemTerminalLauncher(environment(bin.path())).open(project.path());
    QTRY_VERIFY(QFile::exists(log) && !readFile(log).isEmpty());
    QCOMPARE(readFile(log).trimmed(), (QLatin1Char('|') + project.path()).toUtf8());
}

void TestLaunchers::hotKeyIsRegisteredOnce()
{
    using State = GlobalHotKeyManager::State;
    auto owned = std::make_unique<FakeHotKeyBackend>();
    FakeHotKeyBackend &backend = *owned;
    GlobalHotKeyManager manager(std::move(owned));
    QSignalSpy activated(&manager, &GlobalHotKeyManager::activated);
    manager.registerHotKey();
    manager.registerHotKey();
    QCOMPARE(backend.grabs, 1);
    // Switched off and on again in the settings: still exactly one registration.
    manager.unregisterHotKey();
    manager.unregisterHotKey();
    manager.registerHotKey();
    QCOMPARE(backend.grabs - backend.releases, 1);
    backend.press();
    QCOMPARE(activated.size(), 1);

    // A desktop that asks the user first: nothing is registered before the answer, a request
    // is not repeated while it waits, and a withdrawn one stays withdrawn.
    manager.unregisterHotKey();
    backend.answersLater = true;
    manager.registerHotKey();
    manager.registerHotKey();
    QCOMPARE(manager.state(), State::Asking);
    QCOMPARE(backend.grabs, 3);
    backend.answer(HotKeyGrab::Granted);
    QCOMPARE(manager.state(), State::Registered);
    manager.unregisterHotKey();
    manager.registerHotKey();
    manager.unregisterHotKey();
    backend.answer(HotKeyGrab::Granted);
    QCOMPARE(manager.state(), State::Off);
    backend.press();
    QCOMPARE(activated.size(), 1);
    // Refused is said, and switching on again asks again.
    manager.registerHotKey();
    backend.answer(HotKeyGrab::Refused);
    QCOMPARE(manager.state(), State::Refused);
    manager.registerHotKey();
    backend.answer(HotKeyGrab::Granted);
    QVERIFY(manager.isRegistered());

    // A new chord: only remembered while off; while on, the old one is given back and the new
    // one asked for, once; after a refusal the next one is tried at once.
    const QKeyCombination ctrlAltK(Qt::ControlModifier | Qt::AltModifier, Qt::Key_K);
    const QKeyCombination altF9(Qt::AltModifier, Qt::Key_F9);
    QCOMPARE(manager.chord(), HotKeyChord::defaultChord());
    backend.answersLater = false;
    manager.unregisterHotKey();
    manager.setChord(ctrlAltK);
    QVERIFY(!backend.held);
    manager.registerHotKey();
    QCOMPARE(backend.chord, ctrlAltK);
    const int grabs = backend.grabs;
    manager.setChord(altF9);
    manager.setChord(altF9);
    QCOMPARE(backend.grabs, grabs + 1);
    QVERIFY(backend.held && backend.chord == altF9);
    backend.reply = HotKeyGrab::Refused;
    manager.setChord(ctrlAltK);
    backend.reply = HotKeyGrab::Granted;
    manager.setChord(altF9);
    QVERIFY(manager.isRegistered());
    // What the desktop bound lasts while the shortcut is on.
    Q_EMIT backend.triggerChanged(QStringLiteral("Alt+F9 (desktop)"));
    QCOMPARE(manager.boundTrigger(), QStringLiteral("Alt+F9 (desktop)"));
    manager.unregisterHotKey();
    Q_EMIT backend.triggerChanged(QStringLiteral("late"));
    QCOMPARE(manager.boundTrigger(), QString());

    auto unsupported = std::make_unique<FakeHotKeyBackend>();
    unsupported->supported = false;
    GlobalHotKeyManager nowhere(std::move(unsupported));
    nowhere.registerHotKey();
    QVERIFY(!nowhere.isAvailable());
    QCOMPARE(nowhere.state(), State::Unsupported);
    // Off X11 (here no display at all) the system's backend says no at once.
    GlobalHotKeyManager system(makeSystemHotKeyBackend());
    system.registerHotKey();
    QCOMPARE(system.state(), State::Unsupported);
}

void TestLaunchers::chordsAreCheckedStoredAndNamed_data()
{
    QTest::addColumn<QKeyCombination>("chord");
    QTest::addColumn<QString>("shown");   // empty: not a usable chord
    QTest::addColumn<QString>("trigger"); // for an unusable chord: what is wrong with it
    const auto ctrl = Qt::ControlModifier;
    QTest::newRow("default") << HotKeyChord::defaultChord() << QStringLiteral("Ctrl+Super+S")
                             << QStringLiteral("CTRL+LOGO+s");
    QTest::newRow("F12") << QKeyCombination(ctrl | Qt::AltModifier | Qt::ShiftModifier |
                                                Qt::MetaModifier | Qt::KeypadModifier,
                                            Qt::Key_F12)
                         << QStringLiteral("Ctrl+Alt+Shift+Super+F12")
                         << QStringLiteral("CTRL+ALT+SHIFT+LOGO+F12");
    QTest::newRow("space") << QKeyCombination(Qt::AltModifier, Qt::Key_Space)
                           << QStringLiteral("Alt+Space") << QStringLiteral("ALT+space");
    QTest::newRow("shift is typing") << QKeyCombination(Qt::ShiftModifier, Qt::Key_S) << QString()
                                     << QStringLiteral("no modifier");
    QTest::newRow("plain") << QKeyCombination(Qt::Key_F5) << QString()
                           << QStringLiteral("no modifier");
    QTest::newRow("Return") << QKeyCombination(ctrl, Qt::Key_Return) << QString()
                            << QStringLiteral("key");
}

void TestLaunchers::chordsAreCheckedStoredAndNamed()
{
    QFETCH(QKeyCombination, chord);
    QFETCH(QString, shown);
    QFETCH(QString, trigger);
    const QString stored = HotKeyChord::toStored(chord);
    if (shown.isEmpty()) {
        const auto problem = trigger == u"key" ? HotKeyChord::Problem::UnsupportedKey
                                               : HotKeyChord::Problem::NoModifier;
        QCOMPARE(HotKeyChord::problem(chord), problem);
        // Never stored by the settings; a hand-edited one means the default.
        QCOMPARE(HotKeyChord::fromStored(stored), HotKeyChord::defaultChord());
        return;
    }
    chord = HotKeyChord::normalized(chord); // the keypad flag is not part of a chord
    QCOMPARE(HotKeyChord::problem(chord), std::nullopt);
    QCOMPARE(HotKeyChord::fromStored(stored), chord);
    QCOMPARE(HotKeyChord::displayText(chord), shown);
    QCOMPARE(HotKeyChord::xdgTrigger(chord), trigger);
    for (const std::optional<QString> &text : QList<std::optional<QString>>{
             std::nullopt, QString(), QStringLiteral("x+y"), QString(stored + u", " + stored)})
        QCOMPARE(HotKeyChord::fromStored(text), HotKeyChord::defaultChord());
}

QTEST_GUILESS_MAIN(TestLaunchers)
#include "tst_launchers.moc"

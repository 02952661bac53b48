// SPDX-License-Identifier: MIT
#include "sources/processrunner.h"

#include <QCoroSignal>
#include <QCoroTimer>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QThread>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <utility>
#include <vector>

// Where one run rests between steps. Several things may end a rest (a slot handed over, the
// process ending or failing to start, the runner going away); only the first one after
// sleep() counts, so the coroutine is resumed exactly once per rest.
class ProcessWaker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProcessWaker)

public:
    ProcessWaker() = default;

    auto sleep()
    {
        m_armed = true;
        return qCoro(this, &ProcessWaker::woken);
    }
    void wake()
    {
        if (std::exchange(m_armed, false))
            Q_EMIT woken();
    }

Q_SIGNALS:
    void woken();

private:
    bool m_armed = false;
};

namespace {

// What the child does between fork and exec, all prepared in the parent because a vfork child
// must not allocate. Qt 6.4 leaks a pipe for every child that fails to enter its folder or to
// exec (its vfork child clears the parent's copy of the descriptor before the parent closes
// it), so the child never takes Qt's failure path: it does both itself and exits with 127
// when either fails, which reads as a run that failed.
class ChildStart final {
    Q_DISABLE_COPY_MOVE(ChildStart) // the pointer lists point into the texts

public:
    ChildStart(const QString &program, const QStringList &arguments,
               const QString &workingDirectory, const QProcessEnvironment &extra)
        : m_directory(QFile::encodeName(workingDirectory))
    {
        m_arguments.push_back(QFile::encodeName(program));
        for (const QString &argument : arguments)
            m_arguments.push_back(QFile::encodeName(argument));
        // The application's environment byte for byte, with the extra variables in place of
        // any of the same name.
        for (char **entry = environ; *entry; ++entry) {
            const QByteArray assignment(*entry);
            const qsizetype equals = assignment.indexOf('=');
            if (equals <= 0 || !extra.contains(QFile::decodeName(assignment.first(equals))))
                m_environment.push_back(assignment);
        }
        for (const QString &name : extra.keys())
            m_environment.push_back(QFile::encodeName(name + u'=' + extra.value(name)));
        m_argv = pointers(m_arguments);
        m_envp = pointers(m_environment);
    }

    [[noreturn]] void enter() const noexcept
    {
        if (m_directory.isEmpty() || ::chdir(m_directory.constData()) == 0)
            ::execve(m_argv.front(), m_argv.data(), m_envp.data());
        ::_exit(127);
    }

private:
    // The null-terminated list exec() wants; the texts stay where they are.
    static std::vector<char *> pointers(std::vector<QByteArray> &texts)
    {
        std::vector<char *> list;
        list.reserve(texts.size() + 1);
        for (QByteArray &text : texts)
            list.push_back(text.data());
        list.push_back(nullptr);
        return list;
    }

    QByteArray m_directory;
    std::vector<QByteArray> m_arguments; // the program first
    std::vector<QByteArray> m_environment;
    std::vector<char *> m_argv;
    std::vector<char *> m_envp;
};

// exec() takes C strings: an embedded NUL would silently cut an argument or the folder short.
bool passableToExec(const QString &program, const QStringList &arguments,
                    const QString &workingDirectory)
{
    const auto hasNul = [](const QString &text) { return text.contains(QChar(u'\0')); };
    return !hasNul(program) && !hasNul(workingDirectory) &&
           std::none_of(arguments.cbegin(), arguments.cend(), hasNul);
}

std::optional<QString> decodeUtf8(const QByteArray &bytes)
{
    // Stateless so that a sequence cut off at the end counts as an error; the initial BOM is
    // kept so the text is exactly what the process wrote.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

int ProcessRunner::defaultLimit()
{
    return std::max(4, 2 * QThread::idealThreadCount());
}

ProcessRunner::ProcessRunner(QObject *parent)
    : QObject(parent)
{
}

ProcessRunner::~ProcessRunner()
{
    // No child outlives the runner. Runs still in flight are woken and finish empty-handed
    // without touching this object again (they watch it through a QPointer).
    const auto processes = findChildren<QProcess *>(Qt::FindDirectChildrenOnly);
    for (QProcess *process : processes) {
        process->kill();
        process->waitForFinished(5'000);
        delete process;
    }
    m_waiting.clear();
    for (ProcessWaker *waker : std::exchange(m_active, {}))
        waker->wake();
}

void ProcessRunner::setLimit(int limit)
{
    m_limit = std::max(1, limit);
    while (m_running < m_limit && !m_waiting.isEmpty()) {
        ++m_running;
        m_waiting.takeFirst()->wake();
    }
}

void ProcessRunner::releaseSlot()
{
    // The slot goes straight to the oldest waiter, so a newcomer cannot take it in between.
    if (m_running <= m_limit && !m_waiting.isEmpty())
        m_waiting.takeFirst()->wake();
    else
        --m_running;
    Q_EMIT slotReleased();
}

void ProcessRunner::noteStart()
{
    m_startedThisTurn = true;
    QTimer::singleShot(0, this, [this] { m_startedThisTurn = false; });
}

QCoro::Task<std::optional<QString>> ProcessRunner::run(QString program, QStringList arguments,
                                                       QString workingDirectory)
{
    // The program is never looked up on the search path: only an absolute path is run.
    if (QDir::isRelativePath(program) || !passableToExec(program, arguments, workingDirectory))
        co_return std::nullopt;

    const QPointer<ProcessRunner> self(this);
    const std::chrono::milliseconds timeout = m_timeout;
    ProcessWaker waker;
    m_active.append(&waker);
    const auto unregister = qScopeGuard([&] {
        if (self)
            self->m_active.removeOne(&waker);
    });

    if (m_running < m_limit) {
        ++m_running;
    } else {
        m_waiting.append(&waker);
        co_await waker.sleep();
        if (!self)
            co_return std::nullopt;
        // releaseSlot() or setLimit() handed the slot over, already counted.
    }
    const auto slot = qScopeGuard([self] {
        if (self)
            self->releaseSlot();
    });

    // Starting a child copies this process's page tables, a few milliseconds once the windows
    // are open: one start per event-loop turn, so a refresh's first children do not freeze
    // the screen together.
    while (self && self->m_startedThisTurn)
        co_await QCoro::sleepFor(std::chrono::milliseconds(0));
    if (!self)
        co_return std::nullopt;
    noteStart();

    // A child of the runner, so the runner's destructor can end it; deleted here otherwise.
    QPointer<QProcess> process = new QProcess(this);
    const auto dispose = qScopeGuard([&process] { delete process.data(); });
    process->setProgram(program);
    process->setArguments(arguments);
    // Used by start() only, which runs the child's part before it returns.
    const ChildStart childStart(program, arguments, workingDirectory, m_extra);
    const auto enter = [&childStart] { childStart.enter(); };
    process->setChildProcessModifier(enter);
    process->setStandardErrorFile(QProcess::nullDevice());
    // QProcess reads standard output into its own buffer as it arrives, so a long output never
    // fills the pipe and stalls the child.
    connect(process, &QProcess::finished, &waker, &ProcessWaker::wake);
    connect(process, &QProcess::errorOccurred, &waker, [&waker](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            waker.wake();
    });

    // The time-out only kills; the coroutine wakes when the killed process has ended.
    bool timedOut = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, process, [&timedOut, child = process.data()] {
        timedOut = true;
        child->kill();
    });

    process->start(QIODevice::ReadOnly);
    if (timeout.count() > 0)
        deadline.start(timeout);
    for (;;) {
        if (!self || !process)
            co_return std::nullopt;
        if (process->state() == QProcess::NotRunning)
            break;
        co_await waker.sleep();
    }

    if (timedOut || process->error() == QProcess::FailedToStart ||
        process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0)
        co_return std::nullopt;
    co_return decodeUtf8(process->readAllStandardOutput());
}

#include "processrunner.moc"

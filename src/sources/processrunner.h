// SPDX-License-Identifier: MIT
#pragma once

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

class ProcessWaker;

// Runs child processes asynchronously on the calling (main) thread, at most `limit()` at
// once; callers beyond that wait for a free slot. A process that cannot start, exits with a
// non-zero status, writes output that is not UTF-8 or outlives the time-out (it is killed)
// yields nothing. Standard output is drained while the process runs; standard error is
// discarded.
class ProcessRunner : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProcessRunner)

public:
    // max(4, 2 × cores)
    static int defaultLimit();

    explicit ProcessRunner(QObject *parent = nullptr);
    ~ProcessRunner() override;

    int limit() const { return m_limit; }
    void setLimit(int limit);
    std::chrono::milliseconds timeout() const { return m_timeout; }
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    // Extra variables for every child, on top of the application's environment.
    void setExtraEnvironment(const QProcessEnvironment &extra) { m_extra = extra; }

    virtual QCoro::Task<std::optional<QString>> run(QString program, QStringList arguments,
                                                    QString workingDirectory);

Q_SIGNALS:
    void slotReleased();

private:
    void releaseSlot();
    void noteStart();

    bool m_startedThisTurn = false;
    int m_limit = defaultLimit();
    int m_running = 0;
    std::chrono::milliseconds m_timeout{60'000};
    QProcessEnvironment m_extra;
    QList<ProcessWaker *> m_waiting; // runs waiting for a slot, oldest first
    QList<ProcessWaker *> m_active;  // every run in flight, woken when the runner goes away
};

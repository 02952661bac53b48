// SPDX-License-Identifier: MIT
#include "sources/keychaintokenstore.h"

#include <QCoroSignal>
#include <QStringDecoder>

#include <qt6keychain/keychain.h>

#include <coroutine>
#include <deque>
#include <utility>

// Hands the keychain to one request at a time, first come first served.
class KeychainTokenStore::Turns final {
public:
    // Holding a Turn means owning the keychain; dropping it passes the keychain on.
    class Turn final {
    public:
        explicit Turn(std::shared_ptr<Turns> turns)
            : m_turns(std::move(turns))
        {
        }
        Turn(Turn &&) = default;
        Turn(const Turn &) = delete;
        Turn &operator=(const Turn &) = delete;
        Turn &operator=(Turn &&) = delete;
        ~Turn()
        {
            if (m_turns)
                m_turns->passOn();
        }

    private:
        std::shared_ptr<Turns> m_turns;
    };

    static auto take(std::shared_ptr<Turns> turns)
    {
        struct Awaiter {
            std::shared_ptr<Turns> turns;

            bool await_ready() noexcept { return !std::exchange(turns->m_busy, true); }
            void await_suspend(std::coroutine_handle<> waiter)
            {
                turns->m_waiting.push_back(waiter);
            }
            Turn await_resume() noexcept { return Turn(std::move(turns)); }
        };
        return Awaiter{std::move(turns)};
    }

private:
    void passOn()
    {
        if (m_waiting.empty()) {
            m_busy = false;
            return;
        }
        // The keychain stays busy: it goes straight to the next request.
        const auto next = m_waiting.front();
        m_waiting.pop_front();
        next.resume();
    }

    bool m_busy = false;
    std::deque<std::coroutine_handle<>> m_waiting;
};

namespace {

// No account: the item is identified by its service alone.
const QString itemKey;

struct DeleteLater {
    void operator()(QObject *object) const { object->deleteLater(); }
};
template<typename Job> using JobPointer = std::unique_ptr<Job, DeleteLater>;

template<typename Job> JobPointer<Job> makeJob(const QString &service)
{
    JobPointer<Job> job(new Job(service));
    // Owned here: the result is read after `finished`, which auto-deletion would race.
    job->setAutoDelete(false);
    job->setKey(itemKey);
    return job;
}

// Runs the job to its end; true when the keychain reported no error.
QCoro::Task<bool> finish(QKeychain::Job &job)
{
    job.start();
    co_await qCoro(&job, &QKeychain::Job::finished);
    co_return job.error() == QKeychain::NoError;
}

// The stored bytes as text; not UTF-8, or empty, is no token.
std::optional<QString> decodeToken(const QByteArray &data)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder.decode(data);
    if (decoder.hasError() || text.isEmpty())
        return std::nullopt;
    return text;
}

} // namespace

KeychainTokenStore::KeychainTokenStore()
    : m_turns(std::make_shared<Turns>())
{
}

KeychainTokenStore::~KeychainTokenStore() = default;

QCoro::Task<std::optional<QString>> KeychainTokenStore::read(QString service)
{
    const Turns::Turn turn = co_await Turns::take(m_turns);
    const auto job = makeJob<QKeychain::ReadPasswordJob>(service);
    if (!co_await finish(*job))
        co_return std::nullopt;
    co_return decodeToken(job->binaryData());
}

QCoro::Task<bool> KeychainTokenStore::save(QString value, QString service)
{
    const Turns::Turn turn = co_await Turns::take(m_turns);
    // Delete first so that whatever was stored before (under any encoding) does not linger
    // beside the new item; a failed delete is no reason not to write.
    const auto removal = makeJob<QKeychain::DeletePasswordJob>(service);
    co_await finish(*removal);
    const auto job = makeJob<QKeychain::WritePasswordJob>(service);
    job->setTextData(value);
    co_return co_await finish(*job);
}

QCoro::Task<> KeychainTokenStore::remove(QString service)
{
    const Turns::Turn turn = co_await Turns::take(m_turns);
    const auto job = makeJob<QKeychain::DeletePasswordJob>(service);
    co_await finish(*job);
}

// SPDX-License-Identifier: MIT
#include "model/cardjsoncache.h"
#include "model/store.h"
#include "support/testenvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QScopeGuard>
#include <QtTest>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

using namespace Qt::StringLiterals;
using namespace RecordJson;

namespace {

const QDateTime now = QDateTime::currentDateTime();

// Every field of every record, as the app writes it: keys sorted, indented by four.
const QByteArray sampleBytes = readFile(QStringLiteral(QUAYLIN_TEST_DATA_DIR "/model/store.json"));

StoreData sample(int cardCount = 1)
{
    StoreData data = std::get<StoreData>(decodeDocument(sampleBytes, now));
    for (TaskCard card = data.cards[0]; data.cards.size() < cardCount; data.cards.append(card))
        card.id = QUuid::createUuid();
    return data;
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

bool fails(const QByteArray &bytes)
{
    const auto decoded = decodeDocument(bytes, now);
    return std::holds_alternative<DecodeError>(decoded) &&
           !std::get<DecodeError>(decoded).message.isEmpty();
}

// Copies of `value`, each with one value inside swapped for one of another type, or an id or
// enumeration field given a word it cannot hold; paired with the path of the change.
QList<std::pair<QString, QJsonValue>> spoiled(const QJsonValue &value, const QString &key = {})
{
    static const QStringList wordKeys{u"status"_s,    u"column"_s,   u"priority"_s, u"id"_s,
                                      u"projectID"_s, u"folderID"_s, u"labelIDs"_s};
    const QString id = u"00000000-0000-0000-0000-00000000000A"_s;
    QList<std::pair<QString, QJsonValue>> out;
    for (const QJsonValue &other : {QJsonValue(true), QJsonValue(12.5), QJsonValue(u"text"_s),
                                    QJsonValue(QJsonArray()), QJsonValue(QJsonObject())})
        if (other.type() != value.type())
            out.append({QString(), other});
    if (value.isString() && wordKeys.contains(key)) {
        for (const QString &word :
             QStringList{u"Done"_s, QString(), u'{' + id + u'}', id.chopped(1),
                         QString(id).remove(u'-'), QString(id).replace(u'A', u'G')})
            out.append({u" = "_s + word, word});
    }
    const auto descend = [&out](auto container, auto index, const QString &name,
                                const QString &childKey) {
        for (const auto &[path, changed] : spoiled(container[index], childKey)) {
            auto copy = container;
            copy[index] = changed;
            out.append({u'/' + name + path, copy});
        }
    };
    const QJsonObject object = value.toObject();
    for (const QString &name : object.keys())
        descend(object, name, name, name);
    const QJsonArray array = value.toArray();
    for (qsizetype i = 0; i < array.size(); ++i)
        descend(array, i, QString::number(i), key);
    return out;
}

} // namespace

class TestStore final : public QObject {
    Q_OBJECT

private slots:
    void documentRoundTripsToIdenticalBytes()
    {
        QCOMPARE(encodeDocument(sample()), sampleBytes);

        // Before labels existed: the default ones. A present empty list stays empty.
        QCOMPARE(std::get<StoreData>(decodeDocument("{}", now)).labels.size(), 6);
        QCOMPARE(std::get<StoreData>(decodeDocument(R"({"labels":null})", now)).labels.size(), 6);
        QVERIFY(std::get<StoreData>(decodeDocument(R"({"labels":[]})", now)).labels.isEmpty());

        // The cache gives the bytes of a fresh encode, whatever changed between saves.
        StoreData data = sample(4);
        CardJsonCache cache;
        QCOMPARE(encodeDocument(data, &cache), encodeDocument(data));
        data.cards[1].checklist[0].done = false; // a change deep inside one card
        data.cards.removeAt(2);
        data.cards.append(data.cards[0]); // a duplicate id, as a hand-edited file may hold
        data.cards.last().title = u"Kopie"_s;
        QCOMPARE(encodeDocument(data, &cache), encodeDocument(data));
        QCOMPARE(encodeDocument(data, &cache), encodeDocument(data));
    }

    void badBytesFailCleanly()
    {
        const QByteArray card = R"({"cards":[{"projectID":"00000000-0000-0000-0000-00000000000B")";
        for (const QByteArray &bytes : QList<QByteArray>{
                 "[]"_ba,
                 QByteArray(sampleBytes).replace("Klienti", "Kli\0nti"_ba),
                 sampleBytes + '\0',
                 QByteArray(sampleBytes).replace("Klienti", "Kli\xff\xfenti"),
                 QByteArray(sampleBytes).replace("Klienti", "\xc0\xafK"), // overlong UTF-8
                 "{\"cards\":" + QByteArray(100'000, '[') + QByteArray(100'000, ']') + "}",
                 QByteArray(sampleBytes).replace("\"colorName\"", "\"colourName\""),
                 card + R"(,"title":null}]})",
                 card + R"(,"title":"t","timeSpentSeconds":1.5}]})",
                 card + R"(,"title":"t","dueDate":1e300}]})",
             })
            QVERIFY2(fails(bytes), bytes.left(80).constData());

        // The very last byte is the trailing newline; without it the text is still whole.
        for (qsizetype cut = 0; cut < sampleBytes.size() - 1; ++cut)
            QVERIFY2(fails(sampleBytes.left(cut)), qPrintable(u"cut at %1"_s.arg(cut)));

        const QByteArray big = encodeDocument(sample(30'000));
        QVERIFY(big.size() > 20'000'000);
        QCOMPARE(std::get<StoreData>(decodeDocument(big, now)).cards.size(), 30'000);
        QVERIFY(fails(big.chopped(100)));
    }

    void wrongTypeOrUnknownWordAnywhereFails()
    {
        const auto variants = spoiled(QJsonDocument::fromJson(sampleBytes).object());
        QVERIFY(variants.size() > 250);
        for (const auto &[path, changed] : variants)
            if (changed.isObject()) // the whole document turned into a non-object is skipped
                QVERIFY2(fails(QJsonDocument(changed.toObject()).toJson()), qPrintable(path));
    }

    void loadNeverWritesAndUnreadableFilesAreSetAside()
    {
        const Store store(m_env.root() + u"/load"_s);
        QVERIFY(std::holds_alternative<Store::Missing>(store.load(now)));
        QVERIFY(!QFileInfo::exists(m_env.root() + u"/load"_s)); // reading creates no folder
        QVERIFY(writeFile(store.filePath(), "first \xff"));
        QVERIFY(std::holds_alternative<Store::Unreadable>(store.load(now)));
        QCOMPARE(readFile(store.filePath()), "first \xff"_ba);

        const QString first = store.setAside(Store::AsideReason::Unreadable, now);
        QCOMPARE(first, store.filePath() + u".unreadable-"_s +
                            now.toLocalTime().toString(u"yyyyMMdd-HHmmss"));
        QVERIFY(writeFile(store.filePath(), "second"));
        const QString second =
            store.setAside(Store::AsideReason::Unreadable, now); // same second: a new name
        QCOMPARE(readFile(first), "first \xff"_ba);
        QCOMPARE(readFile(second), "second"_ba);
        QVERIFY(!QFile::exists(store.filePath()));
    }

    void saveIsAtomicAndLeavesNothingBehind()
    {
        const Store store(m_env.root() + u"/Můj adresář/data \"x\"\nz"_s);
        const StoreData data = sample(2);
        QVERIFY(store.save(sample()).ok());
        QVERIFY(store.save(data).ok());
        QCOMPARE(entries(store.dir()), QStringList{u"store.json"_s});
        QCOMPARE(std::get<StoreData>(store.load(now)), data);
        const QString missing = m_env.root() + u"/missing/folder/b.json"_s;
        QCOMPARE(Store::writeDocument(data, missing).error,
                 u"cannot write %1: No such file or directory"_s.arg(missing));
    }

    // Qt 6.4's QSaveFile ignored a failed write of a small document and renamed the cut-short
    // file over the old one.
    void failedWritesLeaveTheOldFileByteForByte_data()
    {
        QTest::addColumn<bool>("fullDisk"); // else a file size limit
        QTest::addColumn<int>("cards");
        // Small: below the 16 KiB that QFileDevice buffers.
        QTest::newRow("size limit, small document") << false << 10;
        QTest::newRow("size limit, large document") << false << 400;
        QTest::newRow("full disk, small document") << true << 10;
        QTest::newRow("full disk, large document") << true << 400;
    }

    void failedWritesLeaveTheOldFileByteForByte()
    {
        QFETCH(bool, fullDisk);
        QFETCH(int, cards);
        const QString dir = m_env.root() + u'/' + QLatin1String(QTest::currentDataTag());
        QVERIFY(QDir().mkpath(dir));
        if (fullDisk) {
            if (geteuid() != 0)
                QSKIP("mounting a small tmpfs needs root");
            // Two pages: the old file takes one, and the new one never fits in the other.
            if (::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=8k") != 0)
                QSKIP(qPrintable(u"cannot mount a tmpfs: "_s + qt_error_string(errno)));
        }
        const auto unmount = qScopeGuard([&] {
            if (fullDisk)
                ::umount(QFile::encodeName(dir).constData());
        });
        const Store store(dir);
        QVERIFY(store.save(sample()).ok());
        const QByteArray old = readFile(store.filePath());
        const QByteArray bytes = encodeDocument(sample(cards));
        QVERIFY(bytes.size() > 4096 + 1024 && (cards > 100 || bytes.size() < 16 * 1024));

        rlimit previous{};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous;
        limited.rlim_cur = rlim_t(bytes.size() - 100); // cut short near the end
        if (!fullDisk)
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const FileResult result = Store::writeAtomically(store.filePath(), bytes);
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);

        QCOMPARE(result.error, u"cannot write %1: %2"_s.arg(store.filePath(),
                                                            fullDisk ? u"No space left on device"_s
                                                                     : u"File too large"_s));
        QCOMPARE(readFile(store.filePath()), old);
        QCOMPARE(entries(dir), QStringList{u"store.json"_s});
    }

    // Opening a FIFO for reading waits for a writer, and a FIFO or device never ends.
    void onlyRegularFilesAreReadOrReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << u"fifo"_s;
        QTest::newRow("device") << u"device"_s;
        QTest::newRow("folder") << u"folder"_s;
    }

    void onlyRegularFilesAreReadOrReplaced()
    {
        QFETCH(QString, kind);
        const Store store(m_env.root() + u'/' + kind);
        const QString path = store.dir() + u"/store.json"_s;
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"device")
            QVERIFY(QFile::link(u"/dev/zero"_s, path));
        else
            QVERIFY(QDir().mkpath(path));
        const QFileInfo before(path);

        const auto loaded = store.load(now);
        QVERIFY(std::holds_alternative<Store::Unreadable>(loaded));
        QCOMPARE(std::get<Store::Unreadable>(loaded).message, path + u" is not a regular file"_s);
        QCOMPARE(store.save(sample()).error, path + u" is not a regular file"_s);
        const QFileInfo after(path);
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isFile(), false);

        // The kernel's own files report no size: what is read is counted.
        const auto counted = Store::readDocument(u"/proc/self/status"_s, now, 64);
        QVERIFY(std::get<Store::Unreadable>(counted).message.contains(u"too large"_s));
    }

private:
    TestEnvironment m_env;
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"

// SPDX-License-Identifier: MIT
#include "model/store.h"
#include "support/testenvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

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

        const QString first = store.setAsideUnreadable(now);
        QCOMPARE(first, store.filePath() + u".unreadable-"_s +
                            now.toLocalTime().toString(u"yyyyMMdd-HHmmss"));
        QVERIFY(writeFile(store.filePath(), "second"));
        const QString second = store.setAsideUnreadable(now); // same second: a new name
        QCOMPARE(readFile(first), "first \xff"_ba);
        QCOMPARE(readFile(second), "second"_ba);
        QVERIFY(!QFile::exists(store.filePath()));
    }

    void saveIsAtomicAndLeavesNothingBehind()
    {
        const Store store(m_env.root() + u"/Můj adresář/data \"x\"\nz"_s);
        const StoreData data = sample(2);
        QVERIFY(store.save(sample()));
        QVERIFY(store.save(data));
        QCOMPARE(
            QDir(store.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{u"store.json"_s});
        QCOMPARE(std::get<StoreData>(store.load(now)), data);
        QVERIFY(!Store::writeAtomically(store.dir(), "x")); // a folder is in the way
        QVERIFY(!Store::writeDocument(data, m_env.root() + u"/missing/folder/b.json"_s));
    }

private:
    TestEnvironment m_env;
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"

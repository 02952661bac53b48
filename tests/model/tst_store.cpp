// SPDX-License-Identifier: MIT
#include "model/dates.h"
#include "model/store.h"
#include "support/testenvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace RecordJson;

namespace {

const QDateTime now = Dates::fromReferenceSeconds(800'000'000);

StoreData sampleDocument(int cardCount = 1)
{
    StoreData data;
    data.didSeed = true;
    data.labels = CardLabel::defaults();
    data.folders = {{QUuid::createUuid(), u"Klienti"_s, 1.5, false}};
    data.projects = {{QUuid::createUuid(), u"Web ✓"_s, u"/home/a b/web"_s, u"https://x.cz"_s,
                      u"https://github.com/a/b"_s, u"site"_s, std::nullopt, u"🚀"_s,
                      ProjectStatus::Parked, data.folders[0].id, 2}};
    for (int i = 0; i < cardCount; ++i) {
        data.cards.append({QUuid::createUuid(),
                           data.projects[0].id,
                           u"Karta %1"_s.arg(i),
                           u"poznámka"_s,
                           KanbanColumn::Doing,
                           now,
                           now.addSecs(5),
                           false,
                           now.addDays(3),
                           {data.labels[0].id, data.labels[2].id},
                           {{QUuid::createUuid(), u"krok"_s, true}},
                           false,
                           i + 0.5,
                           u"red"_s,
                           CardPriority::Low,
                           42,
                           now.addMSecs(-1500)});
    }
    return data;
}

bool fails(const QByteArray &bytes)
{
    const auto decoded = decodeDocument(bytes, now);
    return std::holds_alternative<DecodeError>(decoded) &&
           !std::get<DecodeError>(decoded).message.isEmpty();
}

// Every value in a JSON tree, with the path that leads to it (object keys, list indices).
struct Node {
    QList<std::variant<QString, qsizetype>> path;
    QJsonValue value;
    QString name; // the path as text, for failure messages
};

void collectNodes(const QJsonValue &value, const Node &parent, QList<Node> &out)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            Node node{parent.path, it.value(), parent.name + u'.' + it.key()};
            node.path.append(it.key());
            out.append(node);
            collectNodes(it.value(), node, out);
        }
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            Node node{parent.path, array.at(i), parent.name + u'.' + QString::number(i)};
            node.path.append(i);
            out.append(node);
            collectNodes(array.at(i), node, out);
        }
    }
}

QJsonValue replaced(const QJsonValue &value, QList<std::variant<QString, qsizetype>> path,
                    const QJsonValue &with)
{
    if (path.isEmpty())
        return with;
    const auto step = path.takeFirst();
    if (const auto *key = std::get_if<QString>(&step)) {
        QJsonObject object = value.toObject();
        object[*key] = replaced(object.value(*key), path, with);
        return object;
    }
    QJsonArray array = value.toArray();
    const qsizetype index = std::get<qsizetype>(step);
    array[index] = replaced(array.at(index), path, with);
    return array;
}

QByteArray withReplaced(const QJsonObject &document, const Node &node, const QJsonValue &with)
{
    return QJsonDocument(replaced(document, node.path, with).toObject()).toJson();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestStore final : public QObject {
    Q_OBJECT

private slots:
    void documentRoundTripsToIdenticalBytes()
    {
        const StoreData data = sampleDocument(3);
        const QByteArray bytes = encodeDocument(data);
        const auto decoded = decodeDocument(bytes, now.addDays(1));
        QVERIFY(std::holds_alternative<StoreData>(decoded));
        QCOMPARE(std::get<StoreData>(decoded), data);
        QCOMPARE(encodeDocument(std::get<StoreData>(decoded)), bytes);

        // Keys sorted at every level, pretty-printed.
        qsizetype last = -1;
        for (const char *key :
             {"\"cards\"", "\"didSeed\"", "\"folders\"", "\"labels\"", "\"projects\""}) {
            QVERIFY2(bytes.indexOf(key) > last, key);
            last = bytes.indexOf(key);
        }
        QVERIFY(bytes.indexOf("\"archived\"") < bytes.indexOf("\"checklist\""));
        QVERIFY(bytes.contains("\n    \""));
    }

    void missingTopLevelKeysTakeDefaults()
    {
        const auto empty = std::get<StoreData>(decodeDocument("{}", now));
        QVERIFY(empty.projects.isEmpty() && empty.cards.isEmpty() && empty.folders.isEmpty());
        QVERIFY(!empty.didSeed);
        QCOMPARE(empty.labels.size(), 6);
        QCOMPARE(std::get<StoreData>(decodeDocument(R"({"labels":null})", now)).labels.size(), 6);
        QVERIFY(std::get<StoreData>(decodeDocument(R"({"labels":[]})", now)).labels.isEmpty());
    }

    void badDocumentsFailCleanly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray valid = encodeDocument(sampleDocument());
        const QByteArray card = R"({"cards":[{"projectID":"6F1C2C4E-9D3A-4C59-8E0A-3A3B7D2E1F00")";
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not JSON") << "hello"_ba;
        QTest::newRow("list at top") << "[]"_ba;
        QTest::newRow("NUL inside a string") << QByteArray(valid).replace("Klienti", "Kli\0nti"_ba);
        QTest::newRow("NUL after the document") << valid + '\0';
        QTest::newRow("invalid UTF-8") << QByteArray(valid).replace("Klienti", "Kli\xff\xfenti");
        QTest::newRow("overlong UTF-8") << QByteArray(valid).replace("Klienti", "\xc0\xafK");
        QTest::newRow("deep nesting")
            << "{\"cards\":" + QByteArray(100'000, '[') + QByteArray(100'000, ']') + "}";
        QTest::newRow("label missing key")
            << QByteArray(valid).replace("\"colorName\"", "\"colourName\"");
        QTest::newRow("card without title") << card + "}]}";
        QTest::newRow("card with null title") << card + R"(,"title":null}]})";
        QTest::newRow("fractional Int") << card + R"(,"title":"t","timeSpentSeconds":1.5}]})";
        QTest::newRow("absurd date") << card + R"(,"title":"t","dueDate":1e300}]})";
        QTest::newRow("project without localPath") << R"({"projects":[{"name":"a"}]})"_ba;
        QTest::newRow("item without done")
            << card +
                   R"(,"title":"t","checklist":[{"id":"6F1C2C4E-9D3A-4C59-8E0A-3A3B7D2E1F00","text":"x"}]}]})";
    }

    void badDocumentsFailCleanly()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(fails(bytes));
    }

    void everyTruncationFails()
    {
        const QByteArray bytes = encodeDocument(sampleDocument());
        // The very last byte is the trailing newline; without it the text is still whole.
        for (qsizetype cut = 0; cut < bytes.size() - 1; ++cut)
            QVERIFY2(fails(bytes.left(cut)), qPrintable(u"cut at %1"_s.arg(cut)));
    }

    void wrongTypeOrUnknownWordAnywhereFails()
    {
        const QJsonObject document =
            QJsonDocument::fromJson(encodeDocument(sampleDocument())).object();
        QList<Node> nodes;
        collectNodes(document, {}, nodes);
        QVERIFY(nodes.size() > 60);
        const QList<QJsonValue> candidates{true, 12.5, u"text"_s, QJsonArray(), QJsonObject()};
        for (const Node &node : std::as_const(nodes)) {
            for (const QJsonValue &candidate : candidates) {
                if (candidate.type() != node.value.type())
                    QVERIFY2(fails(withReplaced(document, node, candidate)), qPrintable(node.name));
            }
            if (node.name.endsWith(u".status") || node.name.endsWith(u".column") ||
                node.name.endsWith(u".priority")) {
                for (const QString &word : {u"bogus"_s, u""_s, u"Done"_s})
                    QVERIFY2(fails(withReplaced(document, node, word)), qPrintable(node.name));
            }
        }
    }

    void twentyMegabyteDocumentDecodes()
    {
        const QByteArray bytes = encodeDocument(sampleDocument(40'000));
        QVERIFY(bytes.size() > 20'000'000);
        const auto decoded = decodeDocument(bytes, now);
        QVERIFY(std::holds_alternative<StoreData>(decoded));
        QCOMPARE(std::get<StoreData>(decoded).cards.size(), 40'000);
        QVERIFY(fails(bytes.chopped(100)));
    }

    void cachedCardsEncodeLikeFreshOnes()
    {
        StoreData data = sampleDocument(4);
        CardJsonCache cache;
        QCOMPARE(encodeDocument(data, &cache), encodeDocument(data));
        data.cards[1].checklist[0].done = false; // a change deep inside one card
        data.cards.removeAt(2);
        data.cards.append(data.cards[0]); // a duplicate id, as a hand-edited file may hold
        data.cards.last().title = u"Kopie"_s;
        QCOMPARE(encodeDocument(data, &cache), encodeDocument(data));
        QCOMPARE(encodeDocument(data, &cache), encodeDocument(data));
    }

    void loadTellsMissingFromUnreadable()
    {
        const Store store(m_env.root() + u"/load"_s);
        QVERIFY(std::holds_alternative<Store::Missing>(store.load(now)));
        QVERIFY(!QFileInfo::exists(m_env.root() + u"/load"_s)); // reading creates no folder
        store.dir();
        writeRaw(store.filePath(), "{\"cards\": [");
        QVERIFY(std::holds_alternative<Store::Unreadable>(store.load(now)));
        QCOMPARE(readAll(store.filePath()), "{\"cards\": ["_ba); // reading never writes

        QVERIFY(store.save(sampleDocument()));
        QVERIFY(std::holds_alternative<StoreData>(store.load(now)));

        const Store folderInTheWay(m_env.root() + u"/dir"_s);
        QVERIFY(QDir().mkpath(folderInTheWay.filePath()));
        QVERIFY(std::holds_alternative<Store::Unreadable>(folderInTheWay.load(now)));
    }

    void unreadableFileIsSetAsideWithItsBytes()
    {
        const Store store(m_env.root() + u"/aside"_s);
        QCOMPARE(store.setAsideUnreadable(now), QString()); // nothing to set aside
        store.dir();
        const QString stamp = now.toLocalTime().toString(u"yyyyMMdd-HHmmss");
        writeRaw(store.filePath(), "first \xff");
        const QString first = store.setAsideUnreadable(now);
        QCOMPARE(first, store.filePath() + u".unreadable-"_s + stamp);
        writeRaw(store.filePath(), "second");
        const QString second = store.setAsideUnreadable(now); // same second: a new name
        QVERIFY(!second.isEmpty() && second != first);
        QCOMPARE(readAll(first), "first \xff"_ba);
        QCOMPARE(readAll(second), "second"_ba);
        QVERIFY(!QFile::exists(store.filePath()));
    }

    void saveIsAtomicAndLeavesNothingBehind()
    {
        const Store store(m_env.root() + u"/Můj adresář/data \"x\"\nz"_s);
        const StoreData data = sampleDocument(2);
        QVERIFY(store.save(sampleDocument()));
        QVERIFY(store.save(data));
        QCOMPARE(
            QDir(store.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{u"store.json"_s});
        QCOMPARE(std::get<StoreData>(store.load(now)), data);

        // A target that cannot be written fails and leaves what is there untouched.
        QVERIFY(!Store::writeAtomically(store.dir(), "x"));
        QVERIFY(!Store::writeDocument(data, m_env.root() + u"/missing/folder/b.json"_s));
        QCOMPARE(std::get<StoreData>(store.load(now)), data);
    }

    void defaultDirFollowsTheDataLocation() { QCOMPARE(Store::defaultDir(), m_env.dataDir()); }

private:
    TestEnvironment m_env;
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"

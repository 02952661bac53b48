// SPDX-License-Identifier: MIT
#include "model/recordjson.h"

#include "model/cardjsoncache.h"
#include "model/dates.h"
#include "model/jsonfields.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <array>
#include <initializer_list>

namespace RecordJson {

namespace {

using namespace Qt::StringLiterals;
using enum JsonFields::Need;

// A record read without an id gets a new one (created only then: it is not free).
QUuid freshIfAbsent(const std::optional<QUuid> &id)
{
    return id ? *id : QUuid::createUuid();
}

template<typename T> Decoded<T> finish(const JsonFields &in, T record)
{
    if (in.failed())
        return DecodeError{in.error()};
    return record;
}

// Reads the list of records under `key`; the first bad element fails the whole list, and the
// message says which one.
template<typename T, typename Read>
QList<T> readRecords(JsonFields &in, QLatin1String key, Read read)
{
    QList<T> records;
    const std::optional<QJsonArray> array = in.array(key);
    if (!array)
        return records;
    records.reserve(array->size());
    for (qsizetype i = 0; i < array->size(); ++i) {
        const std::optional<QJsonObject> element = in.objectAt(*array, i, key);
        if (!element)
            return {};
        Decoded<T> record = read(*element);
        if (const auto *error = std::get_if<DecodeError>(&record)) {
            in.failInside(key, i, error->message);
            return {};
        }
        records.append(std::move(std::get<T>(record)));
    }
    return records;
}

QList<QUuid> readIds(JsonFields &in, QLatin1String key)
{
    QList<QUuid> ids;
    const std::optional<QJsonArray> array = in.array(key);
    if (!array)
        return ids;
    ids.reserve(array->size());
    for (qsizetype i = 0; i < array->size(); ++i) {
        const QJsonValue element = array->at(i);
        const std::optional<QUuid> id =
            element.isString() ? parseUuidText(element.toString()) : std::nullopt;
        if (!id) {
            in.fail(key, i, u"expected a UUID"_s);
            return {};
        }
        ids.append(*id);
    }
    return ids;
}

QJsonValue jsonValue(const QString &text)
{
    return text;
}

// The id's upper-case 8-4-4-4-12 text, written straight into a buffer: QUuid gives lower case
// only, and its text and the upper-cased copy cost two allocations for each of the thousands of
// ids in a document.
class UuidChars final {
public:
    explicit UuidChars(const QUuid &id)
    {
        put(id.data1, 8);
        m_chars[m_size++] = '-';
        put(id.data2, 4);
        m_chars[m_size++] = '-';
        put(id.data3, 4);
        m_chars[m_size++] = '-';
        put(id.data4[0], 2);
        put(id.data4[1], 2);
        m_chars[m_size++] = '-';
        for (int i = 2; i < 8; ++i)
            put(id.data4[i], 2);
    }

    QLatin1StringView view() const { return QLatin1StringView(m_chars.data(), m_size); }

private:
    void put(quint32 value, int digits)
    {
        static constexpr char hex[] = "0123456789ABCDEF";
        for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
            m_chars[m_size++] = hex[(value >> shift) & 0xf];
    }

    std::array<char, 36> m_chars;
    qsizetype m_size = 0;
};

QJsonValue jsonValue(const QUuid &id)
{
    return QJsonValue(UuidChars(id).view());
}

QJsonValue jsonValue(const QDateTime &date)
{
    return Dates::toReferenceSeconds(date);
}

QJsonValue jsonValue(CardPriority priority)
{
    return CardPriorities::rawValue(priority);
}

// Absent optional fields are left out of the object, never written as null.
template<typename T>
void insertIfPresent(QJsonObject &object, QLatin1String key, const std::optional<T> &value)
{
    if (value)
        object.insert(key, jsonValue(*value));
}

// Adding a key to a QJsonObject builds a temporary CBOR container just for the key, which made
// key insertion most of the cost of encoding. A writer therefore starts from a copy of its
// record's shape, an object already holding the keys every such record has (as nulls), so that
// each insert only replaces a value; a present optional field is still added as a new key.
QJsonObject shape(std::initializer_list<QLatin1String> keys)
{
    QJsonObject object;
    for (const QLatin1String key : keys)
        object.insert(key, QJsonValue::Null);
    return object;
}

template<typename T> QJsonArray writeList(const QList<T> &items)
{
    QJsonArray array;
    for (const T &item : items)
        array.append(write(item));
    return array;
}

} // namespace

QString uuidText(const QUuid &id)
{
    return QString(UuidChars(id).view());
}

Decoded<ProjectConfig> readProject(const QJsonObject &object)
{
    JsonFields in(object);
    ProjectConfig project;
    project.id = freshIfAbsent(in.uuid("id"_L1));
    project.name = in.string("name"_L1, Required).value_or(QString());
    project.localPath = in.string("localPath"_L1, Required).value_or(QString());
    project.siteURL = in.string("siteURL"_L1);
    project.githubURL = in.string("githubURL"_L1);
    project.netlifySiteID = in.string("netlifySiteID"_L1);
    project.vercelProjectID = in.string("vercelProjectID"_L1);
    project.emoji = in.string("emoji"_L1).value_or(project.emoji);
    project.status = in.enumeration("status"_L1, ProjectStatuses::fromRawValue)
                         .value_or(ProjectStatus::Development);
    project.folderID = in.uuid("folderID"_L1);
    project.sortIndex = in.number("sortIndex"_L1).value_or(0);
    return finish(in, std::move(project));
}

Decoded<ProjectFolder> readFolder(const QJsonObject &object)
{
    JsonFields in(object);
    ProjectFolder folder;
    folder.id = freshIfAbsent(in.uuid("id"_L1));
    folder.name = in.string("name"_L1, Required).value_or(QString());
    folder.sortIndex = in.number("sortIndex"_L1).value_or(0);
    folder.isExpanded = in.boolean("isExpanded"_L1).value_or(true);
    return finish(in, std::move(folder));
}

Decoded<TaskCard> readCard(const QJsonObject &object, const QDateTime &now)
{
    JsonFields in(object);
    TaskCard card;
    card.id = freshIfAbsent(in.uuid("id"_L1));
    card.projectID = in.uuid("projectID"_L1, Required).value_or(QUuid());
    card.title = in.string("title"_L1, Required).value_or(QString());
    card.note = in.string("note"_L1).value_or(QString());
    card.column =
        in.enumeration("column"_L1, KanbanColumns::fromRawValue).value_or(KanbanColumn::Idea);
    card.createdAt = in.date("createdAt"_L1).value_or(now);
    card.completedAt = in.date("completedAt"_L1);
    card.isDeployFix = in.boolean("isDeployFix"_L1).value_or(false);
    card.dueDate = in.date("dueDate"_L1);
    card.labelIDs = readIds(in, "labelIDs"_L1);
    card.checklist = readRecords<ChecklistItem>(in, "checklist"_L1, readChecklistItem);
    card.archived = in.boolean("archived"_L1).value_or(false);
    card.sortIndex = in.number("sortIndex"_L1).value_or(0);
    card.coverColorName = in.string("coverColorName"_L1);
    card.priority = in.enumeration("priority"_L1, CardPriorities::fromRawValue);
    card.timeSpentSeconds = in.integer("timeSpentSeconds"_L1).value_or(0);
    card.timerStartedAt = in.date("timerStartedAt"_L1);
    return finish(in, std::move(card));
}

Decoded<CardLabel> readLabel(const QJsonObject &object)
{
    JsonFields in(object);
    CardLabel label;
    label.id = in.uuid("id"_L1, Required).value_or(QUuid());
    label.name = in.string("name"_L1, Required).value_or(QString());
    label.colorName = in.string("colorName"_L1, Required).value_or(QString());
    return finish(in, std::move(label));
}

Decoded<ChecklistItem> readChecklistItem(const QJsonObject &object)
{
    JsonFields in(object);
    ChecklistItem item;
    item.id = in.uuid("id"_L1, Required).value_or(QUuid());
    item.text = in.string("text"_L1, Required).value_or(QString());
    item.done = in.boolean("done"_L1, Required).value_or(false);
    return finish(in, std::move(item));
}

// Writers set keys in alphabetical order, the order QJsonObject keeps anyway; an optional key
// added to a shape then lands near its end.

QJsonObject write(const ProjectConfig &project)
{
    static const QJsonObject projectShape =
        shape({"emoji"_L1, "id"_L1, "localPath"_L1, "name"_L1, "sortIndex"_L1, "status"_L1});
    QJsonObject object = projectShape;
    object.insert("emoji"_L1, project.emoji);
    insertIfPresent(object, "folderID"_L1, project.folderID);
    insertIfPresent(object, "githubURL"_L1, project.githubURL);
    object.insert("id"_L1, jsonValue(project.id));
    object.insert("localPath"_L1, project.localPath);
    object.insert("name"_L1, project.name);
    insertIfPresent(object, "netlifySiteID"_L1, project.netlifySiteID);
    insertIfPresent(object, "siteURL"_L1, project.siteURL);
    object.insert("sortIndex"_L1, project.sortIndex);
    object.insert("status"_L1, ProjectStatuses::rawValue(project.status));
    insertIfPresent(object, "vercelProjectID"_L1, project.vercelProjectID);
    return object;
}

QJsonObject write(const ProjectFolder &folder)
{
    static const QJsonObject folderShape =
        shape({"id"_L1, "isExpanded"_L1, "name"_L1, "sortIndex"_L1});
    QJsonObject object = folderShape;
    object.insert("id"_L1, jsonValue(folder.id));
    object.insert("isExpanded"_L1, folder.isExpanded);
    object.insert("name"_L1, folder.name);
    object.insert("sortIndex"_L1, folder.sortIndex);
    return object;
}

QJsonObject write(const TaskCard &card)
{
    QJsonArray labelIDs;
    for (const QUuid &id : card.labelIDs)
        labelIDs.append(jsonValue(id));
    static const QJsonObject cardShape =
        shape({"archived"_L1, "checklist"_L1, "column"_L1, "createdAt"_L1, "id"_L1,
               "isDeployFix"_L1, "labelIDs"_L1, "note"_L1, "projectID"_L1, "sortIndex"_L1,
               "timeSpentSeconds"_L1, "title"_L1});
    QJsonObject object = cardShape;
    object.insert("archived"_L1, card.archived);
    object.insert("checklist"_L1, writeList(card.checklist));
    object.insert("column"_L1, KanbanColumns::rawValue(card.column));
    insertIfPresent(object, "completedAt"_L1, card.completedAt);
    insertIfPresent(object, "coverColorName"_L1, card.coverColorName);
    object.insert("createdAt"_L1, jsonValue(card.createdAt));
    insertIfPresent(object, "dueDate"_L1, card.dueDate);
    object.insert("id"_L1, jsonValue(card.id));
    object.insert("isDeployFix"_L1, card.isDeployFix);
    object.insert("labelIDs"_L1, labelIDs);
    object.insert("note"_L1, card.note);
    insertIfPresent(object, "priority"_L1, card.priority);
    object.insert("projectID"_L1, jsonValue(card.projectID));
    object.insert("sortIndex"_L1, card.sortIndex);
    object.insert("timeSpentSeconds"_L1, card.timeSpentSeconds);
    insertIfPresent(object, "timerStartedAt"_L1, card.timerStartedAt);
    object.insert("title"_L1, card.title);
    return object;
}

QJsonObject write(const CardLabel &label)
{
    static const QJsonObject labelShape = shape({"colorName"_L1, "id"_L1, "name"_L1});
    QJsonObject object = labelShape;
    object.insert("colorName"_L1, label.colorName);
    object.insert("id"_L1, jsonValue(label.id));
    object.insert("name"_L1, label.name);
    return object;
}

QJsonObject write(const ChecklistItem &item)
{
    static const QJsonObject itemShape = shape({"done"_L1, "id"_L1, "text"_L1});
    QJsonObject object = itemShape;
    object.insert("done"_L1, item.done);
    object.insert("id"_L1, jsonValue(item.id));
    object.insert("text"_L1, item.text);
    return object;
}

QByteArray encodeDocument(const StoreData &data, CardJsonCache *cache)
{
    // QJsonObject keeps its keys sorted, which gives the file its stable, diffable order.
    QJsonObject document;
    document.insert("cards"_L1, cache ? cache->write(data.cards) : writeList(data.cards));
    document.insert("didSeed"_L1, data.didSeed);
    document.insert("folders"_L1, writeList(data.folders));
    document.insert("labels"_L1, writeList(data.labels));
    document.insert("projects"_L1, writeList(data.projects));
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

Decoded<StoreData> decodeDocument(const QByteArray &bytes, const QDateTime &now)
{
    JsonFields in = JsonFields::parseObject(bytes);
    if (in.failed())
        return DecodeError{in.error()};
    StoreData data;
    data.projects = readRecords<ProjectConfig>(in, "projects"_L1, readProject);
    data.cards = readRecords<TaskCard>(
        in, "cards"_L1, [&now](const QJsonObject &card) { return readCard(card, now); });
    data.didSeed = in.boolean("didSeed"_L1).value_or(false);
    // No labels at all means a document from before labels; a present empty list stays empty.
    if (in.has("labels"_L1))
        data.labels = readRecords<CardLabel>(in, "labels"_L1, readLabel);
    else
        data.labels = CardLabel::defaults();
    data.folders = readRecords<ProjectFolder>(in, "folders"_L1, readFolder);
    return finish(in, std::move(data));
}

} // namespace RecordJson

// SPDX-License-Identifier: MIT
#include "sources/httpresponsereader.h"

namespace {

// A chunk-size line is a hexadecimal number and perhaps extensions; nothing sane is longer.
constexpr qint64 maxChunkLineBytes = 1024;

bool isInterim(int status)
{
    // 101 switches protocols, which is never asked for: it ends the response like any other.
    return status >= 100 && status < 200 && status != 101;
}

// The comma-separated tokens of a header value, trimmed and in lower case.
QList<QByteArray> tokens(const QByteArray &value)
{
    QList<QByteArray> list;
    for (const QByteArray &token : value.split(','))
        list.append(token.trimmed().toLower());
    return list;
}

std::optional<qint64> parseLength(const QByteArray &text, int base)
{
    if (text.isEmpty() || text.size() > 15)
        return std::nullopt;
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!digit && !(base == 16 && hex))
            return std::nullopt;
    }
    return text.toLongLong(nullptr, base);
}

} // namespace

HttpResponseReader::HttpResponseReader(qint64 maxHeadBytes, qint64 maxBodyBytes)
    : m_maxHeadBytes(maxHeadBytes)
    , m_maxBodyBytes(maxBodyBytes)
{
}

void HttpResponseReader::feed(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    if (m_phase == Phase::Done || m_phase == Phase::Failed) {
        m_reusable = false; // bytes nobody asked for: the connection is not clean
        return;
    }
    m_started = true;
    m_input.append(bytes);

    while (m_read < m_input.size() && m_phase != Phase::Done && m_phase != Phase::Failed) {
        const qsizetype before = m_read;
        switch (m_phase) {
        case Phase::StatusLine:
        case Phase::Headers:
        case Phase::Trailers:
            if (const std::optional<QByteArray> line = takeLine(m_headBytes, m_maxHeadBytes)) {
                if (m_phase == Phase::StatusLine) {
                    if (takeStatusLine(*line))
                        m_phase = Phase::Headers;
                } else if (line->isEmpty()) {
                    if (m_phase == Phase::Headers)
                        startBody();
                    else
                        m_phase = Phase::Done;
                } else if (m_phase == Phase::Headers) {
                    takeHeaderLine(*line);
                } // trailer fields are not kept
            } else if (m_headBytes > m_maxHeadBytes) {
                fail(Error::HeadTooLarge);
            }
            break;
        case Phase::ChunkSize:
        case Phase::ChunkEnd:
            if (const std::optional<QByteArray> line =
                    takeLine(m_chunkLineBytes, maxChunkLineBytes)) {
                m_chunkLineBytes = 0;
                if (m_phase == Phase::ChunkEnd) {
                    if (line->isEmpty())
                        m_phase = Phase::ChunkSize;
                    else
                        fail(Error::Malformed);
                    break;
                }
                const std::optional<qint64> size =
                    parseLength(line->split(';').constFirst().trimmed(), 16);
                if (!size)
                    fail(Error::Malformed);
                else if (*size == 0)
                    m_phase = Phase::Trailers;
                else if (m_body.size() + *size > m_maxBodyBytes)
                    fail(Error::BodyTooLarge);
                else {
                    m_remaining = *size;
                    m_phase = Phase::ChunkData;
                }
            } else if (m_chunkLineBytes > maxChunkLineBytes) {
                fail(Error::Malformed);
            }
            break;
        case Phase::Sized:
        case Phase::ChunkData:
            takeBodyBytes(std::min(m_remaining, qint64(m_input.size() - m_read)));
            if (m_remaining == 0)
                m_phase = m_phase == Phase::Sized ? Phase::Done : Phase::ChunkEnd;
            break;
        case Phase::UntilClose:
            takeBodyBytes(m_input.size() - m_read);
            if (m_body.size() > m_maxBodyBytes)
                fail(Error::BodyTooLarge);
            break;
        case Phase::Done:
        case Phase::Failed:
            break;
        }
        if (m_read == before && m_phase != Phase::Done && m_phase != Phase::Failed)
            break; // an incomplete line: wait for more
    }
    if (m_phase == Phase::Done && m_read < m_input.size())
        m_reusable = false;
    m_input.remove(0, m_read);
    m_scanFrom = std::max<qsizetype>(0, m_scanFrom - m_read);
    m_read = 0;
}

void HttpResponseReader::endOfStream()
{
    m_reusable = false;
    if (m_phase == Phase::UntilClose)
        m_phase = Phase::Done;
    else if (m_phase != Phase::Done && m_phase != Phase::Failed)
        fail(Error::Truncated);
}

std::optional<QByteArray> HttpResponseReader::takeLine(qint64 &used, qint64 limit)
{
    const qsizetype end = m_input.indexOf('\n', std::max(m_read, m_scanFrom));
    if (end < 0) {
        m_scanFrom = m_input.size();
        // What waits of an unfinished line counts already, so a line without end is refused
        // as soon as it passes the bound.
        if (used + (m_input.size() - m_read) > limit)
            used += m_input.size() - m_read;
        return std::nullopt;
    }
    used += end + 1 - m_read;
    if (used > limit)
        return std::nullopt;
    QByteArray line = m_input.mid(m_read, end - m_read);
    m_read = end + 1;
    m_scanFrom = m_read;
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

bool HttpResponseReader::takeStatusLine(const QByteArray &line)
{
    // "HTTP/1.1 200 OK"; the reason phrase may be empty or missing.
    const QList<QByteArray> parts = line.split(' ');
    const qint64 code =
        parts.size() >= 2 && parts[1].size() == 3 ? parseLength(parts[1], 10).value_or(-1) : -1;
    if (!parts[0].startsWith("HTTP/1.") || code < 100) {
        fail(Error::Malformed);
        return false;
    }
    m_http11 = parts[0] != "HTTP/1.0";
    m_statusCode = int(code);
    return true;
}

bool HttpResponseReader::takeHeaderLine(const QByteArray &line)
{
    if (line.front() == ' ' || line.front() == '\t') {
        // An obsolete folded line continues the previous value.
        if (m_headers.isEmpty()) {
            fail(Error::Malformed);
            return false;
        }
        m_headers.last().second += ' ' + line.trimmed();
        return true;
    }
    const qsizetype colon = line.indexOf(':');
    const QByteArray name = line.left(colon);
    if (colon <= 0 || name.contains(' ') || name.contains('\t')) {
        fail(Error::Malformed);
        return false;
    }
    m_headers.append({name, line.mid(colon + 1).trimmed()});
    return true;
}

void HttpResponseReader::startBody()
{
    if (isInterim(m_statusCode)) {
        // "100 Continue" and the like come before the real response.
        m_headers.clear();
        m_phase = Phase::StatusLine;
        return;
    }
    const HttpResponse head{m_statusCode, {}, m_headers};
    m_reusable =
        m_http11 && !tokens(head.header("Connection").value_or(QByteArray())).contains("close");
    if (m_statusCode == 204 || m_statusCode == 304 || m_statusCode < 200) {
        m_phase = Phase::Done;
        return;
    }
    if (const std::optional<QByteArray> coding = head.header("Transfer-Encoding")) {
        // A body whose last coding is not chunked ends only with the connection.
        if (tokens(*coding).constLast() == "chunked") {
            m_phase = Phase::ChunkSize;
        } else {
            m_reusable = false;
            m_phase = Phase::UntilClose;
        }
        return;
    }
    std::optional<qint64> length;
    for (const auto &[name, value] : m_headers) {
        if (name.compare("Content-Length", Qt::CaseInsensitive) != 0)
            continue;
        for (const QByteArray &token : tokens(value)) {
            const std::optional<qint64> stated = parseLength(token, 10);
            if (!stated || (length && *length != *stated)) {
                fail(Error::Malformed); // a body of two lengths could hide a second response
                return;
            }
            length = stated;
        }
    }
    if (!length) {
        m_reusable = false;
        m_phase = Phase::UntilClose;
    } else if (*length > m_maxBodyBytes) {
        fail(Error::BodyTooLarge);
    } else {
        m_remaining = *length;
        m_phase = *length == 0 ? Phase::Done : Phase::Sized;
    }
}

void HttpResponseReader::takeBodyBytes(qint64 count)
{
    m_body.append(m_input.constData() + m_read, count);
    m_read += count;
    if (m_phase != Phase::UntilClose)
        m_remaining -= count;
}

void HttpResponseReader::fail(Error error)
{
    m_error = error;
    m_phase = Phase::Failed;
    m_reusable = false;
    m_body.clear();
}

// SPDX-License-Identifier: MIT
#pragma once

#include "sources/httpresponse.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <utility>

// Reads one HTTP/1.1 response from the bytes of a connection as they arrive. Everything it keeps
// is bounded: a head (status line and headers) past `maxHeadBytes` or a body past `maxBodyBytes`
// ends the reading with an error, however much more the server sends.
class HttpResponseReader final {
public:
    enum class Error {
        None,
        Malformed,    // not an HTTP/1.x response
        HeadTooLarge, // the head went on past its bound
        BodyTooLarge, // the body (or its announced length) went past its bound
        Truncated,    // the connection ended before the response did
    };

    HttpResponseReader(qint64 maxHeadBytes, qint64 maxBodyBytes);

    // Takes the bytes that arrived next; no-op once done or failed.
    void feed(QByteArrayView bytes);
    // The connection closed: that ends a body sent without a length, and fails anything else.
    void endOfStream();

    bool isDone() const { return m_phase == Phase::Done; }
    Error error() const { return m_error; }
    bool hasStarted() const { return m_started; } // any byte arrived

    int statusCode() const { return m_statusCode; }
    const HttpHeaders &headers() const { return m_headers; }
    QByteArray takeBody() { return std::exchange(m_body, {}); }
    // The response ended where its framing said and the server did not ask to close: the
    // connection may carry the next request.
    bool keepsConnection() const { return isDone() && m_reusable; }

private:
    enum class Phase {
        StatusLine,
        Headers,
        Sized,
        UntilClose,
        ChunkSize,
        ChunkData,
        ChunkEnd,
        Trailers,
        Done,
        Failed
    };

    // One line from the unread input, its end cut off; none while the line is incomplete.
    // Lines count against `limit` (the head's bound, or a chunk line's).
    std::optional<QByteArray> takeLine(qint64 &used, qint64 limit);
    bool takeStatusLine(const QByteArray &line);
    bool takeHeaderLine(const QByteArray &line);
    void startBody();
    void takeBodyBytes(qint64 count);
    void fail(Error error);

    qint64 m_maxHeadBytes;
    qint64 m_maxBodyBytes;
    Phase m_phase = Phase::StatusLine;
    Error m_error = Error::None;
    bool m_started = false;
    bool m_reusable = false;
    bool m_http11 = false;
    QByteArray m_input;       // received, not yet read
    qsizetype m_read = 0;     // how much of m_input has been read
    qsizetype m_scanFrom = 0; // no line ends before this, in the line being read
    qint64 m_headBytes = 0;
    qint64 m_chunkLineBytes = 0;
    qint64 m_remaining = 0; // of the sized body or the current chunk
    int m_statusCode = 0;
    HttpHeaders m_headers;
    QByteArray m_body;
};

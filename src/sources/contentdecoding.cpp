// SPDX-License-Identifier: MIT
#include "sources/contentdecoding.h"

#include <QList>

#include <zlib.h>

namespace ContentDecoding {

namespace {

// zlib's inflate over the whole body; `windowBits` chooses the wrapper (gzip or zlib found by
// its header, or none).
std::variant<QByteArray, Failure> inflate(const QByteArray &body, int windowBits, qint64 maxBytes)
{
    z_stream stream{};
    if (inflateInit2(&stream, windowBits) != Z_OK)
        return Failure::Invalid;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(body.constData()));
    stream.avail_in = uInt(body.size());
    QByteArray out;
    char buffer[64 * 1024];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer);
        stream.avail_out = sizeof buffer;
        status = ::inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        if (out.size() > maxBytes) {
            inflateEnd(&stream);
            return Failure::TooLarge;
        }
        if (status == Z_BUF_ERROR && stream.avail_in > 0)
            status = Z_OK; // the output was full; go on
    }
    const bool whole = status == Z_STREAM_END && stream.avail_in == 0;
    inflateEnd(&stream);
    if (!whole)
        return Failure::Invalid;
    return out;
}

} // namespace

QByteArray accepted()
{
    return QByteArrayLiteral("gzip, deflate");
}

std::variant<QByteArray, Failure> decode(const QByteArray &coding, QByteArray body, qint64 maxBytes)
{
    // A 304 or 204 may name the coding its 200 would have had, with nothing to unpack.
    if (body.isEmpty())
        return body;
    // Codings are listed in the order applied, so they come off last first.
    QList<QByteArray> codings = coding.toLower().split(',');
    for (auto it = codings.crbegin(); it != codings.crend(); ++it) {
        const QByteArray name = it->trimmed();
        std::variant<QByteArray, Failure> step = body;
        if (name == "gzip" || name == "x-gzip") {
            step = inflate(body, MAX_WBITS + 16, maxBytes);
        } else if (name == "deflate") {
            // Meant to be zlib-wrapped, but some servers send the bare stream.
            step = inflate(body, MAX_WBITS, maxBytes);
            if (std::holds_alternative<Failure>(step) &&
                std::get<Failure>(step) == Failure::Invalid)
                step = inflate(body, -MAX_WBITS, maxBytes);
        } else if (!name.isEmpty() && name != "identity") {
            return Failure::Unsupported;
        }
        if (std::holds_alternative<Failure>(step))
            return step;
        body = std::get<QByteArray>(std::move(step));
    }
    return body;
}

} // namespace ContentDecoding

// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <variant>

// Undoes the content codings a server applied to a body (Content-Encoding: gzip, deflate),
// never producing more than a bound: a small body may unpack to gigabytes.
namespace ContentDecoding {

enum class Failure {
    Invalid,     // not what the coding says
    TooLarge,    // unpacks past the bound
    Unsupported, // a coding other than those asked for
};

// The codings asked for, as the Accept-Encoding value.
QByteArray accepted();

// `coding` is the Content-Encoding value, empty when the header was absent.
std::variant<QByteArray, Failure> decode(const QByteArray &coding, QByteArray body,
                                         qint64 maxBytes);

} // namespace ContentDecoding

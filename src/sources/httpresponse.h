// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>

#include <optional>
#include <utility>

using HttpHeaders = QList<std::pair<QByteArray, QByteArray>>;

struct HttpResponse {
    int statusCode = 0;
    QByteArray body;
    HttpHeaders headers; // as received

    // The value of the first header named `name` (in any case).
    std::optional<QByteArray> header(const QByteArray &name) const;

    friend bool operator==(const HttpResponse &, const HttpResponse &) = default;
};

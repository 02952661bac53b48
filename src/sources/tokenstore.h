// SPDX-License-Identifier: MIT
#pragma once

#include <QCoroTask>
#include <QString>

#include <optional>

// Where the access tokens live: generic-password items keyed by service name alone.
// A failed read is absent and a failed removal changes nothing; a save says whether it stored
// the value, so the user is not told a token is kept when it is not (no keychain service).
class TokenStore {
public:
    virtual ~TokenStore() = default;

    virtual QCoro::Task<std::optional<QString>> read(QString service) = 0;
    // Replaces any earlier item of the service; false when the value could not be stored.
    virtual QCoro::Task<bool> save(QString value, QString service) = 0;
    virtual QCoro::Task<> remove(QString service) = 0;
};

namespace TokenServices {

inline constexpr auto currentIdentifier = "app.quaylin.Quaylin";
inline constexpr auto formerIdentifier = "app.quaylin.menubar";

QString netlify();       // app.quaylin.Quaylin.netlify-token
QString vercel();        // app.quaylin.Quaylin.vercel-token
QString github();        // app.quaylin.Quaylin.github-token
QString formerNetlify(); // app.quaylin.menubar.netlify-token

} // namespace TokenServices

namespace Tokens {

// The Netlify token, migrating it once from the former identifier's item when only that
// one exists (the former item is left in place).
QCoro::Task<std::optional<QString>> loadNetlify(TokenStore &store);

} // namespace Tokens

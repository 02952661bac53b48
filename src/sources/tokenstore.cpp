// SPDX-License-Identifier: MIT
#include "sources/tokenstore.h"

namespace TokenServices {

namespace {

QString service(const char *identifier, QLatin1StringView suffix)
{
    return QLatin1StringView(identifier) + suffix;
}

} // namespace

QString netlify()
{
    return service(currentIdentifier, QLatin1StringView(".netlify-token"));
}

QString vercel()
{
    return service(currentIdentifier, QLatin1StringView(".vercel-token"));
}

QString github()
{
    return service(currentIdentifier, QLatin1StringView(".github-token"));
}

QString formerNetlify()
{
    return service(formerIdentifier, QLatin1StringView(".netlify-token"));
}

} // namespace TokenServices

namespace Tokens {

QCoro::Task<std::optional<QString>> loadNetlify(TokenStore &store)
{
    if (auto current = co_await store.read(TokenServices::netlify()))
        co_return current;
    auto former = co_await store.read(TokenServices::formerNetlify());
    // The former item stays: an older release that still runs keeps finding its token.
    if (former)
        co_await store.save(*former, TokenServices::netlify());
    co_return former;
}

} // namespace Tokens

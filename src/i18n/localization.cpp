// SPDX-License-Identifier: MIT
#include "i18n/localization.h"

#include "i18n/translations.h"

#include <atomic>

namespace AppLanguages {

QList<AppLanguage> all()
{
    return {AppLanguage::Cs, AppLanguage::En};
}

QString rawValue(AppLanguage language)
{
    return language == AppLanguage::En ? QStringLiteral("en") : QStringLiteral("cs");
}

std::optional<AppLanguage> fromRawValue(const QString &raw)
{
    if (raw == u"cs")
        return AppLanguage::Cs;
    if (raw == u"en")
        return AppLanguage::En;
    return std::nullopt;
}

QString displayName(AppLanguage language)
{
    return language == AppLanguage::En ? QStringLiteral("English") : QStringLiteral("Čeština");
}

} // namespace AppLanguages

namespace {

// Read on every painted text, from any thread; written only by the Preferences object.
std::atomic<AppLanguage> currentLanguage{AppLanguage::Cs};

} // namespace

namespace Localization {

AppLanguage language()
{
    return currentLanguage.load(std::memory_order_relaxed);
}

void setLanguage(AppLanguage language)
{
    currentLanguage.store(language, std::memory_order_relaxed);
}

} // namespace Localization

QString L(const QString &czech)
{
    if (Localization::language() == AppLanguage::Cs)
        return czech;
    const auto &dictionary = Translations::dictionary();
    const auto found = dictionary.constFind(czech);
    return found == dictionary.cend() ? czech : found.value();
}

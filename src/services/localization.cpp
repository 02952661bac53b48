// SPDX-License-Identifier: MIT
#include "services/localization.h"

#include "services/translations.h"

#include "services/preferences.h"

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

namespace AppLanguageStore {

AppLanguage current()
{
    const QString stored =
        Preferences::open().value(QLatin1String(Preferences::languageKey)).toString();
    return stored == u"en" ? AppLanguage::En : AppLanguage::Cs;
}

void setCurrent(AppLanguage language)
{
    Preferences::open().setValue(QLatin1String(Preferences::languageKey),
                                 AppLanguages::rawValue(language));
}

} // namespace AppLanguageStore

QString L(const QString &czech)
{
    if (AppLanguageStore::current() == AppLanguage::Cs)
        return czech;
    const auto &dictionary = Translations::dictionary();
    const auto found = dictionary.constFind(czech);
    return found == dictionary.cend() ? czech : found.value();
}

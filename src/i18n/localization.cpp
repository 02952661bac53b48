// SPDX-License-Identifier: MIT
#include "i18n/localization.h"

#include <QCoreApplication>

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

namespace Localization {

QLocale locale(AppLanguage language)
{
    return QLocale(language == AppLanguage::En ? QStringLiteral("en_US") : QStringLiteral("cs_CZ"));
}

AppLanguage language()
{
    return QLocale().language() == QLocale::English ? AppLanguage::En : AppLanguage::Cs;
}

} // namespace Localization

QString L(const QString &czech, const char *context)
{
    return QCoreApplication::translate(Localization::textContext, czech.toUtf8().constData(),
                                       context);
}

// SPDX-License-Identifier: MIT
#include "model/projectinput.h"

#include <QDir>
#include <QFileInfo>

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>

namespace ProjectInput {

QString emoji(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("📦");
    // ICU's grapheme clusters: Qt 6.4's own finder splits a flag that follows another emoji.
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::BreakIterator> clusters(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status))
        return trimmed;
    const icu::UnicodeString unicode(reinterpret_cast<const UChar *>(trimmed.utf16()),
                                     int32_t(trimmed.size()));
    clusters->setText(unicode);
    clusters->first();
    clusters->next();
    const int32_t end = clusters->next();
    return end == icu::BreakIterator::DONE ? trimmed : trimmed.left(end);
}

std::variant<QString, FolderProblem> folderPath(const QString &typed)
{
    if (typed.isEmpty())
        return FolderProblem::Missing;
    QString path = typed;
    if (path == u'~' || path.startsWith(u"~/"))
        path = QDir::homePath() + path.mid(1);
    const QFileInfo info(path);
    if (!info.exists())
        return FolderProblem::Missing;
    if (!info.isDir())
        return FolderProblem::NotAFolder;
    return QDir::cleanPath(info.absoluteFilePath());
}

std::optional<QString> optionalText(const std::optional<QString> &text)
{
    const QString trimmed = text.value_or(QString()).trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    return trimmed;
}

} // namespace ProjectInput

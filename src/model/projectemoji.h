// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The emoji a project is saved with, from what the user typed (project editor, `quaylin add`).
namespace ProjectEmoji {

// "📦" for blank text; otherwise the first two user-perceived characters of the trimmed text,
// so a two-emoji entry stays whole and a flag or skin-toned emoji is never cut in half.
QString fromTyped(const QString &text);

} // namespace ProjectEmoji

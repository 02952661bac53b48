// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// How what the user typed becomes a project's fields, the same in the project editor and in
// `quaylin add`.
namespace ProjectInput {

// "📦" for blank text; otherwise the first two user-perceived characters of the trimmed text,
// so a two-emoji entry stays whole and a flag or skin-toned emoji is never cut in half.
QString emoji(const QString &text);

// An optional field (web address, service ids): trimmed, absent when nothing is left.
std::optional<QString> optionalText(const std::optional<QString> &text);

} // namespace ProjectInput

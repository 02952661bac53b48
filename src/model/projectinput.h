// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <variant>

// How what the user typed becomes a project's fields, the same in the project editor and in
// `quaylin add`.
namespace ProjectInput {

// "📦" for blank text; otherwise the first two user-perceived characters of the trimmed text,
// so a two-emoji entry stays whole and a flag or skin-toned emoji is never cut in half.
QString emoji(const QString &text);

enum class FolderProblem { Missing, NotAFolder };

// A typed project folder as it is stored: `~` and `~/…` expanded to the home folder, a relative
// path taken from the working folder, the result absolute and cleaned (symbolic links kept), so
// the application and `quaylin status` find it from anywhere. What is not an existing folder
// is a problem, never a project.
std::variant<QString, FolderProblem> folderPath(const QString &typed);

// An optional field (web address, service ids): trimmed, absent when nothing is left.
std::optional<QString> optionalText(const std::optional<QString> &text);

} // namespace ProjectInput

// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A count with its noun, in the interface language. Czech has three forms (1 změna, 2–4 změny,
// 0 and 5+ změn); each form is its own dictionary entry whose English twin is the singular for
// the first and the plural for the others, which is exactly where English changes too.
namespace Plural {

// The Czech form for `count`: `one` for 1 (and −1), `few` for 2–4, `many` otherwise.
QString czechForm(qint64 count, const QString &one, const QString &few, const QString &many);
// "3 změny" / "3 changes": the count, a blank, and the form looked up through L().
QString counted(qint64 count, const QString &one, const QString &few, const QString &many);

} // namespace Plural

// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The one way user text (names, titles, labels, branches, messages from services) reaches the
// screen. The stored text is never changed; only what is drawn or read out is.
namespace DisplayText {

// `text` safe to draw inside a longer line: C0 controls and DEL as their control pictures
// (ESC shows as "␛", not as a box followed by "[31m"), C1 controls as U+FFFD, and, when the text
// could reorder what surrounds it (right-to-left letters or explicit direction controls), the
// whole of it in a first-strong isolate (FSI … PDI) with its own stray isolates balanced, so a
// U+202E in a title reverses neither the rest of its line nor its neighbours. With `lineBreaks`
// line breaks stay, for text drawn on several lines.
QString shown(const QString &text, bool lineBreaks = false);
// Its two steps, for a caller that cuts the text in between (elision measures the pictures and
// isolates what is left): the controls made visible, and the isolate.
QString visible(const QString &text, bool lineBreaks = false);
QString isolated(const QString &text);

} // namespace DisplayText

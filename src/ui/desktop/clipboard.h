// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The system clipboard, as far as screens write to it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's content with plain `text`.
    virtual void setText(const QString &text) = 0;
};

class SystemClipboard final : public Clipboard {
public:
    void setText(const QString &text) override;
};

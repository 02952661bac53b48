// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QVBoxLayout;
class SymbolLabel;

// A titled box: the symbol and title (semibold, secondary) above the caller's content, 10 px
// apart, inside 14 px of margin on a faint rounded rectangle with a hairline outline. It takes
// the full width it is given. Add content to contentLayout().
class SectionBox final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SectionBox)

public:
    explicit SectionBox(const QString &title = {}, const QString &symbol = {},
                        QWidget *parent = nullptr);

    void setTitle(const QString &title);
    void setSymbol(const QString &symbol);
    QVBoxLayout *contentLayout() const { return m_content; }

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    SymbolLabel *m_header;
    QVBoxLayout *m_content;
};

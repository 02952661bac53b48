// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class SymbolLabel;

// One tile of the welcome screen: a symbol, a title and a short detail on a faint rounded box.
class WelcomeFeature final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WelcomeFeature)

public:
    explicit WelcomeFeature(const QString &symbol, QWidget *parent = nullptr);

    void setTexts(const QString &title, const QString &detail);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SymbolLabel *m_symbol;
    QLabel *m_title;
    QLabel *m_detail;
};

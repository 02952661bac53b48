// SPDX-License-Identifier: MIT
#pragma once

#include "app/tokenservice.h"

#include <QWidget>

#include <optional>

class Banner;
class QLineEdit;
class QPushButton;
struct UiContext;

// Asks for the token of the service the service table gives a banner (Netlify) while none is
// stored: a masked field and "Uložit". Says so when the keychain could not keep the token.
// Without such a service it stays hidden.
class TokenBanner final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TokenBanner)

public:
    explicit TokenBanner(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void refresh();
    void save();

    UiContext &m_context;
    std::optional<TokenService> m_service;
    Banner *m_banner;
    QLineEdit *m_field;
    QPushButton *m_save;
    bool m_saveFailed = false;
};

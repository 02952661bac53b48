// SPDX-License-Identifier: MIT
#pragma once

#include "app/tokenservice.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class SectionBox;
class SymbolLabel;
class TintedButton;
struct UiContext;

// One service's access token: whether one is kept in the keychain, a masked field to save a
// new one, and its removal. Says so when the keychain could not keep a token.
class TokenGroup final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TokenGroup)

public:
    TokenGroup(UiContext &context, TokenService service, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void save();
    void remove();

    UiContext &m_context;
    TokenService m_service;
    SectionBox *m_box;
    QLabel *m_explanation;
    SymbolLabel *m_status;
    SymbolLabel *m_failure;
    QLineEdit *m_field;
    QPushButton *m_save;
    TintedButton *m_remove;
    bool m_saveFailed = false;
};

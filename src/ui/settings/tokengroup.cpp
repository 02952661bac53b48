// SPDX-License-Identifier: MIT
#include "ui/settings/tokengroup.h"

#include "app/appmodel.h"
#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/sectionbox.h"
#include "ui/components/symbollabel.h"
#include "ui/components/tintedbutton.h"
#include "ui/components/typography.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TokenGroup::TokenGroup(UiContext &context, TokenService service, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_service(std::move(service))
    , m_box(new SectionBox)
    , m_explanation(new QLabel)
    , m_status(new SymbolLabel)
    , m_failure(new SymbolLabel(u"exclamationmark.triangle.fill"_s))
    , m_field(new QLineEdit)
    , m_save(new QPushButton)
    , m_remove(new TintedButton(TintedButton::Tint::Red))
{
    const QString &prefix = m_service.key;
    setObjectName(prefix + u"TokenGroup"_s);
    m_status->setObjectName(prefix + u"TokenStatus"_s);
    m_failure->setObjectName(prefix + u"TokenFailure"_s);
    m_field->setObjectName(prefix + u"TokenField"_s);
    m_save->setObjectName(prefix + u"TokenSaveButton"_s);
    m_remove->setObjectName(prefix + u"TokenRemoveButton"_s);
    m_explanation->setFont(Typography::font(11));
    m_explanation->setWordWrap(true);
    m_explanation->setVisible(!m_service.explanation.isEmpty());
    Colors::setTextColor(*m_explanation, Colors::secondary(palette()));
    m_status->setFont(Typography::font(12));
    const QColor orange = Colors::named(u"orange"_s, palette());
    m_failure->setFont(Typography::font(11));
    m_failure->setSymbolColor(orange);
    m_failure->setTextColor(orange);
    m_failure->hide();
    m_field->setEchoMode(QLineEdit::Password);
    m_save->setAutoDefault(false);
    m_save->setEnabled(false);
    m_remove->setAutoDefault(false);
    m_remove->setFont(Typography::font(11));

    auto *entryRow = new QHBoxLayout;
    entryRow->setSpacing(8);
    entryRow->addWidget(m_field, 1);
    entryRow->addWidget(m_save);
    QVBoxLayout *content = m_box->contentLayout();
    content->setSpacing(8);
    content->addWidget(m_explanation);
    content->addWidget(m_status);
    content->addWidget(m_failure);
    content->addLayout(entryRow);
    content->addWidget(m_remove, 0, Qt::AlignLeft);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);

    // No trimming: what is typed goes to the model, which ignores a blank token.
    connect(m_field, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_save->setEnabled(!text.isEmpty()); });
    m_field->installEventFilter(this);
    connect(m_save, &QPushButton::clicked, this, &TokenGroup::save);
    connect(m_remove, &QPushButton::clicked, this, &TokenGroup::remove);
    TokenRegistry &tokens = context.model.tokens();
    connect(&tokens, &TokenRegistry::tokenChanged, this, [this](const TokenService &changed) {
        if (changed == m_service)
            retranslate();
    });
    connect(&tokens, &TokenRegistry::tokenSaveFailed, this, [this](const TokenService &failed) {
        if (failed != m_service)
            return;
        m_saveFailed = true;
        retranslate();
    });
    retranslate();
}

bool TokenGroup::eventFilter(QObject *watched, QEvent *event)
{
    // Return in the field saves the token; it must not also reach the sheet's default button
    // and close the sheet.
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            save();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TokenGroup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TokenGroup::retranslate()
{
    const bool held = m_context.model.tokens().token(m_service).has_value();
    const bool optional = m_service.optional;
    const QPalette &colors = palette();
    m_box->setTitle(m_service.title);
    m_explanation->setText(L(m_service.explanation));
    if (held) {
        m_status->setSymbol(u"checkmark.circle.fill"_s);
        m_status->setSymbolColor(Colors::named(u"green"_s, colors));
        m_status->setText(L(u"Token je uložen v klíčence"_s));
    } else {
        m_status->setSymbol(u"xmark.circle.fill"_s);
        m_status->setSymbolColor(optional ? Colors::secondary(colors)
                                          : Colors::named(u"red"_s, colors));
        m_status->setText(optional ? L(u"Token není nastaven (nepovinné)"_s)
                                   : L(u"Token není nastaven"_s));
    }
    m_failure->setText(L(u"Token se nepodařilo uložit do klíčenky systému."_s));
    m_failure->setVisible(m_saveFailed && !held);
    m_field->setPlaceholderText(optional ? L(u"Personal Access Token (volitelné)"_s)
                                         : L(u"Nový Personal Access Token"_s));
    m_field->setAccessibleName(m_field->placeholderText());
    m_save->setText(L(u"Uložit"_s));
    m_remove->setText(L(u"Odebrat token"_s));
    m_remove->setVisible(held);
}

void TokenGroup::save()
{
    const QString typed = m_field->text();
    if (typed.isEmpty())
        return;
    m_saveFailed = false;
    m_context.model.tokens().saveToken(m_service, typed);
    m_field->clear();
    retranslate();
}

void TokenGroup::remove()
{
    m_context.model.tokens().removeToken(m_service);
}

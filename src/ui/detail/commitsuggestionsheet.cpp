// SPDX-License-Identifier: MIT
#include "ui/detail/commitsuggestionsheet.h"

#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/prominentbutton.h"
#include "ui/components/sheet.h"
#include "ui/components/symbollabel.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"
#include "ui/desktop/clipboard.h"
#include "ui/desktop/uicontext.h"
#include "ui/detail/commitsuggestion.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CommitSuggestionSheet::CommitSuggestionSheet(UiContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_heading(new SymbolLabel(u"checkmark.seal.fill"_s, {}, this))
    , m_explanation(new QLabel(this))
    , m_message(new QLineEdit(this))
    , m_copy(new ProminentButton({}, this))
    , m_close(new QPushButton(this))
{
    Sheet::setUp(*this, u"commitSuggestionSheet"_s);
    setFixedWidth(420);
    const QColor green = Colors::named(u"green"_s, palette());
    Sheet::makeTitle(*m_heading, 15);
    m_heading->setTextColor(green);
    m_explanation->setFont(Typography::font(12));
    m_explanation->setWordWrap(true);
    QPalette secondary = m_explanation->palette();
    secondary.setColor(QPalette::WindowText, Colors::secondary(palette()));
    m_explanation->setPalette(secondary);
    m_message->setObjectName(u"commitMessageField"_s);
    m_message->setFont(Typography::monospace(12.5));
    m_copy->setObjectName(u"copyCommitMessageButton"_s);
    m_copy->setDefault(true);
    m_close->setObjectName(u"closeCommitSuggestionButton"_s);
    m_close->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);
    layout->addWidget(m_heading);
    layout->addWidget(m_explanation);
    layout->addWidget(m_message);
    layout->addLayout(buttons);

    connect(m_copy, &QPushButton::clicked, this, &CommitSuggestionSheet::copy);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
}

void CommitSuggestionSheet::present(const TaskCard &card)
{
    m_card = card;
    m_copied = false;
    m_message->setText(CommitSuggestion::message(card));
    m_message->setCursorPosition(0);
    retranslate();
}

QString CommitSuggestionSheet::message() const
{
    return m_message->text();
}

void CommitSuggestionSheet::copy()
{
    m_context.desktop.clipboard->setText(m_message->text());
    m_copied = true;
    retranslate();
}

void CommitSuggestionSheet::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void CommitSuggestionSheet::retranslate()
{
    setWindowTitle(L(u"Úkol hotový — commitneme?"_s));
    m_heading->setText(L(u"Úkol hotový — commitneme?"_s));
    m_explanation->setText(L(u"Návrh commit message podle dokončeného úkolu. Uprav a zkopíruj."_s));
    m_message->setPlaceholderText(L(u"Commit message"_s));
    m_message->setAccessibleName(L(u"Commit message"_s));
    m_copy->setText(m_copied ? L(u"Zkopírováno"_s) : L(u"Zkopírovat"_s));
    m_copy->setIcon(Symbols::icon(m_copied ? u"checkmark"_s : u"doc.on.doc"_s,
                                  m_copy->palette().color(QPalette::ButtonText)));
    m_close->setText(L(u"Zavřít"_s));
}

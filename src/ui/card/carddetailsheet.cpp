// SPDX-License-Identifier: MIT
#include "ui/card/carddetailsheet.h"

#include "app/appmodel.h"
#include "i18n/localization.h"
#include "ui/card/carddeletion.h"
#include "ui/card/checklistsection.h"
#include "ui/card/coverpicker.h"
#include "ui/card/duedaterow.h"
#include "ui/card/labelpicker.h"
#include "ui/card/notefield.h"
#include "ui/card/prioritypicker.h"
#include "ui/card/timerrow.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/prominentbutton.h"
#include "ui/components/sheet.h"
#include "ui/components/tintedbutton.h"
#include "ui/components/typography.h"
#include "ui/components/undoactions.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CardDetailSheet::CardDetailSheet(UiContext &context, const QUuid &cardID, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_cardID(cardID)
    , m_pages(new QStackedWidget(this))
    , m_deleted(new QLabel(this))
{
    Sheet::setUp(*this, u"cardDetailSheet"_s);
    new UndoActions(context.model.history(), this);
    setFixedSize(440, 560);

    m_deleted->setObjectName(u"cardDeletedText"_s);
    m_deleted->setAlignment(Qt::AlignCenter);
    m_deleted->setWordWrap(true);
    m_deleted->setContentsMargins(40, 40, 40, 40);
    m_deleted->setFont(Typography::font(13));

    auto *editor = new QWidget;
    auto *editorLayout = new QVBoxLayout(editor);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->setSpacing(0);
    QScrollArea *scroll = Sheet::scrollList(buildContent());
    scroll->setObjectName(u"cardSheetScroll"_s);
    auto *divider = new QFrame;
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    editorLayout->addWidget(scroll, 1);
    editorLayout->addWidget(divider);
    editorLayout->addWidget(buildFooter());
    m_pages->addWidget(editor);
    m_pages->addWidget(m_deleted);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    connect(&context.model, &AppModel::cardsChanged, this, &CardDetailSheet::refresh);
    connect(&context.model, &AppModel::labelsChanged, this, &CardDetailSheet::refresh);
    retranslate();
    refresh();
}

CardDetailSheet::~CardDetailSheet() = default;

QLabel *CardDetailSheet::heading()
{
    auto *label = new QLabel;
    label->setFont(Typography::font(12, QFont::DemiBold));
    return label;
}

QWidget *CardDetailSheet::buildContent()
{
    auto *content = new QWidget;
    m_title = new QLineEdit;
    m_title->setObjectName(u"cardTitleField"_s);
    m_title->setFrame(false);
    m_title->setFont(Typography::font(18, QFont::Bold));
    QPalette titleColors = m_title->palette();
    titleColors.setColor(QPalette::Base, Qt::transparent);
    m_title->setPalette(titleColors);
    m_coverHeading = heading();
    m_cover = new CoverPicker;
    m_priorityHeading = heading();
    m_priority = new PriorityPicker;
    m_labelsHeading = heading();
    m_labels = new LabelPicker;
    m_due = new DueDateRow(m_context.model.now());
    AppModel *model = &m_context.model;
    m_timer = new TimerRow([model] { return model->now(); });
    m_noteHeading = heading();
    m_note = new NoteField;
    m_checklist = new ChecklistSection;

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(18);
    const auto section = [layout](QWidget *title, QWidget *body) {
        auto *box = new QVBoxLayout;
        box->setSpacing(8);
        box->addWidget(title);
        box->addWidget(body);
        layout->addLayout(box);
    };
    layout->addWidget(m_title);
    section(m_coverHeading, m_cover);
    section(m_priorityHeading, m_priority);
    section(m_labelsHeading, m_labels);
    layout->addWidget(m_due);
    layout->addWidget(m_timer);
    section(m_noteHeading, m_note);
    layout->addWidget(m_checklist);
    layout->addStretch(1);

    AppModel &appModel = m_context.model;
    const QUuid id = m_cardID;
    connect(m_title, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_shownTitle = text;
        edit([&](TaskCard &card) { card.title = text; });
        updateWindowTitle();
    });
    connect(m_note->editor(), &QPlainTextEdit::textChanged, this, [this] {
        const QString note = m_note->editor()->toPlainText();
        m_shownNote = note;
        edit([&](TaskCard &card) { card.note = note; });
    });
    connect(m_cover, &CoverPicker::chosen, this,
            [&appModel, id](const std::optional<QString> &color) {
                appModel.setCoverColor(color, id);
            });
    connect(m_priority, &PriorityPicker::chosen, this,
            [&appModel, id](const std::optional<CardPriority> &priority) {
                appModel.setPriority(priority, id);
            });
    connect(m_labels, &LabelPicker::toggled, this,
            [&appModel, id](const QUuid &label) { appModel.toggleLabel(label, id); });
    connect(m_due, &DueDateRow::changed, this,
            [&appModel, id](const std::optional<QDateTime> &due) { appModel.setDueDate(due, id); });
    connect(m_timer, &TimerRow::startRequested, this, [&appModel, id] { appModel.startTimer(id); });
    connect(m_timer, &TimerRow::stopRequested, this, [&appModel, id] { appModel.stopTimer(id); });
    connect(m_checklist, &ChecklistSection::addRequested, this,
            [&appModel, id](const QString &text) { appModel.addChecklistItem(text, id); });
    connect(m_checklist, &ChecklistSection::toggleRequested, this,
            [&appModel, id](const QUuid &item) { appModel.toggleChecklistItem(item, id); });
    connect(m_checklist, &ChecklistSection::removeRequested, this,
            [&appModel, id](const QUuid &item) { appModel.removeChecklistItem(item, id); });
    return content;
}

QWidget *CardDetailSheet::buildFooter()
{
    auto *footer = new QWidget;
    m_archive = new QPushButton;
    m_archive->setObjectName(u"archiveCardButton"_s);
    m_archive->setAutoDefault(false);
    m_delete = new TintedButton(TintedButton::Tint::Red);
    m_delete->setObjectName(u"deleteCardButton"_s);
    m_delete->setAutoDefault(false);
    m_done = new ProminentButton;
    m_done->setObjectName(u"cardDoneButton"_s);
    m_done->setDefault(true);

    auto *layout = new QHBoxLayout(footer);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(8);
    layout->addWidget(m_archive);
    layout->addWidget(m_delete);
    layout->addStretch(1);
    layout->addWidget(m_done);

    connect(m_archive, &QPushButton::clicked, this, [this] {
        m_context.model.archiveCard(m_cardID);
        accept();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        CardDeletion::confirm(this, m_context.model, m_cardID, CardDeletion::warning(),
                              [this] { accept(); });
    });
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);
    return footer;
}

bool CardDetailSheet::showsDeletedCard() const
{
    return m_pages->currentWidget() == m_deleted;
}

void CardDetailSheet::edit(const std::function<void(TaskCard &)> &change)
{
    std::optional<TaskCard> card = m_context.model.card(m_cardID);
    if (!card)
        return;
    change(*card);
    m_context.model.updateCard(*card);
}

void CardDetailSheet::refresh()
{
    const std::optional<TaskCard> card = m_context.model.card(m_cardID);
    if (!card) {
        m_pages->setCurrentWidget(m_deleted);
        m_timer->hide(); // stops its ticking
        return;
    }
    m_pages->setCurrentIndex(0); // back after an undo of its deletion
    m_timer->show();
    // The user's typing is what the fields hold; only a text that changed elsewhere (an undo)
    // replaces it. Compared with what the sheet wrote, as the editor gives some characters
    // back differently than it took them.
    if (!m_shownTitle || *m_shownTitle != card->title) {
        m_shownTitle = card->title;
        m_title->setText(card->title);
        m_title->setCursorPosition(m_title->hasFocus() ? int(card->title.size()) : 0);
        updateWindowTitle();
    }
    if (!m_shownNote || *m_shownNote != card->note) {
        m_shownNote = card->note;
        const QSignalBlocker block(m_note->editor());
        m_note->editor()->setPlainText(card->note);
    }
    m_cover->setColor(card->coverColorName);
    m_priority->setPriority(card->priority);
    m_labels->setLabels(m_context.model.labels());
    m_labels->setCarried(card->labelIDs);
    m_due->setDueDate(card->dueDate);
    m_timer->setCard(*card);
    m_checklist->setItems(card->checklist);
}

void CardDetailSheet::updateWindowTitle()
{
    const QString title = ElidedLabel::singleLine(m_title->text()).trimmed().left(60);
    setWindowTitle(title.isEmpty() ? L(u"Název úkolu"_s) : title);
}

void CardDetailSheet::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void CardDetailSheet::retranslate()
{
    updateWindowTitle();
    m_deleted->setText(L(u"Karta byla smazána"_s));
    m_title->setPlaceholderText(L(u"Název úkolu"_s));
    m_title->setAccessibleName(L(u"Název úkolu"_s));
    m_coverHeading->setText(L(u"Barva karty"_s));
    m_priorityHeading->setText(L(u"Priorita"_s));
    m_labelsHeading->setText(L(u"Štítky"_s));
    m_noteHeading->setText(L(u"Popis"_s));
    m_note->editor()->setAccessibleName(L(u"Popis"_s));
    m_archive->setText(L(u"Archivovat"_s));
    m_delete->setText(L(u"Smazat natrvalo"_s));
    m_done->setText(L(u"Hotovo"_s));
}

// SPDX-License-Identifier: MIT
#include "ui/board/kanbanview.h"

#include "app/appmodel.h"
#include "app/presentation.h"
#include "services/preferences.h"
#include "ui/board/archivesheet.h"
#include "ui/board/carddelegate.h"
#include "ui/board/cardlistmodel.h"
#include "ui/board/cardlistview.h"
#include "ui/board/kanbancolumnview.h"
#include "ui/board/kanbansortmode.h"
#include "ui/board/labelfilterbar.h"
#include "ui/board/labelmanagersheet.h"
#include "ui/board/searchfield.h"
#include "ui/board/sortmenubutton.h"
#include "ui/card/carddeletion.h"
#include "ui/card/carddetailsheet.h"
#include "ui/components/colors.h"
#include "ui/components/iconbutton.h"
#include "ui/components/symbollabel.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"
#include "ui/desktop/appcommands.h"
#include "ui/desktop/uicontext.h"

#include <QAccessible>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSet>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The header's small secondary buttons: the sort menu, Labels, Archive.
void makeHeaderButton(QToolButton *button, const QString &objectName)
{
    button->setObjectName(objectName);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFont(Typography::font(11.5));
    button->setFocusPolicy(Qt::TabFocus);
    button->setCursor(Qt::PointingHandCursor);
    QPalette colors = button->palette();
    colors.setColor(QPalette::ButtonText, Colors::secondary(colors));
    button->setPalette(colors);
}

} // namespace

KanbanView::KanbanView(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_title(new SymbolLabel(u"square.stack.3d.up"_s, {}, this))
    , m_sort(new SortMenuButton(this))
    , m_compact(new IconButton({}, {}, this))
    , m_labelsButton(new QToolButton(this))
    , m_archiveButton(new QToolButton(this))
    , m_search(new SearchField(this))
    , m_chips(new LabelFilterBar(this))
{
    setObjectName(u"kanbanView"_s);
    m_title->setFont(Typography::font(13, QFont::DemiBold));
    m_compact->setObjectName(u"compactToggle"_s);
    makeHeaderButton(m_sort, u"sortMenuButton"_s);
    makeHeaderButton(m_labelsButton, u"labelsButton"_s);
    makeHeaderButton(m_archiveButton, u"archiveButton"_s);
    m_chips->setObjectName(u"labelFilterBar"_s);

    auto *header = new QHBoxLayout;
    header->setSpacing(4);
    header->addWidget(m_title);
    header->addStretch(1);
    header->addWidget(m_sort);
    header->addWidget(m_compact);
    header->addWidget(m_labelsButton);
    header->addWidget(m_archiveButton);

    auto *filters = new QHBoxLayout;
    filters->setSpacing(8);
    filters->addWidget(m_search, 0, Qt::AlignLeft); // stays left when no label is in use
    filters->addWidget(m_chips, 1);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(12);
    for (KanbanColumn kind : KanbanColumns::all()) {
        auto *column = new KanbanColumnView(context.model, kind, this);
        connect(column, &KanbanColumnView::cardOpened, this, &KanbanView::openCard);
        connect(column, &KanbanColumnView::deleteRequested, this, &KanbanView::askToDelete);
        connect(column, &KanbanColumnView::menuRequested, this, &KanbanView::showCardMenu);
        connect(column, &KanbanColumnView::shiftRequested, this, &KanbanView::shiftCard);
        columns->addWidget(column, 1);
        m_columns.append(column);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addLayout(header);
    layout->addLayout(filters);
    layout->addLayout(columns, 1);

    connect(m_sort, &SortMenuButton::modeChosen, this, [this](KanbanSortMode mode) {
        m_context.preferences.setKanbanSortMode(KanbanSortModes::rawValue(mode));
    });
    connect(m_compact, &IconButton::clicked, this, [this] {
        m_context.preferences.setKanbanCompact(!m_context.preferences.kanbanCompact());
    });
    connect(m_labelsButton, &QToolButton::clicked, this, &KanbanView::openLabelManager);
    connect(m_archiveButton, &QToolButton::clicked, this, &KanbanView::openArchive);
    connect(m_search, &SearchField::textChanged, this, [this](const QString &text) {
        m_filter.searchText = text;
        applyFilter();
    });
    connect(m_chips, &LabelFilterBar::activeChosen, this,
            [this](const std::optional<QUuid> &labelID) {
                m_filter.labelID = labelID;
                m_chips->setActive(labelID);
                applyFilter();
            });
    connect(&m_context.preferences, &Preferences::kanbanChanged, this,
            &KanbanView::applyPreferences);
    connect(&m_context.model, &AppModel::cardsChanged, this, &KanbanView::updateLabelChips);
    connect(&m_context.model, &AppModel::labelsChanged, this, &KanbanView::updateLabelChips);
    connect(m_context.desktop.commands, &AppCommands::focusSearchRequested, this, [this] {
        if (!isVisible())
            return;
        m_search->lineEdit()->setFocus(Qt::ShortcutFocusReason);
        m_search->lineEdit()->selectAll();
    });

    applyPreferences();
    retranslate();
}

KanbanView::~KanbanView() = default;

KanbanColumnView *KanbanView::column(KanbanColumn column) const
{
    for (KanbanColumnView *view : m_columns) {
        if (view->column() == column)
            return view;
    }
    return nullptr;
}

void KanbanView::setProject(const QUuid &projectID)
{
    m_projectID = projectID;
    m_filter = {};
    m_search->clear();
    m_chips->setActive(std::nullopt);
    for (KanbanColumnView *column : std::as_const(m_columns)) {
        column->cardModel()->setFilter(m_filter);
        column->setProject(projectID);
    }
    updateLabelChips();
}

void KanbanView::applyFilter()
{
    for (KanbanColumnView *column : std::as_const(m_columns))
        column->cardModel()->setFilter(m_filter);
}

void KanbanView::applyPreferences()
{
    const Preferences &preferences = m_context.preferences;
    const KanbanSortMode mode = KanbanSortModes::fromRawValue(preferences.kanbanSortMode());
    const bool compact = preferences.kanbanCompact();
    m_sort->setMode(mode);
    m_compact->setSymbol(compact ? u"rectangle.expand.vertical"_s
                                 : u"rectangle.compress.vertical"_s);
    m_compact->setHelp(compact ? L(u"Zobrazit celé karty"_s) : L(u"Kompaktní zobrazení"_s));
    for (KanbanColumnView *column : std::as_const(m_columns)) {
        column->cardModel()->setSortMode(mode);
        if (column->delegate()->isCompact() != compact) {
            column->delegate()->setCompact(compact);
            column->listView()->doItemsLayout();
            column->listView()->updateGeometry();
        }
    }
}

void KanbanView::updateLabelChips()
{
    QSet<QUuid> used;
    const QList<TaskCard> cards = m_context.model.cards();
    for (const TaskCard &card : cards) {
        if (card.projectID == m_projectID) {
            for (const QUuid &id : card.labelIDs)
                used.insert(id);
        }
    }
    QList<CardLabel> inUse;
    const QList<CardLabel> labels = m_context.model.labels();
    for (const CardLabel &label : labels) {
        if (used.contains(label.id))
            inUse.append(label);
    }
    m_chips->setLabels(inUse);
    m_chips->setVisible(!inUse.isEmpty());
    // A filter whose chip is gone could no longer be cleared.
    if (m_filter.labelID && !used.contains(*m_filter.labelID)) {
        m_filter.labelID.reset();
        m_chips->setActive(std::nullopt);
        applyFilter();
    }
}

void KanbanView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KanbanView::retranslate()
{
    m_title->setText(L(u"Úkoly"_s));
    applyPreferences();
    const QColor secondary = Colors::secondary(palette());
    m_labelsButton->setText(L(u"Štítky"_s));
    m_labelsButton->setIcon(Symbols::icon(u"tag"_s, secondary));
    m_archiveButton->setText(L(u"Archiv"_s));
    m_archiveButton->setIcon(Symbols::icon(u"archivebox"_s, secondary));
    m_search->setPlaceholderText(L(u"Hledat v úkolech…"_s));
    m_search->setClearHelp(L(u"Vymazat hledání"_s));
}

void KanbanView::openCard(const QUuid &cardID)
{
    if (m_cardSheet)
        m_cardSheet->close();
    m_cardSheet = new CardDetailSheet(m_context, cardID, window());
    m_cardSheet->open();
}

void KanbanView::askToDelete(const QUuid &cardID)
{
    CardDeletion::confirm(window(), m_context.model, cardID, CardDeletion::warning());
}

void KanbanView::showCardMenu(const QUuid &cardID, const QPoint &globalPos)
{
    const std::optional<TaskCard> card = m_context.model.card(cardID);
    if (!card)
        return;
    auto *menu = new QMenu(this);
    menu->setObjectName(u"cardMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    AppModel &model = m_context.model;
    for (KanbanColumn target : KanbanColumns::all()) {
        if (target == card->column)
            continue;
        QAction *move = menu->addAction(L(u"Přesunout"_s) + u": "_s + Presentation::title(target));
        move->setObjectName(u"moveCardTo_"_s + KanbanColumns::rawValue(target));
        connect(move, &QAction::triggered, &model,
                [&model, cardID, target] { model.moveCard(cardID, target, std::nullopt); });
    }
    menu->addSeparator();
    QAction *archive = menu->addAction(L(u"Archivovat"_s));
    archive->setObjectName(u"archiveCardAction"_s);
    connect(archive, &QAction::triggered, &model, [&model, cardID] { model.archiveCard(cardID); });
    QAction *remove = menu->addAction(Symbols::icon(u"trash"_s, Colors::named(u"red"_s, palette())),
                                      L(u"Smazat natrvalo"_s));
    remove->setObjectName(u"deleteCardAction"_s);
    connect(remove, &QAction::triggered, this, [this, cardID] { askToDelete(cardID); });
    menu->popup(globalPos);
}

void KanbanView::shiftCard(const QUuid &cardID, CardShift shift)
{
    const auto holds = [&](const KanbanColumnView *column) {
        return column->cardModel()->rowOf(cardID) >= 0;
    };
    const qsizetype at = std::ranges::find_if(std::as_const(m_columns), holds) - m_columns.cbegin();
    if (at == m_columns.size())
        return;
    KanbanColumnView *to = m_columns[at];
    const int row = to->cardModel()->rowOf(cardID);
    const int count = to->cardModel()->rowCount();
    int before = -1; // the row the card is dropped before; -1 is the end
    switch (shift) {
    case CardShift::Left:
    case CardShift::Right: {
        const qsizetype next = at + (shift == CardShift::Left ? -1 : 1);
        if (next < 0 || next >= m_columns.size())
            return;
        to = m_columns[next];
        before = to->cardModel()->rowCount() > 0 ? 0 : -1;
        break;
    }
    case CardShift::Up:
        if (row == 0)
            return;
        before = row - 1;
        break;
    case CardShift::Down:
        if (row + 1 >= count)
            return;
        before = row + 2 < count ? row + 2 : -1;
        break;
    }
    QMimeData dragged;
    dragged.setText(cardID.toString(QUuid::WithoutBraces).toUpper());
    if (!to->cardModel()->dropMimeData(&dragged, Qt::MoveAction, before, 0, {}))
        return;

    CardListModel *cards = to->cardModel();
    const int now = cards->rowOf(cardID);
    if (now < 0)
        return;
    CardListView *list = to->listView();
    list->setFocus(Qt::OtherFocusReason);
    list->setCurrentIndex(cards->index(now));
    cards->announce(cardID, L(u"Přesunuto do sloupce %1, na místo %2 z %3"_s)
                                .arg(Presentation::title(to->column()))
                                .arg(now + 1)
                                .arg(cards->rowCount()));
    QAccessibleEvent described(list, QAccessible::DescriptionChanged);
    described.setChild(now);
    QAccessible::updateAccessibility(&described);
}

void KanbanView::openArchive()
{
    if (!m_archiveSheet) {
        m_archiveSheet = new ArchiveSheet(m_context, m_projectID, window());
        m_archiveSheet->open();
    }
}

void KanbanView::openLabelManager()
{
    if (!m_labelSheet) {
        m_labelSheet = new LabelManagerSheet(m_context, window());
        m_labelSheet->open();
    }
}

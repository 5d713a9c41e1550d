#include "DrawAnalysisDlg.h"

#include "CardDistributionManager.h"
#include "CardText.h"
#include "EquityRun.h"
#include "TableEquity.h"
#include "Style.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

// Where each row keeps the figure it sorts by, and which hold it shows.
constexpr int kSortKeyRole = Qt::UserRole;
constexpr int kHoldIndexRole = Qt::UserRole + 1;

// Never wider or taller than the main window may be.
constexpr int kMaxWidth = 1024;
constexpr int kMaxHeight = 768;

// Rows compare by the figure of the sorted column, not by its text, so that
// "10.000%" follows "9.000%"; equal figures keep the best-first order
// whichever way the column is sorted.
class CHoldItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const QTreeWidget* list = treeWidget();
        const int column = list ? list->sortColumn() : 0;
        const double mine = data(column, kSortKeyRole).toDouble();
        const double theirs = other.data(column, kSortKeyRole).toDouble();
        if (mine != theirs)
            return mine < theirs;
        const bool earlier = data(0, kHoldIndexRole).toInt() < other.data(0, kHoldIndexRole).toInt();
        const bool descending = list && list->header()->sortIndicatorOrder() == Qt::DescendingOrder;
        return descending ? !earlier : earlier;
    }
};

QString KeptCardsText(const TDrawOutcome& hold)
{
    if (hold.m_nKeptCount == 0)
        return Text(idDrawAnalysisNoCards);
    QStringList cards;
    for (int i = 0; i < hold.m_nKeptCount; ++i)
        cards << QString::fromStdString(CardSymbolText(hold.m_anKept[i]));
    return cards.join(QLatin1Char(' '));
}

void GoldOnFelt(QWidget* widget)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase})
        palette.setColor(role, kFeltGreen);
    palette.setColor(QPalette::WindowText, kGold);
    palette.setColor(QPalette::Text, kGold);
    // A chosen row shows inverted, as a card marked for discarding does.
    palette.setColor(QPalette::Highlight, kGold);
    palette.setColor(QPalette::HighlightedText, kFeltGreen);
    widget->setPalette(palette);
}

} // namespace

CDrawAnalysisDlg::CDrawAnalysisDlg(const int hand[5], const bool known[52], QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(Text(idDrawAnalysisTitle));
    setAutoFillBackground(true);
    GoldOnFelt(this);

    m_arrHolds = AnalyzeDraws(hand, known);
    SortHoldsBestFirst(m_arrHolds);

    bool seen[52] = {};
    if (known)
        std::copy(known, known + 52, seen);
    for (int i = 0; i < 5; ++i) {
        if (hand[i] >= 0 && hand[i] < 52)
            seen[hand[i]] = true;
    }
    const int unseen = static_cast<int>(std::count(seen, seen + 52, false));

    auto* explanation = new QLabel(
        QString::fromStdString(FormatString(LoadString(idDrawAnalysisExplanation).c_str(), unseen)), this);
    explanation->setObjectName(QStringLiteral("explanationLabel"));
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);

    m_holdsList = new QTreeWidget(this);
    m_holdsList->setObjectName(QStringLiteral("holdsList"));
    m_holdsList->setColumnCount(kColumnCount);
    m_holdsList->setRootIsDecorated(false);
    m_holdsList->setItemsExpandable(false);
    m_holdsList->setUniformRowHeights(true);
    m_holdsList->setAllColumnsShowFocus(true);
    m_holdsList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_holdsList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_holdsList->setSelectionBehavior(QAbstractItemView::SelectRows);
    GoldOnFelt(m_holdsList);
    // The face of the results tables, small enough for fifteen columns.
    m_holdsList->setFont(TableFont());

    auto* header = new QTreeWidgetItem();
    for (int column = 0; column < kColumnCount; ++column) {
        // The stored headings run in the draw columns' order, without the
        // table's two.
        const int stored = column < kColumnTableWin ? column : column - (kColumnFirstCategory - kColumnTableWin);
        const unsigned headingId = column == kColumnTableWin        ? idDrawAnalysisWinHeading
                                   : column == kColumnTablePotShare ? idDrawAnalysisPotShareHeading
                                                                    : idDrawAnalysisFirstHeading + static_cast<unsigned>(stored);
        header->setText(column, Text(headingId));
        header->setTextAlignment(column, column == kColumnKeep ? Qt::AlignLeft | Qt::AlignVCenter
                                                               : Qt::AlignRight | Qt::AlignVCenter);
        // A first click shows the most likely outcomes first, the most cards
        // kept first and the shortest odds first.
        const bool bestIsHighest = column != kColumnRank && column != kColumnOdds;
        header->setData(column, Qt::InitialSortOrderRole,
                        static_cast<int>(bestIsHighest ? Qt::DescendingOrder : Qt::AscendingOrder));
    }
    m_holdsList->setHeaderItem(header);
    m_holdsList->header()->setSectionsMovable(false);
    m_holdsList->header()->setStretchLastSection(false);
    FillList();

    m_markButton = new QPushButton(Text(idDrawAnalysisMarkDiscards), this);
    m_markButton->setObjectName(QStringLiteral("markButton"));
    m_markButton->setDefault(true);
    m_markButton->setEnabled(false);
    m_closeButton = new QPushButton(Text(idDrawAnalysisClose), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAutoDefault(false);
    // The buttons keep the desktop's face; only their surround is felt.
    for (QPushButton* button : {m_markButton, m_closeButton})
        button->setPalette(QPalette());

    // The row that shows as chosen (the current one, which the style paints
    // as selected whether it is or not) is the row Mark discards acts on:
    // the current row is always the selected one.
    connect(m_holdsList, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (m_holdsList->selectedItems().isEmpty() && m_holdsList->currentItem())
            m_holdsList->currentItem()->setSelected(true);
        m_bPlayerChose |= !m_bSelecting;
        m_markButton->setEnabled(!m_holdsList->selectedItems().isEmpty());
    });
    connect(m_markButton, &QPushButton::clicked, this, &CDrawAnalysisDlg::OnMarkDiscards);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_tableLabel = new QLabel(this);
    m_tableLabel->setObjectName(QStringLiteral("tableLabel"));
    m_tableLabel->setTextFormat(Qt::PlainText);
    m_tableLabel->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_markButton);
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_holdsList, 1);
    layout->addWidget(m_tableLabel);
    layout->addLayout(buttons);

    FitToTable();
    SelectTopRow();
    m_holdsList->setFocus();
}

void CDrawAnalysisDlg::SelectTopRow()
{
    m_bSelecting = true;
    m_holdsList->setCurrentItem(m_holdsList->topLevelItem(0));
    m_holdsList->scrollToTop();
    m_bSelecting = false;
}

void CDrawAnalysisDlg::FillList()
{
    const std::string probabilityFormat = LoadString(idProbabilityFormat);
    const std::string oddsFormat = LoadString(idOddsFormat);
    auto percent = [&](double p) {
        return QString::fromStdString(FormatString(probabilityFormat.c_str(), p * 100.0));
    };

    for (std::size_t i = 0; i < m_arrHolds.size(); ++i) {
        const TDrawOutcome& hold = m_arrHolds[i];
        auto* item = new CHoldItem(m_holdsList);
        item->setData(0, kHoldIndexRole, static_cast<int>(i));

        item->setText(kColumnRank, QString::number(i + 1));
        item->setData(kColumnRank, kSortKeyRole, static_cast<double>(i + 1));
        item->setText(kColumnKeep, KeptCardsText(hold));
        item->setData(kColumnKeep, kSortKeyRole, static_cast<double>(hold.m_nKeptCount));
        for (int category = 0; category < hcCategoryCount; ++category) {
            const int column = kColumnFirstCategory + category;
            item->setText(column, percent(hold.m_adProbability[category]));
            item->setData(column, kSortKeyRole, hold.m_adProbability[category]);
        }
        item->setText(kColumnImprove, percent(hold.m_dImprove));
        item->setData(kColumnImprove, kSortKeyRole, hold.m_dImprove);
        item->setText(kColumnAtLeastCurrent, percent(hold.m_dAtLeastCurrent));
        item->setData(kColumnAtLeastCurrent, kSortKeyRole, hold.m_dAtLeastCurrent);

        // No odds against what cannot happen; such rows sort after every other.
        const double odds = CCardDistributionManager::GetOdds(hold.m_dImprove);
        item->setText(kColumnOdds, odds >= 0.0 ? QString::fromStdString(FormatString(oddsFormat.c_str(), odds))
                                               : QString());
        item->setData(kColumnOdds, kSortKeyRole,
                      odds >= 0.0 ? odds : std::numeric_limits<double>::infinity());
        for (int column : {kColumnTableWin, kColumnTablePotShare})
            item->setData(column, kSortKeyRole, 0.0);

        for (int column = 0; column < kColumnCount; ++column)
            item->setTextAlignment(column, column == kColumnKeep ? Qt::AlignLeft | Qt::AlignVCenter
                                                                 : Qt::AlignRight | Qt::AlignVCenter);
    }

    m_holdsList->setSortingEnabled(true);
    m_holdsList->sortByColumn(kColumnRank, Qt::AscendingOrder);

    // The style would reserve room for the sort arrow in every heading, which
    // makes fifteen columns too wide for the screen; room is kept for one
    // arrow beside each heading's text instead.
    QHeaderView* header = m_holdsList->header();
    header->setSortIndicatorShown(false);
    const int arrowRoom = style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header)
                          + style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    // The equity columns fill in later: room for the widest figure now.
    const QString widest = QString::fromStdString(FormatString(LoadString(idFigureWithInterval).c_str(), 100.0, 0.5));
    const int figureWidth = m_holdsList->fontMetrics().horizontalAdvance(widest) + 12;
    for (int column = 0; column < kColumnCount; ++column) {
        m_holdsList->resizeColumnToContents(column);
        int width = std::max(m_holdsList->columnWidth(column), header->sectionSizeHint(column) + arrowRoom);
        if (column == kColumnTableWin || column == kColumnTablePotShare)
            width = std::max(width, figureWidth);
        m_holdsList->setColumnWidth(column, width);
    }
    header->setSortIndicatorShown(true);
}

void CDrawAnalysisDlg::FitToTable()
{
    // Every row and column in view, within the main window's largest size;
    // a smaller dialog scrolls the table.
    int width = 2 * m_holdsList->frameWidth() + m_holdsList->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kColumnCount; ++column)
        width += m_holdsList->columnWidth(column);
    const QTreeWidgetItem* first = m_holdsList->topLevelItem(0);
    const int rowHeight = first ? m_holdsList->visualItemRect(first).height() : 0;
    const int height = 2 * m_holdsList->frameWidth() + m_holdsList->header()->sizeHint().height()
                       + rowHeight * m_holdsList->topLevelItemCount();
    m_holdsList->setMinimumSize(width, height);
    const QSize wanted = sizeHint();
    m_holdsList->setMinimumSize(0, 0);
    resize(wanted.boundedTo(QSize(kMaxWidth, kMaxHeight)));
}

void CDrawAnalysisDlg::ShowTableEquity(const CEquityRun& run, const std::string& table)
{
    m_strTable = table;
    connect(&run, &CEquityRun::Changed, this, [this, &run] { ShowEquityResult(run); });
    ShowEquityResult(run);
}

void CDrawAnalysisDlg::ShowEquityResult(const CEquityRun& run)
{
    const TTableResult& result = run.Result();
    std::string note;
    if (result.m_eError != ETableError::None)
        note = LoadString(idEquityRefused);
    else if (result.m_arrHolds.empty() || result.m_nTrials == 0)
        note = LoadString(idEquityDealing);
    else
        note = EquityNote(result);
    const QString label = QString::fromStdString(FormatString(LoadString(idDrawAnalysisTable).c_str(),
                                                              m_strTable.c_str(), note.c_str()));
    if (m_tableLabel->text() != label)
        m_tableLabel->setText(label);
    if (result.m_eError != ETableError::None || result.m_nTrials == 0)
        return;

    for (int row = 0; row < m_holdsList->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_holdsList->topLevelItem(row);
        const unsigned mask = m_arrHolds[static_cast<std::size_t>(item->data(0, kHoldIndexRole).toInt())].m_nKeepMask;
        const auto equity = std::find_if(result.m_arrHolds.begin(), result.m_arrHolds.end(),
                                         [mask](const THoldEquity& hold) { return hold.m_nKeepMask == mask; });
        if (equity == result.m_arrHolds.end())
            continue;
        const TEquityRows rows = EquityRows(*equity, result.m_nTrials);
        item->setText(kColumnTableWin, QString::fromStdString(rows.front().m_strFigure));
        item->setData(kColumnTableWin, kSortKeyRole, equity->m_dWin);
        item->setText(kColumnTablePotShare, QString::fromStdString(rows.back().m_strFigure));
        item->setData(kColumnTablePotShare, kSortKeyRole, equity->m_dPotShare);
    }
    if (!result.m_bDone || m_bSortedByShare)
        return;
    // Once the figures are final, the first column counts best first by pot
    // share, the order every list of holds follows; the list goes in that
    // order unless the player chose another meanwhile. The chosen row stays
    // chosen.
    m_bSortedByShare = true;
    std::vector<THoldEquity> ranked = result.m_arrHolds;
    SortByPotShare(ranked);
    const bool untouched = m_holdsList->sortColumn() == kColumnRank
                           && m_holdsList->header()->sortIndicatorOrder() == Qt::AscendingOrder;
    // Sorting waits until every row has its new place.
    m_holdsList->setSortingEnabled(false);
    for (int row = 0; row < m_holdsList->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_holdsList->topLevelItem(row);
        const unsigned mask = m_arrHolds[static_cast<std::size_t>(item->data(0, kHoldIndexRole).toInt())].m_nKeepMask;
        const auto place = std::find_if(ranked.begin(), ranked.end(),
                                        [mask](const THoldEquity& hold) { return hold.m_nKeepMask == mask; });
        if (place == ranked.end())
            continue;
        const int rank = static_cast<int>(place - ranked.begin()) + 1;
        item->setText(kColumnRank, QString::number(rank));
        item->setData(kColumnRank, kSortKeyRole, static_cast<double>(rank));
    }
    m_holdsList->setSortingEnabled(true);
    if (untouched)
        m_holdsList->sortByColumn(kColumnRank, Qt::AscendingOrder);
    // The best row is chosen, unless the player chose one himself.
    if (!m_bPlayerChose)
        SelectTopRow();
}

int CDrawAnalysisDlg::DoModal()
{
    return exec();
}

void CDrawAnalysisDlg::OnMarkDiscards()
{
    const QList<QTreeWidgetItem*> chosen = m_holdsList->selectedItems();
    if (chosen.isEmpty())
        return;
    const int index = chosen.front()->data(0, kHoldIndexRole).toInt();
    if (index < 0 || static_cast<std::size_t>(index) >= m_arrHolds.size())
        return;
    m_nDiscardMask = ~m_arrHolds[static_cast<std::size_t>(index)].m_nKeepMask & 0x1Fu;
    accept();
}

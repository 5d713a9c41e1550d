#include "ResultsScene.h"

#include "OddsText.h"
#include "SceneText.h"
#include "ScrollableStatic.h"
#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QHeaderView>
#include <QPainter>
#include <QTreeWidget>

namespace {

constexpr int kHeadingHeight = 30;
constexpr int kColumnCount = 3;
constexpr Qt::Alignment kColumnAlignment[kColumnCount] = {
    Qt::AlignLeft | Qt::AlignVCenter,
    Qt::AlignHCenter | Qt::AlignVCenter,
    Qt::AlignRight | Qt::AlignVCenter,
};

}  // namespace

CResultsScene::CResultsScene() : m_nSuggestionsHeadingId(idSuggestionsHeading) {}

CResultsScene::~CResultsScene()
{
    delete m_ownedOneOpponentList.data();
    delete m_ownedAtLeastOneList.data();
    delete m_ownedSuggestionsBox.data();
}

QTreeWidget* CResultsScene::CreateTable(QWidget* parent, const char* objectName)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(objectName));
    list->setColumnCount(kColumnCount);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSortingEnabled(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are read, never chosen: no selection and no focus rectangle, whatever is clicked.
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    SetGoldOnFelt(list);
    list->setFont(TableFont());

    auto* header = new QTreeWidgetItem();
    for (int column = 0; column < kColumnCount; ++column) {
        header->setText(column, Text(idFormationColumn + static_cast<unsigned>(column)));
        header->setTextAlignment(column, kColumnAlignment[column]);
    }
    list->setHeaderItem(header);
    list->header()->setSectionsClickable(false);
    list->header()->setSectionsMovable(false);
    for (int column = 0; column < kColumnCount; ++column)
        list->header()->resizeSection(column, 10);
    list->hide();
    return list;
}

void CResultsScene::CreateControls(QWidget* parent)
{
    m_oneOpponentList = CreateTable(parent, "oneOpponentList");
    m_ownedOneOpponentList = m_oneOpponentList;
    m_atLeastOneList = CreateTable(parent, "atLeastOneList");
    m_ownedAtLeastOneList = m_atLeastOneList;

    m_suggestionsBox = new CScrollableStatic(parent);
    m_ownedSuggestionsBox = m_suggestionsBox;
    m_suggestionsBox->setObjectName(QStringLiteral("suggestionsBox"));
    m_suggestionsBox->setFont(TableFont());
    SetGoldOnFelt(m_suggestionsBox);
    m_suggestionsBox->hide();
}

void CResultsScene::FillTable(QTreeWidget* list, const CCardDistributionManager::TRows& rows)
{
    list->clear();
    const std::string probabilityFormat = LoadString(idProbabilityFormat);
    for (const CCardDistributionManager::TProbabilitityDisplayInfo& row : rows) {
        auto* item = new QTreeWidgetItem(list);
        item->setFlags(Qt::ItemIsEnabled);
        item->setText(0, Text(static_cast<unsigned>(row.m_nFormationNameId)));
        item->setText(1, QString::fromStdString(FormatString(probabilityFormat.c_str(), row.m_dProbability * 100.0)));
        item->setText(2, QString::fromStdString(OddsText(row.m_dOdds)));
        for (int column = 0; column < kColumnCount; ++column)
            item->setTextAlignment(column, kColumnAlignment[column]);
    }
    for (int column = 0; column < kColumnCount; ++column)
        list->resizeColumnToContents(column);
}

void CResultsScene::SetResults(const CCardDistributionManager::TRows& oneOpponent,
                               const CCardDistributionManager::TRows& atLeastOne)
{
    if (!m_oneOpponentList)
        return;
    FillTable(m_oneOpponentList, oneOpponent);
    FillTable(m_atLeastOneList, atLeastOne);
}

void CResultsScene::SetSuggestions(const std::string& suggestions)
{
    // Unchanged text is left alone: setting it again would scroll the box
    // back and announce it anew.
    if (m_suggestionsBox && suggestions != m_strSuggestions) {
        m_strSuggestions = suggestions;
        m_suggestionsBox->SetText(suggestions);
    }
}

void CResultsScene::Show(bool tables, bool suggestions)
{
    m_bTables = tables;
    m_bSuggestions = tables && suggestions;
    if (!m_oneOpponentList)
        return;
    m_oneOpponentList->setVisible(m_bTables);
    m_atLeastOneList->setVisible(m_bTables);
    m_suggestionsBox->setVisible(m_bSuggestions);
}

void CResultsScene::SetSuggestionsHeading(unsigned headingId)
{
    if (headingId == m_nSuggestionsHeadingId)
        return;
    m_nSuggestionsHeadingId = headingId;
    if (!m_suggestionsBox)
        return;
    QString name = Text(headingId);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    m_suggestionsBox->setAccessibleName(name);
}

int CResultsScene::BandTop(int band) const
{
    return m_rect.top() + band * (35 + BandHeight()) + 35;
}

void CResultsScene::PlaceControls(const QPoint& scroll)
{
    if (!m_oneOpponentList)
        return;
    const int left = m_rect.left() - scroll.x();
    m_oneOpponentList->setGeometry(left, BandTop(0) - scroll.y(), m_rect.width(), BandHeight());
    m_atLeastOneList->setGeometry(left, BandTop(1) - scroll.y(), m_rect.width(), BandHeight());
    m_suggestionsBox->setGeometry(left, BandTop(2) - scroll.y(), m_rect.width(), BandHeight());
}

void CResultsScene::Draw(QPainter& buffer) const
{
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const unsigned headings[] = {idOneOpponentHeading, idAtLeastOneHeading, m_nSuggestionsHeadingId};
    const int bands = !m_bTables ? 0 : m_bSuggestions ? 3 : 2;
    for (int band = 0; band < bands; ++band)
        DrawSceneText(buffer, Text(headings[band]), QRect(m_rect.left(), BandTop(band) - 30, m_rect.width(), kHeadingHeight),
                      flags);
}

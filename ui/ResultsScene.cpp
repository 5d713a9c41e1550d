#include "ResultsScene.h"

#include "Colours.h"
#include "PokerView.h"
#include "SceneText.h"
#include "ScrollableStatic.h"
#include "StringTable.h"

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

QString Text(unsigned id)
{
    return QString::fromStdString(LoadString(id));
}

void GoldOnFelt(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, kFeltGreen);
    palette.setColor(QPalette::AlternateBase, kFeltGreen);
    palette.setColor(QPalette::Window, kFeltGreen);
    palette.setColor(QPalette::Text, kGold);
    widget->setPalette(palette);
}

}  // namespace

CResultsScene::CResultsScene(CPokerView* view) : m_pView(view) {}

CResultsScene::~CResultsScene()
{
    delete m_ownedOneOpponentList.data();
    delete m_ownedAtLeastOneList.data();
    delete m_ownedSuggestionsBox.data();
}

QTreeWidget* CResultsScene::CreateTable(const char* objectName)
{
    auto* list = new QTreeWidget(m_pView->viewport());
    list->setObjectName(QLatin1String(objectName));
    list->setGeometry(QRect());
    list->setColumnCount(kColumnCount);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSortingEnabled(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are read, never chosen: no selection and no focus rectangle, whatever is clicked.
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    GoldOnFelt(list);
    // The small face of a dialog rather than the desktop's, so that the three
    // columns fitted to their widest text still fit the 340-pixel band.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    list->setFont(font);

    auto* header = new QTreeWidgetItem();
    for (int column = 0; column < kColumnCount; ++column) {
        header->setText(column, Text(132 + static_cast<unsigned>(column)));
        header->setTextAlignment(column, kColumnAlignment[column]);
    }
    list->setHeaderItem(header);
    list->header()->setSectionsClickable(false);
    list->header()->setSectionsMovable(false);
    for (int column = 0; column < kColumnCount; ++column)
        list->header()->resizeSection(column, 10);

    list->setVisible(m_shown != 0);
    return list;
}

void CResultsScene::CreateControls()
{
    m_oneOpponentList = CreateTable("oneOpponentList");
    m_ownedOneOpponentList = m_oneOpponentList;
    m_atLeastOneList = CreateTable("atLeastOneList");
    m_ownedAtLeastOneList = m_atLeastOneList;

    m_suggestionsBox = new CScrollableStatic(m_pView->viewport());
    m_ownedSuggestionsBox = m_suggestionsBox;
    m_suggestionsBox->setObjectName(QStringLiteral("suggestionsBox"));
    m_suggestionsBox->setGeometry(QRect());
    m_suggestionsBox->setFont(m_atLeastOneList->font());
    GoldOnFelt(m_suggestionsBox);
    m_suggestionsBox->setVisible(m_suggestionsShown != 0);
}

void CResultsScene::FillTable(QTreeWidget* list, const CCardDistributionManager::TRows& rows)
{
    if (!list)
        return;
    list->clear();
    const std::string probabilityFormat = LoadString(135);
    const std::string oddsFormat = LoadString(136);
    for (const CCardDistributionManager::TProbabilitityDisplayInfo& row : rows) {
        auto* item = new QTreeWidgetItem(list);
        item->setFlags(Qt::ItemIsEnabled);
        item->setText(0, Text(static_cast<unsigned>(row.m_nFormationNameId)));
        item->setText(1, QString::fromStdString(FormatString(probabilityFormat.c_str(), row.m_dProbability * 100.0)));
        // No odds against something that cannot happen.
        item->setText(2, row.m_dOdds >= 0.0 ? QString::fromStdString(FormatString(oddsFormat.c_str(), row.m_dOdds))
                                            : QString());
        for (int column = 0; column < kColumnCount; ++column)
            item->setTextAlignment(column, kColumnAlignment[column]);
    }
    for (int column = 0; column < kColumnCount; ++column)
        list->resizeColumnToContents(column);
}

void CResultsScene::SetSuggestions(const std::string& text)
{
    if (m_suggestionsBox)
        m_suggestionsBox->SetText(text);
}

void CResultsScene::Draw(QPainter& buffer, int scrollX, int scrollY)
{
    if (!m_shown)
        return;
    const int left = m_rect.left();
    const int top = m_rect.top();
    const int width = m_rect.width();
    const int bandHeight = m_rect.height() / 3 - 40;
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

    DrawSceneText(buffer, Text(130), QRect(left, top + 5, width, kHeadingHeight), flags);
    if (m_oneOpponentList) {
        m_oneOpponentList->setGeometry(left - scrollX, top + 35 - scrollY, width, bandHeight);
        m_oneOpponentList->show();
    }
    const int firstBottom = top + 35 + bandHeight;

    DrawSceneText(buffer, Text(131), QRect(left, firstBottom + 5, width, kHeadingHeight), flags);
    if (m_atLeastOneList) {
        m_atLeastOneList->setGeometry(left - scrollX, firstBottom + 35 - scrollY, width, bandHeight);
        m_atLeastOneList->show();
    }
    const int secondBottom = firstBottom + 35 + bandHeight;

    if (!m_suggestionsShown)
        return;
    DrawSceneText(buffer, Text(149), QRect(left, secondBottom + 5, width, kHeadingHeight), flags);
    if (m_suggestionsBox) {
        m_suggestionsBox->setEnabled(true);
        m_suggestionsBox->setGeometry(left - scrollX, secondBottom + 35 - scrollY, width, bandHeight);
        m_suggestionsBox->show();
    }
}

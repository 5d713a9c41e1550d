#pragma once

#include "CardDistributionManager.h"

#include <QPointer>
#include <QRect>

#include <string>

class CPokerView;
class CScrollableStatic;
class QPainter;
class QTreeWidget;

// The results on the right of the page, where the picker was: the table for
// one opponent, the table for at least one of the opponents and, after the
// initial hand only, the box with the discard suggestions. Not a widget: the
// view shows it, hands it rows and text, and draws it.
//
// m_rect is in page coordinates as a QRect: QRect(left, top, width, height);
// the view sets it to QRect(650, 0, 340, 690).
class CResultsScene {
public:
    explicit CResultsScene(CPokerView* view);
    virtual ~CResultsScene();
    CResultsScene(const CResultsScene&) = delete;
    CResultsScene& operator=(const CResultsScene&) = delete;

    // Children of the view's viewport: "oneOpponentList", "atLeastOneList",
    // "suggestionsBox"; hidden until the view shows them.
    void CreateControls();
    // Replaces the rows of list (one of the two tables) and fits the columns.
    void FillTable(QTreeWidget* list, const CCardDistributionManager::TRows& rows);
    // Puts the discard suggestions into their box.
    void SetSuggestions(const std::string& text);
    // Draws the headings and places the controls (client = page - scroll).
    void Draw(QPainter& buffer, int scrollX, int scrollY);

    QRect m_rect;
    CPokerView* m_pView;
    int m_shown = 0;
    int m_suggestionsShown = 0;
    QTreeWidget* m_oneOpponentList = nullptr;
    QTreeWidget* m_atLeastOneList = nullptr;
    CScrollableStatic* m_suggestionsBox = nullptr;

private:
    QTreeWidget* CreateTable(const char* objectName);

    QPointer<QTreeWidget> m_ownedOneOpponentList;
    QPointer<QTreeWidget> m_ownedAtLeastOneList;
    QPointer<CScrollableStatic> m_ownedSuggestionsBox;
};

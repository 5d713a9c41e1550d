#pragma once

#include "CardDistributionManager.h"

#include <QPointer>
#include <QRect>

#include <string>

class CScrollableStatic;
class QPainter;
class QTreeWidget;
class QWidget;

// The results on the right of the page, where the picker was: the table for
// one opponent, the table for at least one of the opponents and, after the
// initial hand only, the box with the discard suggestions. Not a widget: the
// view tells it what to show and has it paint its headings.
//
// The area is in page coordinates: QRect(left, top, width, height); the view
// sets it to QRect(650, 0, 340, 690).
class CResultsScene {
public:
    CResultsScene();
    ~CResultsScene();
    CResultsScene(const CResultsScene&) = delete;
    CResultsScene& operator=(const CResultsScene&) = delete;

    // Children of parent: "oneOpponentList", "atLeastOneList",
    // "suggestionsBox"; hidden until shown.
    void CreateControls(QWidget* parent);
    void Layout(const QRect& area) { m_rect = area; }

    // Fills both tables.
    void SetResults(const CCardDistributionManager::TRows& oneOpponent,
                    const CCardDistributionManager::TRows& atLeastOne);
    // Replaces the suggestions; the view writes them from the document and
    // its equity run.
    void SetSuggestions(const std::string& suggestions);
    // Shows the tables, and the suggestions under them when asked; or nothing.
    void Show(bool tables, bool suggestions);
    // The heading over the suggestions box, also its name for a screen
    // reader: the suggestions on discarding, or on the final hand the price
    // of a call.
    void SetSuggestionsHeading(unsigned headingId);
    // Puts the controls where the page has them now (client = page - scroll).
    void PlaceControls(const QPoint& scroll);
    void Draw(QPainter& buffer) const;

    QTreeWidget* OneOpponentList() const { return m_oneOpponentList; }
    QTreeWidget* AtLeastOneList() const { return m_atLeastOneList; }
    CScrollableStatic* SuggestionsBox() const { return m_suggestionsBox; }

private:
    QTreeWidget* CreateTable(QWidget* parent, const char* objectName);
    static void FillTable(QTreeWidget* list, const CCardDistributionManager::TRows& rows);
    // The three bands' tops: tables and suggestions, each under its heading.
    int BandTop(int band) const;
    int BandHeight() const { return m_rect.height() / 3 - 40; }

    QRect m_rect;
    bool m_bTables = false;
    bool m_bSuggestions = false;
    unsigned m_nSuggestionsHeadingId;
    std::string m_strSuggestions;  // what the box shows
    QTreeWidget* m_oneOpponentList = nullptr;
    QTreeWidget* m_atLeastOneList = nullptr;
    CScrollableStatic* m_suggestionsBox = nullptr;
    QPointer<QTreeWidget> m_ownedOneOpponentList;
    QPointer<QTreeWidget> m_ownedAtLeastOneList;
    QPointer<CScrollableStatic> m_ownedSuggestionsBox;
};

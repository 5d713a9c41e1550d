#pragma once

#include <QRect>
#include <QString>

class QAbstractScrollArea;

// What one item of a painted page shows now; its accessible name, place and
// state derive from this.
struct TPageItem {
    QString m_strName;
    QRect m_page;      // the part of the page it covers and shows
    bool m_bShown = false;
    bool m_bEnabled = false;   // takes a press
    bool m_bChecked = false;
    bool m_bCheckable = true;  // a card or place; a seat only steps its value
    QString m_strValue;        // what a screen reader reads as its value, if any
};

// The items a painted page holds, in a fixed order, and what pressing one
// does: what the page's owner hands to the accessible page. Another kind of
// item on the page is more items here.
class CPageItems {
public:
    // Leaves every page it was handed to with no items.
    virtual ~CPageItems();
    virtual int ItemCount() const = 0;
    virtual TPageItem Item(int item) const = 0;
    // What a click on the item does; called only while it is enabled.
    virtual void Press(int item) = 0;
};

// The painted page of a scroll area for assistive technology: the viewport
// gets an accessible interface whose children are the items, then the
// viewport's own controls. Each item is a button with the item's name,
// checked while the item is, unavailable while it is not enabled, covering
// its part of the page, and pressing as a click does. Handing the same page
// over again replaces its items.
void SetUpPageAccessibility(QAbstractScrollArea& area, CPageItems& items);

// After the page has changed: a StateChanged or NameChanged event for each
// item whose state or name changed since the last call.
void NotifyPageAccessibility(QAbstractScrollArea& area);

#include "PageAccessible.h"

#include "PokerDoc.h"
#include "PokerView.h"
#include "ScrollableStatic.h"
#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTreeWidget>

#include <array>

namespace {

constexpr int kCards = 52;
constexpr int kFirstSeat = kCards + CPokerDoc::kPlaces;
constexpr int kItems = kFirstSeat + kMaxTableOpponents;  // picker cards, places, then seats

QString CardName(int card)
{
    if (card < 0)
        return Text(idCardBack);
    return QString::fromStdString(FormatString(LoadString(idCardName).c_str(), LoadString(idRankAce + card % 13).c_str(),
                                               LoadString(idSuitClubs + card / 13).c_str()));
}

// What one item shows now; its accessible state and name derive from this.
struct TItemShown {
    QString m_strName;
    QString m_strValue;  // a seat's seen draw
    QRect m_page;      // the part of the page it covers and shows
    bool m_bShown = false;
    bool m_bEnabled = false;
    bool m_bChecked = false;
    bool m_bCheckable = true;
};

TItemShown ItemShown(const CPokerView& view, int item)
{
    const CPokerDoc& doc = *view.GetDocument();
    TItemShown shown;
    if (item >= kFirstSeat) {
        // Every seat a table can have; those not at this one are invisible.
        const int seat = item - kFirstSeat;
        const int drew = doc.GetSeenDraw(seat);
        shown.m_strName = QString::fromStdString(FormatString(LoadString(idSeatName).c_str(), seat + 1));
        shown.m_strValue = drew == kDrawUnseen ? Text(idSeatNotSeen)
                           : drew == 1         ? Text(idSeatDrewOne)
                                               : QString::fromStdString(FormatString(LoadString(idSeatDrewMany).c_str(), drew));
        shown.m_page = view.PlayingScene().SeatRect(seat);
        shown.m_bShown = seat < view.PlayingScene().Opponents();
        shown.m_bEnabled = shown.m_bShown && doc.CanSetSeenDraws();
        shown.m_bCheckable = false;
        return shown;
    }
    if (item >= kCards) {
        const int place = item - kCards;
        shown.m_strName = CardName(doc.GetHandCard(place));
        shown.m_page = view.PlayingScene().PlaceRect(place);
        shown.m_bShown = true;
        shown.m_bEnabled = doc.CanMark();
        shown.m_bChecked = doc.IsMarked(place);
        return shown;
    }
    const int card = item;
    shown.m_strName = CardName(card);
    shown.m_bShown = view.CardsScene().IsActive() && doc.IsOffered(card);
    shown.m_bEnabled = shown.m_bShown;
    shown.m_bChecked = doc.IsPicked(card);
    shown.m_page = view.CardsScene().CardRect(card);
    // A card with an offered one after it in its column shows only a strip.
    for (int below = card + 1; below < (card / 13 + 1) * 13; ++below) {
        if (doc.IsOffered(below)) {
            shown.m_page.setBottom(view.CardsScene().CardRect(below).top() - 1);
            break;
        }
    }
    return shown;
}

// One picker card or hand place; it lives in Qt's accessibility cache.
class CPageItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CPageItemAccessible(CPokerView* view, int item) : m_view(view), m_item(item) {}

    bool isValid() const override { return m_view; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return m_view ? QAccessible::queryAccessibleInterface(m_view->viewport()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_view)
            return QString();
        if (t == QAccessible::Value)
            return ItemShown(*m_view, m_item).m_strValue;
        return t == QAccessible::Name ? ItemShown(*m_view, m_item).m_strName : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_view)
            return QRect();
        const QRect page = ItemShown(*m_view, m_item).m_page;
        return QRect(m_view->viewport()->mapToGlobal(page.topLeft() - m_view->GetScrollPosition()), page.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override { return m_view ? StateOf(ItemShown(*m_view, m_item)) : QAccessible::State(); }

    static QAccessible::State StateOf(const TItemShown& shown)
    {
        QAccessible::State state;
        state.invisible = !shown.m_bShown;
        state.disabled = !shown.m_bEnabled;
        state.focusable = shown.m_bEnabled;
        state.checkable = shown.m_bCheckable;
        state.selectable = shown.m_bCheckable;
        state.checked = shown.m_bChecked;
        state.selected = shown.m_bChecked;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        if (!m_view || !ItemShown(*m_view, m_item).m_bEnabled)
            return QStringList();
        return QStringList(pressAction());
    }
    void doAction(const QString& actionName) override
    {
        if (!m_view || actionName != pressAction())
            return;
        if (m_item < kCards)
            m_view->PressCard(m_item);
        else if (m_item < kFirstSeat)
            m_view->PressPlace(m_item - kCards);
        else
            m_view->PressSeat(m_item - kFirstSeat);
    }
    QStringList keyBindingsForAction(const QString&) const override { return QStringList(); }

private:
    QPointer<CPokerView> m_view;
    int m_item;
};

// The viewport: the items first, then its child widgets as Qt finds them.
class CPageAccessible : public QAccessibleWidget {
public:
    explicit CPageAccessible(CPokerView* view) : QAccessibleWidget(view->viewport(), QAccessible::Pane), m_view(view)
    {
        m_itemIds.fill(0);
        for (int item = 0; item < kItems; ++item)
            m_lastShown[item] = ItemShown(*view, item);
    }
    ~CPageAccessible() override
    {
        for (QAccessible::Id id : m_itemIds) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return kItems + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index >= kItems)
            return QAccessibleWidget::child(index - kItems);
        if (m_itemIds[index] == 0 && m_view)
            m_itemIds[index] = QAccessible::registerAccessibleInterface(new CPageItemAccessible(m_view, index));
        return QAccessible::accessibleInterface(m_itemIds[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int item = 0; item < kItems; ++item) {
            if (m_itemIds[item] != 0 && QAccessible::accessibleInterface(m_itemIds[item]) == child)
                return item;
        }
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget < 0 ? -1 : kItems + widget;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (m_view) {
            const QPoint page = m_view->viewport()->mapFromGlobal(QPoint(x, y)) + m_view->GetScrollPosition();
            for (int item = 0; item < kItems; ++item) {
                const TItemShown shown = ItemShown(*m_view, item);
                if (shown.m_bShown && shown.m_page.contains(page))
                    return child(item);
            }
        }
        return QAccessibleWidget::childAt(x, y);
    }

    void NotifyChanges()
    {
        if (!m_view)
            return;
        for (int item = 0; item < kItems; ++item) {
            const TItemShown shown = ItemShown(*m_view, item);
            TItemShown& last = m_lastShown[item];
            QAccessible::State changed;
            changed.invisible = shown.m_bShown != last.m_bShown;
            changed.disabled = shown.m_bEnabled != last.m_bEnabled;
            changed.checked = changed.selected = shown.m_bChecked != last.m_bChecked;
            if (changed.invisible || changed.disabled || changed.checked) {
                QAccessibleStateChangeEvent event(child(item), changed);
                QAccessible::updateAccessibility(&event);
            }
            if (shown.m_strName != last.m_strName) {
                QAccessibleEvent event(child(item), QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            }
            if (shown.m_strValue != last.m_strValue) {
                QAccessibleValueChangeEvent event(child(item), shown.m_strValue);
                QAccessible::updateAccessibility(&event);
            }
            last = shown;
        }
    }

private:
    QPointer<CPokerView> m_view;
    mutable std::array<QAccessible::Id, kItems> m_itemIds;
    std::array<TItemShown, kItems> m_lastShown;
};

QAccessibleInterface* PageFactory(const QString&, QObject* object)
{
    auto* view = object && object->isWidgetType() ? qobject_cast<CPokerView*>(object->parent()) : nullptr;
    if (view && view->viewport() == object)
        return new CPageAccessible(view);
    return nullptr;
}

QString HeadingName(unsigned id)
{
    QString name = Text(id);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

}  // namespace

void SetUpPageAccessibility(CPokerView& view)
{
    // Qt asks the factory installed last first, so this one goes in after
    // the application's own for widgets; installing it again changes nothing.
    QAccessible::installFactory(PageFactory);
    view.ResultsScene().OneOpponentList()->setAccessibleName(HeadingName(idOneOpponentHeading));
    view.ResultsScene().AtLeastOneList()->setAccessibleName(HeadingName(idAtLeastOneHeading));
    view.ResultsScene().SuggestionsBox()->setAccessibleName(HeadingName(idSuggestionsHeading));
    view.PlayingScene().AdviceBox()->setAccessibleName(Text(idHandDescriptionName));
}

void NotifyPageAccessibility(CPokerView& view)
{
    // Qt delivers no events while no assistive technology listens.
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(view.viewport());
    auto* page = dynamic_cast<CPageAccessible*>(found);
    if (!page && found) {
        // Asked for while the view was still being built, and given the plain
        // widget interface: replace it now that the view is complete.
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(found));
        page = dynamic_cast<CPageAccessible*>(QAccessible::queryAccessibleInterface(view.viewport()));
    }
    if (page)
        page->NotifyChanges();
}

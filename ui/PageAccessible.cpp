#include "PageAccessible.h"

#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QPointer>
#include <QScrollBar>

#include <map>
#include <vector>

namespace {

// The pages handed over, by viewport. An entry goes with its viewport or its
// items, so that an interface Qt still caches finds nothing rather than a
// dead object.
struct TPage {
    QAbstractScrollArea* m_pArea;
    CPageItems* m_pItems;
};

std::map<const QObject*, TPage>& Pages()
{
    static std::map<const QObject*, TPage> pages;
    return pages;
}

const TPage* PageOf(const QObject* viewport)
{
    const auto found = Pages().find(viewport);
    return found == Pages().end() ? nullptr : &found->second;
}

QPoint ScrollPosition(const QAbstractScrollArea& area)
{
    return QPoint(area.horizontalScrollBar()->value(), area.verticalScrollBar()->value());
}

// One item; it lives in Qt's accessibility cache.
class CPageItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CPageItemAccessible(QWidget* viewport, int item) : m_viewport(viewport), m_item(item) {}

    bool isValid() const override { return Page() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_viewport ? m_viewport->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return m_viewport ? QAccessible::queryAccessibleInterface(m_viewport) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        const TPage* page = Page();
        if (!page)
            return QString();
        if (t == QAccessible::Value)
            return page->m_pItems->Item(m_item).m_strValue;
        return t == QAccessible::Name ? page->m_pItems->Item(m_item).m_strName : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const TPage* page = Page();
        if (!page)
            return QRect();
        const QRect shown = page->m_pItems->Item(m_item).m_page;
        return QRect(m_viewport->mapToGlobal(shown.topLeft() - ScrollPosition(*page->m_pArea)), shown.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        const TPage* page = Page();
        return page ? StateOf(page->m_pItems->Item(m_item)) : QAccessible::State();
    }

    static QAccessible::State StateOf(const TPageItem& shown)
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
        const TPage* page = Page();
        if (!page || !page->m_pItems->Item(m_item).m_bEnabled)
            return QStringList();
        return QStringList(pressAction());
    }
    void doAction(const QString& actionName) override
    {
        const TPage* page = Page();
        if (page && actionName == pressAction() && page->m_pItems->Item(m_item).m_bEnabled)
            page->m_pItems->Press(m_item);
    }
    QStringList keyBindingsForAction(const QString&) const override { return QStringList(); }

private:
    // Null once the page or its items are gone, or hold fewer items now.
    const TPage* Page() const
    {
        const TPage* page = m_viewport ? PageOf(m_viewport) : nullptr;
        return page && m_item < page->m_pItems->ItemCount() ? page : nullptr;
    }

    QPointer<QWidget> m_viewport;
    int m_item;
};

// The viewport: the items first, then its child widgets as Qt finds them.
class CPageAccessible : public QAccessibleWidget {
public:
    explicit CPageAccessible(QWidget* viewport) : QAccessibleWidget(viewport, QAccessible::Pane)
    {
        m_arrLastShown = ShownNow();
    }
    ~CPageAccessible() override
    {
        for (QAccessible::Id id : m_arrItemIds) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return ItemCount() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const int items = ItemCount();
        if (index < 0)
            return nullptr;
        if (index >= items)
            return QAccessibleWidget::child(index - items);
        if (m_arrItemIds.size() <= static_cast<size_t>(index))
            m_arrItemIds.resize(index + 1, 0);
        if (m_arrItemIds[index] == 0)
            m_arrItemIds[index] = QAccessible::registerAccessibleInterface(new CPageItemAccessible(widget(), index));
        return QAccessible::accessibleInterface(m_arrItemIds[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int items = ItemCount();
        for (int item = 0; item < items && item < static_cast<int>(m_arrItemIds.size()); ++item) {
            if (m_arrItemIds[item] != 0 && QAccessible::accessibleInterface(m_arrItemIds[item]) == child)
                return item;
        }
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget < 0 ? -1 : items + widget;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (const TPage* page = PageOf(widget())) {
            const QPoint point = widget()->mapFromGlobal(QPoint(x, y)) + ScrollPosition(*page->m_pArea);
            for (int item = 0; item < page->m_pItems->ItemCount(); ++item) {
                const TPageItem shown = page->m_pItems->Item(item);
                if (shown.m_bShown && shown.m_page.contains(point))
                    return child(item);
            }
        }
        return QAccessibleWidget::childAt(x, y);
    }

    void NotifyChanges()
    {
        const std::vector<TPageItem> now = ShownNow();
        // An item that was not there before counts as changed in every way.
        m_arrLastShown.resize(now.size());
        for (size_t item = 0; item < now.size(); ++item) {
            const TPageItem& shown = now[item];
            const TPageItem& last = m_arrLastShown[item];
            QAccessible::State changed;
            changed.invisible = shown.m_bShown != last.m_bShown;
            changed.disabled = shown.m_bEnabled != last.m_bEnabled;
            changed.checked = changed.selected = shown.m_bChecked != last.m_bChecked;
            if (changed.invisible || changed.disabled || changed.checked) {
                QAccessibleStateChangeEvent event(child(static_cast<int>(item)), changed);
                QAccessible::updateAccessibility(&event);
            }
            if (shown.m_strName != last.m_strName) {
                QAccessibleEvent event(child(static_cast<int>(item)), QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            }
            if (shown.m_strValue != last.m_strValue) {
                QAccessibleValueChangeEvent event(child(static_cast<int>(item)), shown.m_strValue);
                QAccessible::updateAccessibility(&event);
            }
        }
        m_arrLastShown = now;
    }

private:
    int ItemCount() const
    {
        const TPage* page = PageOf(widget());
        return page ? page->m_pItems->ItemCount() : 0;
    }
    std::vector<TPageItem> ShownNow() const
    {
        std::vector<TPageItem> shown;
        if (const TPage* page = PageOf(widget())) {
            for (int item = 0; item < page->m_pItems->ItemCount(); ++item)
                shown.push_back(page->m_pItems->Item(item));
        }
        return shown;
    }

    mutable std::vector<QAccessible::Id> m_arrItemIds;
    std::vector<TPageItem> m_arrLastShown;
};

QAccessibleInterface* PageFactory(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && PageOf(object))
        return new CPageAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

CPageItems::~CPageItems()
{
    for (auto page = Pages().begin(); page != Pages().end();) {
        if (page->second.m_pItems == this)
            page = Pages().erase(page);
        else
            ++page;
    }
}

void SetUpPageAccessibility(QAbstractScrollArea& area, CPageItems& items)
{
    QWidget* viewport = area.viewport();
    const bool known = PageOf(viewport) != nullptr;
    Pages()[viewport] = TPage{&area, &items};
    if (!known)
        QObject::connect(viewport, &QObject::destroyed, [](QObject* gone) { Pages().erase(gone); });
    // Qt asks the factory installed last first, so this one goes in after
    // the application's own for widgets; installing it again changes nothing.
    QAccessible::installFactory(PageFactory);
}

void NotifyPageAccessibility(QAbstractScrollArea& area)
{
    // Qt delivers no events while no assistive technology listens.
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(area.viewport());
    auto* page = dynamic_cast<CPageAccessible*>(found);
    if (!page && found) {
        // Asked for before the page was handed over, and given the plain
        // widget interface: replace it now that the page has its items.
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(found));
        page = dynamic_cast<CPageAccessible*>(QAccessible::queryAccessibleInterface(area.viewport()));
    }
    if (page)
        page->NotifyChanges();
}

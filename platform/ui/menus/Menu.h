#pragma once
// TMenu: what main and pop-up menus share: the root item whose children the
// menu shows, the image list of the items, owner drawing, change news from
// the item tree, and shortcut dispatch.

#include "platform/ui/base/Component.h"
#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/menus/MenuWMKey.h"

#include <memory>

class TImageList;

class TMenu : public TComponent {
    QZ_DECLARE_CLASS(TMenu, TComponent)

public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The root; its children are the menu's items. Never null.
    [[nodiscard]] TMenuItem* Items() const { return m_items.get(); }
    [[nodiscard]] TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    // Every item is measured and drawn through its OnMeasureItem and OnDrawItem.
    [[nodiscard]] bool OwnerDraw() const { return m_ownerDraw; }
    void SetOwnerDraw(bool ownerDraw);

    // An item of the tree changed: source is the item (null for the root),
    // rebuild true when items came or went. The default does nothing.
    virtual void MenuChanged(TObject* sender, TMenuItem* source, bool rebuild);

    // Runs the first enabled, visible item (its ancestors visible and enabled
    // too) whose shortcut is the key with the current Shift, Ctrl and Alt.
    // True when one ran.
    bool IsShortCut(TWMKey& message);
    // The item with that shortcut that IsShortCut would run, or null.
    [[nodiscard]] TMenuItem* FindItemByShortCut(TShortCut shortCut) const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TMenuItem> m_items;
    TImageList* m_images = nullptr;
    bool m_ownerDraw = false;
};

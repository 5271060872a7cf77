#pragma once
// TMenuItem: one entry of a menu and the tree below it. A caption of "-"
// makes a separator; '&' marks the access key and "&&" is a literal
// ampersand. The item owns its children: freeing an item frees them, and an
// item freed by its component owner (a form) leaves its parent first.
//
// Every change that shows is reported to the menu the tree belongs to
// (TMenu::MenuChanged): a property change with the item as source and
// rebuild false, an added or removed child with the parent as source (null
// for a menu's root) and rebuild true.

#include "platform/core/Rect.h"
#include "platform/ui/base/Component.h"
#include "platform/ui/menus/ShortCut.h"

#include <functional>
#include <string>
#include <vector>

class TCanvas;
class TMenu;

// Asked for the size of an owner-measured item; width and height come in
// with the plain size.
using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas* canvas, int& width, int& height)>;
// Draws an owner-drawn item in rect (the menu window's client coordinates).
using TMenuDrawItemEvent = std::function<void(TObject* sender, TCanvas* canvas, TRect rect, bool selected)>;

class TMenuItem : public TComponent {
    QZ_DECLARE_CLASS(TMenuItem, TComponent)

public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    // --- the tree ------------------------------------------------------------
    [[nodiscard]] int Count() const { return int(m_items.size()); }
    // Raises EListError for a bad index.
    [[nodiscard]] TMenuItem* Items(int index) const;
    [[nodiscard]] TMenuItem* Parent() const { return m_parent; }
    // The position among the parent's children, -1 without a parent.
    [[nodiscard]] int MenuIndex() const;
    [[nodiscard]] int IndexOf(const TMenuItem* item) const;
    // Appends or inserts item, which leaves its old parent; this item owns it
    // from now on. Raises EMenuError for null, for this item itself or one of
    // its ancestors, and for a bad index.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Frees the child at index.
    void Delete(int index);
    // Takes item out without freeing it; the caller owns it afterwards.
    void Remove(TMenuItem* item);
    // Frees every child.
    void Clear();
    // The menu whose tree holds this item, or null.
    [[nodiscard]] TMenu* GetParentMenu() const;
    // How form descriptions nest items: the enclosing item or menu adopts this one.
    void SetParentComponent(TComponent* parent) override;

    // --- properties ------------------------------------------------------------
    [[nodiscard]] const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    [[nodiscard]] bool IsLine() const { return m_caption == "-"; }
    [[nodiscard]] bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    [[nodiscard]] bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    // The default item of its menu is drawn bold.
    [[nodiscard]] bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    [[nodiscard]] bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    [[nodiscard]] int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    [[nodiscard]] TShortCut ShortCut() const { return m_shortCut; }
    void SetShortCut(TShortCut shortCut);
    [[nodiscard]] const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint) { m_hint = hint; }

    // Runs OnClick when the item is enabled.
    virtual void Click();

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

private:
    friend class TMenu;

    // Tells the menu (see the header comment).
    void MenuChanged(bool rebuild);
    void Detach(TMenuItem* item);
    template <class T>
    void Change(T& field, const T& value);

    std::vector<TMenuItem*> m_items;  // owned
    TMenuItem* m_parent = nullptr;
    TMenu* m_menu = nullptr;  // set on a menu's root item only
    std::string m_caption;
    std::string m_hint;
    bool m_enabled = true;
    bool m_checked = false;
    bool m_default = false;
    bool m_visible = true;
    int m_imageIndex = -1;
    TShortCut m_shortCut = scNone;
};

// Errors of building menu trees.
class EMenuError : public Exception {
public:
    using Exception::Exception;
};

// The access key of a caption, upper-cased for ASCII letters (0 when none):
// the character after a single '&'.
[[nodiscard]] char32_t AccessKeyOf(const std::string& caption);

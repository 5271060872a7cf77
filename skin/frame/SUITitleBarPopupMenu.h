#pragma once
// TsuiTitleBarPopupMenu: the title bar's system menu: Minimize,
// Maximize/Restore, a separator and Close, each enabled when the bar has a
// button of that kind (hidden or not), acting as those buttons do.

#include "skin/controls/SUIPopupMenu.h"

class TsuiTitleBar;

class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
    QZ_DECLARE_CLASS(TsuiTitleBarPopupMenu, TsuiPopupMenu)

public:
    explicit TsuiTitleBarPopupMenu(TComponent* owner);

    void SetTitleBar(TsuiTitleBar* titleBar) { m_titleBar = titleBar; }
    void Popup(int x, int y) override;

private:
    TMenuItem* AddItem(const std::string& caption, TNotifyEvent onClick);
    void OnMin(TObject* sender);
    void OnMax(TObject* sender);
    void OnClose(TObject* sender);

    TsuiTitleBar* m_titleBar = nullptr;
};

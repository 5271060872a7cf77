#pragma once
// TsuiTitleBarButtons: the title bar's buttons. It belongs to its title bar
// (GetOwner) and repaints it after every change.

#include "platform/core/OwnedCollection.h"
#include "skin/frame/SUITitleBarButton.h"

class TsuiTitleBarButtons : public TOwnedCollection {
    QZ_DECLARE_CLASS(TsuiTitleBarButtons, TCollection)

public:
    explicit TsuiTitleBarButtons(TsuiTitleBar* titleBar);

    [[nodiscard]] TsuiTitleBar* TitleBar() const { return m_titleBar; }
    TsuiTitleBarButton* Add();
    [[nodiscard]] TsuiTitleBarButton* Items(int index) const;
    void SetItems(int index, const TsuiTitleBarButton& button) { SetItem(index, button); }
    // Whether a button of that type is in the collection, visible or not.
    [[nodiscard]] bool HasType(TsuiTitleBarBtnType type) const;

protected:
    void Update(TCollectionItem* item) override;

private:
    TsuiTitleBar* m_titleBar;
};

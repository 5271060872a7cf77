#pragma once
// TsuiTitleBarSections: the title bar's background pieces. It belongs to
// its title bar (GetOwner) and repaints it after every change.

#include "platform/core/OwnedCollection.h"
#include "skin/frame/SUITitleBarSection.h"

class TsuiTitleBar;

class TsuiTitleBarSections : public TOwnedCollection {
    QZ_DECLARE_CLASS(TsuiTitleBarSections, TCollection)

public:
    explicit TsuiTitleBarSections(TsuiTitleBar* titleBar);

    [[nodiscard]] TsuiTitleBar* TitleBar() const { return m_titleBar; }
    TsuiTitleBarSection* Add();
    [[nodiscard]] TsuiTitleBarSection* Items(int index) const;
    void SetItems(int index, const TsuiTitleBarSection& section) { SetItem(index, section); }

protected:
    void Update(TCollectionItem* item) override;

private:
    TsuiTitleBar* m_titleBar;
};

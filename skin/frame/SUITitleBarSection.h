#pragma once
// TsuiTitleBarSection: one picture piece of a title bar's background,
// packed from the left or the right edge, or stretched over what the
// others leave (suiClient, of which a collection holds at most one). Every
// change repaints the title bar through its collection.

#include "platform/core/CollectionItem.h"
#include "skin/frame/SUITitleBarTypes.h"

#include <memory>

class TPicture;

class TsuiTitleBarSection : public TCollectionItem {
    QZ_DECLARE_CLASS(TsuiTitleBarSection, TCollectionItem)

public:
    static constexpr int kDefaultWidth = 10;  // px

    TsuiTitleBarSection();
    ~TsuiTitleBarSection() override;

    // Copies Width, Align, Picture, Stretch and AutoSize, each through its setter.
    void Assign(const TPersistent& source) override;

    [[nodiscard]] bool AutoSize() const { return m_autoSize; }
    // Width becomes the picture's width when there is a picture.
    void SetAutoSize(bool autoSize);
    [[nodiscard]] int Width() const { return m_width; }
    void SetWidth(int width);
    [[nodiscard]] TsuiTitleBarAlign Align() const { return m_align; }
    // A second suiClient section is refused with a message box.
    void SetAlign(TsuiTitleBarAlign align);
    [[nodiscard]] TPicture* Picture() const { return m_picture.get(); }
    void SetPicture(TPicture* picture);
    [[nodiscard]] bool Stretch() const { return m_stretch; }
    // A suiClient section always stretches.
    void SetStretch(bool stretch);

private:
    [[nodiscard]] bool CollectionHasClient() const;

    bool m_autoSize = false;
    int m_width = kDefaultWidth;
    TsuiTitleBarAlign m_align = suiLeft;
    std::unique_ptr<TPicture> m_picture;
    bool m_stretch = false;
};

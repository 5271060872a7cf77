#pragma once
// TsuiMemo: the framework's memo with the skin's two-pixel frame, and
// optionally one or two skinned scroll bars that lie over its native ones
// and follow them both ways. The bars stand on the memo's parent (the memo
// places them, it does not own them).
//
// Coupling, and the guards that keep it from feeding back:
//   memo scrolled (keys, wheel, text, selection drag, scroll messages)
//       -> UpdateScrollBars copies the native state into the bars while
//          FUpdatingBars is set, so the bars' OnChange does nothing
//   bar moved by the user
//       -> the memo gets WM_VSCROLL/WM_HSCROLL SB_THUMBPOSITION while
//          FBarScrolling is set, so the scroll is not copied back

#include "platform/ui/edit/Memo.h"
#include "skin/controls/SUIEditSkin.h"

extern template class TsuiEditSkin<TMemo>;

class TsuiScrollBar;

class TsuiMemo : public TsuiEditSkin<TMemo> {
    QZ_DECLARE_CLASS(TsuiMemo, TMemo)

public:
    explicit TsuiMemo(TComponent* owner) : TsuiEditSkin<TMemo>(owner) {}
    ~TsuiMemo() override;

    [[nodiscard]] TsuiScrollBar* VScrollBar() const { return m_vScrollBar; }
    void SetVScrollBar(TsuiScrollBar* bar);
    [[nodiscard]] TsuiScrollBar* HScrollBar() const { return m_hScrollBar; }
    void SetHScrollBar(TsuiScrollBar* bar);

    // Copies the native scroll state into the coupled bars.
    void UpdateScrollBars();
    // Lays the coupled bars over the memo's native bars.
    void UpdateScrollBarsPos();

    void Dispatch(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void StyleResolved(TsuiUIStyle resolved) override;
    void FileThemeChanging(TsuiFileTheme* fileTheme) override;
    void Change() override;

private:
    // Which native bar a skinned one mirrors.
    struct TBarSlot {
        TsuiScrollBar* TsuiMemo::*Bar;
        int NativeBar;   // SB_HORZ or SB_VERT
        LONG ObjectId;   // OBJID_HSCROLL or OBJID_VSCROLL
        UINT ScrollMessage;
    };
    static const TBarSlot kHorizontal;
    static const TBarSlot kVertical;

    void Couple(const TBarSlot& slot, TsuiScrollBar* bar);
    void UpdateInnerScrollBars();
    void CopyNativeState(const TBarSlot& slot);
    void BarChanged(const TBarSlot& slot);

    TsuiScrollBar* m_vScrollBar = nullptr;  // not owned
    TsuiScrollBar* m_hScrollBar = nullptr;  // not owned
    bool m_updatingBars = false;  // copying the native state into the bars
    bool m_barScrolling = false;  // passing a bar's change to the memo
    bool m_mouseDown = false;     // the left button went down here and is held
};

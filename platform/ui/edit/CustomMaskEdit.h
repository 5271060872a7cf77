#pragma once
// TCustomMaskEdit: an edit box whose text follows an EditMask (the mask
// language is TEditMask's, EditMask.h). Without a mask it is a plain edit.
//
// With a mask the text always has one character per mask position: the
// literals, and for each input position its character or the mask's blank.
// That is EditText, what the user sees; Text is the value (EditMask.h says
// how it is made), and setting either fits it to the mask.
//
// Typing overwrites: a character goes into the next input position at or
// after the caret that takes it (folded to the position's case), and the
// caret skips the literals that follow. A character no position takes is
// refused with a beep. Backspace blanks the input position before the
// caret and moves there; Delete blanks the one at the caret; with a
// selection both blank its input positions. Paste fills from the caret as
// typing would and drops the characters that fit nowhere. Undo takes back
// the last change; a second undo redoes it.
//
// Leaving the control checks the text (ValidateEdit) when the user changed
// it and it is not entirely blank: a required position still blank keeps
// the focus here, puts the caret on that position and raises
// EMaskEditError, which the application shows.
//
// The code is split by topic:
//   CustomMaskEdit.cpp       the mask, EditText and Text, validation
//   CustomMaskEditInput.cpp  typing, deleting, the clipboard and undo

#include "platform/core/Exception.h"
#include "platform/ui/edit/CustomEdit.h"

#include <memory>
#include <string>

class TEditMask;

// Text that does not satisfy its edit mask.
class EMaskEditError : public Exception {
public:
    using Exception::Exception;
};

class TCustomMaskEdit : public TCustomEdit {
    QZ_DECLARE_CLASS(TCustomMaskEdit, TCustomEdit)

public:
    explicit TCustomMaskEdit(TComponent* owner);
    ~TCustomMaskEdit() override;

    [[nodiscard]] std::string EditMask() const { return m_maskText; }
    // Raises EInvalidOperation for a mask of too many positions; the old mask stays.
    void SetEditMask(const std::string& mask);
    [[nodiscard]] bool IsMasked() const;
    [[nodiscard]] std::string EditText() const;
    void SetEditText(const std::string& text);
    // Raises EMaskEditError when a required position is blank.
    virtual void ValidateEdit();

    void Dispatch(TMessage& message) override;

protected:
    void DoExit() override;

private:
    // --- CustomMaskEdit.cpp ----------------------------------------------------------
    [[nodiscard]] std::u32string CurrentEditText() const;
    // Shows editText (already fitted to the mask); the caret goes to caret.
    // A change by the user marks Modified and can be undone.
    void Apply(const std::u32string& editText, int caret, bool byUser);
    void WMGetText(TMessage& message);
    void WMGetTextLength(TMessage& message);
    void WMSetText(TMessage& message);

    // --- CustomMaskEditInput.cpp ---------------------------------------------------
    void WMChar(TMessage& message);
    void WMKeyDown(TMessage& message);
    // Fills chars in at the selection, as typing; false when none fitted.
    bool FillAtSelection(const std::u32string& chars);
    // Blanks the input positions of the selection; the caret goes to its start.
    void BlankSelection();
    void DeleteChar(bool backward);
    void WMCut(TMessage& message);
    void WMPaste(TMessage& message);
    void WMClear(TMessage& message);
    void WMUndo(TMessage& message);
    void EMReplaceSel(TMessage& message);

    std::string m_maskText;
    std::unique_ptr<TEditMask> m_mask;
    std::u32string m_undoEditText;  // before the last change by the user
};

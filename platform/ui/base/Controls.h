#pragma once
// The component framework's shared types: the message record that travels
// through WindowProc, the enumerations of controls and forms, modal results
// and the event types. Enumerations keep the classic names, so form
// descriptions can name their values.

#include "platform/core/Object.h"
#include "platform/core/Rtti.h"
#include "platform/win/WinTypes.h"

#include <functional>

// A message as a control sees it: the window message and its answer.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};
// A control's WindowProc: replaceable, so that others can see its messages first.
using TWndMethod = std::function<void(TMessage&)>;

QZ_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)

QZ_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TEnumSet<TAnchorKind>;

QZ_ENUM(TControlStyleFlag, csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
        csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable,
        csNoStdEvents, csDisplayDragImage, csReflector, csActionClient, csMenuEvents)
using TControlStyle = TEnumSet<TControlStyleFlag>;

QZ_ENUM(TControlStateFlag, csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
        csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking)
using TControlState = TEnumSet<TControlStateFlag>;

QZ_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
QZ_ENUM(TShiftStateFlag, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TEnumSet<TShiftStateFlag>;

QZ_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
QZ_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)

// Border styles of forms; panels and other controls use bsNone and bsSingle.
QZ_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
using TBorderStyle = TFormBorderStyle;
QZ_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TEnumSet<TBorderIcon>;
QZ_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
QZ_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
        poMainFormCenter, poOwnerFormCenter)
QZ_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
QZ_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)

// What ShowModal returns and buttons set.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

// Events.
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
// Before a size change: may change the new size, or set resize false to keep the old one.
using TCanResizeEvent = std::function<void(TObject* sender, int& newWidth, int& newHeight, bool& resize)>;
// May change the limits a size change is held to (pixels, 0 for none).
using TConstrainedResizeEvent =
    std::function<void(TObject* sender, int& minWidth, int& minHeight, int& maxWidth, int& maxHeight)>;
using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState shift)>;
// key is a code point; setting it to 0 swallows the character.
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

// The shift state a mouse message's wParam (MK_*) describes, plus Alt from the keyboard.
[[nodiscard]] TShiftState KeysToShiftState(WPARAM keys);

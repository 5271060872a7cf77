#pragma once
// Small classes with published properties for the run-time type
// information, form description and fuzz tests.

#include "platform/core/Color.h"
#include "platform/core/FormDescription.h"
#include "platform/core/Rtti.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

QZ_ENUM(TTestUIStyle, FromThemeFile, MacOS, WinXP, DeepBlue, Protein, BlueGlass)
QZ_ENUM(TTestFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
QZ_ENUM(TTestPosition, poDesigned, poDefault, poScreenCenter, poDesktopCenter)
QZ_ENUM(TTestButtonType, suiNone, suiControlBox, suiHelp)
using TTestFontStyles = TEnumSet<TTestFontStyle>;

// An event with another signature than TNotifyEvent.
using TTestMouseEvent = std::function<void(TObject* sender, int x)>;

class TTestFont : public TPersistent {
    QZ_DECLARE_CLASS(TTestFont, TPersistent)
public:
    [[nodiscard]] const std::string& Name() const { return m_name; }
    void SetName(const std::string& name);
    int Size = 8;
    TTestFontStyles Style;
    int Changes = 0;

private:
    std::string m_name = "Tahoma";
};

// Takes `Strings = ('a' 'b')` as a defined property.
class TTestStrings : public TPersistent {
    QZ_DECLARE_CLASS(TTestStrings, TPersistent)
public:
    std::vector<std::string> Lines;

private:
    void ReadStrings(const TFormValue& value);
};

// Takes `Data = {...}` as a defined property.
class TTestPicture : public TPersistent {
    QZ_DECLARE_CLASS(TTestPicture, TPersistent)
public:
    std::vector<std::uint8_t> Data;

private:
    void ReadData(const TFormValue& value);
};

class TTestItem : public TPersistent {
    QZ_DECLARE_CLASS(TTestItem, TPersistent)
public:
    TTestButtonType ButtonType = suiNone;
    std::string Caption;
    TTestPicture PicNormal;
};

class TTestItems : public TPersistent {
    QZ_DECLARE_CLASS(TTestItems, TPersistent)
public:
    void Clear() { Items.clear(); }
    TTestItem* Add();
    std::vector<std::unique_ptr<TTestItem>> Items;
};

class TTestComponent : public TObject {
    QZ_DECLARE_CLASS(TTestComponent, TObject)
public:
    explicit TTestComponent(TObject* owner) : Owner(owner) {}
    TObject* Owner = nullptr;
    std::string Name;
    int Tag = 0;
};

class TTestControl : public TTestComponent {
    QZ_DECLARE_CLASS(TTestControl, TTestComponent)
public:
    using TTestComponent::TTestComponent;

    [[nodiscard]] int Left() const { return m_left; }
    void SetLeft(int left);
    int Top = 0;
    TColor Color = clBtnFace;
    bool Visible = true;
    std::string Hint;
    TTestFont Font;
    TNotifyEvent OnClick;
    std::vector<std::string> Log;  // setter calls, in order

private:
    int m_left = 0;
};

class TTestButton : public TTestControl {
    QZ_DECLARE_CLASS(TTestButton, TTestControl)
public:
    using TTestControl::TTestControl;

    std::string Caption;
    TTestUIStyle UIStyle = DeepBlue;
    TTestPosition Position = poDesigned;
    std::int64_t Big = 0;
    double Ratio = 1;
    TTestControl* Buddy = nullptr;
    TTestStrings Items;
    TTestItems Buttons;
    TTestPicture* Glyph = nullptr;  // a sub-object that may be missing
    TTestMouseEvent OnMouse;
};

// Not a control: references to controls refuse it.
class TTestTimer : public TTestComponent {
    QZ_DECLARE_CLASS(TTestTimer, TTestComponent)
public:
    using TTestComponent::TTestComponent;
};

// A form that publishes event handlers.
class TTestForm : public TTestControl {
    QZ_DECLARE_CLASS(TTestForm, TTestControl)
public:
    using TTestControl::TTestControl;

    void sbtnCkClick(TObject* sender) { Clicks.push_back(sender); }
    void MouseMoved(TObject*, int x) { LastX = x; }
    std::vector<TObject*> Clicks;
    int LastX = -1;
    std::string Caption;
    TTestPosition Position = poDesigned;
};

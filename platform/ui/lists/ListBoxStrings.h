#pragma once
// TListBoxStrings: the Items of a list box or combo box. A plain string list
// that tells its control after every change, and once when the outermost
// BeginUpdate/EndUpdate bracket closes, so the control can repaint, clamp
// its selection and update its scroll bar. Form descriptions fill it as
// "Items.Strings = ('one' 'two')".
//
// The platform's string lists carry no run-time type information, so this
// class declares its own by hand, with TPersistent as its published parent.

#include "platform/core/StringList.h"

#include <functional>

class TClassInfo;
template <class T>
class TClassBuilder;
struct TFormValue;

class TListBoxStrings : public TStringList {
public:
    using inherited = TStringList;
    [[nodiscard]] static const TClassInfo& StaticClassInfo();
    [[nodiscard]] const char* ClassName() const override;

    // changed runs after every change; it must outlive the list.
    explicit TListBoxStrings(std::function<void()> changed);

protected:
    void Changed() override;
    void SetUpdateState(bool updating) override;

private:
    static void Publish(TClassBuilder<TListBoxStrings>& c);
    // Replaces the lines with a form description's list of strings.
    void ReadStrings(const TFormValue& value);

    std::function<void()> m_changed;
};

// Publishes a control's Items (T::Items returning this class as TStrings,
// T::SetItems) as the sub-object form descriptions fill. For Publish().
template <class T>
void PublishItems(TClassBuilder<T>& c)
{
    c.SubObject(
        "Items", [](const T& control) { return static_cast<TListBoxStrings*>(control.Items()); },
        [](T& control, TListBoxStrings* items) { control.SetItems(items); });
}

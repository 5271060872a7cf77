#pragma once
// TsuiThemeMgrCompList: the theme manager's list of component names, one a
// line. A plain string list (unsorted, letter case ignored in look-ups) that
// form descriptions fill as "CompList.Strings = ('name' ...)".
//
// The platform's string lists carry no run-time type information, so this
// class declares its own by hand, with TPersistent as its published parent.

#include "platform/core/StringList.h"

class TClassInfo;
template <class T>
class TClassBuilder;
struct TFormValue;

class TsuiThemeMgrCompList : public TStringList {
public:
    using inherited = TStringList;
    [[nodiscard]] static const TClassInfo& StaticClassInfo();
    [[nodiscard]] const char* ClassName() const override;

private:
    static void Publish(TClassBuilder<TsuiThemeMgrCompList>& c);
    // Replaces the lines with a form description's list of strings.
    void ReadStrings(const TFormValue& value);
};

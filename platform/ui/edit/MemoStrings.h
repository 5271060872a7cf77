#pragma once
// TMemoStrings: a memo's Lines. It keeps no strings of its own: every call
// reads or changes the memo's text, as the program's change (the caret
// keeps its place, the view stays, undo is forgotten, OnChange fires).
//
// As classically, Insert puts "line\n" before the line at index, and
// appending after a last line that has no break puts "\nline" after it; so
// the text of added lines ends with a line break, and Count leaves out the
// empty line after the last break. Form descriptions fill it with
// "Lines.Strings = ('one' 'two')".
//
// The platform's string lists carry no run-time type information, so this
// class declares its own by hand, with TPersistent as its published parent.

#include "platform/core/Strings.h"

class TClassInfo;
class TCustomMemo;
template <class T>
class TClassBuilder;
struct TFormValue;

class TMemoStrings : public TStrings {
public:
    using inherited = TStrings;
    [[nodiscard]] static const TClassInfo& StaticClassInfo();
    [[nodiscard]] const char* ClassName() const override;

    explicit TMemoStrings(TCustomMemo& memo) : m_memo(memo) {}

    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

protected:
    [[nodiscard]] std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    [[nodiscard]] int GetCount() const override;
    void SetTextStr(const std::string& text) override;

private:
    static void Publish(TClassBuilder<TMemoStrings>& c);
    // Replaces the lines with a form description's list of strings.
    void ReadStrings(const TFormValue& value);

    TCustomMemo& m_memo;
};

#include "platform/ui/edit/MemoStrings.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/FormDescription.h"
#include "platform/core/ListIndex.h"
#include "platform/ui/edit/CustomMemo.h"
#include "platform/ui/edit/EditText.h"

const TClassInfo& TMemoStrings::StaticClassInfo()
{
    static const TClassInfo info("TMemoStrings", &StaticClassInfoOf<TPersistent>(), [](TClassInfo& i) {
        TClassBuilder<TMemoStrings> c(i);
        Publish(c);
    });
    return info;
}

const char* TMemoStrings::ClassName() const
{
    return "TMemoStrings";
}

[[maybe_unused]] static const TClassRegistration qzClassRegistrationTMemoStrings(TMemoStrings::StaticClassInfo());

void TMemoStrings::Publish(TClassBuilder<TMemoStrings>& c)
{
    c.DefinedProperty("Strings", &TMemoStrings::ReadStrings);
}

void TMemoStrings::ReadStrings(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::List) throw EReadError("Lines.Strings must be a list of strings");
    std::string text;
    for (const TFormValue& item : value.Items) {
        if (item.Kind != TFormValueKind::String) throw EReadError("Lines.Strings must be a list of strings");
        text += item.Text + '\n';
    }
    SetTextStr(text);
}

std::string TMemoStrings::Get(int index) const
{
    return m_memo.Editor().Line(index);
}

int TMemoStrings::GetCount() const
{
    const TEditText& text = m_memo.Editor();
    const int lines = text.LineCount();
    return text.Line(lines - 1).empty() ? lines - 1 : lines;
}

void TMemoStrings::Insert(int index, const std::string& s)
{
    CheckListIndex(index, GetCount() + 1);
    const TEditText& text = m_memo.Editor();
    if (index < text.LineCount()) {
        const int at = text.OffsetOf({index, 0});
        m_memo.ReplaceText(at, at, s + '\n');
    } else {
        const int end = text.Length();
        m_memo.ReplaceText(end, end, '\n' + s);
    }
}

void TMemoStrings::Delete(int index)
{
    CheckListIndex(index, GetCount());
    const TEditText& text = m_memo.Editor();
    const int start = text.OffsetOf({index, 0});
    const int end = index + 1 < text.LineCount() ? text.OffsetOf({index + 1, 0}) : text.Length();
    m_memo.ReplaceText(start, end, {});
}

void TMemoStrings::Put(int index, const std::string& s)
{
    const TEditText& text = m_memo.Editor();
    const int start = text.OffsetOf({index, 0});
    m_memo.ReplaceText(start, start + text.LineLength(index), s);
}

void TMemoStrings::Clear()
{
    m_memo.Clear();
}

void TMemoStrings::SetTextStr(const std::string& text)
{
    m_memo.SetText(text);
}

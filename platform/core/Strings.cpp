#include "platform/core/Strings.h"

#include "platform/core/ListIndex.h"
#include "platform/core/SysUtils.h"
#include "platform/core/UpdateGuard.h"

void TStrings::InsertObject(int index, const std::string& s, TObject* object)
{
    UpdateGuard guard(*this);
    Insert(index, s);
    PutObject(index, object);
}

int TStrings::Add(const std::string& s)
{
    const int index = GetCount();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object)
{
    UpdateGuard guard(*this);
    const int index = Add(s);
    PutObject(index, object);
    return index;
}

void TStrings::Append(const std::string& s)
{
    Add(s);
}

void TStrings::AddStrings(const TStrings& strings)
{
    UpdateGuard guard(*this);
    // Counted once, so that adding a list to itself ends.
    const int count = strings.Count();
    for (int i = 0; i < count; ++i) AddObject(strings.Get(i), strings.GetObject(i));
}

void TStrings::Assign(const TPersistent& source)
{
    const auto* strings = dynamic_cast<const TStrings*>(&source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this) return;
    UpdateGuard guard(*this);
    Clear();
    m_nameValueSeparator = strings->m_nameValueSeparator;
    AddStrings(*strings);
}

std::string TStrings::Strings(int index) const
{
    CheckListIndex(index, GetCount());
    return Get(index);
}

void TStrings::SetString(int index, const std::string& s)
{
    CheckListIndex(index, GetCount());
    Put(index, s);
}

TObject* TStrings::Objects(int index) const
{
    CheckListIndex(index, GetCount());
    return GetObject(index);
}

void TStrings::SetObject(int index, TObject* object)
{
    CheckListIndex(index, GetCount());
    PutObject(index, object);
}

int TStrings::IndexOf(const std::string& s) const
{
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (CompareStrings(Get(i), s) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfName(const std::string& name) const
{
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        const std::string line = Get(i);
        const auto separator = line.find(m_nameValueSeparator);
        if (separator != std::string::npos && CompareStrings(line.substr(0, separator), name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const
{
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (GetObject(i) == object) return i;
    }
    return -1;
}

std::string TStrings::Names(int index) const
{
    const std::string line = Strings(index);
    const auto separator = line.find(m_nameValueSeparator);
    return separator == std::string::npos ? std::string() : line.substr(0, separator);
}

std::string TStrings::Values(const std::string& name) const
{
    const int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValue(const std::string& name, const std::string& value)
{
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    const std::string line = name + m_nameValueSeparator + value;
    if (index < 0)
        Add(line);
    else
        Put(index, line);
}

std::string TStrings::ValueFromIndex(int index) const
{
    const std::string line = Strings(index);
    const auto separator = line.find(m_nameValueSeparator);
    return separator == std::string::npos ? std::string() : line.substr(separator + 1);
}

void TStrings::BeginUpdate()
{
    if (m_updateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (m_updateCount == 0) return;
    if (--m_updateCount == 0) SetUpdateState(false);
}

void TStrings::Exchange(int index1, int index2)
{
    const int count = GetCount();
    CheckListIndex(index1, count);
    CheckListIndex(index2, count);
    UpdateGuard guard(*this);
    const std::string s1 = Get(index1);
    TObject* const object1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, s1);
    PutObject(index2, object1);
}

void TStrings::Move(int curIndex, int newIndex)
{
    const int count = GetCount();
    CheckListIndex(curIndex, count);
    CheckListIndex(newIndex, count);
    if (curIndex == newIndex) return;
    UpdateGuard guard(*this);
    const std::string s = Get(curIndex);
    TObject* const object = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, object);
}

bool TStrings::Equals(const TStrings& other) const
{
    const int count = GetCount();
    if (count != other.GetCount()) return false;
    for (int i = 0; i < count; ++i) {
        if (Get(i) != other.Get(i)) return false;
    }
    return true;
}

void TStrings::Put(int index, const std::string& s)
{
    UpdateGuard guard(*this);
    TObject* const object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
}

TObject* TStrings::GetObject(int) const
{
    return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const std::string& a, const std::string& b) const
{
    return CompareText(a, b);
}

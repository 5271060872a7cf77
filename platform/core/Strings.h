#pragma once
// TStrings: the abstract list of strings, each with an optional non-owning
// object. Subclasses implement only the primitives: Get, GetCount, Insert,
// Delete, Clear, and where they keep objects GetObject and PutObject; Put and
// SetUpdateState have working defaults. Everything else is written here, once,
// on top of them, so that a control's Lines or Items get the whole interface
// by forwarding the primitives to the control.
//
// Index errors raise EListError "List index out of bounds (<index>)". The
// public accessors check indices before calling Get, Put, GetObject and
// PutObject; Insert (0..Count) and Delete (0..Count-1) check their own with
// CheckListIndex. Look-ups ignore ASCII letter case unless CompareStrings says
// otherwise. Name=value lines split at the first NameValueSeparator.

#include "platform/core/Object.h"

#include <string>

class TStream;

class TStrings : public TPersistent {
public:
    [[nodiscard]] const char* ClassName() const override { return "TStrings"; }

    virtual void Insert(int index, const std::string& s) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    // Return the index of the new line.
    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* object);
    void Append(const std::string& s);
    void AddStrings(const TStrings& strings);
    // From another TStrings: its lines, objects and separator replace ours.
    void Assign(const TPersistent& source) override;

    [[nodiscard]] int Count() const { return GetCount(); }
    [[nodiscard]] std::string Strings(int index) const;
    void SetString(int index, const std::string& s);
    [[nodiscard]] std::string operator[](int index) const { return Strings(index); }
    [[nodiscard]] TObject* Objects(int index) const;
    void SetObject(int index, TObject* object);

    // -1 when absent.
    [[nodiscard]] virtual int IndexOf(const std::string& s) const;
    [[nodiscard]] int IndexOfName(const std::string& name) const;
    [[nodiscard]] int IndexOfObject(const TObject* object) const;

    // The part before the separator; "" for a line without one.
    [[nodiscard]] std::string Names(int index) const;
    // The part after the separator of the line named name; "" when absent.
    [[nodiscard]] std::string Values(const std::string& name) const;
    // Replaces or appends "name=value"; an empty value deletes the line.
    void SetValue(const std::string& name, const std::string& value);
    // The part after the separator; "" for a line without one.
    [[nodiscard]] std::string ValueFromIndex(int index) const;
    [[nodiscard]] char NameValueSeparator() const { return m_nameValueSeparator; }
    void SetNameValueSeparator(char separator) { m_nameValueSeparator = separator; }

    // Every line followed by "\n". Setting splits at "\r\n", "\n" and "\r";
    // a line break at the very end starts no further line.
    [[nodiscard]] std::string Text() const { return GetTextStr(); }
    void SetText(const std::string& text) { SetTextStr(text); }
    // Lines separated by commas; lines holding blanks, control characters,
    // commas or quotes are quoted with '"' (quotes inside doubled). Setting
    // also splits unquoted text at blanks.
    [[nodiscard]] std::string CommaText() const;
    void SetCommaText(const std::string& text);

    // Nestable; SetUpdateState(true) runs when the outermost bracket opens
    // and SetUpdateState(false) when it closes.
    void BeginUpdate();
    void EndUpdate();

    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);
    // Same count and the same strings, letter case included.
    [[nodiscard]] bool Equals(const TStrings& other) const;

    // UTF-8 text; a UTF-8 byte order mark is skipped and invalid bytes become
    // U+FFFD. Loading reads from the stream's position to its end and refuses
    // more than kMaxLoadSize bytes with EReadError. Saving writes no mark.
    void LoadFromFile(const std::string& fileName);
    virtual void LoadFromStream(TStream& stream);
    void SaveToFile(const std::string& fileName) const;
    virtual void SaveToStream(TStream& stream) const;

protected:
    [[nodiscard]] virtual std::string Get(int index) const = 0;
    // Default: deletes the line and inserts the new one with the same object.
    virtual void Put(int index, const std::string& s);
    [[nodiscard]] virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);
    [[nodiscard]] virtual int GetCount() const = 0;
    virtual void SetUpdateState(bool updating);
    // The order and equality used by every look-up: CompareText by default.
    [[nodiscard]] virtual int CompareStrings(const std::string& a, const std::string& b) const;
    [[nodiscard]] virtual std::string GetTextStr() const;
    virtual void SetTextStr(const std::string& text);

    [[nodiscard]] int UpdateCount() const { return m_updateCount; }

private:
    int m_updateCount = 0;
    char m_nameValueSeparator = '=';
};

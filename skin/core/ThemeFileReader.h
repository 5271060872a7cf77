#pragma once
// TsuiThemeFileReader loads a theme file (layout in ThemeFileRecord.h) into
// memory, whole, and answers look-ups by name, letter case ignored. Each
// embedded file becomes an in-memory stream that the reader owns: GetFile
// lends it out, and the streams go with the reader.
//
// Theme files are untrusted. Loading reads the header and then follows the
// chain of records; it ends quietly, keeping the entries read so far, at
// - a header shorter than 24 bytes or whose header size is not 24,
// - a record that does not lie wholly inside the file,
// - a next offset that does not lead past the end of the current record
//   (so records never overlap and the chain cannot loop),
// - data outside the file, an integer entry whose length is not 4 or a
//   Boolean entry whose length is not 1,
// - embedded files and texts that would together hold more bytes than the
//   file has (capped at kMaxLoadSize), as records pointing at shared data could.
// Entries of unknown types are skipped. The magic and the version field are
// not checked. A file that cannot be opened raises the stream's EFOpenError.

#include "platform/core/StringList.h"

#include <string>

class TStream;
struct TThemeFileRecord;

class TsuiThemeFileReader {
public:
    TsuiThemeFileReader();
    explicit TsuiThemeFileReader(const std::string& fileName);
    TsuiThemeFileReader(const TsuiThemeFileReader&) = delete;
    TsuiThemeFileReader& operator=(const TsuiThemeFileReader&) = delete;

    // Add the entries of a file, or of a stream holding one (offsets count
    // from the stream's start), to those already loaded.
    void Load(const std::string& fileName);
    void Load(TStream& stream);

    // The first embedded file of that name, set back to its start; null
    // when there is none. The stream stays the reader's.
    [[nodiscard]] TStream* GetFile(const std::string& name);
    // -1 when the name is missing.
    [[nodiscard]] int GetInteger(const std::string& name) const;
    // The stored byte: 0 false, anything else true; false when missing.
    [[nodiscard]] bool GetBool(const std::string& name) const;
    // Empty when missing.
    [[nodiscard]] std::string GetStr(const std::string& name) const;

    // What was loaded, in file order: the names of the embedded files, and
    // lines of name "=" value (integers and Booleans in decimal).
    [[nodiscard]] const TStrings& Files() const { return m_files; }
    [[nodiscard]] const TStrings& Integers() const { return m_integers; }
    [[nodiscard]] const TStrings& Bools() const { return m_bools; }
    [[nodiscard]] const TStrings& Texts() const { return m_texts; }

private:
    struct Budget;
    // False when the entry is damaged and loading must end.
    bool AddEntry(TStream& stream, const TThemeFileRecord& record, Budget& budget);

    TStringList m_files;  // owns its objects: the TMemoryStream of each file
    TStringList m_integers;
    TStringList m_bools;
    TStringList m_texts;
};

#pragma once
// TsuiThemeFileWriter gathers named values and files and writes them as a
// theme file (layout in ThemeFileRecord.h). Each list keeps lines of the
// name, "=" and the value; Save writes the embedded files first, then the
// texts, integers and Booleans, each in the order added.
//
// Names: a name is cut to 64 bytes in the file. A name must not contain
// "=": the lines are split at their first "=", so the rest of such a name
// becomes part of the value. An integer or Boolean then no longer reads as
// a number and Save raises EConvertError; a text or file name is written
// under the shortened name with the rest glued to its value.
//
// A repeated name writes the value of its first line again (look-ups find
// the first line of a name, letter case ignored).
//
// Save creates or empties the output file and writes nothing else. An
// embedded file that cannot be opened raises EFOpenError and a value that is
// no number EConvertError; what was written before stays in the output,
// which is closed either way. The destructor saves once more (so the file
// is written when the writer goes away); errors there cannot leave a
// destructor and are dropped, so call Save to see them.

#include "platform/core/StringList.h"

#include <string>

class TStream;

class TsuiThemeFileWriter {
public:
    explicit TsuiThemeFileWriter(std::string fileName);
    ~TsuiThemeFileWriter();
    TsuiThemeFileWriter(const TsuiThemeFileWriter&) = delete;
    TsuiThemeFileWriter& operator=(const TsuiThemeFileWriter&) = delete;

    void AddFile(const std::string& name, const std::string& fileName);
    void AddInteger(const std::string& name, int value);
    void AddBool(const std::string& name, bool value);
    void AddStr(const std::string& name, const std::string& value);

    void Save();

private:
    void WriteFiles(TStream& out) const;
    void WriteTexts(TStream& out) const;
    void WriteIntegers(TStream& out) const;
    void WriteBools(TStream& out) const;

    std::string m_fileName;
    TStringList m_files;
    TStringList m_integers;
    TStringList m_bools;
    TStringList m_texts;
};

#pragma once
// TThemeReader: the one place a skinned component reads its look from.
// Built from the component's FileTheme and UIStyle, it decides once where the
// values come from (UsingFileTheme: an explicit built-in style wins;
// FromThemeFile reads a usable file theme, else DeepBlue) and then answers
// every element by id with exactly what that source gives:
//
//   const TThemeReader theme(FileTheme(), UIStyle());
//   const TColor border = theme.Color(FormBorderColor);
//   theme.Bitmap(ButtonImage, buf, 3, FrameOf(kButtonFrames, state));
//
// Defaults for elements the source lacks stay those of the source: the
// built-in getters give -1, black, false and an untouched bitmap for an
// element of another kind; a loaded file that lacks an element gives -1,
// -1 and false. A reader is a small value: make one per paint or per style
// change, never keep it past the file theme it points to.

#include "platform/core/Color.h"
#include "skin/core/ThemeUse.h"

class TBitmap;
class TsuiFileTheme;

class TThemeReader {
public:
    TThemeReader(TsuiFileTheme* fileTheme, TsuiUIStyle style);

    // True when the values come from the file theme.
    [[nodiscard]] bool FromFile() const { return m_source.FromFile; }
    // The built-in style whose values are read (FromThemeFile while FromFile).
    [[nodiscard]] TsuiUIStyle Style() const { return m_source.Style; }

    [[nodiscard]] int Int(int id) const;
    [[nodiscard]] TColor Color(int id) const;
    [[nodiscard]] bool Bool(int id) const;
    // The element's whole picture into buf (nullptr: nothing happens).
    void Bitmap(int id, TBitmap* buf) const;
    // Frame index (from 1) of count equal-width frames of the element's strip.
    void Bitmap(int id, TBitmap* buf, int count, int index) const;

private:
    TsuiFileTheme* m_fileTheme = nullptr;
    TThemeSource m_source;
};

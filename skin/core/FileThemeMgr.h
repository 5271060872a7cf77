#pragma once
// TsuiFileThemeMgr holds the reader of the theme file in use and answers
// look-ups by theme element id (ThemeElements.h) through the element's key
// name. Without a loaded file every look-up gives its default.

#include "platform/core/Color.h"

#include <memory>
#include <string>

class TBitmap;
class TsuiThemeFileReader;

class TsuiFileThemeMgr {
public:
    TsuiFileThemeMgr();
    ~TsuiFileThemeMgr();
    TsuiFileThemeMgr(const TsuiFileThemeMgr&) = delete;
    TsuiFileThemeMgr& operator=(const TsuiFileThemeMgr&) = delete;

    // False, keeping the current reader, when no file exists at fileName.
    // Otherwise the current reader is released first and a new one loads
    // the file; a file that exists but cannot be opened raises EFOpenError
    // and leaves no reader.
    bool LoadFromFile(const std::string& fileName);
    [[nodiscard]] bool Loaded() const { return FReader != nullptr; }

    // Loads bitmap from the element's embedded BMP file. The bitmap stays as
    // it was without a reader, when the file lacks the element, or when
    // bitmap is null; a damaged picture raises the decoder's EReadError or
    // EInvalidGraphic.
    void GetBitmap(int id, TBitmap* bitmap);
    // False without a reader or when the element is missing.
    [[nodiscard]] bool GetBool(int id) const;
    // 0 without a reader; -1 when the loaded file lacks the element.
    [[nodiscard]] TColor GetColor(int id) const;
    [[nodiscard]] int GetInt(int id) const;

private:
    std::unique_ptr<TsuiThemeFileReader> FReader;
};

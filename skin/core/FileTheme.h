#pragma once
// TsuiFileTheme: a non-visual component holding one theme loaded from a
// theme file. Skinned components point to it through their FileTheme
// property and read their elements from it while UsingFileTheme says so.
//
// Setting ThemeFile loads the file: a name that is no existing file is
// looked for once more, by its file-name part, in the folder of the
// program's executable; ThemeFile then reads back the path found. A name
// found nowhere changes nothing. Setting the current value again loads
// nothing. Once a file loaded, the theme stays usable; after a successful
// load every component of the owning form that uses this theme is told to
// read its look again.

#include "platform/core/Color.h"
#include "platform/ui/base/Component.h"

#include <memory>
#include <string>

class TBitmap;
class TsuiFileThemeMgr;

class TsuiFileTheme : public TComponent {
    QZ_DECLARE_CLASS(TsuiFileTheme, TComponent)

public:
    explicit TsuiFileTheme(TComponent* owner);
    ~TsuiFileTheme() override;

    // True once a theme file was loaded.
    [[nodiscard]] bool CanUse() const { return m_canUse; }

    // The full path of the loaded file; empty until one is loaded.
    [[nodiscard]] const std::string& ThemeFile() const { return m_themeFile; }
    void SetThemeFile(const std::string& name);

    // The element's whole picture; buf stays untouched when no file is
    // loaded or the file lacks the element.
    void GetBitmap(int id, TBitmap* buf);
    // The index-th (from 1) of count equal-width frames of the element's
    // picture (SpitBitmap); always splits, so without a picture buf ends empty.
    void GetBitmap(int id, TBitmap* buf, int count, int index);
    // False, 0 and 0 when no file is loaded; a loaded file that lacks the
    // element gives false, -1 and -1.
    [[nodiscard]] bool GetBool(int id) const;
    [[nodiscard]] TColor GetColor(int id) const;
    [[nodiscard]] int GetInt(int id) const;

private:
    // Makes the owning form's skinned components that use this theme read it again.
    void RefreshUsers();

    std::string m_themeFile;
    std::unique_ptr<TsuiFileThemeMgr> m_mgr;
    bool m_canUse = false;
};

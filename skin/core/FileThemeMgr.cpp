#include "skin/core/FileThemeMgr.h"

#include "platform/core/SysUtils.h"
#include "platform/ui/graphics/Bitmap.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeFileReader.h"

namespace {

std::string KeyOf(int id)
{
    return std::string(ThemeElementKey(id));
}

}  // namespace

TsuiFileThemeMgr::TsuiFileThemeMgr() = default;
TsuiFileThemeMgr::~TsuiFileThemeMgr() = default;

bool TsuiFileThemeMgr::LoadFromFile(const std::string& fileName)
{
    if (!FileExists(fileName)) return false;
    FReader.reset();
    FReader = std::make_unique<TsuiThemeFileReader>(fileName);
    return true;
}

void TsuiFileThemeMgr::GetBitmap(int id, TBitmap* bitmap)
{
    if (!bitmap || !FReader) return;
    if (TStream* file = FReader->GetFile(KeyOf(id))) bitmap->LoadFromStream(*file);
}

bool TsuiFileThemeMgr::GetBool(int id) const
{
    return FReader && FReader->GetBool(KeyOf(id));
}

TColor TsuiFileThemeMgr::GetColor(int id) const
{
    return FReader ? FReader->GetInteger(KeyOf(id)) : 0;
}

int TsuiFileThemeMgr::GetInt(int id) const
{
    return GetColor(id);
}

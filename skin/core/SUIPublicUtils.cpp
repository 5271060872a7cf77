#include "skin/core/SUIPublic.h"

#include "platform/core/PropertyAccess.h"
#include "platform/ui/base/Control.h"
#include "platform/win/WinApi.h"

namespace {

// The first build of the 95/98 family that counts: later releases of Windows 95.
constexpr DWORD kWin95MinBuild = 1000;
constexpr DWORD kBuildNumberMask = 0xFFFF;

bool ComputeIsWin95()
{
    OSVERSIONINFO version;
    return GetVersionEx(version) && IsWin95Version(version);
}

// Taken when the program starts and never changed afterwards.
const bool kIsWin95Flag = ComputeIsWin95();

}  // namespace

bool InRect(int x, int y, const TRect& rect)
{
    return x >= rect.Left && x <= rect.Right && y >= rect.Top && y <= rect.Bottom;
}

bool InRect(const TPoint& point, const TRect& rect)
{
    return InRect(point.X, point.Y, rect);
}

TRect GetWorkAreaRect()
{
    TRect area;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

void PlaceControl(TControl* control, const TPoint& point)
{
    if (!control) return;
    control->SetLeft(point.X);
    control->SetTop(point.Y);
}

void PlaceControl(TControl* control, const TRect& rect)
{
    if (!control) return;
    control->SetLeft(rect.Left);
    control->SetTop(rect.Top);
    control->SetWidth(rect.Right - rect.Left);
    control->SetHeight(rect.Bottom - rect.Top);
}

std::string PCharToStr(const char* p)
{
    return p ? std::string(p) : std::string();
}

bool IsHasProperty(TComponent* component, const std::string& propertyName)
{
    return component && IsPublishedProp(*component, propertyName);
}

bool IsWin95Version(const OSVERSIONINFO& version)
{
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && version.dwMajorVersion >= 4 &&
           version.dwMinorVersion == 0 && (version.dwBuildNumber & kBuildNumberMask) > kWin95MinBuild;
}

bool IsWin95()
{
    return kIsWin95Flag;
}

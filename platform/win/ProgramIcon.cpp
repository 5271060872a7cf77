#include "platform/win/ProgramIcon.h"

#include "platform/core/Exception.h"
#include "platform/core/Resources.h"
#include "platform/gfx/BmpDecoder.h"
#include "platform/win/WindowSystemImpl.h"

namespace win {

namespace {

constexpr TPixel kRgbMask = 0x00FFFFFFu;
constexpr TPixel kOpaque = 0xFF000000u;
constexpr TPixel kKeyRgb = 0x00FF00FFu;  // fuchsia, as 0xRRGGBB

// The icon's pixels with the key colour transparent and everything else opaque.
PixelBuffer IconWithAlpha(const PixelBuffer& stored)
{
    PixelBuffer icon = stored;
    for (int y = 0; y < icon.Height(); ++y)
        for (TPixel* p = icon.Row(y); p != icon.Row(y) + icon.Width(); ++p)
            *p = (*p & kRgbMask) == kKeyRgb ? 0u : (*p | kOpaque);
    return icon;
}

}  // namespace

const PixelBuffer* ProgramIcon()
{
    WindowSystem::Impl& sys = Sys();
    if (!sys.iconLooked) {
        sys.iconLooked = true;
        if (const auto bytes = FindResource(TResourceKind::Icon, "MAINICON")) {
            try {
                sys.icon = IconWithAlpha(DecodeBmp(*bytes).Pixels);
            } catch (const Exception&) {
                // A broken icon leaves the desktop's generic one.
            }
        }
    }
    return sys.icon ? &*sys.icon : nullptr;
}

}  // namespace win

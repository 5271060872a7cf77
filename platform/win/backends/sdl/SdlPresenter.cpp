#include "platform/win/backends/sdl/SdlPresenter.h"

#include <SDL.h>

namespace win {

namespace {

// Our pixels are 0xAARRGGBB in native byte order: SDL's ARGB8888.
constexpr Uint32 kBufferFormat = SDL_PIXELFORMAT_ARGB8888;

void CopyRect(const PixelBuffer& from, SDL_Surface* to, const TRect& r)
{
    const auto* src = reinterpret_cast<const Uint8*>(from.Row(r.Top) + r.Left);
    auto* dst = static_cast<Uint8*>(to->pixels) + std::ptrdiff_t(r.Top) * to->pitch +
                std::ptrdiff_t(r.Left) * to->format->BytesPerPixel;
    SDL_ConvertPixels(r.Width(), r.Height(), kBufferFormat, src, int(from.Width() * sizeof(TPixel)),
                      to->format->format, dst, to->pitch);
}

SDL_Rect ToSdl(const TRect& r) { return {r.Left, r.Top, r.Width(), r.Height()}; }

}  // namespace

bool SdlPresenter::Present(SDL_Window* window, const PixelBuffer& backBuffer, const Region& dirty)
{
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface) return false;
    const TRect limit = backBuffer.Bounds().Intersected({0, 0, surface->w, surface->h});
    const Region part = dirty.Intersected(Region(limit));
    if (part.IsEmpty()) return true;

    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return false;
    for (const TRect& r : part.Rects()) CopyRect(backBuffer, surface, r);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);

    std::vector<SDL_Rect> rects;
    if (part.Rects().size() > kMaxUpdateRects) {
        rects.push_back(ToSdl(part.Bounds()));
    } else {
        for (const TRect& r : part.Rects()) rects.push_back(ToSdl(r));
    }
    return SDL_UpdateWindowSurfaceRects(window, rects.data(), int(rects.size())) == 0;
}

}  // namespace win

#pragma once
// Internal to platform/win: the records behind drawing-object handles and
// the process-wide table that maps handles to them (see Gdi.h for the
// rules). Contexts hold the records they have selected by shared pointer,
// which is what lets DeleteObject free a selected object later.

#include "platform/gfx/PenBrush.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/Region.h"
#include "platform/win/Gdi.h"

#include <memory>
#include <variant>

class Font;

namespace gdi {

// DC_PEN and DC_BRUSH take their colour from the context they are selected into.
enum class ColorSource { Own, Context };

struct PenObject {
    LOGPEN Log;
    Pen Value;
    ColorSource Source = ColorSource::Own;
};

struct BrushObject {
    LOGBRUSH Log;
    Brush Value;
    ColorSource Source = ColorSource::Own;
};

struct FontObject {
    LOGFONT Log;
    mutable std::shared_ptr<const Font> Realised;  // looked up on first use
};

struct BitmapObject {
    PixelBuffer Pixels;
};

struct RegionObject {
    Region Value;
};

using Object = std::variant<PenObject, BrushObject, FontObject, BitmapObject, RegionObject>;
using ObjectPtr = std::shared_ptr<Object>;

// Handle values for objects and contexts come from one counter, so no
// context handle ever equals an object handle.
[[nodiscard]] std::uintptr_t NextHandleValue();

// Registers a new object; returns its handle.
HGDIOBJ Add(Object object);
// The object behind a live handle, or nullptr.
[[nodiscard]] ObjectPtr Find(HGDIOBJ handle);

template <class T>
[[nodiscard]] T* As(const ObjectPtr& object)
{
    return object ? std::get_if<T>(object.get()) : nullptr;
}
// The object of kind T behind a live handle, or nullptr. Valid until the
// handle is deleted.
template <class T>
[[nodiscard]] T* Lookup(HGDIOBJ handle)
{
    return As<T>(Find(handle));
}

[[nodiscard]] UINT TypeOf(const Object& object);
// The text engine's font for a font record.
[[nodiscard]] std::shared_ptr<const Font> Realise(const FontObject& font);
// The 1 x 1 bitmap every memory context starts with; never deleted.
[[nodiscard]] HBITMAP DefaultBitmap();
// TColor from a COLORREF (system colours resolved).
[[nodiscard]] TColor ColorOf(COLORREF color);

}  // namespace gdi

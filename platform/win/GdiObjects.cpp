// The handle table of drawing objects, stock objects, and creating,
// inspecting and deleting pens, brushes, fonts and bitmaps.
#include "platform/win/GdiObject.h"

#include "platform/gfx/FontLibrary.h"

#include <array>
#include <cstring>
#include <unordered_map>

namespace gdi {
namespace {

// Handles start well above every (COLOR_* + 1) value that may stand in for a brush.
constexpr std::uintptr_t kFirstHandle = 0x10000;

struct Entry {
    ObjectPtr Value;
    bool Stock = false;
};

std::unordered_map<std::uintptr_t, Entry>& Table()
{
    static std::unordered_map<std::uintptr_t, Entry> table;
    return table;
}

HGDIOBJ Insert(Object object, bool stock)
{
    const std::uintptr_t value = NextHandleValue();
    Table().emplace(value, Entry{std::make_shared<Object>(std::move(object)), stock});
    return reinterpret_cast<HGDIOBJ>(value);
}

PenObject MakePen(const LOGPEN& log, ColorSource source = ColorSource::Own)
{
    return {log, Pen{ColorOf(log.lopnColor), log.lopnWidth.X, TPenStyle(log.lopnStyle)}, source};
}

BrushObject MakeSolidBrush(TColor color, ColorSource source = ColorSource::Own)
{
    return {LOGBRUSH{BS_SOLID, COLORREF(ColorToRGB(color)), 0}, Brush{color, bsSolid, nullptr}, source};
}

LOGFONT StockFont(std::string face, LONG height, LONG weight)
{
    LOGFONT log;
    log.lfFaceName = std::move(face);
    log.lfHeight = height;
    log.lfWeight = weight;
    return log;
}

constexpr int kStockCount = DC_PEN + 1;

std::array<HGDIOBJ, kStockCount> MakeStockObjects()
{
    std::array<HGDIOBJ, kStockCount> stock{};
    const auto add = [&](int index, Object object) { stock[std::size_t(index)] = Insert(std::move(object), true); };
    add(WHITE_BRUSH, MakeSolidBrush(clWhite));
    add(LTGRAY_BRUSH, MakeSolidBrush(RGB(192, 192, 192)));
    add(GRAY_BRUSH, MakeSolidBrush(RGB(128, 128, 128)));
    add(DKGRAY_BRUSH, MakeSolidBrush(RGB(64, 64, 64)));
    add(BLACK_BRUSH, MakeSolidBrush(clBlack));
    add(NULL_BRUSH, BrushObject{LOGBRUSH{BS_NULL, 0, 0}, Brush{clWhite, bsClear, nullptr}});
    add(WHITE_PEN, MakePen(LOGPEN{PS_SOLID, {0, 0}, COLORREF(clWhite)}));
    add(BLACK_PEN, MakePen(LOGPEN{PS_SOLID, {0, 0}, COLORREF(clBlack)}));
    add(NULL_PEN, MakePen(LOGPEN{PS_NULL, {0, 0}, COLORREF(clBlack)}));
    add(SYSTEM_FONT, FontObject{StockFont("System", 16, FW_BOLD), nullptr});
    add(DEFAULT_GUI_FONT, FontObject{StockFont("MS Shell Dlg", -11, FW_NORMAL), nullptr});
    add(DC_BRUSH, MakeSolidBrush(clWhite, ColorSource::Context));
    add(DC_PEN, MakePen(LOGPEN{PS_SOLID, {0, 0}, COLORREF(clBlack)}, ColorSource::Context));
    return stock;
}

const std::array<HGDIOBJ, kStockCount>& StockObjects()
{
    static const std::array<HGDIOBJ, kStockCount> stock = MakeStockObjects();
    return stock;
}

// Rows of 1-bit pixels padded to 16 bits, or 32-bit 0x00RRGGBB words.
void CopyBits(PixelBuffer& pixels, UINT bitsPerPixel, const std::uint8_t* bits)
{
    const int width = pixels.Width();
    if (bitsPerPixel == 1) {
        const std::size_t rowBytes = std::size_t((width + 15) / 16) * 2;
        for (int y = 0; y < pixels.Height(); ++y) {
            const std::uint8_t* row = bits + std::size_t(y) * rowBytes;
            for (int x = 0; x < width; ++x) {
                const bool white = (row[x / 8] >> (7 - x % 8)) & 1;
                pixels.At(x, y) = white ? PixelFromRGB(clWhite) : PixelFromRGB(clBlack);
            }
        }
    } else if (bitsPerPixel == 32) {
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < width; ++x) {
                std::uint32_t word = 0;
                std::memcpy(&word, bits + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4, 4);
                pixels.At(x, y) = kOpaque | (word & kColorBits);
            }
    }
}

}  // namespace

std::uintptr_t NextHandleValue()
{
    static std::uintptr_t next = kFirstHandle;
    return next++;
}

HGDIOBJ Add(Object object) { return Insert(std::move(object), false); }

ObjectPtr Find(HGDIOBJ handle)
{
    const auto it = Table().find(reinterpret_cast<std::uintptr_t>(handle));
    return it == Table().end() ? nullptr : it->second.Value;
}

UINT TypeOf(const Object& object)
{
    struct Visitor {
        UINT operator()(const PenObject&) const { return OBJ_PEN; }
        UINT operator()(const BrushObject&) const { return OBJ_BRUSH; }
        UINT operator()(const FontObject&) const { return OBJ_FONT; }
        UINT operator()(const BitmapObject&) const { return OBJ_BITMAP; }
        UINT operator()(const RegionObject&) const { return OBJ_REGION; }
    };
    return std::visit(Visitor{}, object);
}

std::shared_ptr<const Font> Realise(const FontObject& font)
{
    if (!font.Realised) {
        const LOGFONT& log = font.Log;
        FontDesc desc;
        if (!log.lfFaceName.empty()) desc.Name = log.lfFaceName;
        desc.Height = log.lfHeight;
        desc.Bold = log.lfWeight >= FW_SEMIBOLD;
        desc.Italic = log.lfItalic != 0;
        desc.Underline = log.lfUnderline != 0;
        desc.StrikeOut = log.lfStrikeOut != 0;
        font.Realised = FontLibrary::Default().GetFont(desc);
    }
    return font.Realised;
}

HBITMAP DefaultBitmap()
{
    static const HBITMAP bitmap = Insert(BitmapObject{PixelBuffer(1, 1)}, true);
    return bitmap;
}

TColor ColorOf(COLORREF color) { return ColorToRGB(TColor(color)); }

}  // namespace gdi

using namespace gdi;

// --- stock objects -----------------------------------------------------------------

HGDIOBJ GetStockObject(int index)
{
    if (index < 0 || index >= kStockCount) return nullptr;
    return StockObjects()[std::size_t(index)];
}

HBRUSH GetSysColorBrush(int index)
{
    if (index < 0 || index >= COLOR_COUNT) return nullptr;
    static std::array<HBRUSH, COLOR_COUNT> brushes{};
    HBRUSH& brush = brushes[std::size_t(index)];
    if (!brush) brush = Insert(MakeSolidBrush(SystemColor(index)), true);
    return brush;
}

// --- pens and brushes ----------------------------------------------------------------

HPEN CreatePen(int style, int width, COLORREF color)
{
    return CreatePenIndirect(LOGPEN{UINT(style), {width, 0}, color});
}

HPEN CreatePenIndirect(const LOGPEN& pen)
{
    if (pen.lopnStyle > PS_INSIDEFRAME) return nullptr;
    return Add(MakePen(pen));
}

HBRUSH CreateSolidBrush(COLORREF color) { return Add(MakeSolidBrush(ColorOf(color))); }

HBRUSH CreateHatchBrush(int hatch, COLORREF color)
{
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
    // HS_* follow TBrushStyle's hatches in order, starting at bsHorizontal.
    const TBrushStyle style = TBrushStyle(bsHorizontal + hatch);
    return Add(BrushObject{LOGBRUSH{BS_HATCHED, color, std::uintptr_t(hatch)}, Brush{ColorOf(color), style, nullptr}});
}

HBRUSH CreatePatternBrush(HBITMAP bitmap)
{
    const BitmapObject* source = Lookup<BitmapObject>(bitmap);
    if (!source || source->Pixels.IsEmpty()) return nullptr;
    return Add(BrushObject{LOGBRUSH{BS_PATTERN, 0, reinterpret_cast<std::uintptr_t>(bitmap)},
                           Brush{clBlack, bsSolid, std::make_shared<const PixelBuffer>(source->Pixels)}});
}

// --- fonts and bitmaps -----------------------------------------------------------------

HFONT CreateFontIndirect(const LOGFONT& font) { return Add(FontObject{font, nullptr}); }

HBITMAP CreateBitmap(int width, int height, UINT /*planes*/, UINT bitsPerPixel, const void* bits)
{
    if (!PixelBuffer::SizeAllowed(width, height)) return nullptr;
    PixelBuffer pixels(width, height);
    if (bits) CopyBits(pixels, bitsPerPixel, static_cast<const std::uint8_t*>(bits));
    return Add(BitmapObject{std::move(pixels)});
}

HBITMAP CreateCompatibleBitmap(HDC /*dc*/, int width, int height)
{
    return CreateBitmap(width, height, 1, 32, nullptr);
}

HBITMAP CreateBitmapFromPixels(PixelBuffer pixels)
{
    if (!PixelBuffer::SizeAllowed(pixels.Width(), pixels.Height())) return nullptr;
    return Add(BitmapObject{std::move(pixels)});
}

PixelBuffer* BitmapPixels(HBITMAP bitmap)
{
    BitmapObject* object = Lookup<BitmapObject>(bitmap);
    return object ? &object->Pixels : nullptr;
}

std::shared_ptr<const Font> FontOf(HFONT font)
{
    const FontObject* object = Lookup<FontObject>(font);
    return object ? Realise(*object) : nullptr;
}

// --- inspecting and deleting ---------------------------------------------------------------

bool DeleteObject(HGDIOBJ object)
{
    auto& table = Table();
    const auto it = table.find(reinterpret_cast<std::uintptr_t>(object));
    if (it == table.end()) return false;
    // Contexts that still hold the object keep their own reference.
    if (!it->second.Stock) table.erase(it);
    return true;
}

UINT GetObjectType(HGDIOBJ object)
{
    const ObjectPtr found = Find(object);
    return found ? TypeOf(*found) : 0;
}

bool GetObject(HPEN pen, LOGPEN& out)
{
    const PenObject* object = Lookup<PenObject>(pen);
    if (object) out = object->Log;
    return object;
}

bool GetObject(HBRUSH brush, LOGBRUSH& out)
{
    const BrushObject* object = Lookup<BrushObject>(brush);
    if (object) out = object->Log;
    return object;
}

bool GetObject(HFONT font, LOGFONT& out)
{
    const FontObject* object = Lookup<FontObject>(font);
    if (object) out = object->Log;
    return object;
}

bool GetObject(HBITMAP bitmap, BITMAP& out)
{
    const BitmapObject* object = Lookup<BitmapObject>(bitmap);
    if (!object) return false;
    out = BITMAP{0, object->Pixels.Width(), object->Pixels.Height(), object->Pixels.Width() * 4, 1, 32};
    return true;
}

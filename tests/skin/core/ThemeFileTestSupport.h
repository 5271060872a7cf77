#pragma once
// Theme file images assembled byte by byte, independently of the writer,
// and a writer of complete themes with values derived from element ids.

#include "platform/core/MemoryStream.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Canvas.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeFileReader.h"
#include "tools/themefile/ThemeFileWriter.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace themetest {

enum : std::uint8_t { kFile, kInteger, kBool, kText };

inline std::string LE32(std::uint32_t v)
{
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

inline std::string Header(std::uint32_t headerSize = 24, std::uint32_t first = 24)
{
    return std::string("Pelworn_TB\0\0", 12) + LE32(headerSize) + LE32(1) + LE32(first);
}

inline std::string Record(std::string name, std::uint8_t type, std::uint32_t data, std::uint32_t length,
                          std::uint32_t next)
{
    name.resize(64, '\0');
    return name + char(type) + LE32(data) + LE32(length) + LE32(next);
}

inline const std::string kTerminator = Record("", kBool, 0, 0, 0);

// An entry laid out as the writer does: data after its record, the next record after the data.
struct Entry {
    std::string Name;
    std::uint8_t Type;
    std::string Data;
};

inline Entry Int(const std::string& name, std::int32_t value)
{
    return {name, kInteger, LE32(std::uint32_t(value))};
}

inline std::string Image(const std::vector<Entry>& entries, const std::string& header = Header())
{
    std::string bytes = header;
    for (const Entry& e : entries) {
        const auto data = std::uint32_t(bytes.size() + 77);
        bytes += Record(e.Name, e.Type, data, std::uint32_t(e.Data.size()), data + std::uint32_t(e.Data.size())) + e.Data;
    }
    return bytes + kTerminator;
}

inline void LoadImage(TsuiThemeFileReader& reader, const std::string& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    reader.Load(stream);
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// What WriteFullTheme stores for element id: numbers id * 1000 + 7, Booleans
// true for even ids, bitmaps id * 3 by 5 pixels with a red top-left pixel.
inline int NumberOf(int id) { return id * 1000 + 7; }
inline bool BoolOf(int id) { return id % 2 == 0; }
inline int WidthOf(int id) { return id * 3; }
inline constexpr int kHeight = 5;  // pixels

// Writes a BMP for each bitmap element (<Key>.bmp in folder) and returns the paths by id.
inline std::vector<std::string> WritePictures(const std::string& folder)
{
    std::vector<std::string> paths(kThemeElementCount + 1);
    for (int id = 1; id <= kThemeElementCount; ++id) {
        if (ThemeElementKindOf(id) != TThemeElementKind::Bitmap) continue;
        TBitmap bitmap(WidthOf(id), kHeight);
        bitmap.Canvas()->SetPixels(0, 0, clRed);
        paths[std::size_t(id)] = folder + "/" + std::string(ThemeElementKey(id)) + ".bmp";
        bitmap.SaveToFile(paths[std::size_t(id)]);
    }
    return paths;
}

// Every element, or only those `keep` accepts.
inline void WriteFullTheme(const std::string& file, const std::string& folder, bool (*keep)(int id) = nullptr)
{
    const std::vector<std::string> pictures = WritePictures(folder);
    TsuiThemeFileWriter writer(file);
    for (int id = 1; id <= kThemeElementCount; ++id) {
        if (keep && !keep(id)) continue;
        const std::string key(ThemeElementKey(id));
        switch (ThemeElementKindOf(id)) {
        case TThemeElementKind::Bitmap: writer.AddFile(key, pictures[std::size_t(id)]); break;
        case TThemeElementKind::Bool: writer.AddBool(key, BoolOf(id)); break;
        default: writer.AddInteger(key, NumberOf(id)); break;
        }
    }
}

}  // namespace themetest

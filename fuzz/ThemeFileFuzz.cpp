// Feeds arbitrary bytes to the theme-file reader as a loaded file, then asks
// it for every theme element. Loading must end quietly on any input; only
// the embedded pictures may be refused, by the BMP decoder's own errors.

#include "platform/core/Exception.h"
#include "platform/core/MemoryStream.h"
#include "platform/ui/graphics/Bitmap.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeFileReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream stream;
    stream.WriteBuffer(data, std::int64_t(size));
    TsuiThemeFileReader reader;
    reader.Load(stream);

    // The data copied stays within the file's size; text lines also hold
    // their names, each from a record of its own.
    std::int64_t held = 0;
    for (int i = 0; i < reader.Files().Count(); ++i) held += dynamic_cast<TStream&>(*reader.Files().Objects(i)).Size();
    for (int i = 0; i < reader.Texts().Count(); ++i) held += std::int64_t(reader.Texts()[i].size());
    if (held > 2 * std::int64_t(size)) std::abort();

    for (int id = 1; id <= kThemeElementCount; ++id) {
        const std::string key(ThemeElementKey(id));
        (void)reader.GetInteger(key);
        (void)reader.GetBool(key);
        (void)reader.GetStr(key);
        if (TStream* file = reader.GetFile(key)) {
            if (file->Position() != 0) std::abort();
            TBitmap bitmap;
            try {
                bitmap.LoadFromStream(*file);
            } catch (const EReadError&) {
            } catch (const EInvalidGraphic&) {
            }
        }
    }
    return 0;
}

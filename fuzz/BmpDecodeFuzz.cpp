// Feeds arbitrary bytes to the BMP decoder. Refusals are fine; crashes,
// sanitizer reports, other exceptions and broken round trips are not.

#include "platform/core/Exception.h"
#include "platform/gfx/BmpDecoder.h"
#include "platform/gfx/BmpEncoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    BmpImage image;
    try {
        image = DecodeBmp({data, size});
    } catch (const EReadError&) {
        return 0;
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    // Whatever decodes must survive our own encoder unchanged.
    if (DecodeBmp(EncodeBmp(image.Pixels, BmpPixelFormat::Argb32)).Pixels != image.Pixels) std::abort();
    return 0;
}

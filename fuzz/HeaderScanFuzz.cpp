// Differential fuzzing of the header scan: the in-memory scan and the file
// scan with small blocks must both count what the literal byte-per-call scan
// counts. The input lives in a memory file so that the literal scan sees real
// file behaviour (seeks past the end succeed). Seed with resources/samples.

#include "app/FileScanSource.h"
#include "app/HeaderScanner.h"
#include "app/MemoryScanSource.h"
#include "tests/app/LiteralHeaderCount.h"

#include <cstdio>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr std::size_t kSmallestBlock = 64;  // bytes

int MemoryFile()
{
    static const int fd = memfd_create("header-scan-fuzz", MFD_CLOEXEC);
    return fd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int fd = MemoryFile();
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        return 0;

    MemoryScanSource memory({data, size});
    const std::uint64_t inMemory = CountHeaders(memory);

    // The block size comes from the input too, so boundaries move around.
    const std::size_t block = kSmallestBlock + (size > 0 ? data[size - 1] : 0);
    FileScanSource file(fd, size, block);
    const std::uint64_t inFile = CountHeaders(file);

    FILE* stream = fdopen(dup(fd), "rb");
    if (!stream)
        return 0;
    rewind(stream);  // the duplicate shares the offset the last run left
    const std::uint64_t literal = LiteralCountExeHeaders(stream);
    fclose(stream);

    if (inMemory != literal || inFile != literal)
        __builtin_trap();
    return 0;
}

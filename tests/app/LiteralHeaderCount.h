#pragma once
// The reference scan for the header count: one byte per call through a
// buffered C stream, as plainly as the scan can be written, plus our one rule
// for negative offsets (after a header the scan never moves back before the
// byte after its "Z"). Slow on purpose; tests, the fuzzer and the benchmark
// compare the fast scan against it. Header-only so that all three can use it.

#include <cstdint>
#include <cstdio>
#include <cstring>

// The offsets the scan follows. The stream scan follows only those within its
// buffer; the literal scan restricted the same way is its reference.
struct OffsetRange {
    std::int64_t Lowest = INT32_MIN;
    std::int64_t Highest = INT32_MAX;
};

// Counts the headers in an open stream from its current position on. The
// stream must be a seekable file.
inline std::uint64_t LiteralCountExeHeaders(FILE* f, OffsetRange range = {})
{
    std::uint64_t count = 0;
    int b = fgetc(f);
    while (!feof(f)) {
        if (b == 'M') {
            const long p = ftell(f);  // the byte after the 'M'
            if (fgetc(f) == 'Z') {
                unsigned char field[4];
                fseek(f, p + 59, SEEK_SET);
                if (fread(field, 1, 4, f) < 4) {
                    fseek(f, p, SEEK_SET);
                } else {
                    std::int32_t e = 0;
                    std::memcpy(&e, field, 4);  // little-endian host
                    const long target = p + e - 1;
                    unsigned char pe[2];
                    if (target < 0 || e < range.Lowest || e > range.Highest) {
                        fseek(f, p, SEEK_SET);
                    } else if (fseek(f, target, SEEK_SET) == 0 && fread(pe, 1, 2, f) == 2 && pe[0] == 'P' && pe[1] == 'E') {
                        ++count;
                        if (target + 2 < p + 1)
                            fseek(f, p + 1, SEEK_SET);  // a "PE" before its own "MZ": go on after the "Z"
                    } else {
                        fseek(f, p, SEEK_SET);
                    }
                }
            } else {
                fseek(f, p, SEEK_SET);
            }
        }
        b = fgetc(f);
    }
    return count;
}

// 0 when the file cannot be opened.
inline std::uint64_t LiteralCountExeHeaders(const char* path, OffsetRange range = {})
{
    FILE* f = fopen(path, "rb");
    if (!f)
        return 0;
    const std::uint64_t count = LiteralCountExeHeaders(f, range);
    fclose(f);
    return count;
}

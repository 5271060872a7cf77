// Throughput of the header scan on 256 MiB files read warm from the page
// cache, beside a plain pread loop over the same file and the literal
// byte-per-call scan. Files are made once in $TMPDIR (or /tmp) and kept for
// later runs; their content is fixed by a seed.
//
//   random       random bytes
//   executables  executable images joined end to end, each a real header
//                around machine code taken from programs and libraries here
//   dense-mz     64-byte "MZ" headers back to back, offsets past the end
//   mz-run       "MZMZMZ...": a header candidate at every second byte

#include "app/HeaderScan.h"
#include "tests/app/LiteralHeaderCount.h"
#include "tools/mksamples/PeImage.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <unistd.h>

namespace {

constexpr std::uint64_t kFileSize = 256ull << 20;      // bytes
constexpr std::size_t kReadBlock = ScanLimits{}.BlockSize;
constexpr std::uint64_t kMaxCodePerImage = 4ull << 20;  // bytes of machine code per image

using Bytes = std::vector<std::uint8_t>;
using Filler = std::function<void(std::ofstream&)>;

std::filesystem::path BenchFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

void WriteBytes(std::ofstream& out, const Bytes& bytes, std::uint64_t& left)
{
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(bytes.size(), left));
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(n));
    left -= n;
}

void FillRandom(std::ofstream& out)
{
    std::uint64_t state = 0x9E3779B97F4A7C15ull;  // splitmix64
    Bytes chunk(1 << 20);
    for (std::uint64_t left = kFileSize; left > 0;) {
        for (std::size_t i = 0; i < chunk.size(); i += 8) {
            std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            z ^= z >> 31;
            std::memcpy(chunk.data() + i, &z, 8);
        }
        WriteBytes(out, chunk, left);
    }
}

// The .text section of an ELF file, at most kMaxCodePerImage bytes; nothing
// when the file is not a 64-bit ELF file or its tables do not add up.
std::optional<Bytes> MachineCode(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    Elf64_Ehdr header{};
    if (!in.read(reinterpret_cast<char*>(&header), sizeof header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0
        || header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shstrndx >= header.e_shnum)
        return std::nullopt;
    std::vector<Elf64_Shdr> sections(header.e_shnum);
    in.seekg(static_cast<std::streamoff>(header.e_shoff));
    if (!in.read(reinterpret_cast<char*>(sections.data()), static_cast<std::streamsize>(sections.size() * sizeof(Elf64_Shdr))))
        return std::nullopt;
    const Elf64_Shdr& names = sections[header.e_shstrndx];
    for (const Elf64_Shdr& section : sections) {
        char name[6] = {};
        in.seekg(static_cast<std::streamoff>(names.sh_offset + section.sh_name));
        if (section.sh_name >= names.sh_size || !in.read(name, sizeof name) || std::memcmp(name, ".text", 6) != 0)
            continue;
        Bytes code(static_cast<std::size_t>(std::min<std::uint64_t>(section.sh_size, kMaxCodePerImage)));
        in.seekg(static_cast<std::streamoff>(section.sh_offset));
        if (code.empty() || !in.read(reinterpret_cast<char*>(code.data()), static_cast<std::streamsize>(code.size())))
            return std::nullopt;
        return code;
    }
    return std::nullopt;
}

std::vector<Bytes> ExecutableImages()
{
    static const char* const kPrograms[] = {
        "/usr/bin/cmake", "/usr/bin/gdb", "/usr/bin/git", "/usr/bin/perl", "/usr/bin/bash",
        "/usr/lib/x86_64-linux-gnu/libc.so.6", "/usr/lib/x86_64-linux-gnu/libstdc++.so.6",
        "/usr/lib/x86_64-linux-gnu/libfreetype.so.6", "/proc/self/exe",
    };
    std::vector<Bytes> images;
    for (const char* program : kPrograms) {
        if (const std::optional<Bytes> code = MachineCode(program))
            images.push_back(BuildPeImage(*code));
    }
    return images;
}

void FillExecutables(std::ofstream& out)
{
    const std::vector<Bytes> images = ExecutableImages();
    for (std::uint64_t left = kFileSize, i = 0; left > 0; ++i)
        WriteBytes(out, images[i % images.size()], left);
}

void FillDenseMz(std::ofstream& out)
{
    Bytes headers(1 << 20);
    for (std::size_t at = 0; at < headers.size(); at += 64) {
        headers[at] = 'M';
        headers[at + 1] = 'Z';
        headers[at + 63] = 0x40;  // offset 0x40000000: 1 GiB, past the end
    }
    for (std::uint64_t left = kFileSize; left > 0;)
        WriteBytes(out, headers, left);
}

void FillMzRun(std::ofstream& out)
{
    Bytes run(1 << 20);
    for (std::size_t i = 0; i < run.size(); ++i)
        run[i] = i % 2 == 0 ? 'M' : 'Z';
    for (std::uint64_t left = kFileSize; left > 0;)
        WriteBytes(out, run, left);
}

void Warm(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    Bytes buffer(1 << 20);
    for (off_t at = 0; pread(fd, buffer.data(), buffer.size(), at) > 0; at += static_cast<off_t>(buffer.size())) {
    }
    close(fd);
}

// The path of the named input, made if missing and read once to warm it.
const std::string& Input(const std::string& name)
{
    static const std::map<std::string, Filler> kFillers = {
        {"random", FillRandom}, {"executables", FillExecutables}, {"dense-mz", FillDenseMz}, {"mz-run", FillMzRun}};
    static std::map<std::string, std::string> ready;
    if (const auto it = ready.find(name); it != ready.end())
        return it->second;
    const std::filesystem::path path = BenchFolder() / ("qz-headerscan-v1-" + name + ".bin");
    std::error_code error;
    if (std::filesystem::file_size(path, error) != kFileSize) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        kFillers.at(name)(out);
    }
    Warm(path.string());
    return ready[name] = path.string();
}

void BM_PlainRead(benchmark::State& state, const std::string& name)
{
    const std::string& path = Input(name);
    Bytes buffer(kReadBlock);
    for (auto _ : state) {
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        std::uint64_t total = 0;
        for (ssize_t n; (n = pread(fd, buffer.data(), buffer.size(), static_cast<off_t>(total))) > 0;)
            total += static_cast<std::uint64_t>(n);
        close(fd);
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
}

void BM_CountExeHeaders(benchmark::State& state, const std::string& name)
{
    const std::string& path = Input(name);
    ScanLimits limits;
    if (state.range(0) > 0)
        limits.BlockSize = static_cast<std::size_t>(state.range(0));
    std::uint64_t headers = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(headers = CountExeHeaders(path, limits));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
    state.counters["headers"] = static_cast<double>(headers);
}

void BM_LiteralCount(benchmark::State& state, const std::string& name)
{
    const std::string& path = Input(name);
    std::uint64_t headers = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(headers = LiteralCountExeHeaders(path.c_str()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
    state.counters["headers"] = static_cast<double>(headers);
}

#define QZ_FAST_BENCHMARKS(tag, name)                                                                           \
    BENCHMARK_CAPTURE(BM_PlainRead, tag, std::string(name))->Unit(benchmark::kMillisecond);                     \
    BENCHMARK_CAPTURE(BM_CountExeHeaders, tag, std::string(name))->Arg(0)->Unit(benchmark::kMillisecond);
#define QZ_ALL_BENCHMARKS(tag, name) \
    QZ_FAST_BENCHMARKS(tag, name)    \
    BENCHMARK_CAPTURE(BM_LiteralCount, tag, std::string(name))->Iterations(1)->Unit(benchmark::kMillisecond);

QZ_ALL_BENCHMARKS(random, "random")
QZ_ALL_BENCHMARKS(executables, "executables")
QZ_ALL_BENCHMARKS(dense_mz, "dense-mz")
// The literal scan would take a quarter of an hour here: two seeks per byte pair.
QZ_FAST_BENCHMARKS(mz_run, "mz-run")

// The block size against throughput, for the choice of the default.
BENCHMARK_CAPTURE(BM_CountExeHeaders, random_by_block, std::string("random"))
    ->RangeMultiplier(4)->Range(16 << 10, 4 << 20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// The header scan beside a plain read of the same file, on every class of
// input the scan meets, friendly or hostile, in one run. Each class is a file
// made once in $TMPDIR (or /tmp), kept for later runs and read warm from the
// page cache; its content is fixed by a seed. Per class the run times
//   read      a plain pread loop over the file (the floor),
//   scan      CountExeHeaders, as the program runs it,
//   mapped    a simple scan of the whole file mapped into memory, byte by byte,
//   literal   the byte-per-call reference, where it ends in reasonable time,
// and prints a table of each time against the plain read at the end.

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
#include <iostream>
#include <map>
#include <optional>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr std::uint64_t kFileSize = 64ull << 20;         // bytes of every class but "tiny"
constexpr std::size_t kReadBlock = 128 * 1024;          // bytes per read of the plain read
constexpr std::uint64_t kMaxCodePerImage = 4ull << 20;  // bytes of machine code per image
constexpr std::size_t kStride = 64;                     // bytes between planted headers
constexpr std::uint64_t kBlock = 64 * 1024;             // the file reader's block, for "block-edges"
constexpr double kMinTime = 0.2;                        // seconds per timed method and class

using Bytes = std::vector<std::uint8_t>;

// splitmix64: fixed, fast, good enough for filler.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t Below(std::uint64_t n) { return Next() % n; }

private:
    std::uint64_t m_state;
};

void PutOffset(Bytes& bytes, std::size_t mz, std::int64_t offset)
{
    bytes[mz] = 'M';
    bytes[mz + 1] = 'Z';
    const auto v = static_cast<std::uint32_t>(static_cast<std::int32_t>(offset));
    for (int i = 0; i < 4; ++i)
        bytes[mz + 0x3C + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Zeros with an "MZ" every kStride bytes whose offset field comes from target.
Bytes HeadersEvery64(const std::function<std::int64_t(std::uint64_t mz)>& target)
{
    Bytes bytes(kFileSize);
    for (std::uint64_t mz = 0; mz + kStride <= kFileSize; mz += kStride)
        PutOffset(bytes, mz, target(mz) - static_cast<std::int64_t>(mz));
    return bytes;
}

Bytes RandomBytes()
{
    Random random(1);
    Bytes bytes(kFileSize);
    for (std::size_t i = 0; i < bytes.size(); i += 8) {
        const std::uint64_t z = random.Next();
        std::memcpy(bytes.data() + i, &z, 8);
    }
    return bytes;
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

Bytes Executables()
{
    const std::vector<Bytes> images = ExecutableImages();
    Bytes bytes;
    for (std::size_t i = 0; bytes.size() < kFileSize; ++i)
        bytes.insert(bytes.end(), images[i % images.size()].begin(), images[i % images.size()].end());
    bytes.resize(kFileSize);
    return bytes;
}

// "MZ" every 4 bytes; each offset field is the next "MZ" and two bytes, which
// point up to 16 MiB ahead, inside the file, where no "PE" is.
Bytes MzEveryFour()
{
    Random random(4);
    Bytes bytes(kFileSize);
    for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4) {
        std::uint8_t far = 0;
        do
            far = static_cast<std::uint8_t>(random.Next());
        while (far == 'M' || far == 'P' || far == 'E');
        bytes[at] = 'M';
        bytes[at + 1] = 'Z';
        bytes[at + 2] = far;
    }
    return bytes;
}

Bytes MzRun()
{
    Bytes bytes(kFileSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = i % 2 == 0 ? 'M' : 'Z';
    return bytes;
}

Bytes Scattered()
{
    Random random(6);
    return HeadersEvery64([&](std::uint64_t) { return static_cast<std::int64_t>(random.Below(kFileSize)); });
}

Bytes Backwards()
{
    Random random(7);
    return HeadersEvery64([&](std::uint64_t mz) { return static_cast<std::int64_t>(random.Below(mz + 1)); });
}

// Targets just outside the block that holds the "MZ", on either side, and on
// its edges.
Bytes BlockEdges()
{
    Random random(8);
    return HeadersEvery64([&](std::uint64_t mz) {
        const auto start = static_cast<std::int64_t>(mz / kBlock * kBlock);
        const std::int64_t edges[] = {start - 2, start - 1, start, start + static_cast<std::int64_t>(kBlock) - 1,
            start + static_cast<std::int64_t>(kBlock), start + static_cast<std::int64_t>(kBlock) + 1};
        return edges[random.Below(std::size(edges))];
    });
}

Bytes PastTheEnd()
{
    Random random(9);
    return HeadersEvery64([&](std::uint64_t) { return static_cast<std::int64_t>(kFileSize - 2 + random.Below(64)); });
}

Bytes DenseMzFarPastTheEnd()
{
    return HeadersEvery64([](std::uint64_t mz) { return static_cast<std::int64_t>(mz) + (1 << 30); });
}

struct InputClass {
    const char* Name;
    std::function<Bytes()> Make;
    bool Literal;  // the literal scan ends in reasonable time
    bool Sparse = false;
};

const std::vector<InputClass>& Classes()
{
    static const std::vector<InputClass> kClasses = {
        {"random", RandomBytes, true},
        {"executables", Executables, true},
        {"dense-mz", DenseMzFarPastTheEnd, false},
        {"mz-every-4", MzEveryFour, false},
        {"mz-run", MzRun, false},
        {"scattered", Scattered, false},
        {"backwards", Backwards, false},
        {"block-edges", BlockEdges, false},
        {"past-end", PastTheEnd, false},
        {"sparse", [] { return Bytes{}; }, true, true},
        {"tiny", [] { return Bytes{'M', 'Z', 0}; }, true},
    };
    return kClasses;
}

std::filesystem::path BenchFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

// A sparse file of kFileSize: sixteen 4 KiB data runs with a real header each.
void WriteSparse(const std::string& path)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    Bytes run(4096);
    PutOffset(run, 0, 0x80);
    run[0x80] = 'P';
    run[0x81] = 'E';
    bool written = ftruncate(fd, static_cast<off_t>(kFileSize)) == 0;
    for (std::uint64_t i = 0; i < 16; ++i)
        written = written && pwrite(fd, run.data(), run.size(), static_cast<off_t>(i * (kFileSize / 16))) == 4096;
    close(fd);
    if (!written)
        std::cerr << "cannot write " << path << '\n';
}

void Warm(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    Bytes buffer(1 << 20);
    for (off_t at = 0; pread(fd, buffer.data(), buffer.size(), at) > 0; at += static_cast<off_t>(buffer.size())) {
    }
    close(fd);
}

// The path of the class's file, made if missing and read once to warm it.
std::string Prepare(const InputClass& input)
{
    const std::filesystem::path path = BenchFolder() / (std::string("qz-headerscan-v2-") + input.Name + ".bin");
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        if (input.Sparse) {
            WriteSparse(path.string());
        } else {
            const Bytes bytes = input.Make();
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        }
    }
    Warm(path.string());
    return path.string();
}

std::uint64_t PlainRead(const std::string& path)
{
    static Bytes buffer(kReadBlock);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::uint64_t total = 0;
    for (ssize_t n; (n = pread(fd, buffer.data(), buffer.size(), static_cast<off_t>(total))) > 0;)
        total += static_cast<std::uint64_t>(n);
    close(fd);
    return total;
}

// The yardstick: the classic scan over the whole file mapped at once, one byte
// at a time, without searching or prefetching.
std::uint64_t SimpleMappedScan(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path));
    void* map = mmap(nullptr, static_cast<std::size_t>(size), PROT_READ, MAP_SHARED, fd, 0);
    close(fd);
    if (map == MAP_FAILED)
        return 0;
    const auto* p = static_cast<const std::uint8_t*>(map);
    std::uint64_t count = 0;
    for (std::int64_t i = 0; i + 1 < size;) {
        if (p[i] != 'M' || p[i + 1] != 'Z' || i + 64 > size) {
            ++i;
            continue;
        }
        std::int32_t offset = 0;
        std::memcpy(&offset, p + i + 0x3C, 4);
        const std::int64_t pe = i + offset;
        if (pe >= 0 && pe + 2 <= size && p[pe] == 'P' && p[pe + 1] == 'E') {
            ++count;
            i = std::max(pe + 2, i + 2);
        } else {
            ++i;
        }
    }
    munmap(map, static_cast<std::size_t>(size));
    return count;
}

void Register(const InputClass& input)
{
    const std::string path = Prepare(input);
    const auto add = [&](const char* method, std::function<std::uint64_t(const std::string&)> run) {
        auto* bench = benchmark::RegisterBenchmark((std::string(input.Name) + "/" + method).c_str(),
            [path, run](benchmark::State& state) {
                std::uint64_t result = 0;
                for (auto _ : state)
                    benchmark::DoNotOptimize(result = run(path));
                state.counters["result"] = static_cast<double>(result);
            });
        return bench->Unit(benchmark::kMillisecond);
    };
    add("read", PlainRead)->MinTime(kMinTime);
    add("scan", [](const std::string& p) { return CountExeHeaders(p); })->MinTime(kMinTime);
    add("mapped", SimpleMappedScan)->MinTime(kMinTime);
    if (input.Literal)
        add("literal", [](const std::string& p) { return LiteralCountExeHeaders(p.c_str()); })->Iterations(1);
}

// The console output, then one table of every class against its plain read.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // "class/method/min_time:..."; CPU time, steadier than wall time on a shared machine.
            const std::string name = run.benchmark_name();
            const std::size_t slash = name.find('/');
            const std::size_t end = name.find('/', slash + 1);
            m_ms[name.substr(0, slash)][name.substr(slash + 1, end - slash - 1)] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nCPU time per pass, ms\n%-12s %9s %9s %9s %9s %10s %11s\n", "input", "read ms", "scan ms", "scan/read", "mapped ms",
            "mapped/read", "literal ms");
        for (const InputClass& input : Classes()) {
            if (!m_ms.count(input.Name))
                continue;
            auto& ms = m_ms[input.Name];
            const double read = ms["read"];
            std::printf("%-12s %9.3f %9.3f %8.2fx %9.3f %10.2fx ", input.Name, read, ms["scan"], ms["scan"] / read,
                ms["mapped"], ms["mapped"] / read);
            if (ms.count("literal"))
                std::printf("%11.1f\n", ms["literal"]);
            else
                std::printf("%11s\n", "-");
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> m_ms;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    for (const InputClass& input : Classes())
        Register(input);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

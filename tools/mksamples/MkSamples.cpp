// Writes the sample files into a folder (resources/samples by default).
// Run scripts/mksamples from the repository root to regenerate them.

#include "tools/mksamples/SampleFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : "resources/samples";
    std::filesystem::create_directories(folder);
    for (const SampleFile& sample : SampleFiles()) {
        const std::filesystem::path path = folder / sample.Name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(sample.Bytes.data()), static_cast<std::streamsize>(sample.Bytes.size()));
        if (!out) {
            std::fprintf(stderr, "mksamples: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %zu bytes\n", path.c_str(), sample.Bytes.size());
    }
    return 0;
}

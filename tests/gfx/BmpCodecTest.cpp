#include "platform/core/Exception.h"
#include "platform/gfx/BmpCodec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path ScratchDir()
{
    // One folder per process: other checkouts may run these tests at the same time.
    const fs::path dir = fs::path(testing::TempDir()) / ("qz_bmp_codec_test-" + std::to_string(getpid()));
    fs::create_directories(dir);
    return dir;
}

TEST(BmpFile, SavesAndLoadsAPicture)
{
    PixelBuffer p(3, 2, PixelFromRGB(clNavy));
    p.At(2, 1) = PixelFromRGB(clYellow);
    const std::string path = (ScratchDir() / "saved.bmp").string();
    SaveBmpFile(path, p);
    EXPECT_EQ(LoadBmpFile(path).Pixels, p);
    SaveBmpFile(path, PixelBuffer(1, 1, PixelFromRGB(clRed)), BmpPixelFormat::Argb32);
    EXPECT_EQ(LoadBmpFile(path).SourceBitCount, 32);
}

TEST(BmpFile, RefusesWhatIsNoReadableFile)
{
    EXPECT_THROW((void)LoadBmpFile((ScratchDir() / "missing.bmp").string()), EFOpenError);
    EXPECT_THROW((void)LoadBmpFile(ScratchDir().string()), EFOpenError);
    EXPECT_THROW(SaveBmpFile((ScratchDir() / "no" / "such" / "dir.bmp").string(), PixelBuffer(1, 1)), EFOpenError);
}

TEST(BmpFile, RefusesAHugeFileWithoutReadingIt)
{
    // A sparse file: large on paper, no disk used.
    const fs::path path = ScratchDir() / "huge.bmp";
    { std::ofstream(path) << "BM"; }
    fs::resize_file(path, std::uintmax_t(kMaxBmpFileSize) + 1);
    EXPECT_THROW((void)LoadBmpFile(path.string()), EInvalidGraphic);
    fs::remove(path);
}

// The fuzzer's seed corpus holds the same 4 x 3 picture at every depth:
// red and blue only, red at the top-left and bottom-right corners.
TEST(BmpFile, SeedCorpusDecodes)
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(QZ_SOURCE_DIR) / "fuzz/corpus/BmpDecodeFuzz")) {
        SCOPED_TRACE(entry.path().filename().string());
        const PixelBuffer p = LoadBmpFile(entry.path().string()).Pixels;
        ASSERT_EQ(p.Width(), 4);
        ASSERT_EQ(p.Height(), 3);
        EXPECT_EQ(p.At(0, 0), PixelFromRGB(clRed));
        EXPECT_EQ(p.At(3, 0), PixelFromRGB(clBlue));
        EXPECT_EQ(p.At(0, 2), PixelFromRGB(clBlue));
        EXPECT_EQ(p.At(3, 2), PixelFromRGB(clRed));
        ++count;
    }
    EXPECT_GE(count, 6);
}

}  // namespace

// The sample theme folders the program ships pack into complete theme files.

#include "tests/core/TempDir.h"
#include "tools/themefile/ThemeFileFolder.h"

#include <gtest/gtest.h>

namespace {

class SampleThemePackTest : public testing::TestWithParam<const char*> {};

TEST_P(SampleThemePackTest, PacksWithoutAWarning)
{
    TempDir dir;
    const std::string folder = std::string(QZ_SOURCE_DIR) + "/resources/themes/" + GetParam();
    const TThemeFolderResult result = PackThemeFolder(folder, dir.File("theme.sui"));
    EXPECT_TRUE(result.Warnings.empty()) << result.Warnings.front();
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleThemePackTest, testing::Values("Amber", "Graphite"));

}  // namespace

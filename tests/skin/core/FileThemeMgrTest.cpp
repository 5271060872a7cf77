// The file-theme look-up object: defaults before any file, element ids
// turned into key names, missing elements, and replacing or keeping readers.

#include "ThemeFileTestSupport.h"

#include "platform/core/Exception.h"
#include "skin/core/FileThemeMgr.h"
#include "tests/core/TempDir.h"

#include <gtest/gtest.h>

namespace {

using namespace themetest;

class FileThemeMgrTest : public ::testing::Test {
protected:
    TempDir dir;
    TsuiFileThemeMgr mgr;

    std::string Theme(const std::string& name, const std::string& key, int value) const
    {
        TsuiThemeFileWriter(dir.File(name)).AddInteger(key, value);
        return dir.File(name);
    }
};

TEST_F(FileThemeMgrTest, DefaultsBeforeAnyFile)
{
    TBitmap bitmap(5, 6);
    mgr.GetBitmap(SuiThemeId::ButtonImage, &bitmap);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(mgr.GetColor(SuiThemeId::FormBorderColor), 0);
    EXPECT_EQ(mgr.GetInt(SuiThemeId::FormMinWidthInt), 0);
    EXPECT_FALSE(mgr.GetBool(SuiThemeId::ButtonTransparentBool));
}

TEST_F(FileThemeMgrTest, EveryElementIsReadUnderItsKey)
{
    WriteFullTheme(dir.File("full.sui"), dir.File(""));
    ASSERT_TRUE(mgr.LoadFromFile(dir.File("full.sui")));
    for (int id = 1; id <= kThemeElementCount; ++id) {
        SCOPED_TRACE(std::string(ThemeElementKey(id)));
        TBitmap bitmap;
        switch (ThemeElementKindOf(id)) {
        case TThemeElementKind::Integer: EXPECT_EQ(mgr.GetInt(id), NumberOf(id)); break;
        case TThemeElementKind::Color: EXPECT_EQ(mgr.GetColor(id), NumberOf(id)); break;
        case TThemeElementKind::Bool: EXPECT_EQ(mgr.GetBool(id), BoolOf(id)); break;
        case TThemeElementKind::Bitmap:
            mgr.GetBitmap(id, &bitmap);
            EXPECT_EQ(bitmap.Width(), WidthOf(id));
            EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
            break;
        }
    }
}

TEST_F(FileThemeMgrTest, MissingElementsAndMissingFiles)
{
    ASSERT_TRUE(mgr.LoadFromFile(Theme("a.sui", "FormMinWidthInt", 130)));
    EXPECT_EQ(mgr.GetColor(SuiThemeId::FormBorderColor), -1);
    EXPECT_EQ(mgr.GetInt(SuiThemeId::FormRoundCornerInt), -1);
    TBitmap bitmap(4, 4);
    mgr.GetBitmap(SuiThemeId::ButtonImage, &bitmap);
    EXPECT_EQ(bitmap.Width(), 4) << "no picture to load: the bitmap stays";
    // A file that does not exist keeps the theme in use; another file replaces it.
    EXPECT_FALSE(mgr.LoadFromFile(dir.File("none.sui")));
    EXPECT_EQ(mgr.GetInt(SuiThemeId::FormMinWidthInt), 130);
    ASSERT_TRUE(mgr.LoadFromFile(Theme("b.sui", "FormRoundCornerInt", 9)));
    EXPECT_EQ(mgr.GetInt(SuiThemeId::FormMinWidthInt), -1);
    EXPECT_EQ(mgr.GetInt(SuiThemeId::FormRoundCornerInt), 9);
}

TEST_F(FileThemeMgrTest, DamagedPictureRaisesTheDecodersError)
{
    WriteFile(dir.File("bad.bmp"), "BM not really a bitmap");
    TsuiThemeFileWriter(dir.File("bad.sui")).AddFile("ButtonImage", dir.File("bad.bmp"));
    ASSERT_TRUE(mgr.LoadFromFile(dir.File("bad.sui")));
    TBitmap bitmap;
    EXPECT_THROW(mgr.GetBitmap(SuiThemeId::ButtonImage, &bitmap), Exception);
}

}  // namespace

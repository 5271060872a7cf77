#include "platform/core/Exception.h"
#include "skin/core/SUIResourceStrings.h"
#include "tests/skin/core/SkinCoreTestSupport.h"

#include <gtest/gtest.h>

namespace {

class SUIResourceStringsTest : public testing::Test {
protected:
    void SetUp() override { skintest::UseAppResources(); }
};

TEST_F(SUIResourceStringsTest, TitleMenuCaptionsComeByTheirIds)
{
    EXPECT_EQ(SUILoadStr(65466), "Minimize");
    EXPECT_EQ(SUILoadStr(65467), "Maximize/Restore");
    EXPECT_EQ(SUILoadStr(65468), "Close");
    EXPECT_EQ(SUILoadStr(SUI_TITLE_MENUITEM_CLOSE), "Close");
}

TEST_F(SUIResourceStringsTest, UnknownIdsAreAResourceError)
{
    EXPECT_THROW((void)SUILoadStr(65465), EResNotFound);
    EXPECT_THROW((void)SUILoadStr(0), EResNotFound);
}

}  // namespace

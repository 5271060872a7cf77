// The plain look of an open pop-up menu with its submenu, as a golden image.

#include "tests/ui/menus/MenuTestSupport.h"

// The ui tests do not link the gfx tests' helpers: the golden-image
// comparison is compiled in here.
#include "tests/support/GoldenImage.h"

namespace {

using menutest::MenuTest;

PixelBuffer Crop(const PixelBuffer& screen, const TRect& rect)
{
    PixelBuffer out(rect.Width(), rect.Height());
    for (int y = 0; y < rect.Height(); ++y) {
        for (int x = 0; x < rect.Width(); ++x) out.At(x, y) = screen.At(rect.Left + x, rect.Top + y);
    }
    return out;
}

TEST_F(MenuTest, GoldenPopupWithOpenSubmenuInThePlainLook)
{
    Run({150, 150}, {[&] { Key(VK_END), Key(VK_RIGHT), Key(VK_DOWN); },
                     [&] {
                         ASSERT_EQ(OpenMenus().size(), 2u);
                         const TRect first = Level(0)->ScreenRect();
                         const TRect second = Level(1)->ScreenRect();
                         const TRect both{first.Left, first.Top, std::max(first.Right, second.Right),
                                          std::max(first.Bottom, second.Bottom)};
                         EXPECT_TRUE(MatchesGolden(Crop(Desktop().CaptureScreen(), both), "menu_popup_submenu"));
                     }});
}

TEST_F(MenuTest, PlainLookPinsTheBorderAndTheHighlight)
{
    Run({150, 150}, {[&] { Key(VK_DOWN); },
                     [&] {
                         const PixelBuffer screen = Desktop().CaptureScreen();
                         const TRect window = Level(0)->ScreenRect();
                         // The raised edge: light outside top-left, dark outside bottom-right.
                         EXPECT_EQ(screen.At(window.Left, window.Top + 5), PixelFromColor(clBtnFace));
                         EXPECT_EQ(screen.At(window.Left + 1, window.Top + 5), PixelFromColor(clBtnHighlight));
                         EXPECT_EQ(screen.At(window.Right - 1, window.Top + 5), PixelFromColor(cl3DDkShadow));
                         EXPECT_EQ(screen.At(window.Right - 2, window.Top + 5), PixelFromColor(clBtnShadow));
                         const TRect item = Level(0)->ItemScreenRect(0);
                         EXPECT_EQ(screen.At(item.Left, item.Top), PixelFromColor(clHighlight));
                         EXPECT_EQ(screen.At(item.Right - 1, item.Bottom - 1), PixelFromColor(clHighlight));
                         const TRect next = Level(0)->ItemScreenRect(2);
                         EXPECT_EQ(screen.At(next.Left, next.Top), PixelFromColor(clMenu));
                     }});
}

}  // namespace

// Owner measuring and drawing of menu items.

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/menus/MenuTracker.h"

#include "tests/ui/menus/MenuTestSupport.h"

namespace {

using menutest::MenuTest;

struct DrawCall {
    std::string Caption;
    TRect Rect;
    bool Selected = false;
    HWND Window = nullptr;
};

class MenuDrawTest : public MenuTest {
protected:
    void OwnerDraw(TMenuItem* item)
    {
        item->OnDrawItem = [this](TObject* sender, TCanvas* canvas, TRect rect, bool selected) {
            draws.push_back({static_cast<TMenuItem*>(sender)->Caption(), rect, selected, WindowFromDC(canvas->Handle())});
            canvas->Brush()->SetColor(selected ? clRed : clLime);
            canvas->FillRect(rect);
        };
    }
    // The draw calls of one caption since the last Clear.
    [[nodiscard]] std::vector<DrawCall> DrawsOf(const std::string& caption) const
    {
        std::vector<DrawCall> out;
        for (const DrawCall& d : draws) {
            if (d.Caption == caption) out.push_back(d);
        }
        return out;
    }
    std::vector<DrawCall> draws;
};

TEST_F(MenuDrawTest, MeasureItemGetsThePlainSizeAndSetsTheItemRectangle)
{
    TSize plain;
    open->OnMeasureItem = [&](TObject* sender, TCanvas* canvas, int& width, int& height) {
        EXPECT_EQ(sender, open);
        EXPECT_NE(canvas, nullptr);
        plain = {width, height};
        width = 300;
        height = 40;
    };
    Run({200, 200}, {[&] {
        EXPECT_GT(plain.cx, 0);
        EXPECT_GT(plain.cy, 0);
        const TMenuLayout& layout = Level(0)->Layout();
        EXPECT_EQ(layout.Items[0], (TRect{kMenuBorder, kMenuBorder, kMenuBorder + 300, kMenuBorder + 40}));
        EXPECT_EQ(layout.Items[1].Width(), 300) << "every item takes the widest width";
        EXPECT_EQ(layout.Items[1].Height(), kMenuSeparatorHeight);
    }});
}

TEST_F(MenuDrawTest, DrawItemGetsTheItemRectangleTheSelectedStateAndTheMenuWindow)
{
    OwnerDraw(open);
    OwnerDraw(checked);
    Run({200, 200}, {[&] {
                         const HWND window = Level(0)->Handle();
                         ASSERT_FALSE(DrawsOf("&Open").empty());
                         const DrawCall first = DrawsOf("&Open").back();
                         EXPECT_EQ(first.Rect, Level(0)->Layout().Items[0]);
                         EXPECT_FALSE(first.Selected);
                         EXPECT_EQ(first.Window, window);
                         EXPECT_EQ(DrawsOf("&Checked").back().Rect, Level(0)->Layout().Items[3]);
                         draws.clear();
                         Key(VK_DOWN);
                     },
                     [&] {
                         ASSERT_EQ(DrawsOf("&Open").size(), 1u);
                         EXPECT_TRUE(DrawsOf("&Open")[0].Selected);
                         EXPECT_TRUE(DrawsOf("&Checked").empty()) << "only the changed items are drawn again";
                         // The handler's pixels reach the screen.
                         const TRect rect = Level(0)->ItemScreenRect(0);
                         EXPECT_EQ(Desktop().CaptureScreen().At(rect.Left + 1, rect.Top + 1), PixelFromColor(clRed));
                         draws.clear();
                         Key(VK_DOWN);
                     },
                     [&] {
                         ASSERT_EQ(DrawsOf("&Open").size(), 1u);
                         EXPECT_FALSE(DrawsOf("&Open")[0].Selected);
                     }});
}

TEST_F(MenuDrawTest, ItemsOfASubmenuDrawInTheirOwnWindow)
{
    OwnerDraw(beta);
    Run({200, 200}, {[&] { Key(VK_END), Key(VK_RIGHT), Key(VK_DOWN); },
                     [&] {
                         ASSERT_FALSE(DrawsOf("&Beta").empty());
                         const DrawCall last = DrawsOf("&Beta").back();
                         EXPECT_TRUE(last.Selected);
                         EXPECT_EQ(last.Window, Level(1)->Handle());
                         EXPECT_EQ(last.Rect, Level(1)->Layout().Items[1]);
                     }});
}

}  // namespace

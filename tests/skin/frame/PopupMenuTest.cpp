// The skinned pop-up menu: item measuring and drawing in the style's
// colours, MacOS sizes, check pictures and the flat border.

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/ui/base/Timer.h"
#include "platform/ui/menus/MenuWindow.h"
#include "platform/ui/menus/ShortCut.h"
#include "skin/controls/SUIPopupMenu.h"
#include "skin/controls/SUIPopupMenuDraw.h"
#include "tests/skin/frame/FrameTestSupport.h"

namespace frametest {
namespace {

constexpr int kItemWidth = 200;  // px

class PopupMenuTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        owner = NewForm<TForm>(&App());
        menu = new TsuiPopupMenu(owner);
        item = new TMenuItem(owner);
        item->SetCaption("Open");
        item->SetShortCut(ShortCut('O', {ssCtrl}));
        menu->Items()->Add(item);
        menu->MenuAdded();
    }
    // The item drawn alone into a bitmap of its measured height.
    std::unique_ptr<TBitmap> Drawn(bool selected = false)
    {
        int width = 0;
        int height = 0;
        auto bitmap = std::make_unique<TBitmap>(kItemWidth, 1);
        item->OnMeasureItem(item, bitmap->Canvas(), width, height);
        bitmap->SetSize(kItemWidth, height);
        item->OnDrawItem(item, bitmap->Canvas(), {0, 0, kItemWidth, height}, selected);
        return bitmap;
    }
    // The first column from `from` on with a pixel other than background: where text starts.
    static int FirstInk(const TBitmap& bitmap, TColor background, int from)
    {
        for (int x = from; x < bitmap.Width(); ++x) {
            for (int y = 0; y < bitmap.Height(); ++y) {
                if (skintest::ColorAt(bitmap, x, y) != background) return x;
            }
        }
        return -1;
    }

    TForm* owner = nullptr;
    TsuiPopupMenu* menu = nullptr;
    TMenuItem* item = nullptr;
};

TEST_F(PopupMenuTest, DeepBlueItemHasASideBarACaptionAfterItAndTheShortcutBeforeTheEdge)
{
    const auto bitmapOwned = Drawn();
    const TBitmap& bitmap = *bitmapOwned;
    EXPECT_EQ(bitmap.Height(), 21);
    EXPECT_EQ(skintest::ColorAt(bitmap, 0, 10), TColor(0xCED3D6));
    EXPECT_EQ(skintest::ColorAt(bitmap, 25, 10), TColor(0xCED3D6));
    EXPECT_EQ(skintest::ColorAt(bitmap, 26, 0), clWhite);
    // Text is black (MenuFontColor); antialiased edges are darker than white.
    int firstInk = -1;
    int lastInk = -1;
    for (int x = 26; x < kItemWidth; ++x) {
        for (int y = 0; y < bitmap.Height(); ++y) {
            if (skintest::ColorAt(bitmap, x, y) == clWhite) continue;
            if (firstInk < 0) firstInk = x;
            lastInk = x;
        }
    }
    EXPECT_GE(firstInk, 30);
    EXPECT_LE(firstInk, 31);
    EXPECT_LT(lastInk, kItemWidth - 16);
    EXPECT_GE(lastInk, kItemWidth - 18);
}

TEST_F(PopupMenuTest, SelectedItemsAreFilledAndFramedButDisabledOnesNever)
{
    const auto selectedOwned = Drawn(true);
    const TBitmap& selected = *selectedOwned;
    EXPECT_EQ(skintest::ColorAt(selected, 0, 0), TColor(0xA04A44));
    EXPECT_EQ(skintest::ColorAt(selected, 10, 10), TColor(0xA04A44));
    EXPECT_EQ(FirstInk(selected, TColor(0xA04A44), 1), 30);  // the caption
    item->SetEnabled(false);
    const auto disabledOwned = Drawn(true);
    const TBitmap& disabled = *disabledOwned;
    EXPECT_EQ(skintest::ColorAt(disabled, 0, 0), TColor(0xCED3D6));
    EXPECT_EQ(FirstInk(disabled, clWhite, 26), 30);
}

TEST_F(PopupMenuTest, DeepBlueSeparatorIsALineTwoPixelsDown)
{
    item->SetCaption("-");
    const auto bitmapOwned = Drawn();
    const TBitmap& bitmap = *bitmapOwned;
    EXPECT_EQ(bitmap.Height(), 5);
    EXPECT_EQ(skintest::ColorAt(bitmap, 29, 2), clWhite);
    EXPECT_EQ(skintest::ColorAt(bitmap, 30, 2), TColor(0x848284));
    EXPECT_EQ(skintest::ColorAt(bitmap, kItemWidth - 3, 2), TColor(0x848284));
    EXPECT_EQ(skintest::ColorAt(bitmap, kItemWidth - 2, 2), clWhite);
    EXPECT_EQ(skintest::ColorAt(bitmap, 30, 1), clWhite);
    EXPECT_EQ(skintest::ColorAt(bitmap, 5, 2), TColor(0xCED3D6));
}

TEST_F(PopupMenuTest, MacOSKeepsItsOwnHeights)
{
    menu->SetUIStyle(MacOS);
    menu->SetHeight(30);
    menu->SetSeparatorHeight(30);
    EXPECT_EQ(menu->MenuItemHeight(), 20);
    EXPECT_EQ(menu->SeparatorHeight(), 12);
    EXPECT_EQ(Drawn()->Height(), 20);
    menu->SetUIStyle(DeepBlue);
    menu->SetHeight(30);
    EXPECT_EQ(Drawn()->Height(), 30);
}

TEST_F(PopupMenuTest, ACheckedItemShowsTheCheckPictureOrAFramedImage)
{
    item->SetChecked(true);
    const auto checkedOwned = Drawn();
    const TBitmap& checked = *checkedOwned;
    TBitmap expected(16, 16);
    CheckImages().GetBitmap(0, &expected);
    // The picture's white is transparent: the bar and background show there.
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const TColor mark = skintest::ColorAt(expected, x, y);
            if (mark != clWhite) EXPECT_EQ(skintest::ColorAt(checked, 4 + x, 3 + y), mark) << x << "," << y;
        }
    }

    auto* images = new TImageList(owner);
    TBitmap glyph(16, 16);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect({0, 0, 16, 16});
    images->Add(&glyph, nullptr);
    menu->SetImages(images);
    item->SetImageIndex(0);
    const auto withImageOwned = Drawn();
    const TBitmap& withImage = *withImageOwned;
    EXPECT_EQ(skintest::ColorAt(withImage, 2, 1), clBlack);          // the frame
    EXPECT_EQ(skintest::ColorAt(withImage, 3, 2), TColor(0xA04A44));  // the selected colour
    EXPECT_EQ(skintest::ColorAt(withImage, 4, 3), clRed);             // the image
}

TEST(SkinMenuItemSizeTest, WidthAddsTheTextsTheBarAndForty)
{
    EXPECT_EQ(SkinMenuItemSize(false, 50, 30, 26, 21, 5), (TSize{146, 21}));
    EXPECT_EQ(SkinMenuItemSize(true, 0, 0, 26, 21, 5), (TSize{66, 5}));
}

TEST_F(PopupMenuTest, FlatMenuBordersTheDropDownWindow)
{
    menu->FlatMenu = true;
    TTimer timer(nullptr);
    timer.SetInterval(10);
    int ticks = 0;
    timer.SetOnTimer([&](TObject*) {
        for (const HWND hwnd : GetTopLevelWindows()) {
            auto* window = dynamic_cast<TMenuWindow*>(FindControl(hwnd));
            if (!window || !IsWindowVisible(hwnd)) continue;
            if (++ticks < 2) return;
            const PixelBuffer pixels = Desktop().CaptureWindow(hwnd);
            const int w = pixels.Width();
            const int h = pixels.Height();
            EXPECT_EQ(ColorFromPixel(pixels.At(0, 1)), clBlack);
            EXPECT_EQ(ColorFromPixel(pixels.At(1, 2)), clWhite);
            EXPECT_EQ(ColorFromPixel(pixels.At(w / 2, h - 1)), TColor(0xE8E8E8));
            EXPECT_EQ(ColorFromPixel(pixels.At(w / 2, 0)), TColor(0xE8E8E8));
            EXPECT_EQ(ColorFromPixel(pixels.At(w - 1, h / 2)), TColor(0xE8E8E8));
            Desktop().InjectKeyDown(VK_ESCAPE);
            Desktop().InjectKeyUp(VK_ESCAPE);
        }
    });
    owner->SetBounds(100, 100, 200, 100);
    owner->Show();
    Pump();
    menu->Popup(150, 150);
    EXPECT_GE(ticks, 2);
}

}  // namespace
}  // namespace frametest

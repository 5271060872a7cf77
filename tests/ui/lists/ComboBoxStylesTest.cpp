// TComboBox's further styles and limits: owner-drawn rows and item field
// (fixed and measured heights, the state each is drawn in, picking a
// measured row by mouse), csSimple's list below the edit field, and
// CharCase and MaxLength of the edit field.

#include "tests/ui/UiTestFixture.h"

#include "platform/core/Strings.h"
#include "platform/ui/edit/CustomEdit.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/lists/ComboBox.h"
#include "platform/ui/lists/ComboBoxInfo.h"

namespace uitest {
namespace {

constexpr TColor kRowColors[] = {clRed, clLime, clBlue, clYellow};

class ComboBoxStylesTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm({100, 100, 500, 400});
        combo = new TComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(20, 20, 120, 21);
        for (const char* item : {"alpha", "beta", "gamma", "delta"}) combo->Items()->Add(item);
        combo->OnChange = [this](TObject*) { events.push_back("change " + IntToStr(combo->ItemIndex())); };
        Pump();
    }
    [[nodiscard]] COMBOBOXINFO Info() const
    {
        COMBOBOXINFO info;
        EXPECT_TRUE(GetComboBoxInfo(combo->WindowHandle(), info));
        return info;
    }
    [[nodiscard]] TColor ListPixel(TPoint client)
    {
        Pump();
        const HWND list = Info().hwndList;
        RECT window;
        GetWindowRect(list, window);
        POINT p{client.X, client.Y};
        ClientToScreen(list, p);
        return ColorFromPixel(Desktop().CaptureWindow(list).GetPixel(p.X - window.Left, p.Y - window.Top));
    }
    void ClickListAt(TPoint client)
    {
        POINT p{client.X, client.Y};
        ClientToScreen(Info().hwndList, p);
        Desktop().AdvanceClock(GetDoubleClickTime() + 1);
        Desktop().InjectClick(p);
        Pump();
    }
    // Each row painted in its own colour; every call recorded.
    void DrawRowsInColour()
    {
        combo->OnDrawItem = [this](TWinControl*, int index, TRect rect, TOwnerDrawState state) {
            drawn.push_back(IntToStr(index) + (state.Contains(odComboBoxEdit) ? " edit" : "") +
                            (state.Contains(odSelected) ? " selected" : ""));
            combo->Canvas()->Brush()->SetColor(index >= 0 ? kRowColors[index] : clWhite);
            combo->Canvas()->FillRect(rect);
        };
    }

    TForm* form = nullptr;
    TComboBox* combo = nullptr;
    std::vector<std::string> events;
    std::vector<std::string> drawn;
};

TEST_F(ComboBoxStylesTest, OwnerDrawFixedDrawsTheItemFieldAndEveryRowThroughOnDrawItem)
{
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemHeight(12);
    DrawRowsInColour();
    combo->SetItemIndex(1);
    combo->SetFocus();
    Pump();
    EXPECT_EQ(drawn.back(), "1 edit selected") << "the focused item field shows selected";
    drawn.clear();
    PressKey(VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    ASSERT_GE(drawn.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(drawn.begin(), drawn.begin() + 4),
              (std::vector<std::string>{"0", "1 selected", "2", "3"}));
    for (int row = 0; row < 4; ++row) EXPECT_EQ(ListPixel({30, row * 12 + 6}), kRowColors[row]) << row;
}

TEST_F(ComboBoxStylesTest, OwnerDrawVariableRowsHaveTheMeasuredHeightsForTheMouseToo)
{
    combo->SetStyle(csOwnerDrawVariable);
    combo->OnMeasureItem = [](TWinControl*, int index, int& height) { height = 10 + 6 * index; };
    DrawRowsInColour();
    combo->SetFocus();
    PressKey(VK_F4);
    RECT list;
    GetWindowRect(Info().hwndList, list);
    EXPECT_EQ(list.Height(), 10 + 16 + 22 + 28 + 2 * GetSystemMetrics(SM_CYBORDER));
    EXPECT_EQ(ListPixel({30, 10 + 16 + 21}), kRowColors[2]);
    EXPECT_EQ(ListPixel({30, 10 + 16 + 22}), kRowColors[3]);
    ClickListAt({30, 10 + 16 + 22 + 2});
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(events, (std::vector<std::string>{"change 3"}));
}

TEST_F(ComboBoxStylesTest, SimpleShowsTheListBelowTheEditFieldAndAClickPicks)
{
    combo->SetStyle(csSimple);
    combo->SetBounds(20, 20, 120, 100);
    combo->SetItemHeight(14);
    Pump();
    const HWND list = Info().hwndList;
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetParent(list), combo->WindowHandle());
    RECT rect;
    GetWindowRect(list, rect);
    EXPECT_EQ(rect.Top - combo->ClientOrigin().Y, TCustomComboBox::kSimpleEditHeight);
    EXPECT_EQ(rect.Bottom - combo->ClientOrigin().Y, 100);
    ClickListAt({20, 14 + 7});
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "beta");
    EXPECT_EQ(GetFocus(), Info().hwndItem) << "the edit field keeps the focus";
    PressKey(VK_F4);
    EXPECT_FALSE(combo->DroppedDown()) << "there is nothing to drop down";
    PressKey(VK_DOWN);
    EXPECT_EQ(combo->Text(), "gamma");
    Desktop().InjectText("x");
    Pump();
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetStyle(csDropDownList);
    Pump();
    EXPECT_FALSE(IsWindowVisible(Info().hwndList)) << "the list is a pop-up again";
}

TEST_F(ComboBoxStylesTest, CharCaseFoldsAndMaxLengthLimitsTheEditField)
{
    combo->SetCharCase(ecUpperCase);
    combo->SetMaxLength(4);
    combo->SetFocus();
    Pump();
    Desktop().InjectText("delta!");
    Pump();
    EXPECT_EQ(combo->Text(), "DELT");
    combo->SetText("beta");
    EXPECT_EQ(combo->Text(), "BETA");
    EXPECT_EQ(combo->ItemIndex(), 1) << "items are found without regard to case";
    combo->SetStyle(csSimple);
    combo->SetCharCase(ecLowerCase);
    EXPECT_EQ(combo->Text(), "beta") << "the new edit field keeps the setting";
}

}  // namespace
}  // namespace uitest

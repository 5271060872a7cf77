// TsuiDriveComboBox: the same frame and button as TsuiComboBox, pixel for
// pixel, and DroppedDown as a property that opens and closes the list.

#include "platform/core/Resources.h"
#include "platform/ui/lists/ComboBoxInfo.h"
#include "skin/controls/SUIComboBox.h"
#include "skin/controls/SUIDriveComboBox.h"
#include "tests/core/TempDir.h"
#include "tests/ui/UiTestFixture.h"

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace uitest {
namespace {

class SUIDriveComboBoxTest : public UiTest {
protected:
    SUIDriveComboBoxTest() { RegisterResources(AppResources()); }
    void TearDown() override { EXPECT_EQ(messageBoxes, std::vector<std::string>{}); }
    void SetUp() override
    {
        form = ShownForm({100, 100, 400, 300});
        drive = new TsuiDriveComboBox(form);
        drive->SetParent(form);
        drive->SetMountTableFile(dir.Write("mounts", "/dev/a / ext4 rw 0 0\n/dev/b /data ext4 rw 0 0\n"));
        drive->SetBounds(20, 20, 65, 21);
        combo = new TsuiComboBox(form);
        combo->SetParent(form);
        combo->SetStyle(csDropDownList);
        combo->SetBounds(20, 60, 65, 21);
        Pump();
    }
    [[nodiscard]] TColor At(const PixelBuffer& pixels, const TControl* control, int x, int y) const
    {
        const TPoint p = control->ClientOrigin() - form->ClientOrigin();
        return ColorFromPixel(pixels.GetPixel(p.X + x, p.Y + y));
    }

    TempDir dir;
    TForm* form = nullptr;
    TsuiDriveComboBox* drive = nullptr;
    TsuiComboBox* combo = nullptr;
};

TEST_F(SUIDriveComboBoxTest, FrameAndButtonMatchTheSkinnedComboBoxInEveryStyle)
{
    for (const TsuiUIStyle style : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
        drive->SetUIStyle(style);
        combo->SetUIStyle(style);
        Pump();
        const PixelBuffer pixels = Desktop().CaptureWindow(form->WindowHandle());
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 65; ++x) {
                const bool frameOrButton = x < 2 || y < 2 || x >= 63 || y >= 19 || x >= 46;
                if (!frameOrButton) continue;
                ASSERT_EQ(At(pixels, drive, x, y), At(pixels, combo, x, y)) << style << " " << x << "," << y;
            }
        }
    }
}

TEST_F(SUIDriveComboBoxTest, DroppedDownOpensAndClosesTheRingedList)
{
    drive->SetBorderColor(clRed);
    drive->SetDroppedDown(true);
    Pump();
    ASSERT_TRUE(drive->DroppedDown());
    COMBOBOXINFO info;
    ASSERT_TRUE(GetComboBoxInfo(drive->WindowHandle(), info));
    EXPECT_TRUE(IsWindowVisible(info.hwndList));
    EXPECT_EQ(ColorFromPixel(Desktop().CaptureWindow(info.hwndList).GetPixel(0, 0)), clRed);
    drive->SetDroppedDown(false);
    Pump();
    EXPECT_FALSE(drive->DroppedDown());
    EXPECT_FALSE(IsWindowVisible(info.hwndList));
}

}  // namespace
}  // namespace uitest

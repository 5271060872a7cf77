// TDriveComboBox: the mount table read line by line (a table of lines and
// the places they give), its bounds, and the control: choosing a place by
// keyboard enters it, a place that cannot be entered is reported and the
// choice goes back, and the open list with its pictures as a golden image.

#include "tests/ui/UiTestFixture.h"

#include "platform/core/Strings.h"
#include "platform/ui/lists/ComboBoxInfo.h"
#include "platform/ui/lists/DriveComboBox.h"
#include "platform/ui/lists/DriveComboBoxMounts.h"
#include "tests/core/TempDir.h"
#include "tests/support/GoldenImage.h"

#include <filesystem>

namespace uitest {
namespace {

using Places = std::vector<TDriveEntry>;
constexpr auto Home = TDriveKind::Home;
constexpr auto Disk = TDriveKind::Disk;
constexpr auto Removable = TDriveKind::Removable;
constexpr auto Network = TDriveKind::Network;

struct MountCase {
    const char* Name;
    std::string Table;
    std::string HomeFolder;
    Places Expected;
};

class MountTableTest : public ::testing::TestWithParam<MountCase> {};

TEST_P(MountTableTest, LinesGiveThePlacesAUserPicksFrom)
{
    EXPECT_EQ(ParseMountTable(GetParam().Table, GetParam().HomeFolder), GetParam().Expected);
}

const TDriveEntry kBareRoot{"/", "", Disk};

INSTANTIATE_TEST_SUITE_P(
    Lines, MountTableTest,
    ::testing::Values(
        MountCase{"Root", "/dev/sda1 / ext4 rw 0 0\n", "", {{"/", "ext4", Disk}}},
        MountCase{"PseudoFileSystems",
                  "proc /proc proc rw 0 0\nsysfs /sys sysfs rw 0 0\ncgroup /sys/fs/cgroup/cpu cgroup rw 0 0\n"
                  "tmpfs /run/user/1000 tmpfs rw 0 0\ndevpts /dev/pts devpts rw 0 0\ntmpfs /tmp tmpfs rw 0 0\n",
                  "", {kBareRoot}},
        MountCase{"OverlayRootKeptItsInternalsNot",
                  "overlay / overlay rw,lowerdir=/a 0 0\noverlay /var/lib/docker/overlay2/x/merged overlay rw 0 0\n",
                  "", {{"/", "overlay", Disk}}},
        MountCase{"EscapedBlankInRemovableMedia", "/dev/sdb1 /media/me/USB\\040Stick vfat rw 0 0\n", "",
                  {kBareRoot, {"/media/me/USB Stick", "vfat", Removable}}},
        MountCase{"RunMediaAndOptical",
                  "/dev/sdc1 /run/media/me/CARD exfat rw 0 0\n/dev/sr0 /mnt/cdrom iso9660 ro 0 0\n", "",
                  {kBareRoot, {"/mnt/cdrom", "iso9660", Removable}, {"/run/media/me/CARD", "exfat", Removable}}},
        MountCase{"NetworkShares", "srv:/export /mnt/nfs nfs4 rw 0 0\n//host/share /mnt/win cifs rw 0 0\n", "",
                  {kBareRoot, {"/mnt/nfs", "nfs4", Network}, {"/mnt/win", "cifs", Network}}},
        MountCase{"SnapsAreLeftOut", "/dev/loop3 /snap/core/1 squashfs ro 0 0\n", "", {kBareRoot}},
        MountCase{"HomeFirstThenRootThenByPath",
                  "/dev/sdd1 /data ext4 rw 0 0\n/dev/sda2 /home ext4 rw 0 0\n/dev/sda1 / ext4 rw 0 0\n", "/home/me",
                  {{"/home/me", "", Home}, {"/", "ext4", Disk}, {"/data", "ext4", Disk}, {"/home", "ext4", Disk}}},
        MountCase{"AMountedHomeIsListedOnceAsHome", "/dev/sda3 /home/me ext4 rw 0 0\n", "/home/me",
                  {{"/home/me", "ext4", Home}, kBareRoot}},
        MountCase{"ALaterMountHidesAnEarlierOne", "/dev/a /data ext4 rw 0 0\nsrv:/d /data nfs rw 0 0\n", "",
                  {kBareRoot, {"/data", "nfs", Network}}},
        MountCase{"OctalEscapesOnlyWhenComplete", "/dev/a /mnt/a\\134b\\9x\\400 ext4 rw 0 0\n", "",
                  {kBareRoot, {"/mnt/a\\b\\9x\\400", "ext4", Disk}}},
        MountCase{"ShortRelativeAndOverlongLinesAreSkipped",
                  "/dev/a /mnt/short\n/dev/b relative ext4 rw 0 0\n/dev/c /mnt/" + std::string(kMaxLineBytes, 'x') +
                      " ext4 rw 0 0\n\n   \n",
                  "", {kBareRoot}},
        MountCase{"TabsSeparateFieldsToo", "/dev/a\t/mnt/tab\text4 rw 0 0", "", {kBareRoot, {"/mnt/tab", "ext4", Disk}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MountTableBoundsTest, ManyEntriesAndHugeTablesAreBounded)
{
    std::string table;
    for (int i = 0; i < 5000; ++i) table += "/dev/x /mnt/d" + std::to_string(i) + " ext4 rw 0 0\n";
    EXPECT_EQ(ParseMountTable(table, "/home/me").size(), kMaxDrives + 2) << "the kept mounts, the root and home";

    TempDir dir;
    std::string huge(kMaxTableBytes + 4096, 'y');
    huge.replace(0, 30, "/dev/z /mnt/first ext4 rw 0 0\n");
    huge += "\n/dev/z /mnt/beyond ext4 rw 0 0\n";
    const Places places = ReadMountedDrives(dir.Write("mounts", huge), "");
    EXPECT_EQ(places, (Places{kBareRoot, {"/mnt/first", "ext4", Disk}})) << "nothing past the limit is read";
    EXPECT_EQ(ReadMountedDrives(dir.File("missing"), "/home/me"), (Places{{"/home/me", "", Home}, kBareRoot}));
}

// The control, on a mount table of our own; the working directory and HOME come back afterwards.
class DriveComboBoxTest : public UiTest {
protected:
    void SetUp() override
    {
        m_savedDir = std::filesystem::current_path();
        if (const char* home = std::getenv("HOME")) m_savedHome = home;
        setenv("HOME", "/home/nobody-here", 1);
        std::filesystem::create_directory(dir.File("data"));
        std::filesystem::create_directory(dir.File("usb"));
        table = dir.Write("mounts", "/dev/a / ext4 rw 0 0\n/dev/b " + dir.File("data") + " ext4 rw 0 0\n/dev/c " +
                                        dir.File("usb") + " vfat rw 0 0\nsrv:/x /mnt/qz-missing nfs rw 0 0\n");
        form = ShownForm({100, 100, 500, 400});
        combo = new TDriveComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 300, 22);
        combo->SetMountTableFile(table);
        combo->OnChange = [this](TObject*) { changes.push_back(std::filesystem::current_path().string()); };
        std::filesystem::current_path(dir.File("data"));
        combo->UpdateDrives();
        Pump();
    }
    void TearDown() override
    {
        std::filesystem::current_path(m_savedDir);
        setenv("HOME", m_savedHome.c_str(), 1);
    }

    TempDir dir;
    std::string table;
    TForm* form = nullptr;
    TDriveComboBox* combo = nullptr;
    std::vector<std::string> changes;

private:
    std::filesystem::path m_savedDir;
    std::string m_savedHome;
};

TEST_F(DriveComboBoxTest, TheCurrentDirectorysPlaceIsChosenAndChoosingAnotherEntersIt)
{
    ASSERT_EQ(combo->Items()->Count(), 5);
    EXPECT_EQ(combo->Drive(), dir.File("data"));
    combo->SetFocus();
    PressKey(VK_DOWN);
    EXPECT_EQ(combo->Drive(), dir.File("usb"));
    EXPECT_EQ(changes, (std::vector<std::string>{dir.File("usb")})) << "the directory changed before OnChange";
    combo->SetDrive(dir.File("data") + "/deeper/still");
    EXPECT_EQ(std::filesystem::current_path().string(), dir.File("data"));
}

TEST_F(DriveComboBoxTest, APlaceThatCannotBeEnteredIsReportedAndTheChoiceGoesBack)
{
    combo->SetFocus();
    PressKey(VK_UP);  // the share sorts just before the data folder
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_NE(messageBoxes[0].find("Cannot open the folder /mnt/qz-missing"), std::string::npos) << messageBoxes[0];
    EXPECT_EQ(combo->Drive(), dir.File("data"));
    EXPECT_TRUE(changes.empty());
}

TEST_F(DriveComboBoxTest, TheOpenListShowsEachPlaceWithItsPicture)
{
    combo->SetMountTableFile(dir.Write("fixed", "/dev/a / ext4 rw 0 0\n/dev/b /data ext4 rw 0 0\n"
                                                "/dev/c /media/stick vfat rw 0 0\nsrv:/x /net nfs rw 0 0\n"));
    combo->SetFocus();
    PressKey(VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    Pump();
    COMBOBOXINFO info;
    ASSERT_TRUE(GetComboBoxInfo(combo->WindowHandle(), info));
    EXPECT_TRUE(MatchesGolden(Desktop().CaptureWindow(info.hwndList), "drive_combo_list"));
}

}  // namespace
}  // namespace uitest

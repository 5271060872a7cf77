#pragma once
// TDriveComboBox: a list-style combo box of the places mounted on this
// machine (DriveComboBoxMounts.h), each with its picture
// (DriveComboBoxIcons.h) and its path. Choosing one makes it the current
// directory; a place that cannot be entered raises an Exception naming it
// and the choice goes back to where the current directory is. At start the
// place holding the current directory is selected.

#include "platform/ui/lists/ComboBox.h"
#include "platform/ui/lists/DriveComboBoxMounts.h"

#include <string>
#include <vector>

class TDriveComboBox : public TCustomComboBox {
    QZ_DECLARE_CLASS(TDriveComboBox, TCustomComboBox)

public:
    static constexpr int kItemHeight = 18;  // pixels: the picture and a pixel above and below it
    static constexpr int kTextGap = 4;      // pixels between the picture and the path

    explicit TDriveComboBox(TComponent* owner);

    // The chosen place's path ("" when none is chosen).
    [[nodiscard]] std::string Drive() const;
    // Chooses the place that holds path (the deepest one) and enters it.
    void SetDrive(const std::string& path);
    [[nodiscard]] const std::vector<TDriveEntry>& Drives() const { return m_drives; }
    // The mount table read; reading it again refreshes the places.
    [[nodiscard]] const std::string& MountTableFile() const { return m_mountTable; }
    void SetMountTableFile(const std::string& path);
    // Reads the mount table again.
    void UpdateDrives();

protected:
    void Change() override;
    void DrawItem(int index, TRect rect, TOwnerDrawState state) override;

private:
    // The index of the place that holds path, -1 for none.
    [[nodiscard]] int PlaceOf(const std::string& path) const;
    void SelectCurrentDirectory();

    std::string m_mountTable = "/proc/self/mounts";
    std::vector<TDriveEntry> m_drives;
};

#include "platform/ui/lists/DriveComboBox.h"

#include "platform/core/Exception.h"
#include "platform/core/Strings.h"
#include "platform/core/Utf8.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/lists/DriveComboBoxIcons.h"
#include "platform/win/Gdi.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

QZ_IMPLEMENT_CLASS(TDriveComboBox);

void TDriveComboBox::Publish(TClassBuilder<TDriveComboBox>& c)
{
    c.Creatable<TComponent>();
    PublishColorAndFont(c);
    c.Property("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount)
        .Default(kDefaultDropDownCount);
    c.Property("OnChange", &TCustomComboBox::OnChange);
    c.Property("OnDropDown", &TCustomComboBox::OnDropDown);
    c.Property("OnCloseUp", &TCustomComboBox::OnCloseUp);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}

namespace {

// The user's home folder when HOME names an absolute path.
std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') return {};
    std::string path(home);
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

bool Holds(const std::string& place, const std::string& path)
{
    if (place == "/") return !path.empty() && path[0] == '/';
    return path.compare(0, place.size(), place) == 0 && (path.size() == place.size() || path[place.size()] == '/');
}

}  // namespace

TDriveComboBox::TDriveComboBox(TComponent* owner) : TCustomComboBox(owner)
{
    SetStyle(csOwnerDrawFixed);
    SetItemHeight(kItemHeight);
    UpdateDrives();
}

void TDriveComboBox::SetMountTableFile(const std::string& path)
{
    m_mountTable = path;
    UpdateDrives();
}

void TDriveComboBox::UpdateDrives()
{
    m_drives = ReadMountedDrives(m_mountTable, HomeFolder());
    Items()->BeginUpdate();
    Items()->Clear();
    for (const TDriveEntry& drive : m_drives) Items()->Add(Utf8::Sanitize(drive.Path));
    Items()->EndUpdate();
    SelectCurrentDirectory();
}

int TDriveComboBox::PlaceOf(const std::string& path) const
{
    int best = -1;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < m_drives.size(); ++i) {
        const std::string& place = m_drives[i].Path;
        if (Holds(place, path) && (best < 0 || place.size() > bestLength)) {
            best = int(i);
            bestLength = place.size();
        }
    }
    return best;
}

void TDriveComboBox::SelectCurrentDirectory()
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    SetItemIndex(error ? -1 : PlaceOf(current.string()));
}

std::string TDriveComboBox::Drive() const
{
    const int index = ItemIndex();
    return index >= 0 && index < int(m_drives.size()) ? m_drives[std::size_t(index)].Path : std::string();
}

void TDriveComboBox::SetDrive(const std::string& path)
{
    const int index = PlaceOf(path);
    if (index < 0 || index == ItemIndex()) return;
    SetItemIndex(index);
    Change();
}

// The chosen place becomes the current directory before anyone hears of it.
void TDriveComboBox::Change()
{
    const std::string place = Drive();
    if (!place.empty()) {
        std::error_code error;
        std::filesystem::current_path(place, error);
        if (error) {
            SelectCurrentDirectory();
            throw Exception("Cannot open the folder " + Utf8::Sanitize(place) + ": " + error.message());
        }
    }
    TCustomComboBox::Change();
}

void TDriveComboBox::DrawItem(int index, TRect rect, TOwnerDrawState state)
{
    if (OnDrawItem || index < 0 || index >= int(m_drives.size())) {
        TCustomComboBox::DrawItem(index, rect, state);
        return;
    }
    TCanvas& canvas = *Canvas();
    canvas.FillRect(rect);
    const TPoint icon{rect.Left + 2, rect.Top + (rect.Height() - kDriveIconSize) / 2};
    DrawDriveIcon(canvas, m_drives[std::size_t(index)].Kind, icon);
    canvas.Brush()->SetStyle(bsClear);
    RECT text{icon.X + kDriveIconSize + kTextGap, rect.Top, rect.Right, rect.Bottom};
    DrawText(canvas.Handle(), Items()->Strings(index), -1, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    canvas.Brush()->SetStyle(bsSolid);
}

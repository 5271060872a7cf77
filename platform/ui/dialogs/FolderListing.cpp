#include "platform/ui/dialogs/FolderListing.h"

#include "platform/core/Exception.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/dialogs/FileFilter.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Why a folder cannot be shown, in the user's words.
std::string Reason(const std::error_code& error)
{
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return "没有读取它的权限。";
    if (error == std::errc::no_such_file_or_directory) return "它已不存在。";
    if (error == std::errc::not_a_directory) return "它不是文件夹。";
    return error.message();
}

}  // namespace

TFolderListing ReadFolder(const std::string& folder, const std::vector<std::string>& masks)
{
    std::error_code error;
    // A folder we may not read is reported, never shown as empty.
    fs::directory_iterator it(fs::path(folder), error);
    if (error) throw EFOpenError("无法打开文件夹 " + folder + "：" + Reason(error));
    TFolderListing listing;
    std::size_t looked = 0;
    // A failing step ends the walk with error set.
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (++looked > kMaxFolderEntries) {
            listing.Truncated = true;
            break;
        }
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        if (typeError) continue;
        if (!isFolder && (!it->is_regular_file(typeError) || typeError || !MatchesAnyMask(name, masks))) continue;
        listing.Entries.push_back({std::move(name), isFolder});
    }
    if (error) throw EFOpenError("无法读取文件夹 " + folder + "：" + Reason(error));
    std::sort(listing.Entries.begin(), listing.Entries.end(), [](const TFolderEntry& a, const TFolderEntry& b) {
        if (a.IsFolder != b.IsFolder) return a.IsFolder;
        const int order = CompareText(a.Name, b.Name);
        return order != 0 ? order < 0 : a.Name < b.Name;
    });
    return listing;
}

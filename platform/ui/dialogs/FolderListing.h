#pragma once
// What a file dialog shows of a folder: its subfolders, then the files that
// match the masks (FileFilter.h), each group sorted by name without regard
// to ASCII case. Names starting with '.' (hidden on this desktop) are left
// out. Only the folder's listing is read, nothing is written.
//
// A folder may be huge or hostile: at most kMaxFolderEntries names are
// looked at and kept, the rest is dropped and Truncated says so. A folder
// that cannot be listed raises EFOpenError with a message for the user;
// entries whose type cannot be read are left out.

#include <cstddef>
#include <string>
#include <vector>

struct TFolderEntry {
    std::string Name;
    bool IsFolder = false;
};

struct TFolderListing {
    std::vector<TFolderEntry> Entries;  // folders first
    bool Truncated = false;
};

inline constexpr std::size_t kMaxFolderEntries = 20000;  // names looked at per folder

[[nodiscard]] TFolderListing ReadFolder(const std::string& folder, const std::vector<std::string>& masks);

#pragma once
// The places a drive combo box offers: the file systems mounted on this
// machine that a user would pick from, read from the mount table
// (/proc/self/mounts: "device mount-point type options dump pass", blanks in
// fields written as octal escapes such as \040).
//
// Left out: pseudo and kernel file systems (proc, sysfs, cgroup, devpts,
// debugfs ...), squashfs images (snaps), anything mounted under /proc,
// /sys, /dev and /run (except removable media under /run/media), overlay
// and tmpfs mounts other than the root, and mount points hidden by a later
// mount on the same place. The home folder comes first (also when it is no
// mount point), then the root, then the rest by path.
//
// The table is untrusted: at most kMaxTableBytes are read, lines longer
// than kMaxLineBytes and lines without three fields are skipped, at most
// kMaxDrives places are kept.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class TDriveKind { Home, Disk, Removable, Network };

struct TDriveEntry {
    std::string Path;    // the mount point (bytes as the system has them)
    std::string FsType;  // "ext4", "nfs4" ...; empty for a home folder that is no mount point
    TDriveKind Kind = TDriveKind::Disk;

    bool operator==(const TDriveEntry&) const = default;
};

inline constexpr std::size_t kMaxTableBytes = 1 << 20;
inline constexpr std::size_t kMaxLineBytes = 4096;
inline constexpr std::size_t kMaxDrives = 64;

// One field of the table with its octal escapes (\ooo, up to \377) decoded;
// a backslash not followed by three octal digits stays as it is.
[[nodiscard]] std::string UnescapeMountField(std::string_view field);

// The places of a mount table's text, in the order shown. home is the
// user's home folder ("" for none).
[[nodiscard]] std::vector<TDriveEntry> ParseMountTable(std::string_view table, const std::string& home);

// Reads the table at path (at most kMaxTableBytes) and parses it; an
// unreadable table gives the home folder and the root only.
[[nodiscard]] std::vector<TDriveEntry> ReadMountedDrives(const std::string& path, const std::string& home);

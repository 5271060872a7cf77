#include "platform/ui/lists/DriveComboBoxMounts.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace {

constexpr std::array kPseudoTypes = {
    "proc",     "sysfs",     "cgroup",   "cgroup2",     "devpts",  "devtmpfs", "securityfs", "debugfs",
    "tracefs",  "pstore",    "bpf",      "mqueue",      "hugetlbfs", "configfs", "fusectl",  "autofs",
    "binfmt_misc", "rpc_pipefs", "efivarfs", "nsfs",    "ramfs",   "squashfs", "selinuxfs",  "fuse.gvfsd-fuse",
    "fuse.portal", "fuse.lxcfs", "nfsd",    "overlay",   "tmpfs",   "aufs",     "shm",        "none"};

constexpr std::array kNetworkTypes = {"nfs",   "nfs4",       "cifs",  "smb3",      "smbfs",    "fuse.sshfs",
                                      "9p",    "afs",        "ceph",  "glusterfs", "davfs",    "fuse.rclone",
                                      "ncpfs", "fuse.davfs2", "virtiofs"};

constexpr std::array kRemovableTypes = {"iso9660", "udf"};

// Mount points below these belong to the system, not to the user.
constexpr std::array kSystemTrees = {"/proc", "/sys", "/dev", "/run", "/var/run", "/snap", "/var/lib/docker"};

template <std::size_t N>
bool OneOf(const std::array<const char*, N>& names, std::string_view value)
{
    return std::any_of(names.begin(), names.end(), [value](const char* name) { return value == name; });
}

bool IsUnder(std::string_view path, std::string_view tree)
{
    return path.size() >= tree.size() && path.substr(0, tree.size()) == tree &&
           (path.size() == tree.size() || path[tree.size()] == '/');
}

bool IsRemovableMedia(std::string_view path)
{
    return IsUnder(path, "/media") || IsUnder(path, "/run/media");
}

bool Offered(std::string_view path, std::string_view type)
{
    if (path.empty() || path[0] != '/') return false;
    // The root is offered whatever carries it (an overlay in a container).
    if (path == "/") return true;
    if (OneOf(kPseudoTypes, type)) return false;
    if (IsRemovableMedia(path)) return true;
    return std::none_of(kSystemTrees.begin(), kSystemTrees.end(), [path](const char* tree) { return IsUnder(path, tree); });
}

TDriveKind KindOf(std::string_view path, std::string_view type)
{
    if (OneOf(kNetworkTypes, type)) return TDriveKind::Network;
    if (OneOf(kRemovableTypes, type) || IsRemovableMedia(path)) return TDriveKind::Removable;
    return TDriveKind::Disk;
}

// The first three blank-separated fields of a line; fewer than three give none.
struct TMountLine {
    std::string_view Device;
    std::string_view Path;
    std::string_view Type;
    bool Complete = false;
};

TMountLine SplitLine(std::string_view line)
{
    TMountLine out;
    std::string_view* fields[] = {&out.Device, &out.Path, &out.Type};
    std::size_t pos = 0;
    for (std::string_view* field : fields) {
        pos = line.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos) return out;
        const std::size_t end = std::min(line.find_first_of(" \t", pos), line.size());
        *field = line.substr(pos, end - pos);
        pos = end;
    }
    out.Complete = true;
    return out;
}

bool IsOctal(char c)
{
    return c >= '0' && c <= '7';
}

}  // namespace

std::string UnescapeMountField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool escape = field[i] == '\\' && i + 3 < field.size() && field[i + 1] <= '3' &&
                            IsOctal(field[i + 1]) && IsOctal(field[i + 2]) && IsOctal(field[i + 3]);
        if (escape) {
            out.push_back(char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0')));
            i += 3;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

std::vector<TDriveEntry> ParseMountTable(std::string_view table, const std::string& home)
{
    std::vector<TDriveEntry> mounts;
    table = table.substr(0, std::min(table.size(), kMaxTableBytes));
    for (std::size_t start = 0; start < table.size();) {
        const std::size_t end = std::min(table.find('\n', start), table.size());
        const std::string_view line = table.substr(start, end - start);
        start = end + 1;
        if (line.size() > kMaxLineBytes) continue;
        const TMountLine fields = SplitLine(line);
        if (!fields.Complete) continue;
        const std::string path = UnescapeMountField(fields.Path);
        const std::string type = UnescapeMountField(fields.Type);
        // A later mount on the same place hides the earlier one.
        std::erase_if(mounts, [&path](const TDriveEntry& e) { return e.Path == path; });
        if (!Offered(path, type)) continue;
        if (mounts.size() < kMaxDrives) mounts.push_back({path, type, KindOf(path, type)});
    }
    std::sort(mounts.begin(), mounts.end(), [](const TDriveEntry& a, const TDriveEntry& b) {
        // The root before everything else, then by path.
        if ((a.Path == "/") != (b.Path == "/")) return a.Path == "/";
        return a.Path < b.Path;
    });
    if (mounts.empty() || mounts.front().Path != "/") mounts.insert(mounts.begin(), {"/", "", TDriveKind::Disk});
    if (!home.empty() && home != "/") {
        const auto mounted = std::find_if(mounts.begin(), mounts.end(), [&home](const TDriveEntry& e) { return e.Path == home; });
        TDriveEntry entry{home, mounted != mounts.end() ? mounted->FsType : std::string(), TDriveKind::Home};
        if (mounted != mounts.end()) mounts.erase(mounted);
        mounts.insert(mounts.begin(), std::move(entry));
    }
    return mounts;
}

std::vector<TDriveEntry> ReadMountedDrives(const std::string& path, const std::string& home)
{
    std::string table;
    std::ifstream in(path, std::ios::binary);
    // The proc file reports no size: read in pieces up to the limit.
    std::array<char, 16384> piece{};
    while (in && table.size() < kMaxTableBytes) {
        in.read(piece.data(), std::streamsize(std::min(piece.size(), kMaxTableBytes - table.size())));
        table.append(piece.data(), std::size_t(in.gcount()));
    }
    // A table cut at the limit loses its last, partial line.
    if (table.size() >= kMaxTableBytes) table.erase(table.rfind('\n') == std::string::npos ? 0 : table.rfind('\n'));
    return ParseMountTable(table, home);
}

#include "tools/gallery/GalleryCommandLine.h"

#include <string_view>

namespace {

GalleryCommand Refused(std::string error)
{
    GalleryCommand command;
    command.Mode = GalleryMode::Refused;
    command.Error = std::move(error);
    return command;
}

}  // namespace

std::string_view GalleryUsage()
{
    return "用法：gallery [--style 外观] [--page 节] [--log] [主题.sui...]\n"
           "      gallery [--style 外观] [--page 节] --screenshot 图片.png | --contact 图片.png | --layout\n"
           "  外观：MacOS、WinXP、DeepBlue、Protein、BlueGlass 或一个 .sui 主题文件\n"
           "  --page 节        只显示这一节（例如 buttons）\n"
           "  --screenshot 图片 不打开显示器，把窗口画成 PNG 图片\n"
           "  --contact 图片    把每一节在每种外观下画进一张 PNG 图片\n"
           "  --layout         列出每个组件在窗口里的位置（名称 左 上 宽 高）\n"
           "  --log            窗口把点击、连续按下和勾选的变化逐行写到标准输出\n";
}

GalleryCommand ParseGalleryCommand(std::span<const char* const> args)
{
    GalleryCommand command;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            command.Mode = GalleryMode::Help;
            return command;
        }
        if (arg == "--log") {
            command.Log = true;
            continue;
        }
        if (arg == "--layout") {
            if (command.Mode != GalleryMode::Window) return Refused("--screenshot、--contact 和 --layout 只能选一个");
            command.Mode = GalleryMode::Layout;
            continue;
        }
        if (arg == "--style" || arg == "--page" || arg == "--screenshot" || arg == "--contact") {
            if (!hasValue) return Refused(std::string(arg) + " 需要一个值");
            const std::string_view value = args[++i];
            if (arg == "--style") {
                command.Style = ParseGalleryStyle(value);
                if (!command.Style) return Refused("不认识的外观：" + std::string(value));
            } else if (arg == "--page") {
                command.Page = value;
            } else {
                if (command.Mode != GalleryMode::Window) return Refused("--screenshot、--contact 和 --layout 只能选一个");
                command.Mode = arg == "--screenshot" ? GalleryMode::Screenshot : GalleryMode::Contact;
                command.Output = value;
            }
            continue;
        }
        const std::optional<TGalleryStyle> theme = ParseGalleryStyle(arg);
        if (!theme || theme->Style != FromThemeFile) return Refused("不认识的参数：" + std::string(arg));
        command.Themes.push_back(*theme);
    }
    return command;
}

#pragma once
// The sample files under resources/samples: their names and exact bytes.
// tools/mksamples/MkSamples.cpp writes them; a test checks that the committed
// files still equal what is made here.

#include "tools/mksamples/PeImage.h"

#include <string>
#include <string_view>
#include <vector>

struct SampleFile {
    std::string Name;
    std::vector<std::uint8_t> Bytes;
};

// The smallest layout the format allows: section and file alignment equal
// and below a page, so the whole image is a few hundred bytes.
inline constexpr PeLayout kTinyLayout{0x20, 0x20};

inline std::vector<std::uint8_t> TinyExe()
{
    static constexpr std::uint8_t kCode[] = {
        0x31, 0xC0,  // xor eax, eax
        0xC3,        // ret: back to the loader, exit code 0
    };
    return BuildPeImage(kCode, kTinyLayout);
}

// Two copies of tiny.exe joined end to end.
inline std::vector<std::uint8_t> BoundExe()
{
    std::vector<std::uint8_t> bytes = TinyExe();
    const std::vector<std::uint8_t> copy = bytes;
    bytes.insert(bytes.end(), copy.begin(), copy.end());
    return bytes;
}

inline constexpr std::string_view kNotesText =
    "样例文件说明\n"
    "============\n"
    "\n"
    "这是一个普通的文本文件，不是可执行文件，里面没有可执行头部。\n"
    "分析它时，可执行头部数为 0，报告“文件头检测失败！”。\n"
    "\n"
    "tiny.exe   一个最小的可执行文件，只有一个可执行头部。\n"
    "bound.exe  两份 tiny.exe 首尾相接，报告“文件可能经过捆绑，请小心使用！”。\n"
    "\n"
    "This is a plain text file, not an executable: analysing it finds no\n"
    "executable header, so the header check fails.\n";

inline std::vector<SampleFile> SampleFiles()
{
    return {
        {"tiny.exe", TinyExe()},
        {"bound.exe", BoundExe()},
        {"notes.txt", std::vector<std::uint8_t>(kNotesText.begin(), kNotesText.end())},
    };
}

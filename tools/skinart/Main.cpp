// skinart: draws the skin's pictures.
//
//   skinart OUTDIR          every built-in skin bitmap as OUTDIR/NAME.bmp
//   skinart --icon FILE     the program's icon (MAINICON) as a BMP file
//   skinart --publisher FILE  the main window's publisher picture as the hex
//                           lines of its form description's Picture.Data
//   skinart --themes DIR    the sample theme folders DIR/Amber and DIR/Graphite
//   skinart --sheet FILE    a contact sheet of everything as a PNG file
//
// From the repository root: skinart resources/skins, skinart --icon
// resources/icons/MAINICON.bmp, skinart --themes resources/themes and
// skinart --sheet docs/skins.png regenerate the committed files;
// skinart --publisher FILE gives the lines that go between the braces of
// imgCf's Picture.Data in resources/forms/TFRMMAIN.qzf.

#include "platform/core/Exception.h"
#include "platform/gfx/PngWriter.h"
#include "tools/skinart/ArtFiles.h"
#include "tools/skinart/Catalog.h"
#include "tools/skinart/ContactSheet.h"
#include "tools/skinart/PublisherArt.h"
#include "tools/skinart/ThemeFolder.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: skinart OUTDIR | --icon FILE | --publisher FILE | --themes DIR | --sheet FILE\n";

void WriteSkins(const std::filesystem::path& folder)
{
    MakeFolder(folder);
    for (const ArtPiece& piece : BuiltInPieces()) WriteBmpFile(piece.Render(), folder / (piece.Name + ".bmp"));
}

int Run(int argc, char** argv)
{
    if (argc == 2 && argv[1][0] != '-') {
        WriteSkins(argv[1]);
        return 0;
    }
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string_view option = argv[1];
    const std::filesystem::path target = argv[2];
    if (option == "--icon") {
        if (target.has_parent_path()) MakeFolder(target.parent_path());
        WriteBmpFile(MainIconPiece().Render(), target);
    } else if (option == "--publisher") {
        if (target.has_parent_path()) MakeFolder(target.parent_path());
        WriteTextFile(PictureDataLines(PublisherPiece().Render(), kPublisherDataIndent), target);
    } else if (option == "--themes") {
        for (const Look& look : SampleLooks()) WriteThemeFolder(look, target / std::string(look.Name));
    } else if (option == "--sheet") {
        if (target.has_parent_path()) MakeFolder(target.parent_path());
        SavePngFile(DrawContactSheet(), target.string());
    } else {
        std::fputs(kUsage, stderr);
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const Exception& e) {
        std::fprintf(stderr, "skinart: %s\n", e.Message.c_str());
        return 1;
    }
}

// The main window's publisher picture. The copy in the main form
// description must be what skinart draws now; regenerate it from the
// repository root with
//   skinart --publisher /tmp/publisher.hex
// and put those lines between the braces of imgCf's Picture.Data in
// resources/forms/TFRMMAIN.qzf.

#include "platform/core/FormDescriptionParser.h"
#include "platform/gfx/BmpDecoder.h"
#include "platform/gfx/BmpEncoder.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Picture.h"
#include "tools/skinart/Look.h"
#include "tools/skinart/PublisherArt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kMainForm = fs::path(QZ_SOURCE_DIR) / "resources" / "forms" / "TFRMMAIN.qzf";

[[nodiscard]] std::string ReadText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

[[nodiscard]] const TFormObject* FindObject(const TFormObject& object, std::string_view name)
{
    if (object.Name == name) return &object;
    for (const TFormObject& child : object.Children) {
        if (const TFormObject* found = FindObject(child, name)) return found;
    }
    return nullptr;
}

[[nodiscard]] const TFormValue* FindProperty(const TFormObject& object, std::string_view name)
{
    for (const TFormProperty& property : object.Properties) {
        if (property.Name == name) return &property.Value;
    }
    return nullptr;
}

// Three distinct colours and a fourth in a 3 x 2 picture, so that rows and
// channels that were swapped would show.
[[nodiscard]] PixelBuffer SmallPicture()
{
    PixelBuffer picture(3, 2, PixelFromRGB(RGB(1, 2, 3)));
    picture.At(0, 0) = PixelFromRGB(RGB(250, 0, 10));
    picture.At(2, 0) = PixelFromRGB(RGB(0, 200, 30));
    picture.At(1, 1) = PixelFromRGB(RGB(40, 50, 240));
    return picture;
}

TEST(PublisherArtTest, MainFormCarriesThePictureAsDrawnNow)
{
    const std::string text = ReadText(kMainForm);
    ASSERT_FALSE(text.empty()) << kMainForm << " is missing";
    const TFormObject form = ParseFormDescription(text);
    const TFormObject* image = FindObject(form, "imgCf");
    ASSERT_NE(image, nullptr);
    const TFormValue* data = FindProperty(*image, "Picture.Data");
    ASSERT_NE(data, nullptr) << "imgCf has no picture";
    ASSERT_EQ(data->Kind, TFormValueKind::Binary);

    const std::vector<std::uint8_t>& bytes = data->Bytes;
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(bytes[0], 7);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 8), "TBitmap");
    const PixelBuffer drawn = PublisherPiece().Render();
    EXPECT_TRUE(DecodeBmp(std::span(bytes).subspan(8)).Pixels == drawn) << "the picture differs; regenerate it";
    // Written exactly as skinart writes it, so regenerating changes nothing else.
    EXPECT_NE(text.find("Picture.Data = {\n" + PictureDataLines(drawn, kPublisherDataIndent)), std::string::npos);
}

TEST(PublisherArtTest, KeyColourSurroundsTheBadgeOnly)
{
    const PixelBuffer picture = PublisherPiece().Render();
    ASSERT_EQ(picture.Width(), 100);
    ASSERT_EQ(picture.Height(), 94);
    const auto isKey = [&](int x, int y) { return ColorFromPixel(picture.GetPixel(x, y)) == kKeyColor; };
    // The image takes the bottom-left pixel as its transparent colour.
    EXPECT_TRUE(isKey(0, picture.Height() - 1));
    EXPECT_FALSE(isKey(picture.Width() / 2, picture.Height() / 2));

    // Every key pixel joins the picture's edge through key pixels: the
    // badge has no holes that the window would show through.
    std::vector<std::uint8_t> reached(std::size_t(picture.Width() * picture.Height()), 0);
    std::vector<TPoint> todo;
    const auto visit = [&](int x, int y) {
        if (!picture.Contains(x, y) || !isKey(x, y) || reached[std::size_t(y * picture.Width() + x)]) return;
        reached[std::size_t(y * picture.Width() + x)] = 1;
        todo.push_back({x, y});
    };
    for (int x = 0; x < picture.Width(); ++x) {
        visit(x, 0);
        visit(x, picture.Height() - 1);
    }
    for (int y = 0; y < picture.Height(); ++y) {
        visit(0, y);
        visit(picture.Width() - 1, y);
    }
    while (!todo.empty()) {
        const TPoint p = todo.back();
        todo.pop_back();
        visit(p.X - 1, p.Y);
        visit(p.X + 1, p.Y);
        visit(p.X, p.Y - 1);
        visit(p.X, p.Y + 1);
    }
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            EXPECT_FALSE(isKey(x, y) && !reached[std::size_t(y * picture.Width() + x)]) << "hole at " << x << "," << y;
        }
    }
}

TEST(PictureDataLinesTest, IndentedRowsOfHexThatThePicturesReaderReadsBack)
{
    const PixelBuffer picture = SmallPicture();
    const std::string lines = PictureDataLines(picture, 4);
    std::istringstream in(lines);
    std::string digits;
    std::vector<std::size_t> lengths;
    for (std::string line; std::getline(in, line);) {
        ASSERT_EQ(line.substr(0, 4), "    ");
        lengths.push_back(line.size() - 4);
        digits += line.substr(4);
    }
    ASSERT_GE(lengths.size(), 2u);
    for (std::size_t i = 0; i + 1 < lengths.size(); ++i) EXPECT_EQ(lengths[i], 64u);
    EXPECT_LE(lengths.back(), 64u);
    EXPECT_EQ(digits, PictureDataHex("TBitmap", EncodeBmp(picture), 0));  // upper case, class name first

    const TFormObject form = ParseFormDescription("object img: TImage\n  Picture.Data = {\n" + lines + "  }\nend\n");
    const TFormValue* data = FindProperty(form, "Picture.Data");
    ASSERT_NE(data, nullptr);
    TPicture read;
    read.SetData(data->Bytes);
    ASSERT_NE(dynamic_cast<TBitmap*>(read.Graphic()), nullptr);
    EXPECT_TRUE(read.Bitmap()->Pixels() == picture);
}

}  // namespace

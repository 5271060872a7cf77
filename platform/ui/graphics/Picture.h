#pragma once
// TPicture: holds one graphic of any kind (a TBitmap or a TIcon), as an
// image control or a glyph property does. Bitmap() and Icon() hand out
// the graphic as that kind, replacing a graphic of another kind with an
// empty one. Changes of the graphic fire the picture's OnChange.
//
// Form descriptions set the picture through its defined property "Data"
// ("Picture.Data = {...}"). Our format of those bytes:
//   byte 0        N, the length of the graphic's class name (1..63)
//   bytes 1..N    the class name in ASCII: "TBitmap" or "TIcon"
//   the rest      the graphic's file as its SaveToStream writes it (a BMP)
// No bytes at all means no graphic. PictureData and PictureDataHex build
// such bytes from a BMP file, for writing form descriptions.

#include "platform/core/Rtti.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TBitmap;
class TGraphic;
class TIcon;
struct TFormValue;

class TPicture : public TPersistent {
    QZ_DECLARE_CLASS(TPicture, TPersistent)
public:
    TPicture();
    ~TPicture() override;

    // The graphic, or nullptr when the picture is empty.
    [[nodiscard]] TGraphic* Graphic() const { return m_graphic.get(); }
    // Holds a copy of graphic from now on (nullptr empties the picture).
    void SetGraphic(const TGraphic* graphic);
    [[nodiscard]] TBitmap* Bitmap();
    void SetBitmap(const TBitmap* bitmap);
    [[nodiscard]] TIcon* Icon();
    void SetIcon(const TIcon* icon);

    // 0 when empty.
    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;

    // Reads a .bmp file into a new TBitmap; other extensions raise
    // EInvalidGraphic ("Unknown picture file extension (.xyz)"). On any
    // error the picture stays as it was.
    void LoadFromFile(const std::string& fileName);
    // Writes the graphic's file; an empty picture raises EInvalidGraphic.
    void SaveToFile(const std::string& fileName) const;

    // The picture in the Data format above, and back. Unknown class names
    // and damaged data raise EReadError or EInvalidGraphic and leave the
    // picture as it was.
    [[nodiscard]] std::vector<std::uint8_t> Data() const;
    void SetData(std::span<const std::uint8_t> data);

    // Copies another picture or a graphic; another object raises EConvertError.
    void Assign(const TPersistent& source) override;

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent& dest) const override;

private:
    void ReadData(const TFormValue& value);
    // Puts graphic in place and fires OnChange.
    void Replace(std::unique_ptr<TGraphic> graphic);
    void Changed();

    std::unique_ptr<TGraphic> m_graphic;
};

// Data bytes for a graphic of the given class and file bytes.
[[nodiscard]] std::vector<std::uint8_t> PictureData(std::string_view className, std::span<const std::uint8_t> file);
// The same as upper-case hex digits, lineWidth digits per line (0: one
// line), for "Picture.Data = {...}".
[[nodiscard]] std::string PictureDataHex(std::string_view className, std::span<const std::uint8_t> file,
                                         int lineWidth = 64);

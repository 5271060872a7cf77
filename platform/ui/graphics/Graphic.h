#pragma once
// TGraphic: the abstract picture (bitmap, icon). A graphic has a size,
// may be transparent, draws itself on a canvas (TCanvas::Draw and
// StretchDraw), and reads and writes its file format from streams and
// files. OnChange fires after every change; Modified stays set until
// cleared.
//
// Form descriptions give a graphic's file bytes as its defined property
// "Data" ("Glyph.Data = {424D...}"): the bytes are read as by
// LoadFromStream.

#include "platform/core/Rect.h"
#include "platform/core/Rtti.h"

#include <cstdint>
#include <span>
#include <string>

class TCanvas;
class TStream;
struct TFormValue;

class TGraphic : public TPersistent {
    QZ_DECLARE_CLASS(TGraphic, TPersistent)
public:
    [[nodiscard]] virtual bool Empty() const = 0;
    [[nodiscard]] virtual int Width() const = 0;
    [[nodiscard]] virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    [[nodiscard]] virtual bool Transparent() const { return m_transparent; }
    virtual void SetTransparent(bool transparent);

    // Replace the picture with the file read from the stream's position to
    // its end. Damaged or hostile data raises EReadError or
    // EInvalidGraphic and leaves the graphic as it was.
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) const = 0;
    void LoadFromFile(const std::string& fileName);
    // As LoadFromStream, from bytes in memory (resources, form data).
    void LoadFromMemory(std::span<const std::uint8_t> bytes);
    void SaveToFile(const std::string& fileName) const;

    [[nodiscard]] bool Modified() const { return m_modified; }
    // Setting it fires OnChange, as a change does.
    void SetModified(bool modified);

    TNotifyEvent OnChange;

protected:
    friend class TCanvas;

    // Draws the graphic into rect of the canvas (stretched when sizes differ).
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;
    // Sets Modified and fires OnChange.
    virtual void Changed();
    // Sets the flag without firing OnChange, for changes made together.
    void StoreTransparent(bool transparent) { m_transparent = transparent; }

private:
    void ReadData(const TFormValue& value);

    bool m_transparent = false;
    bool m_modified = false;
};

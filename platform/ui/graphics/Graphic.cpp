#include "platform/ui/graphics/Graphic.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/FileStream.h"
#include "platform/core/FormDescription.h"
#include "platform/core/MemoryStream.h"

QZ_IMPLEMENT_CLASS(TGraphic);

void TGraphic::Publish(TClassBuilder<TGraphic>& c)
{
    c.DefinedProperty("Data", &TGraphic::ReadData);
}

void TGraphic::SetTransparent(bool transparent)
{
    if (transparent == m_transparent) return;
    m_transparent = transparent;
    Changed();
}

void TGraphic::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) const
{
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TGraphic::LoadFromMemory(std::span<const std::uint8_t> bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stream.SetPosition(0);
    LoadFromStream(stream);
}

void TGraphic::SetModified(bool modified)
{
    if (modified) Changed();
    else m_modified = false;
}

void TGraphic::Changed()
{
    m_modified = true;
    if (OnChange) OnChange(this);
}

void TGraphic::ReadData(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::Binary) throw EReadError("Graphic data must be binary");
    LoadFromMemory(value.Bytes);
}

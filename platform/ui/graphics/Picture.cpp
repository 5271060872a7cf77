#include "platform/ui/graphics/Picture.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Exception.h"
#include "platform/core/FormDescription.h"
#include "platform/core/MemoryStream.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Icon.h"

QZ_IMPLEMENT_CLASS(TPicture);

void TPicture::Publish(TClassBuilder<TPicture>& c)
{
    c.DefinedProperty("Data", &TPicture::ReadData);
}

namespace {

constexpr std::size_t kMaxClassNameLength = 63;  // bytes

// The kinds of graphic a picture can hold, by class name.
struct TGraphicKind {
    std::string_view Name;
    std::unique_ptr<TGraphic> (*Create)();
};
constexpr TGraphicKind kGraphicKinds[] = {
    {"TBitmap", [] { return std::unique_ptr<TGraphic>(std::make_unique<TBitmap>()); }},
    {"TIcon", [] { return std::unique_ptr<TGraphic>(std::make_unique<TIcon>()); }},
};

std::unique_ptr<TGraphic> CreateGraphic(std::string_view className)
{
    for (const TGraphicKind& kind : kGraphicKinds) {
        if (SameText(kind.Name, className)) return kind.Create();
    }
    throw EInvalidGraphic("Unknown picture format " + std::string(className));
}

bool IsClassName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxClassNameLength) return false;
    for (char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        if (!letter && !(c >= '0' && c <= '9')) return false;
    }
    return true;
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::SetGraphic(const TGraphic* graphic)
{
    if (graphic == m_graphic.get()) return;  // the same graphic, or nullptr for an empty picture
    if (!graphic) {
        Replace(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = CreateGraphic(graphic->ClassName());
    copy->Assign(*graphic);
    Replace(std::move(copy));
}

TBitmap* TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(m_graphic.get())) Replace(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(m_graphic.get());
}

void TPicture::SetBitmap(const TBitmap* bitmap)
{
    SetGraphic(bitmap);
}

TIcon* TPicture::Icon()
{
    if (!dynamic_cast<TIcon*>(m_graphic.get())) Replace(std::make_unique<TIcon>());
    return static_cast<TIcon*>(m_graphic.get());
}

void TPicture::SetIcon(const TIcon* icon)
{
    SetGraphic(icon);
}

int TPicture::Width() const
{
    return m_graphic ? m_graphic->Width() : 0;
}

int TPicture::Height() const
{
    return m_graphic ? m_graphic->Height() : 0;
}

void TPicture::LoadFromFile(const std::string& fileName)
{
    const std::string ext = LowerCase(ExtractFileExt(fileName));
    if (ext != ".bmp") throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFile(fileName);
    Replace(std::move(bitmap));
}

void TPicture::SaveToFile(const std::string& fileName) const
{
    if (!m_graphic) throw EInvalidGraphic("The picture is empty");
    m_graphic->SaveToFile(fileName);
}

std::vector<std::uint8_t> TPicture::Data() const
{
    if (!m_graphic) return {};
    TMemoryStream stream;
    m_graphic->SaveToStream(stream);
    return PictureData(m_graphic->ClassName(), {stream.Memory(), std::size_t(stream.Size())});
}

void TPicture::SetData(std::span<const std::uint8_t> data)
{
    if (data.empty()) {
        Replace(nullptr);
        return;
    }
    const std::size_t length = data[0];
    if (data.size() < 1 + length) throw EReadError("Picture data is cut short");
    const std::string_view className(reinterpret_cast<const char*>(data.data() + 1), length);
    if (!IsClassName(className)) throw EReadError("Picture data does not start with a class name");
    std::unique_ptr<TGraphic> graphic = CreateGraphic(className);
    graphic->LoadFromMemory(data.subspan(1 + length));
    Replace(std::move(graphic));
}

void TPicture::Assign(const TPersistent& source)
{
    if (const auto* picture = dynamic_cast<const TPicture*>(&source)) SetGraphic(picture->Graphic());
    else if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) SetGraphic(graphic);
    else inherited::Assign(source);
}

void TPicture::AssignTo(TPersistent& dest) const
{
    if (m_graphic && dynamic_cast<TGraphic*>(&dest)) dest.Assign(*m_graphic);
    else inherited::AssignTo(dest);
}

void TPicture::ReadData(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::Binary) throw EReadError("Picture data must be binary");
    SetData(value.Bytes);
}

void TPicture::Replace(std::unique_ptr<TGraphic> graphic)
{
    if (graphic) graphic->OnChange = [this](TObject*) { Changed(); };
    m_graphic = std::move(graphic);
    Changed();
}

void TPicture::Changed()
{
    if (OnChange) OnChange(this);
}

std::vector<std::uint8_t> PictureData(std::string_view className, std::span<const std::uint8_t> file)
{
    if (!IsClassName(className)) throw EInvalidGraphic("Invalid graphic class name " + std::string(className));
    std::vector<std::uint8_t> data;
    data.reserve(1 + className.size() + file.size());
    data.push_back(std::uint8_t(className.size()));
    data.insert(data.end(), className.begin(), className.end());
    data.insert(data.end(), file.begin(), file.end());
    return data;
}

std::string PictureDataHex(std::string_view className, std::span<const std::uint8_t> file, int lineWidth)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    int column = 0;
    auto put = [&](char digit) {
        if (lineWidth > 0 && column == lineWidth) {
            hex += '\n';
            column = 0;
        }
        hex += digit;
        ++column;
    };
    for (std::uint8_t byte : PictureData(className, file)) {
        put(kDigits[byte >> 4]);
        put(kDigits[byte & 15]);
    }
    return hex;
}

#include "tools/gallery/GalleryRender.h"

#include "platform/ui/forms/FormReader.h"
#include "platform/core/ResourceTable.h"
#include "platform/core/Resources.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/backends/headless/HeadlessBackend.h"
#include "tools/gallery/GalleryForm.h"
#include "tools/gallery/GallerySection.h"

#include <algorithm>
#include <memory>

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace {

constexpr int kSheetMargin = 8;        // pixels around and between cells
constexpr int kSheetHeaderHeight = 20;  // pixels; the style names

PixelBuffer Crop(const PixelBuffer& source, const TRect& rect)
{
    PixelBuffer out(rect.Width(), rect.Height());
    for (int y = 0; y < out.Height(); ++y) {
        for (int x = 0; x < out.Width(); ++x) out.At(x, y) = source.GetPixel(rect.Left + x, rect.Top + y);
    }
    return out;
}

void Paste(PixelBuffer& target, const PixelBuffer& source, TPoint at)
{
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) target.SetPixel(at.X + x, at.Y + y, source.At(x, y));
    }
}

// A headless desktop with the gallery shown on it in style, for draw.
template <class Draw>
auto OnHeadlessDesktop(const TGalleryStyle& style, const std::string& page, Draw draw)
{
    auto* backend = new win::HeadlessBackend();
    const WindowSystem system{std::unique_ptr<win::Backend>(backend)};
    PrepareGallery();
    const std::unique_ptr<TGalleryForm> form(NewForm<TGalleryForm>(Application));
    form->Build({BuiltInGalleryStyles(), style, page});
    form->SetLeft(0);
    form->SetTop(0);
    form->Show();
    Application->ProcessMessages();
    return draw(*backend, *form);
}

// The section's panel as the screen shows it now.
PixelBuffer CaptureSection(const win::HeadlessBackend& backend, const TGalleryForm& form, std::string_view name)
{
    const TPanel* body = form.SectionBody(name);
    const TPoint origin = body->ClientToScreen({0, 0});
    return Crop(backend.CaptureScreen(), TRect::FromSize(origin.X, origin.Y, body->Width(), body->Height()));
}

}  // namespace

void PrepareGallery()
{
    RegisterResources(AppResources());
    RegisterStandardClasses();
}

PixelBuffer RenderGalleryWindow(const TGalleryStyle& style, const std::string& page)
{
    return OnHeadlessDesktop(style, page, [](const win::HeadlessBackend& backend, TGalleryForm& form) {
        return backend.CaptureWindow(form.Handle());
    });
}

PixelBuffer RenderGallerySection(const TGalleryStyle& style, std::string_view section)
{
    return OnHeadlessDesktop(style, std::string(section), [section](const win::HeadlessBackend& backend, TGalleryForm& form) {
        return CaptureSection(backend, form, section);
    });
}

namespace {

void CollectPlaces(const TWinControl* container, const TGalleryForm& form, std::vector<TGalleryPlace>& places)
{
    for (int i = 0; i < container->ControlCount(); ++i) {
        const TControl* control = container->Controls(i);
        if (!control->Name().empty()) {
            const TPoint at = form.ScreenToClient(control->ClientToScreen({0, 0}));
            places.push_back({control->Name(), TRect::FromSize(at.X, at.Y, control->Width(), control->Height())});
        }
        if (const auto* child = dynamic_cast<const TWinControl*>(control)) CollectPlaces(child, form, places);
    }
}

}  // namespace

std::vector<TGalleryPlace> GalleryLayout(const TGalleryStyle& style, const std::string& page)
{
    return OnHeadlessDesktop(style, page, [](const win::HeadlessBackend&, TGalleryForm& form) {
        std::vector<TGalleryPlace> places;
        CollectPlaces(&form, form, places);
        return places;
    });
}

PixelBuffer RenderContactSheet(const std::vector<TGalleryStyle>& styles)
{
    const TGalleryStyle first = styles.empty() ? TGalleryStyle{} : styles.front();
    return OnHeadlessDesktop(first, {}, [&styles](const win::HeadlessBackend& backend, TGalleryForm& form) {
        // cells[style][section]
        std::vector<std::vector<PixelBuffer>> cells;
        for (const TGalleryStyle& style : styles) {
            form.ShowStyle(style);
            Application->ProcessMessages();
            auto& column = cells.emplace_back();
            for (const TGallerySection& section : GallerySections()) column.push_back(CaptureSection(backend, form, section.Name));
        }
        int cellWidth = 0;
        std::vector<int> rowHeights(GallerySections().size());
        for (const auto& column : cells) {
            for (std::size_t row = 0; row < column.size(); ++row) {
                cellWidth = std::max(cellWidth, column[row].Width());
                rowHeights[row] = std::max(rowHeights[row], column[row].Height());
            }
        }
        int height = kSheetHeaderHeight + kSheetMargin;
        for (int rowHeight : rowHeights) height += rowHeight + kSheetMargin;
        const int width = kSheetMargin + int(cells.size()) * (cellWidth + kSheetMargin);

        TBitmap sheet(width, height);
        TCanvas* canvas = sheet.Canvas();
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect({0, 0, width, height});
        for (std::size_t column = 0; column < cells.size(); ++column) {
            const int left = kSheetMargin + int(column) * (cellWidth + kSheetMargin);
            canvas->TextOut(left, 2, styles[column].Name);
            int top = kSheetHeaderHeight + kSheetMargin;
            for (std::size_t row = 0; row < cells[column].size(); ++row) {
                Paste(sheet.Pixels(), cells[column][row], {left, top});
                top += rowHeights[row] + kSheetMargin;
            }
        }
        return PixelBuffer(sheet.Pixels());
    });
}

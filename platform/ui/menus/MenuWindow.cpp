#include "platform/ui/menus/MenuWindow.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/ui/menus/Menu.h"
#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/forms/Screen.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <utility>

QZ_IMPLEMENT_CLASS(TMenuWindow);

void TMenuWindow::Publish(TClassBuilder<TMenuWindow>& /*c*/) {}

TMenuWindow::TMenuWindow(TMenuItem& parentItem, HWND owner)
    : TCustomControl(nullptr), m_parentItem(parentItem), m_owner(owner)
{
    SetControlStyle({csOpaque});
    for (int i = 0; i < parentItem.Count(); ++i) {
        if (parentItem.Items(i)->Visible()) m_shown.push_back(parentItem.Items(i));
    }
}

void TMenuWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPSIBLINGS;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WndParent = m_owner;
}

TMenuItem* TMenuWindow::Item(int index) const
{
    return index >= 0 && index < ItemCount() ? m_shown[std::size_t(index)] : nullptr;
}

void TMenuWindow::Select(int index)
{
    if (index < -1 || index >= ItemCount() || index == m_selected) return;
    const int old = std::exchange(m_selected, index);
    if (!HandleAllocated()) return;
    for (const int i : {old, index}) {
        if (i >= 0) InvalidateRect(WindowHandle(), &m_layout.Items[std::size_t(i)], false);
    }
}

TRect TMenuWindow::ScreenRect() const
{
    RECT rect;
    if (!HandleAllocated() || !GetWindowRect(WindowHandle(), rect)) return {};
    return rect;
}

int TMenuWindow::ItemAtScreen(TPoint screen) const
{
    const TRect window = ScreenRect();
    if (!window.Contains(screen)) return -1;
    return m_layout.ItemAt({screen.X - window.Left, screen.Y - window.Top});
}

TRect TMenuWindow::ItemScreenRect(int index) const
{
    if (index < 0 || index >= int(m_layout.Items.size())) return {};
    const TRect window = ScreenRect();
    return m_layout.Items[std::size_t(index)].Offset(window.Left, window.Top);
}

TImageList* TMenuWindow::Images() const
{
    const TMenu* menu = m_parentItem.GetParentMenu();
    return menu ? menu->Images() : nullptr;
}

bool TMenuWindow::HasImage(const TMenuItem& item) const
{
    const TImageList* images = Images();
    return images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count();
}

void TMenuWindow::Measure()
{
    TCanvas* canvas = Canvas();
    canvas->SetFont(Screen->MenuFont());
    const TImageList* images = Images();
    const int check = GetSystemMetrics(SM_CXMENUCHECK);
    m_metrics.TextHeight = canvas->TextHeight("Ag");
    m_metrics.GlyphWidth = std::max(check, images ? images->Width() : 0);
    m_metrics.GlyphHeight = std::max(check, images ? images->Height() : 0);
    std::vector<TSize> sizes;
    for (TMenuItem* item : m_shown) sizes.push_back(MeasureItem(*item));
    m_layout = LayoutMenu(sizes);
}

TSize TMenuWindow::MeasureItem(TMenuItem& item)
{
    TCanvas* canvas = Canvas();
    PrepareCanvas(item, false);
    TPlainItemMeasure measure;
    measure.Separator = item.IsLine();
    if (!measure.Separator) {
        RECT text{};
        DrawText(canvas->Handle(), item.Caption(), -1, text, DT_CALCRECT | DT_SINGLELINE);
        measure.CaptionWidth = text.Width();
        const std::string shortCut = ShortCutToText(item.ShortCut());
        measure.ShortCutWidth = shortCut.empty() ? 0 : canvas->TextWidth(shortCut);
    }
    TSize size = PlainItemSize(measure, m_metrics);
    if (item.OnMeasureItem) {
        item.OnMeasureItem(&item, canvas, size.cx, size.cy);
        size = {std::max(size.cx, 0), std::max(size.cy, 0)};
    }
    return size;
}

void TMenuWindow::ShowPopup(TPoint screen)
{
    Measure();
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    ShowAt(PlacePopupMenu(screen, m_layout.WindowSize, work));
}

void TMenuWindow::ShowSubmenu(const TRect& parentWindow, const TRect& itemScreen)
{
    Measure();
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    ShowAt(PlaceSubmenu(parentWindow, itemScreen, m_layout.WindowSize, work));
}

void TMenuWindow::ShowAt(TPoint topLeft)
{
    const TSize size = m_layout.WindowSize;
    SetBounds(topLeft.X, topLeft.Y, size.cx, size.cy);
    SetWindowPos(Handle(), HWND_TOPMOST, topLeft.X, topLeft.Y, size.cx, size.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

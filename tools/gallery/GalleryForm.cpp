#include "tools/gallery/GalleryForm.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Exception.h"
#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/lists/ComboBox.h"
#include "skin/core/FileTheme.h"
#include "skin/core/ThemeUse.h"
#include "tools/gallery/GallerySection.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TGalleryForm);

void TGalleryForm::Publish(TClassBuilder<TGalleryForm>& /*c*/) {}

namespace {

constexpr int kStyleListWidth = 160;  // pixels
constexpr int kStyleListTop = 5;      // pixels

// Hands the style to the skinned children of container and of every
// container below it.
void ApplyStyleTree(TWinControl* container, TsuiUIStyle style, TsuiFileTheme* fileTheme)
{
    ContainerApplyUIStyle(container, style, fileTheme);
    for (int i = 0; i < container->ControlCount(); ++i) {
        if (auto* child = dynamic_cast<TWinControl*>(container->Controls(i))) ApplyStyleTree(child, style, fileTheme);
    }
}

// The size that holds every child of parent.
TSize ExtentOfChildren(const TWinControl* parent)
{
    TSize size;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        const TRect bounds = parent->Controls(i)->BoundsRect();
        size.cx = std::max(size.cx, bounds.Right);
        size.cy = std::max(size.cy, bounds.Bottom);
    }
    return size;
}

}  // namespace

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {}

void TGalleryForm::Build(const TGalleryOptions& options)
{
    if (m_styleList) throw EInvalidOperation("The gallery page is built already");
    m_styles = options.Styles;
    m_current = options.Initial;
    if (std::find(m_styles.begin(), m_styles.end(), m_current) == m_styles.end()) m_styles.push_back(m_current);
    SetCaption("皮肤组件样例");
    SetBorderStyle(bsSingle);
    SetColor(clBtnFace);
    m_fileTheme = new TsuiFileTheme(this);
    m_fileTheme->SetName("ftGallery");
    BuildBar();

    if (options.Page.empty()) {
        for (const TGallerySection& section : GallerySections()) BuildSection(section);
    } else {
        const TGallerySection* section = FindGallerySection(options.Page);
        if (!section) throw EInvalidOperation("没有这一节：" + options.Page);
        BuildSection(*section);
    }
    int width = kMinWidth;
    int height = kBarHeight;
    for (const auto& [name, body] : m_bodies) {
        width = std::max(width, body->Left() + body->Width() + kMargin);
        height = std::max(height, body->Top() + body->Height() + kMargin);
    }
    SetClientWidth(width);
    SetClientHeight(height);
    ShowStyle(m_current);
}

void TGalleryForm::BuildBar()
{
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetCaption("外观：");
    label->SetBounds(kMargin, kStyleListTop + 4, 40, 16);
    m_styleList = new TComboBox(this);
    m_styleList->SetName("cbStyle");
    m_styleList->SetParent(this);
    m_styleList->SetStyle(csDropDownList);
    m_styleList->SetBounds(kMargin + 44, kStyleListTop, kStyleListWidth, 21);
    for (const TGalleryStyle& style : m_styles) m_styleList->Items()->Add(style.Name);
    m_styleList->OnChange = [this](TObject*) { StyleChosen(); };
}

void TGalleryForm::BuildSection(const TGallerySection& section)
{
    auto* title = new TLabel(this);
    title->SetParent(this);
    title->SetCaption(std::string(section.Title));

    auto* body = new TPanel(this);
    body->SetName("sec" + std::string(section.Name));
    body->SetParent(this);
    body->SetCaption("");
    body->SetBevelOuter(bvNone);
    body->SetBounds(0, 0, 10, 10);
    section.Build(body);
    const TSize extent = ExtentOfChildren(body);
    const TSize size{extent.cx + kMargin, extent.cy + kMargin};

    // A section that would end below the column's limit opens the next
    // column, so that the page fits a small screen.
    if (m_columnBottom > kBarHeight && m_columnBottom + kMargin + kTitleHeight + size.cy > kColumnLimit) {
        m_columnLeft = m_columnRight + kMargin;
        m_columnBottom = kBarHeight;
    }
    const int top = m_columnBottom + kMargin;
    title->SetBounds(m_columnLeft, top, 200, kTitleHeight);
    body->SetBounds(m_columnLeft, top + kTitleHeight, size.cx, size.cy);
    m_columnBottom = body->Top() + body->Height();
    m_columnRight = std::max(m_columnRight, body->Left() + body->Width());
    m_bodies.emplace_back(std::string(section.Name), body);
}

TPanel* TGalleryForm::SectionBody(std::string_view name) const
{
    for (const auto& [section, body] : m_bodies) {
        if (SameText(section, name)) return body;
    }
    return nullptr;
}

void TGalleryForm::StyleChosen()
{
    const int index = m_styleList->ItemIndex();
    if (index >= 0 && index < int(m_styles.size())) ShowStyle(m_styles[std::size_t(index)]);
}

void TGalleryForm::ShowStyle(const TGalleryStyle& style)
{
    m_current = style;
    const auto at = std::find(m_styles.begin(), m_styles.end(), style);
    if (at != m_styles.end()) m_styleList->SetItemIndex(int(at - m_styles.begin()));
    TsuiFileTheme* fileTheme = nullptr;
    if (style.Style == FromThemeFile) {
        m_fileTheme->SetThemeFile(style.ThemeFile);
        if (!m_fileTheme->CanUse()) throw EInvalidOperation("无法读取主题文件：" + style.ThemeFile);
        fileTheme = m_fileTheme;
    }
    ApplyStyleTree(this, style.Style, fileTheme);
}

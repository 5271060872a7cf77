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

    int bottom = kBarHeight;
    if (options.Page.empty()) {
        for (const TGallerySection& section : GallerySections()) bottom = BuildSection(section, bottom);
    } else {
        const TGallerySection* section = FindGallerySection(options.Page);
        if (!section) throw EInvalidOperation("没有这一节：" + options.Page);
        bottom = BuildSection(*section, bottom);
    }
    int width = kMinWidth;
    for (const auto& [name, body] : m_bodies) width = std::max(width, body->Left() + body->Width() + kMargin);
    SetClientWidth(width);
    SetClientHeight(bottom + kMargin);
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

int TGalleryForm::BuildSection(const TGallerySection& section, int top)
{
    auto* title = new TLabel(this);
    title->SetParent(this);
    title->SetCaption(std::string(section.Title));
    title->SetBounds(kMargin, top + kMargin, 200, kTitleHeight);

    auto* body = new TPanel(this);
    body->SetName("sec" + std::string(section.Name));
    body->SetParent(this);
    body->SetCaption("");
    body->SetBevelOuter(bvNone);
    body->SetBounds(kMargin, top + kMargin + kTitleHeight, 10, 10);
    section.Build(body);
    const TSize extent = ExtentOfChildren(body);
    body->SetBounds(body->Left(), body->Top(), extent.cx + kMargin, extent.cy + kMargin);
    m_bodies.emplace_back(std::string(section.Name), body);
    return body->Top() + body->Height();
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

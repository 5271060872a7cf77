#pragma once
// TGalleryForm: the gallery's window. A bar at the top chooses the look
// (the five built-in styles, then the theme files offered); below it every
// section, or the one section asked for, each under its title on a panel
// of its own. Choosing a look hands it to every skinned component of the
// page, nested ones included.

#include "platform/ui/forms/Form.h"
#include "tools/gallery/GalleryStyle.h"

#include <string>
#include <vector>

class TComboBox;
class TPanel;
class TsuiFileTheme;
struct TGallerySection;

struct TGalleryOptions {
    std::vector<TGalleryStyle> Styles;  // offered in the style list, in order
    TGalleryStyle Initial;              // shown first (added to the list when missing)
    std::string Page;                   // one section's name; empty: every section
};

class TGalleryForm : public TForm {
    QZ_DECLARE_CLASS(TGalleryForm, TForm)

public:
    static constexpr int kMargin = 8;        // pixels around and between sections
    static constexpr int kBarHeight = 32;    // pixels
    static constexpr int kTitleHeight = 18;  // pixels
    static constexpr int kMinWidth = 320;    // pixels
    static constexpr int kColumnLimit = 640; // pixels: sections flow into columns no taller

    explicit TGalleryForm(TComponent* owner);

    // Builds the page once; raises EInvalidOperation for an unknown page.
    void Build(const TGalleryOptions& options);

    // Shows the page in style (also picks it in the style list).
    void ShowStyle(const TGalleryStyle& style);
    [[nodiscard]] const TGalleryStyle& CurrentStyle() const { return m_current; }
    // The panel a section was built on, or nullptr.
    [[nodiscard]] TPanel* SectionBody(std::string_view name) const;

private:
    void BuildBar();
    // Builds the section under its title at the foot of the current column.
    void BuildSection(const TGallerySection& section);
    void StyleChosen();

    std::vector<TGalleryStyle> m_styles;
    TGalleryStyle m_current;
    TComboBox* m_styleList = nullptr;
    TsuiFileTheme* m_fileTheme = nullptr;
    std::vector<std::pair<std::string, TPanel*>> m_bodies;
    int m_columnLeft = kMargin;     // pixels: where the current column starts
    int m_columnRight = kMargin;    // pixels: the right edge of the widest section so far
    int m_columnBottom = kBarHeight;  // pixels: the foot of the current column

};

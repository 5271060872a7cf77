#pragma once
// The gallery's sections: one per family of skinned components, each built
// by a function of its own file (ButtonsSection.cpp ...) on the parent it is
// given, and listed once in GallerySections.cpp. A section places its
// components from (0, 0) on; the page sizes the parent to what it holds and
// hands the chosen style to every skinned component in it.

#include <span>
#include <string_view>

#include "platform/ui/base/WinControl.h"

struct TGallerySection {
    std::string_view Name;   // for --page; also names the goldens
    std::string_view Title;  // shown above the section
    void (*Build)(TWinControl* parent);
};

[[nodiscard]] std::span<const TGallerySection> GallerySections();
// The owner of a section's components: the page's form, so that scripted
// input finds them by name there.
[[nodiscard]] inline TComponent* GalleryOwner(TWinControl* parent)
{
    return parent->Owner() ? parent->Owner() : parent;
}

// The section of that name (ASCII case ignored), or nullptr.
[[nodiscard]] const TGallerySection* FindGallerySection(std::string_view name);

#include "skin/core/FileTheme.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/PropertyAccess.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/forms/CustomForm.h"
#include "skin/core/FileThemeMgr.h"
#include "skin/core/SUIPublic.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

QZ_IMPLEMENT_CLASS(TsuiFileTheme);

void TsuiFileTheme::Publish(TClassBuilder<TsuiFileTheme>& c)
{
    c.Creatable<TComponent>();
    c.Property("ThemeFile", &TsuiFileTheme::ThemeFile, &TsuiFileTheme::SetThemeFile);
}

namespace {

// The folder of the running program, with a trailing separator.
std::optional<std::string> ExecutableDir()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    return ExtractFilePath(exe.string());
}

// Only skinned components take part in the style contract.
constexpr std::string_view kSkinClassPrefix = "Tsui";

}  // namespace

TsuiFileTheme::TsuiFileTheme(TComponent* owner) : TComponent(owner), m_mgr(std::make_unique<TsuiFileThemeMgr>()) {}

TsuiFileTheme::~TsuiFileTheme() = default;

void TsuiFileTheme::SetThemeFile(const std::string& name)
{
    if (name == m_themeFile) return;
    std::string path = name;
    if (!FileExists(path)) {
        const std::optional<std::string> dir = ExecutableDir();
        if (!dir) return;
        path = *dir + ExtractFileName(name);
        if (!FileExists(path)) return;
    }
    m_themeFile = path;
    m_canUse = m_mgr->LoadFromFile(path);
    if (m_canUse) RefreshUsers();
}

void TsuiFileTheme::RefreshUsers()
{
    const auto* form = dynamic_cast<const TCustomForm*>(Owner());
    if (!form) return;
    // A component's setter may free others: re-check the count each time.
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent* component = form->Components(i);
        if (!std::string_view(component->ClassName()).starts_with(kSkinClassPrefix)) continue;
        if (!IsPublishedProp(*component, "FileTheme")) continue;
        if (GetObjectProp(*component, "FileTheme") != this) continue;
        SetObjectProp(*component, "FileTheme", this);
    }
}

void TsuiFileTheme::GetBitmap(int id, TBitmap* buf)
{
    m_mgr->GetBitmap(id, buf);
}

void TsuiFileTheme::GetBitmap(int id, TBitmap* buf, int count, int index)
{
    if (!buf) return;
    TBitmap strip;
    m_mgr->GetBitmap(id, &strip);
    SpitBitmap(&strip, buf, count, index);
}

bool TsuiFileTheme::GetBool(int id) const
{
    return m_mgr->GetBool(id);
}

TColor TsuiFileTheme::GetColor(int id) const
{
    return m_mgr->GetColor(id);
}

int TsuiFileTheme::GetInt(int id) const
{
    return m_mgr->GetInt(id);
}

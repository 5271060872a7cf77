#include "skin/core/ThemeManager.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/PropertyAccess.h"
#include "platform/ui/forms/CustomForm.h"
#include "skin/core/FileTheme.h"
#include "skin/core/ThemeManagerCompList.h"

QZ_IMPLEMENT_CLASS(TsuiThemeManager);

void TsuiThemeManager::Publish(TClassBuilder<TsuiThemeManager>& c)
{
    c.Creatable<TComponent>();
    c.Property("UIStyle", &TsuiThemeManager::UIStyle, &TsuiThemeManager::SetUIStyle).Default(DeepBlue);
    c.Reference("FileTheme", &TsuiThemeManager::FileTheme, &TsuiThemeManager::SetFileTheme);
    c.SubObject("CompList", &TsuiThemeManager::CompList, &TsuiThemeManager::SetList);
}

TsuiThemeManager::TsuiThemeManager(TComponent* owner)
    : TComponent(owner), m_compList(std::make_unique<TsuiThemeMgrCompList>())
{
}

TsuiThemeManager::~TsuiThemeManager() = default;

void TsuiThemeManager::SetUIStyle(TsuiUIStyle style)
{
    m_uiStyle = style;
    UpdateAll();
}

void TsuiThemeManager::SetFileTheme(TsuiFileTheme* fileTheme)
{
    if (fileTheme != m_fileTheme) {
        // A theme on another form tells us when it goes; one on our form does anyway.
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        if (fileTheme) fileTheme->FreeNotification(this);
    }
    m_fileTheme = fileTheme;
    SetUIStyle(m_uiStyle);
}

void TsuiThemeManager::SetList(const TStrings* list)
{
    if (list == m_compList.get()) return;
    if (list) m_compList->Assign(*list);
    else m_compList->Clear();
}

void TsuiThemeManager::UpdateAll()
{
    const auto* form = dynamic_cast<const TCustomForm*>(Owner());
    if (!form) return;
    // A setter may free a listed component, which deletes its line: re-check the count.
    for (int i = 0; i < m_compList->Count(); ++i) {
        TComponent* component = form->FindComponent(m_compList->Strings(i));
        if (!component) continue;
        SetOrdProp(*component, "UIStyle", m_uiStyle);
        SetObjectProp(*component, "FileTheme", m_fileTheme);
    }
}

void TsuiThemeManager::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (!component || operation != opRemove) return;
    if (component != this && !component->Name().empty()) {
        const int line = m_compList->IndexOf(component->Name());
        if (line >= 0) m_compList->Delete(line);
    }
    if (component == m_fileTheme) {
        m_fileTheme = nullptr;
        m_uiStyle = DeepBlue;
    }
}

#include "ThemeManagerTestProbes.h"

#include "platform/core/ClassBuilder.h"
#include "skin/core/FileTheme.h"

namespace themetest {

std::vector<std::string>& ProbeLog()
{
    static std::vector<std::string> log;
    return log;
}

void TThemeProbeBase::SetUIStyle(TsuiUIStyle style)
{
    m_uiStyle = style;
    Source = UsingFileTheme(m_fileTheme, style);
    ProbeLog().push_back(Name() + ".UIStyle=" + GetEnumName(EnumInfoOf(style), style));
}

void TThemeProbeBase::SetFileTheme(TsuiFileTheme* fileTheme)
{
    m_fileTheme = fileTheme;
    ProbeLog().push_back(Name() + ".FileTheme=" + (fileTheme ? fileTheme->Name() : "nil"));
    SetUIStyle(m_uiStyle);
}

void TThemeProbeBase::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component && component == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

template <class T>
void PublishStyle(TClassBuilder<T>& c)
{
    c.template Creatable<TComponent>();
    c.Property("UIStyle", &T::UIStyle, &T::SetUIStyle);
}

QZ_IMPLEMENT_CLASS(TsuiThemeProbe);
void TsuiThemeProbe::Publish(TClassBuilder<TsuiThemeProbe>& c)
{
    PublishStyle(c);
    c.Reference("FileTheme", &TsuiThemeProbe::FileTheme, &TsuiThemeProbe::SetFileTheme);
}

QZ_IMPLEMENT_CLASS(TPlainThemeProbe);
void TPlainThemeProbe::Publish(TClassBuilder<TPlainThemeProbe>& c)
{
    PublishStyle(c);
    c.Reference("FileTheme", &TPlainThemeProbe::FileTheme, &TPlainThemeProbe::SetFileTheme);
}

QZ_IMPLEMENT_CLASS(TsuiStyleOnlyProbe);
void TsuiStyleOnlyProbe::Publish(TClassBuilder<TsuiStyleOnlyProbe>& c)
{
    PublishStyle(c);
}

}  // namespace themetest

#pragma once
// Stand-ins for skinned components in the theme tests: controls that publish
// UIStyle and FileTheme and keep the style contract (ThemeUse.h), logging
// every setter call as "<name>.<property>=<value>".

#include "platform/ui/base/CustomControl.h"
#include "skin/core/ThemeUse.h"

#include <string>
#include <vector>

namespace themetest {

// Every probe's setter calls, in order.
std::vector<std::string>& ProbeLog();

class TThemeProbeBase : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_uiStyle; }
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_fileTheme; }
    void SetFileTheme(TsuiFileTheme* fileTheme);

    TThemeSource Source;  // what the last UIStyle setter decided

protected:
    // The removal of the file theme falls back to DeepBlue.
    void Notification(TComponent* component, TOperation operation) override;

private:
    TsuiUIStyle m_uiStyle = DeepBlue;
    TsuiFileTheme* m_fileTheme = nullptr;
};

// A skinned component: both properties and a class name starting with "Tsui".
class TsuiThemeProbe : public TThemeProbeBase {
    QZ_DECLARE_CLASS(TsuiThemeProbe, TCustomControl)
public:
    using TThemeProbeBase::TThemeProbeBase;
};

// Both properties, no skin class name.
class TPlainThemeProbe : public TThemeProbeBase {
    QZ_DECLARE_CLASS(TPlainThemeProbe, TCustomControl)
public:
    using TThemeProbeBase::TThemeProbeBase;
};

// UIStyle only.
class TsuiStyleOnlyProbe : public TThemeProbeBase {
    QZ_DECLARE_CLASS(TsuiStyleOnlyProbe, TCustomControl)
public:
    using TThemeProbeBase::TThemeProbeBase;
};

}  // namespace themetest

#pragma once
// TsuiThemeManager: sets one style and one file theme on a list of
// components of its form at once. CompList names the components, one a
// line (letter case ignored); UpdateAll sets each named component's
// published UIStyle and then FileTheme through property access by name, so
// that the component's own setters restyle it.
//
// Setting UIStyle or FileTheme runs UpdateAll; setting CompList does not,
// so a form description (which sets UIStyle before CompList) applies
// nothing while it is read. Only a manager owned by a form styles anything.
// A listed name that matches no component is skipped and kept; a listed
// component without UIStyle or FileTheme raises EPropertyError ("Property
// UIStyle does not exist") and the lines after it are not applied.
//
// When a named component of the form goes away, the first line naming it
// leaves CompList; when the file theme goes away, FileTheme becomes null and
// UIStyle DeepBlue, without UpdateAll (the components themselves fall back
// to DeepBlue). A file theme on another form is watched the same way.

#include "platform/ui/base/Component.h"
#include "skin/core/UIStyle.h"

#include <memory>

class TStrings;
class TsuiFileTheme;
class TsuiThemeMgrCompList;

class TsuiThemeManager : public TComponent {
    QZ_DECLARE_CLASS(TsuiThemeManager, TComponent)

public:
    explicit TsuiThemeManager(TComponent* owner);
    ~TsuiThemeManager() override;

    [[nodiscard]] TsuiUIStyle UIStyle() const { return m_uiStyle; }
    // Stores the style, then UpdateAll, also when it did not change.
    void SetUIStyle(TsuiUIStyle style);
    [[nodiscard]] TsuiFileTheme* FileTheme() const { return m_fileTheme; }
    // Stores the reference, then sets UIStyle again (so UpdateAll runs).
    void SetFileTheme(TsuiFileTheme* fileTheme);
    [[nodiscard]] TsuiThemeMgrCompList* CompList() const { return m_compList.get(); }
    // Copies list's lines (null empties the list); applies nothing.
    void SetList(const TStrings* list);

    void UpdateAll();
    void UpdateTheme() { UpdateAll(); }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TsuiUIStyle m_uiStyle = DeepBlue;
    TsuiFileTheme* m_fileTheme = nullptr;
    std::unique_ptr<TsuiThemeMgrCompList> m_compList;
};

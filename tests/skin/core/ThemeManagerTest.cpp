// The theme manager: CompList walked in order by name (letter case
// ignored), unknown names skipped and kept, the property error that stops
// the walk, managers outside forms, copying CompList, the file theme handed
// on, the notifications that keep CompList and FileTheme valid, and reading
// a manager from a form description.

#include "ThemeManagerTestProbes.h"

#include "platform/core/ClassInfo.h"
#include "platform/core/PropertyAccess.h"
#include "platform/ui/forms/FormReader.h"
#include "skin/core/FileTheme.h"
#include "skin/core/ThemeManager.h"
#include "skin/core/ThemeManagerCompList.h"
#include "tests/ui/UiTestFixture.h"

namespace {

using namespace themetest;
using Log = std::vector<std::string>;
using Lines = std::vector<std::string>;

class ThemeManagerTest : public uitest::UiTest {
protected:
    ThemeManagerTest() { ProbeLog().clear(); }

    template <class T>
    T* Named(const std::string& name, TComponent* owner = nullptr)
    {
        auto* component = new T(owner ? owner : form);
        component->SetName(name);
        return component;
    }
    static void List(TsuiThemeManager* manager, const Lines& names)
    {
        TsuiThemeMgrCompList lines;
        for (const std::string& name : names) lines.Add(name);
        manager->SetList(&lines);
    }
    [[nodiscard]] Lines CompList() const
    {
        Lines lines;
        for (int i = 0; i < manager->CompList()->Count(); ++i) lines.push_back(manager->CompList()->Strings(i));
        return lines;
    }

    TForm* form = new TForm(&App());
    TsuiThemeManager* manager = Named<TsuiThemeManager>("sTM");
};

TEST_F(ThemeManagerTest, StylesListedComponentsInListOrder)
{
    auto* a = Named<TsuiThemeProbe>("a");
    Named<TsuiThemeProbe>("sedPth");
    auto* unlisted = Named<TsuiThemeProbe>("c");
    List(manager, {"SEDPTH", "ghost", "a"});
    ProbeLog().clear();
    manager->SetUIStyle(MacOS);
    EXPECT_EQ(ProbeLog(), (Log{"sedPth.UIStyle=MacOS", "sedPth.FileTheme=nil", "sedPth.UIStyle=MacOS",
                               "a.UIStyle=MacOS", "a.FileTheme=nil", "a.UIStyle=MacOS"}));
    EXPECT_EQ(CompList(), (Lines{"SEDPTH", "ghost", "a"})) << "unknown names stay";
    EXPECT_EQ(unlisted->UIStyle(), DeepBlue);
    manager->UpdateTheme();
    EXPECT_EQ(ProbeLog().size(), 12u) << "the same style applies again";
    EXPECT_EQ(a->UIStyle(), MacOS);
}

TEST_F(ThemeManagerTest, MissingPropertyStopsTheWalk)
{
    auto* first = Named<TsuiThemeProbe>("first");
    auto* styleOnly = Named<TsuiStyleOnlyProbe>("styleOnly");
    auto* after = Named<TsuiThemeProbe>("after");
    Named<TComponent>("plain");
    List(manager, {"first", "styleOnly", "after"});
    try {
        manager->SetUIStyle(BlueGlass);
        ADD_FAILURE() << "no property error";
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message, "Property FileTheme does not exist");
    }
    EXPECT_EQ(first->UIStyle(), BlueGlass);
    EXPECT_EQ(styleOnly->UIStyle(), BlueGlass) << "UIStyle is set first";
    EXPECT_EQ(after->UIStyle(), DeepBlue);
    List(manager, {"plain"});
    try {
        manager->SetUIStyle(MacOS);
        ADD_FAILURE() << "no property error";
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message, "Property UIStyle does not exist");
    }
}

TEST_F(ThemeManagerTest, ManagerOutsideAFormStylesNothing)
{
    TComponent module(nullptr);
    auto* loose = Named<TsuiThemeManager>("loose", &module);
    Named<TsuiThemeProbe>("a", &module);
    List(loose, {"a"});
    loose->SetUIStyle(MacOS);
    TsuiThemeManager orphan(nullptr);
    List(&orphan, {"a"});
    orphan.SetUIStyle(MacOS);
    EXPECT_TRUE(ProbeLog().empty());
}

TEST_F(ThemeManagerTest, AssigningCompListCopiesLinesAndAppliesNothing)
{
    Named<TsuiThemeProbe>("a");
    TsuiThemeMgrCompList lines;
    lines.Add("a");
    SetObjectProp(*manager, "CompList", &lines);
    lines.Add("b");
    EXPECT_EQ(CompList(), (Lines{"a"}));
    EXPECT_TRUE(ProbeLog().empty());
    EXPECT_FALSE(manager->CompList()->Sorted());
    manager->SetList(nullptr);
    EXPECT_TRUE(CompList().empty());
}

TEST_F(ThemeManagerTest, PublishedInOrderWithDeepBlueFirst)
{
    std::vector<std::string> names;
    for (const TPropInfo* p : TsuiThemeManager::StaticClassInfo().Properties()) names.push_back(p->Name);
    EXPECT_EQ(Lines(names.end() - 3, names.end()), (Lines{"UIStyle", "FileTheme", "CompList"}));
    EXPECT_EQ(GetEnumProp(*manager, "UIStyle"), "DeepBlue");
}

TEST_F(ThemeManagerTest, FileThemeIsHandedOnAfterTheStyle)
{
    auto* theme = Named<TsuiFileTheme>("ft");
    auto* a = Named<TsuiThemeProbe>("a");
    List(manager, {"a"});
    manager->SetUIStyle(FromThemeFile);
    ProbeLog().clear();
    manager->SetFileTheme(theme);
    EXPECT_EQ(ProbeLog(), (Log{"a.UIStyle=FromThemeFile", "a.FileTheme=ft", "a.UIStyle=FromThemeFile"}));
    // The theme loaded no file: the component reads FromThemeFile and draws as DeepBlue.
    EXPECT_EQ(a->UIStyle(), FromThemeFile);
    EXPECT_FALSE(a->Source.FromFile);
    EXPECT_EQ(a->Source.Style, DeepBlue);
}

TEST_F(ThemeManagerTest, DestroyingAComponentDeletesItsFirstLine)
{
    auto* a = Named<TsuiThemeProbe>("a");
    auto* b = Named<TsuiThemeProbe>("b");
    List(manager, {"A", "b", "a"});
    delete a;
    EXPECT_EQ(CompList(), (Lines{"b", "a"}));
    delete Named<TsuiThemeProbe>("unlisted");
    delete b;
    EXPECT_EQ(CompList(), (Lines{"a"}));
}

TEST_F(ThemeManagerTest, RemovedFileThemeFallsBackToDeepBlueWithoutUpdateAll)
{
    auto* theme = Named<TsuiFileTheme>("ft");
    auto* a = Named<TsuiThemeProbe>("a");
    List(manager, {"a"});
    manager->SetUIStyle(FromThemeFile);
    manager->SetFileTheme(theme);
    ProbeLog().clear();
    delete theme;
    EXPECT_EQ(manager->FileTheme(), nullptr);
    EXPECT_EQ(manager->UIStyle(), DeepBlue);
    EXPECT_EQ(ProbeLog(), (Log{"a.UIStyle=DeepBlue"})) << "only the component's own fallback";
    EXPECT_EQ(a->FileTheme(), nullptr);

    auto* other = new TForm(&App());
    manager->SetFileTheme(Named<TsuiFileTheme>("ft", other));
    delete other;
    EXPECT_EQ(manager->FileTheme(), nullptr) << "a theme on another form is dropped too";
}

TEST_F(ThemeManagerTest, FormDescriptionAppliesNothingWhileRead)
{
    auto* read = new TForm(&App());
    ReadForm(*read, "object f: TForm\n"
                    "  object p1: TsuiThemeProbe\n    UIStyle = WinXP\n  end\n"
                    "  object m: TsuiThemeManager\n    UIStyle = MacOS\n"
                    "    CompList.Strings = (\n      'p1'\n      'nobody')\n  end\n"
                    "end");
    auto* p1 = static_cast<TsuiThemeProbe*>(read->FindComponent("p1"));
    auto* m = static_cast<TsuiThemeManager*>(read->FindComponent("m"));
    ASSERT_TRUE(p1 && m);
    EXPECT_EQ(p1->UIStyle(), WinXP);
    EXPECT_EQ(m->CompList()->Text(), "p1\nnobody\n");
    m->SetUIStyle(BlueGlass);
    EXPECT_EQ(p1->UIStyle(), BlueGlass);
    for (const char* value : {"5", "(1)"}) {
        EXPECT_THROW(ReadForm(*new TForm(&App()), std::string("object f: TForm\n  object m: TsuiThemeManager\n"
                                                              "    CompList.Strings = ") + value + "\n  end\nend"),
                     EReadError);
    }
}

}  // namespace

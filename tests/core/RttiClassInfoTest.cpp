#include "tests/core/RttiTestClasses.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/Exception.h"
#include "platform/core/PropertyAccess.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> PropertyNames(const TClassInfo& info)
{
    std::vector<std::string> names;
    for (const TPropInfo* p : info.Properties()) names.push_back(p->Name);
    return names;
}

}  // namespace

TEST(RttiClassInfo, ClassNameIsOverriddenAndFindsTheClass)
{
    const TTestButton button(nullptr);
    const TObject& object = button;
    EXPECT_STREQ(object.ClassName(), "TTestButton");
    EXPECT_EQ(ClassTypeOf(object), &TTestButton::StaticClassInfo());
    EXPECT_EQ(TTestButton::StaticClassInfo().Parent(), &TTestControl::StaticClassInfo());
}

TEST(RttiClassInfo, RegistryLooksUpNamesWithoutRegardToCase)
{
    EXPECT_EQ(GetClass("ttestbutton"), &TTestButton::StaticClassInfo());
    EXPECT_EQ(GetClass("TTESTFONT"), &TTestFont::StaticClassInfo());
    EXPECT_EQ(GetClass("TObject"), &StaticClassInfoOf<TObject>());
    EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
    EXPECT_EQ(&FindClass("TTestForm"), &TTestForm::StaticClassInfo());
    try {
        (void)FindClass("TNoSuchClass");
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message, "Class TNoSuchClass not found");
    }
}

TEST(RttiClassInfo, RegisteringIsIdempotentButNamesStayUnique)
{
    EXPECT_NO_THROW(RegisterClass(TTestButton::StaticClassInfo()));
    const TClassInfo impostor("tTestButton", &StaticClassInfoOf<TObject>());
    EXPECT_THROW(RegisterClass(impostor), EInvalidOperation);
    EXPECT_EQ(GetClass("TTestButton"), &TTestButton::StaticClassInfo());
}

TEST(RttiClassInfo, InheritsFromFollowsTheParentChain)
{
    const TClassInfo& button = TTestButton::StaticClassInfo();
    EXPECT_TRUE(button.InheritsFrom(button));
    EXPECT_TRUE(button.InheritsFrom(TTestComponent::StaticClassInfo()));
    EXPECT_TRUE(button.InheritsFrom(StaticClassInfoOf<TObject>()));
    EXPECT_FALSE(button.InheritsFrom(TTestForm::StaticClassInfo()));
    EXPECT_FALSE(TTestControl::StaticClassInfo().InheritsFrom(button));
    EXPECT_TRUE(TTestFont::StaticClassInfo().InheritsFrom(StaticClassInfoOf<TPersistent>()));

    const TTestTimer timer(nullptr);
    EXPECT_TRUE(InheritsFrom(timer, TTestComponent::StaticClassInfo()));
    EXPECT_FALSE(InheritsFrom(timer, TTestControl::StaticClassInfo()));
}

TEST(RttiClassInfo, InheritedPropertiesComeFirstInDeclarationOrder)
{
    const std::vector<std::string> control = {"Name", "Tag", "Left", "Top", "Color",
                                              "Visible", "Hint", "Font", "OnClick"};
    EXPECT_EQ(PropertyNames(TTestControl::StaticClassInfo()), control);

    std::vector<std::string> button = control;
    for (const char* own : {"Caption", "UIStyle", "Position", "Big", "Ratio", "Buddy", "Items", "Buttons", "Glyph",
                            "OnMouse"}) {
        button.emplace_back(own);
    }
    EXPECT_EQ(PropertyNames(TTestButton::StaticClassInfo()), button);
}

TEST(RttiClassInfo, RedeclaredPropertyKeepsItsPlaceAndTakesTheNewDefault)
{
    const TPropInfo* inherited = GetPropInfo(TTestControl::StaticClassInfo(), "Color");
    const TPropInfo* redeclared = GetPropInfo(TTestButton::StaticClassInfo(), "color");
    ASSERT_NE(inherited, nullptr);
    ASSERT_NE(redeclared, nullptr);
    EXPECT_NE(inherited, redeclared);
    EXPECT_EQ(inherited->Default, clBtnFace);
    EXPECT_EQ(redeclared->Default, clWhite);
    EXPECT_EQ(redeclared->Kind, TTypeKind::Color);
    EXPECT_EQ(TTestButton::StaticClassInfo().Properties()[4], redeclared);

    TTestButton button(nullptr);
    SetOrdProp(button, "Color", clRed);
    EXPECT_EQ(button.Color, clRed);
}

TEST(RttiClassInfo, ClassBuildingRefusesMistakes)
{
    EXPECT_THROW(TClassInfo("TBad", &TTestControl::StaticClassInfo(),
                            [](TClassInfo& c) { c.RedeclareProperty("NoSuchProperty"); }),
                 EInvalidOperation);
    EXPECT_THROW(TClassInfo("TBad", nullptr,
                            [](TClassInfo& c) {
                                TPropInfo twice;
                                twice.Name = "Twice";
                                c.AddProperty(twice);
                                twice.Name = "twice";
                                c.AddProperty(twice);
                            }),
                 EInvalidOperation);
}

TEST(RttiClassInfo, FactoriesCreateWithTheOwner)
{
    TTestForm owner(nullptr);
    const std::unique_ptr<TObject> created(FindClass("TTestButton").Create(&owner));
    auto* button = dynamic_cast<TTestButton*>(created.get());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Owner, &owner);

    EXPECT_TRUE(TTestComponent::StaticClassInfo().IsAbstract());
    EXPECT_THROW((void)TTestComponent::StaticClassInfo().Create(nullptr), EInvalidOperation);
}

TEST(RttiClassInfo, PublishedMethodsAreInheritedAndKnowTheirHandlerType)
{
    const TMethodInfo* click = TTestForm::StaticClassInfo().FindMethod("SBTNCKCLICK");
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(*click->HandlerType, typeid(TNotifyEvent));
    EXPECT_EQ(*TTestForm::StaticClassInfo().FindMethod("MouseMoved")->HandlerType, typeid(TTestMouseEvent));
    EXPECT_EQ(TTestButton::StaticClassInfo().FindMethod("sbtnCkClick"), nullptr);
}

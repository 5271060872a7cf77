#include "tests/core/RttiTestClasses.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/Exception.h"
#include "platform/core/PropertyAccess.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// The message of the EPropertyError that action raises, or "" when none.
std::string PropertyErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EPropertyError& e) {
        return e.Message;
    }
    return "";
}

}  // namespace

TEST(RttiPropertyAccess, MissingPropertyHasTheClassicMessage)
{
    TTestButton button(nullptr);
    EXPECT_EQ(PropertyErrorOf([&] { (void)GetPropValue(button, "Colour"); }), "Property Colour does not exist");
    EXPECT_EQ(PropertyErrorOf([&] { SetOrdProp(button, "Widht", 3); }), "Property Widht does not exist");
    EXPECT_EQ(PropertyErrorOf([&] { SetStrProp(button, "Font.Nome", "x"); }), "Property Font.Nome does not exist");
    EXPECT_EQ(PropertyErrorOf([&] { (void)GetPropValue(button, "Caption.Length"); }),
              "Property Caption.Length does not exist");
    EXPECT_EQ(PropertyErrorOf([&] { (void)GetPropValue(button, "Buddy.Left"); }),
              "Property Buddy.Left does not exist");
    EXPECT_FALSE(IsPublishedProp(button, "Colour"));
    EXPECT_TRUE(IsPublishedProp(button, "caption"));
}

TEST(RttiPropertyAccess, SettersAndGettersAreTheClassOwn)
{
    TTestButton button(nullptr);
    SetOrdProp(button, "Left", 17);
    SetPropValue(button, "LEFT", std::int64_t(-4));
    EXPECT_EQ(button.Left(), -4);
    EXPECT_EQ(button.Log, (std::vector<std::string>{"Left=17", "Left=-4"}));
    EXPECT_EQ(GetOrdProp(button, "Left"), -4);
}

TEST(RttiPropertyAccess, ValuesConvertToTheirProperty)
{
    TTestButton button(nullptr);
    SetStrProp(button, "Caption", "浏览");
    EXPECT_EQ(GetStrProp(button, "Caption"), "浏览");

    SetPropValue(button, "Visible", std::string("false"));
    EXPECT_FALSE(button.Visible);
    SetOrdProp(button, "Visible", 1);
    EXPECT_TRUE(std::get<bool>(GetPropValue(button, "Visible")));
    EXPECT_EQ(GetEnumProp(button, "Visible"), "True");

    SetPropValue(button, "Big", std::string("-9000000000"));
    EXPECT_EQ(button.Big, -9000000000);
    SetPropValue(button, "Ratio", std::int64_t(2));
    EXPECT_EQ(button.Ratio, 2.0);
    SetPropValue(button, "Ratio", 0.25);
    EXPECT_EQ(std::get<double>(GetPropValue(button, "Ratio")), 0.25);

    SetPropValue(button, "Color", std::string("clHighlight"));
    EXPECT_EQ(button.Color, clHighlight);
    SetPropValue(button, "Color", std::int64_t(0x80000005));
    EXPECT_EQ(button.Color, clWindow);
    SetPropValue(button, "Color", std::string("$00FF0000"));
    EXPECT_EQ(button.Color, clBlue);
}

TEST(RttiPropertyAccess, MismatchedValuesAreRefusedAndLeaveThePropertyAlone)
{
    TTestButton button(nullptr);
    EXPECT_EQ(PropertyErrorOf([&] { SetPropValue(button, "Caption", std::int64_t(3)); }),
              "Invalid property value for Caption: an integer does not fit a string property");
    EXPECT_EQ(PropertyErrorOf([&] { SetOrdProp(button, "Left", 5'000'000'000); }),
              "Invalid property value for Left: 5000000000 is out of range");
    EXPECT_EQ(PropertyErrorOf([&] { SetPropValue(button, "Color", std::string("clPlaid")); }),
              "Invalid property value for Color: 'clPlaid' is not a colour");
    EXPECT_EQ(PropertyErrorOf([&] { SetPropValue(button, "Visible", std::string("maybe")); }),
              "Invalid property value for Visible: 'maybe' is not True or False");
    EXPECT_EQ(PropertyErrorOf([&] { (void)GetStrProp(button, "Left"); }), "Property Left is not a string property");
    EXPECT_EQ(PropertyErrorOf([&] { SetObjectProp(button, "Font", nullptr); }), "Property Font is read-only");
    EXPECT_EQ(button.Left(), 0);
    EXPECT_TRUE(button.Log.empty());
}

TEST(RttiPropertyAccess, EnumerationsByNameAndOrdinal)
{
    TTestButton button(nullptr);
    EXPECT_EQ(GetEnumProp(button, "UIStyle"), "DeepBlue");
    SetEnumProp(button, "UIStyle", "blueglass");
    EXPECT_EQ(button.UIStyle, BlueGlass);
    SetOrdProp(button, "UIStyle", MacOS);
    EXPECT_EQ(button.UIStyle, MacOS);

    const TEnumValue value = std::get<TEnumValue>(GetPropValue(button, "UIStyle"));
    EXPECT_EQ(value.Ordinal, MacOS);
    EXPECT_EQ(value.Name(), "MacOS");

    EXPECT_EQ(PropertyErrorOf([&] { SetEnumProp(button, "UIStyle", "Plaid"); }),
              "Invalid property value for UIStyle: 'Plaid' is not a TTestUIStyle value");
    EXPECT_EQ(PropertyErrorOf([&] { SetOrdProp(button, "UIStyle", 6); }),
              "Invalid property value for UIStyle: ordinal out of range");
    EXPECT_EQ(PropertyErrorOf([&] { SetPropValue(button, "UIStyle", TEnumValue{&EnumInfoOf(TTestPosition{}), 1}); }),
              "Invalid property value for UIStyle: an enumeration value does not fit an enumeration property");
    EXPECT_EQ(button.UIStyle, MacOS);
}

TEST(RttiPropertyAccess, SetsByTextAndBits)
{
    TTestButton button(nullptr);
    SetSetProp(button, "Font.Style", "[fsBold, fsUnderline]");
    EXPECT_EQ(button.Font.Style, TTestFontStyles({fsBold, fsUnderline}));
    EXPECT_EQ(GetSetProp(button, "Font.Style"), "[fsBold, fsUnderline]");
    EXPECT_EQ(GetOrdProp(button, "Font.Style"), 0b101);
    SetOrdProp(button, "Font.Style", 0b10);
    EXPECT_EQ(button.Font.Style, TTestFontStyles{fsItalic});
    EXPECT_EQ(PropertyErrorOf([&] { SetOrdProp(button, "Font.Style", 0b10000); }),
              "Invalid property value for Style: set holds elements TTestFontStyle does not have");
    EXPECT_EQ(PropertyErrorOf([&] { SetSetProp(button, "Font.Style", "[fsHuge]"); }),
              "Invalid property value for Style: Invalid set element: fsHuge");
}

TEST(RttiPropertyAccess, DottedNamesReachSubObjectProperties)
{
    TTestButton button(nullptr);
    SetStrProp(button, "Font.Name", "MS Sans Serif");
    EXPECT_EQ(button.Font.Name(), "MS Sans Serif");
    EXPECT_EQ(button.Font.Changes, 1);
    SetOrdProp(button, "font.size", 12);
    EXPECT_EQ(std::get<std::int64_t>(GetPropValue(button, "Font.Size")), 12);
    EXPECT_EQ(GetObjectProp(button, "Font"), &button.Font);

    const TPropTarget target = ResolvePropPath(button, "Font.Name");
    EXPECT_EQ(target.Object, &button.Font);
    EXPECT_EQ(target.Info, GetPropInfo(TTestFont::StaticClassInfo(), "Name"));

    EXPECT_EQ(PropertyErrorOf([&] { SetStrProp(button, "Glyph.Data", "x"); }), "Property Glyph holds no object");
}

TEST(RttiPropertyAccess, ObjectReferencesAreTypeChecked)
{
    TTestButton button(nullptr);
    TTestControl other(nullptr);
    TTestTimer timer(nullptr);
    SetObjectProp(button, "Buddy", &other);
    EXPECT_EQ(button.Buddy, &other);
    EXPECT_EQ(GetObjectProp(button, "Buddy"), &other);

    EXPECT_EQ(PropertyErrorOf([&] { SetObjectProp(button, "Buddy", &timer); }),
              "Invalid property value: a TTestTimer is not a TTestControl");
    EXPECT_EQ(button.Buddy, &other);

    TTestForm form(nullptr);  // a descendant of TTestControl fits
    SetObjectProp(button, "Buddy", &form);
    EXPECT_EQ(button.Buddy, &form);
    SetPropValue(button, "Buddy", std::monostate());
    EXPECT_EQ(button.Buddy, nullptr);
}

TEST(RttiPropertyAccess, EventsBindPublishedMethodsOfTheForm)
{
    TTestForm form(nullptr);
    TTestButton button(&form);

    std::any handler = BindMethod(form, "sbtnCkClick");
    ASSERT_TRUE(handler.has_value());
    SetMethodProp(button, "OnClick", handler);
    ASSERT_TRUE(button.OnClick);
    button.OnClick(&button);
    EXPECT_EQ(form.Clicks, std::vector<TObject*>{&button});
    EXPECT_TRUE(GetMethodProp(button, "OnClick").has_value());

    SetMethodProp(button, "OnMouse", BindMethod(form, "MouseMoved"));
    button.OnMouse(&button, 42);
    EXPECT_EQ(form.LastX, 42);

    EXPECT_FALSE(BindMethod(form, "NoSuchMethod").has_value());
    EXPECT_EQ(PropertyErrorOf([&] { SetMethodProp(button, "OnClick", BindMethod(form, "MouseMoved")); }),
              "Invalid property value for OnClick: the handler's signature does not match the event");

    SetMethodProp(button, "OnClick", std::any());
    EXPECT_FALSE(button.OnClick);
    EXPECT_FALSE(GetMethodProp(button, "OnClick").has_value());
}

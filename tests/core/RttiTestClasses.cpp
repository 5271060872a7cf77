#include "tests/core/RttiTestClasses.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/Exception.h"

QZ_IMPLEMENT_CLASS(TTestFont);
void TTestFont::Publish(TClassBuilder<TTestFont>& c)
{
    c.Property("Name", &TTestFont::Name, &TTestFont::SetName);
    c.Property("Size", &TTestFont::Size).Default(8);
    c.Property("Style", &TTestFont::Style);
}

void TTestFont::SetName(const std::string& name)
{
    m_name = name;
    ++Changes;
}

QZ_IMPLEMENT_CLASS(TTestStrings);
void TTestStrings::Publish(TClassBuilder<TTestStrings>& c)
{
    c.DefinedProperty("Strings", &TTestStrings::ReadStrings);
}

void TTestStrings::ReadStrings(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::List) throw EReadError("Strings takes a list");
    Lines.clear();
    for (const TFormValue& line : value.Items) {
        if (line.Kind != TFormValueKind::String) throw EReadError("Strings takes strings only");
        Lines.push_back(line.Text);
    }
}

QZ_IMPLEMENT_CLASS(TTestPicture);
void TTestPicture::Publish(TClassBuilder<TTestPicture>& c)
{
    c.DefinedProperty("Data", &TTestPicture::ReadData);
}

void TTestPicture::ReadData(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::Binary) throw EReadError("Data takes binary data");
    Data = value.Bytes;
}

QZ_IMPLEMENT_CLASS(TTestItem);
void TTestItem::Publish(TClassBuilder<TTestItem>& c)
{
    c.Property("ButtonType", &TTestItem::ButtonType);
    c.Property("Caption", &TTestItem::Caption);
    c.SubObject("PicNormal", &TTestItem::PicNormal);
}

QZ_IMPLEMENT_CLASS(TTestItems);
void TTestItems::Publish(TClassBuilder<TTestItems>& c)
{
    c.Collection(&TTestItems::Clear, &TTestItems::Add);
}

TTestItem* TTestItems::Add()
{
    return Items.emplace_back(std::make_unique<TTestItem>()).get();
}

QZ_IMPLEMENT_CLASS(TTestComponent);
void TTestComponent::Publish(TClassBuilder<TTestComponent>& c)
{
    c.Property("Name", &TTestComponent::Name);
    c.Property("Tag", &TTestComponent::Tag).Default(0);
}

QZ_IMPLEMENT_CLASS(TTestControl);
void TTestControl::Publish(TClassBuilder<TTestControl>& c)
{
    c.Creatable();
    c.Property("Left", &TTestControl::Left, &TTestControl::SetLeft);
    c.Property("Top", &TTestControl::Top);
    c.Color("Color", &TTestControl::Color).Default(clBtnFace);
    c.Property("Visible", &TTestControl::Visible);
    c.Property("Hint", &TTestControl::Hint);
    c.SubObject("Font", &TTestControl::Font);
    c.Property("OnClick", &TTestControl::OnClick);
}

void TTestControl::SetLeft(int left)
{
    m_left = left;
    Log.push_back("Left=" + std::to_string(left));
}

QZ_IMPLEMENT_CLASS(TTestButton);
void TTestButton::Publish(TClassBuilder<TTestButton>& c)
{
    c.Creatable();
    c.Redeclare("Color").Default(clWhite);
    c.Property("Caption", &TTestButton::Caption);
    c.Property("UIStyle", &TTestButton::UIStyle).Default(DeepBlue);
    c.Property("Position", &TTestButton::Position);
    c.Property("Big", &TTestButton::Big);
    c.Property("Ratio", &TTestButton::Ratio);
    c.Reference("Buddy", &TTestButton::Buddy);
    c.SubObject("Items", &TTestButton::Items);
    c.SubObject("Buttons", &TTestButton::Buttons);
    c.SubObject("Glyph", &TTestButton::Glyph);
    c.Property("OnMouse", &TTestButton::OnMouse);
}

QZ_IMPLEMENT_CLASS(TTestTimer);
void TTestTimer::Publish(TClassBuilder<TTestTimer>& c)
{
    c.Creatable();
}

QZ_IMPLEMENT_CLASS(TTestForm);
void TTestForm::Publish(TClassBuilder<TTestForm>& c)
{
    c.Creatable();
    c.Property("Caption", &TTestForm::Caption);
    c.Property("Position", &TTestForm::Position);
    c.Method("sbtnCkClick", &TTestForm::sbtnCkClick);
    c.Method("MouseMoved", &TTestForm::MouseMoved);
}

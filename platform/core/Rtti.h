#pragma once
// Declaring run-time type information in a class header. Put QZ_DECLARE_CLASS
// first in the class body; it overrides TObject::ClassName(), declares
// StaticClassInfo() and the static Publish() that lists what the class
// publishes, and names the parent `inherited`. The class's .cpp file then
// uses QZ_IMPLEMENT_CLASS and defines Publish with TClassBuilder
// (ClassBuilder.h), so headers stay light:
//
//   // TsuiButton.h
//   class TsuiButton : public TCustomControl {
//       QZ_DECLARE_CLASS(TsuiButton, TCustomControl)
//   public: ...
//   };
//   // TsuiButton.cpp
//   QZ_IMPLEMENT_CLASS(TsuiButton);
//   void TsuiButton::Publish(TClassBuilder<TsuiButton>& c)
//   {
//       c.Creatable<TComponent>();
//       c.Property("Caption", &TsuiButton::Caption, &TsuiButton::SetCaption);
//       c.Property("UIStyle", &TsuiButton::UIStyle, &TsuiButton::SetUIStyle).Default(DeepBlue);
//       c.SubObject("Font", &TsuiButton::Font, &TsuiButton::SetFont);
//       c.Property("OnClick", &TsuiButton::m_onClick);
//   }

#include "platform/core/EnumInfo.h"
#include "platform/core/EnumSet.h"
#include "platform/core/Object.h"

class TClassInfo;
template <class T>
class TClassBuilder;

#define QZ_DECLARE_CLASS(Class, Parent)                           \
public:                                                           \
    using inherited = Parent;                                     \
    [[nodiscard]] static const TClassInfo& StaticClassInfo();     \
    [[nodiscard]] const char* ClassName() const override;         \
                                                                  \
private:                                                          \
    static void Publish(TClassBuilder<Class>& c);

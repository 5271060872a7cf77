#include "skin/core/ThemeManagerCompList.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/FormDescription.h"
#include "platform/core/UpdateGuard.h"

const TClassInfo& TsuiThemeMgrCompList::StaticClassInfo()
{
    static const TClassInfo info("TsuiThemeMgrCompList", &StaticClassInfoOf<TPersistent>(), [](TClassInfo& i) {
        TClassBuilder<TsuiThemeMgrCompList> c(i);
        Publish(c);
    });
    return info;
}

const char* TsuiThemeMgrCompList::ClassName() const
{
    return "TsuiThemeMgrCompList";
}

[[maybe_unused]] static const TClassRegistration qzClassRegistrationTsuiThemeMgrCompList(
    TsuiThemeMgrCompList::StaticClassInfo());

void TsuiThemeMgrCompList::Publish(TClassBuilder<TsuiThemeMgrCompList>& c)
{
    c.DefinedProperty("Strings", &TsuiThemeMgrCompList::ReadStrings);
}

void TsuiThemeMgrCompList::ReadStrings(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::List) throw EReadError("CompList.Strings must be a list of strings");
    for (const TFormValue& item : value.Items) {
        if (item.Kind != TFormValueKind::String) throw EReadError("CompList.Strings must be a list of strings");
    }
    UpdateGuard<TStrings> update(*this);
    Clear();
    for (const TFormValue& item : value.Items) Add(item.Text);
}

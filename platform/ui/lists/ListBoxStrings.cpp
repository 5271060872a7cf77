#include "platform/ui/lists/ListBoxStrings.h"

#include "platform/core/ClassBuilder.h"
#include "platform/core/FormDescription.h"
#include "platform/core/UpdateGuard.h"

#include <algorithm>
#include <utility>

const TClassInfo& TListBoxStrings::StaticClassInfo()
{
    static const TClassInfo info("TListBoxStrings", &StaticClassInfoOf<TPersistent>(), [](TClassInfo& i) {
        TClassBuilder<TListBoxStrings> c(i);
        Publish(c);
    });
    return info;
}

const char* TListBoxStrings::ClassName() const
{
    return "TListBoxStrings";
}

[[maybe_unused]] static const TClassRegistration qzClassRegistrationTListBoxStrings(
    TListBoxStrings::StaticClassInfo());

void TListBoxStrings::Publish(TClassBuilder<TListBoxStrings>& c)
{
    c.DefinedProperty("Strings", &TListBoxStrings::ReadStrings);
}

TListBoxStrings::TListBoxStrings(std::function<void()> changed) : m_changed(std::move(changed)) {}

void TListBoxStrings::Changed()
{
    TStringList::Changed();
    if (UpdateCount() == 0 && m_changed) m_changed();
}

void TListBoxStrings::SetUpdateState(bool updating)
{
    TStringList::SetUpdateState(updating);
    if (!updating && m_changed) m_changed();
}

void TListBoxStrings::ReadStrings(const TFormValue& value)
{
    const auto isString = [](const TFormValue& item) { return item.Kind == TFormValueKind::String; };
    if (value.Kind != TFormValueKind::List || !std::all_of(value.Items.begin(), value.Items.end(), isString)) {
        throw EReadError("Items.Strings must be a list of strings");
    }
    UpdateGuard<TStrings> update(*this);
    Clear();
    for (const TFormValue& item : value.Items) Add(item.Text);
}

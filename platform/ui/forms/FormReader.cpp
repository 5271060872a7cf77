#include "platform/ui/forms/FormReader.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/FormDescriptionApplier.h"
#include "platform/core/FormDescriptionParser.h"
#include "platform/core/PropertyAccess.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/forms/Screen.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/win/Messages.h"

#include <memory>
#include <vector>

// Friend of TComponent: it sets csLoading and csReading.
class TFormReader {
public:
    explicit TFormReader(TComponent& root) : m_root(root) {}

    void Read(const TFormObject& description);

private:
    // A reference to a component declared further down.
    struct TFixup {
        TObject* Instance = nullptr;
        const TPropInfo* Info = nullptr;
        std::string Name;
        int Line = 0;
    };

    void ReadRoot(const TFormObject& description);
    // parent: the windowed control that children become part of; enclosing:
    // the object the description nests this one in (the root at the top).
    void ReadObject(const TFormObject& object, TWinControl* parent, TComponent& enclosing);
    TComponent& Create(const TFormObject& object);
    void ApplyProperties(TComponent& component, const TFormObject& object);
    void ResolveFixups();
    void FinishReading(TComponent& component);
    void CallLoaded();
    void Discard();
    [[nodiscard]] TObject* FindComponent(std::string_view name) const;
    [[nodiscard]] TFormResolver Resolver();
    [[nodiscard]] std::string UniqueRootName(const std::string& name) const;

    static void SetReadingState(TComponent& component, bool reading);

    TComponent& m_root;
    std::vector<TComponent*> m_created;  // in the order made
    std::vector<TFixup> m_fixups;
    int m_line = 0;  // the line of the property being applied
};

namespace {

[[noreturn]] void ThrowAtLine(int line, const std::string& reason)
{
    throw EReadError("Line " + std::to_string(line) + ": " + reason);
}

}  // namespace

void TFormReader::SetReadingState(TComponent& component, bool reading)
{
    if (reading) {
        component.m_state.Include(csLoading).Include(csReading);
    } else {
        component.m_state.Exclude(csReading);
    }
}

void TFormReader::Read(const TFormObject& description)
{
    RegisterStandardClasses();
    auto* windowedRoot = dynamic_cast<TWinControl*>(&m_root);
    SetReadingState(m_root, true);
    try {
        ReadRoot(description);
        for (const TFormObject& child : description.Children) ReadObject(child, windowedRoot, m_root);
        ResolveFixups();
        SetReadingState(m_root, false);
    } catch (...) {
        Discard();
        throw;
    }
    CallLoaded();
}

void TFormReader::ReadRoot(const TFormObject& description)
{
    if (!description.Name.empty() && !SameText(description.Name, m_root.Name())) {
        m_root.SetName(UniqueRootName(description.Name));
    }
    ApplyProperties(m_root, description);
}

// Two forms of one class both want their description's name: the second
// gets frmMain_1, as classically.
std::string TFormReader::UniqueRootName(const std::string& name) const
{
    const TComponent* owner = m_root.Owner();
    if (!owner || !owner->FindComponent(name)) return name;
    for (int n = 1;; ++n) {
        std::string candidate = name + "_" + std::to_string(n);
        if (!owner->FindComponent(candidate)) return candidate;
    }
}

void TFormReader::ReadObject(const TFormObject& object, TWinControl* parent, TComponent& enclosing)
{
    TComponent& component = Create(object);
    if (auto* control = dynamic_cast<TControl*>(&component)) {
        if (!parent) ThrowAtLine(object.Line, std::string(control->ClassName()) + " needs a windowed parent");
        control->SetParent(parent);
    } else {
        try {
            component.SetParentComponent(&enclosing);
        } catch (const Exception& e) {
            ThrowAtLine(object.Line, e.Message);
        }
    }
    ApplyProperties(component, object);
    auto* windowed = dynamic_cast<TWinControl*>(&component);
    for (const TFormObject& child : object.Children) ReadObject(child, windowed ? windowed : parent, component);
    FinishReading(component);
}

TComponent& TFormReader::Create(const TFormObject& object)
{
    const TClassInfo* type = GetClass(object.ClassName);
    if (!type) throw EClassNotFound("Line " + std::to_string(object.Line) + ": Class " + object.ClassName + " not found");
    if (!type->InheritsFrom(TComponent::StaticClassInfo())) {
        ThrowAtLine(object.Line, object.ClassName + " is not a component class");
    }
    TComponent* component = nullptr;
    try {
        component = dynamic_cast<TComponent*>(type->Create(&m_root));
    } catch (const Exception& e) {
        ThrowAtLine(object.Line, e.Message);
    }
    if (!component) ThrowAtLine(object.Line, "Cannot create a " + object.ClassName);
    m_created.push_back(component);
    SetReadingState(*component, true);
    if (!object.Name.empty()) {
        try {
            component->SetName(object.Name);
        } catch (const Exception& e) {
            ThrowAtLine(object.Line, e.Message);
        }
    }
    return *component;
}

void TFormReader::ApplyProperties(TComponent& component, const TFormObject& object)
{
    const TFormResolver resolver = Resolver();
    for (const TFormProperty& property : object.Properties) {
        m_line = property.Line;
        ApplyFormProperty(component, property, resolver);
    }
}

TFormResolver TFormReader::Resolver()
{
    TFormResolver resolver;
    resolver.FindComponent = [this](std::string_view name) { return FindComponent(name); };
    resolver.FindMethod = [this](std::string_view name) { return BindMethod(m_root, name); };
    resolver.DeferReference = [this](TObject& instance, const TPropInfo& info, std::string_view name) {
        m_fixups.push_back({&instance, &info, std::string(name), m_line});
    };
    return resolver;
}

// "name" is a component of the root (or the root itself); "form.name" one
// of another form.
TObject* TFormReader::FindComponent(std::string_view name) const
{
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos) {
        if (SameText(name, m_root.Name())) return &m_root;
        return m_root.FindComponent(name);
    }
    const std::string_view formName = name.substr(0, dot);
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (SameText(form->Name(), formName)) return form->FindComponent(name.substr(dot + 1));
    }
    return nullptr;
}

void TFormReader::ResolveFixups()
{
    for (const TFixup& fixup : m_fixups) {
        TObject* target = FindComponent(fixup.Name);
        if (!target) ThrowAtLine(fixup.Line, "Component " + fixup.Name + " does not exist");
        try {
            SetPropValue(*fixup.Instance, *fixup.Info, target);
        } catch (const Exception& e) {
            ThrowAtLine(fixup.Line, e.Message);
        }
    }
    m_fixups.clear();
}

// A control read completely takes what it inherits from its parent.
void TFormReader::FinishReading(TComponent& component)
{
    SetReadingState(component, false);
    auto* control = dynamic_cast<TControl*>(&component);
    if (!control || !control->Parent()) return;
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    control->Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TFormReader::CallLoaded()
{
    std::vector<TComponent*> order{&m_root};
    order.insert(order.end(), m_created.begin(), m_created.end());
    std::vector<TComponentWatch> watches(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (!watches[i].Alive()) continue;
        order[i]->Loaded();
        if (watches[i].Alive()) order[i]->m_state.Exclude(csLoading);
    }
}

// Frees what was made, the last first, and leaves the root as it was.
void TFormReader::Discard()
{
    std::vector<TComponentWatch> watches(m_created.begin(), m_created.end());
    for (std::size_t i = m_created.size(); i-- > 0;) {
        if (watches[i].Alive()) delete m_created[i];
    }
    m_created.clear();
    m_fixups.clear();
    m_root.m_state.Exclude(csLoading).Exclude(csReading);
}

void ReadForm(TComponent& root, const TFormObject& description)
{
    TFormReader(root).Read(description);
}

void ReadForm(TComponent& root, std::string_view text)
{
    ReadForm(root, ParseFormDescription(text));
}

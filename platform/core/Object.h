#pragma once
// The root classes of the framework: TObject (no copying, virtual
// destruction, a class name) and TPersistent (assignable from another object).

#include <functional>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    [[nodiscard]] virtual const char* ClassName() const { return "TObject"; }
};

class TPersistent : public TObject {
public:
    [[nodiscard]] const char* ClassName() const override { return "TPersistent"; }

    // Copies source's state into this object. The default asks the source to
    // assign itself to us and raises EConvertError ("Cannot assign a X to a Y")
    // when neither side knows the other.
    virtual void Assign(const TPersistent& source);

protected:
    virtual void AssignTo(TPersistent& dest) const;
};

// An event handler: a callable that receives the object that raised the event.
using TNotifyEvent = std::function<void(TObject* sender)>;

#pragma once
// Reading a form (or any root component) from its form description.
//
// The root object's properties apply to the root itself; its name becomes
// the root's name (made unique among the owner's components). Each child
// object makes a component of its class through the class registry, owned
// by the root; a control gets the enclosing windowed control as its parent.
// Properties are set in the order written, with component references found
// by name on the root (references to components declared further down are
// set once everything is read) and event handlers found among the root
// class's published methods. Naming a component binds the root's published
// field of that name (TClassBuilder::Field).
//
// While reading, every component has csLoading and csReading; then each
// gets Loaded in the order made (the root first), which ends csLoading.
//
// Errors raise EReadError "Line N: ..." (EClassNotFound for an unknown
// class). Everything made before the error is freed again.

#include <string_view>

class TComponent;
struct TFormObject;

// Parses text and reads it into root.
void ReadForm(TComponent& root, std::string_view text);
// Reads a parsed description into root.
void ReadForm(TComponent& root, const TFormObject& description);

// Makes sure the framework's own component classes are registered, so that
// descriptions can name them even when no code mentions them.
void RegisterStandardClasses();

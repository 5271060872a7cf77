#pragma once
// An invalid setting of a skin component is refused with a message box
// (error icon, one OK button); the property keeps its value.

#include <string>

void ShowRefusal(const std::string& text);

#include "skin/frame/SUIRefusal.h"

#include "platform/ui/forms/Application.h"

void ShowRefusal(const std::string& text)
{
    Application->MessageBox(text, Application->Title(), MB_OK | MB_ICONERROR);
}

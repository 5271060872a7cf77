#pragma once
// TMessageBoxComponent: a message box that a form description places, with
// its caption and text as properties; ShowModal shows it through the
// application's message box (an error icon and one OK button).

#include "platform/ui/base/Component.h"

#include <string>

class TMessageBoxComponent : public TComponent {
    QZ_DECLARE_CLASS(TMessageBoxComponent, TComponent)

public:
    explicit TMessageBoxComponent(TComponent* owner) : TComponent(owner) {}

    [[nodiscard]] const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption) { m_caption = caption; }
    [[nodiscard]] const std::string& Text() const { return m_text; }
    void SetText(const std::string& text) { m_text = text; }

    // Shows the box modally and returns the button's result (IDOK).
    int ShowModal();

private:
    std::string m_caption;
    std::string m_text;
};

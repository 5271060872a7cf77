#include "tools/gallery/GalleryEventLog.h"

#include "platform/ui/base/WinControl.h"
#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUICustomButton.h"

namespace {

// Runs the control's own handler, then logs.
TNotifyEvent Chained(TNotifyEvent own, std::function<void()> log)
{
    return [own = std::move(own), log = std::move(log)](TObject* sender) {
        if (own) own(sender);
        log();
    };
}

void Hook(TControl* control, const TGalleryLogSink& sink)
{
    const std::string name = control->Name();
    if (auto* box = dynamic_cast<TsuiCheckBox*>(control)) {
        box->OnClick = Chained(box->OnClick, [box, name, sink] {
            sink("click " + name + (box->Checked() ? " checked" : " unchecked"));
        });
        return;
    }
    control->OnClick = Chained(control->OnClick, [name, sink] { sink("click " + name); });
    if (auto* button = dynamic_cast<TsuiCustomButton*>(control)) {
        button->OnMouseContinuouslyDown =
            Chained(button->OnMouseContinuouslyDown, [name, sink] { sink("repeat " + name); });
    }
}

}  // namespace

void LogGalleryEvents(TWinControl* root, const TGalleryLogSink& sink)
{
    for (int i = 0; i < root->ControlCount(); ++i) {
        TControl* control = root->Controls(i);
        if (!control->Name().empty()) Hook(control, sink);
        if (auto* container = dynamic_cast<TWinControl*>(control)) LogGalleryEvents(container, sink);
    }
}

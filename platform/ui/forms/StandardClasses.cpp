// The framework's component classes that form descriptions may name.

#include "platform/core/ClassRegistry.h"
#include "platform/ui/controls/Bevel.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/lists/ComboBox.h"
#include "platform/ui/lists/DriveComboBox.h"
#include "platform/ui/edit/Edit.h"
#include "platform/ui/edit/MaskEdit.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/controls/Image.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/menus/MainMenu.h"
#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/lists/ListBox.h"
#include "platform/ui/edit/Memo.h"
#include "platform/ui/dialogs/OpenDialog.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/menus/PopupMenu.h"
#include "platform/ui/base/Timer.h"
#include "platform/ui/toolbar/ToolBar.h"
#include "platform/ui/toolbar/ToolButton.h"

void RegisterStandardClasses()
{
    for (const TClassInfo* info :
         {&TForm::StaticClassInfo(), &TPanel::StaticClassInfo(), &TTimer::StaticClassInfo(),
          &TLabel::StaticClassInfo(), &TImage::StaticClassInfo(), &TBevel::StaticClassInfo(),
          &TButton::StaticClassInfo(), &TCheckBox::StaticClassInfo(), &TEdit::StaticClassInfo(), &TMaskEdit::StaticClassInfo(),
          &TMemo::StaticClassInfo(), &TListBox::StaticClassInfo(), &TComboBox::StaticClassInfo(), &TDriveComboBox::StaticClassInfo(),
          &TOpenDialog::StaticClassInfo(), &TMenuItem::StaticClassInfo(), &TMainMenu::StaticClassInfo(),
          &TPopupMenu::StaticClassInfo(), &TToolBar::StaticClassInfo(), &TToolButton::StaticClassInfo()}) {
        RegisterClass(*info);
    }
}

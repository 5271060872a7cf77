// The framework's component classes that form descriptions may name.

#include "platform/core/ClassRegistry.h"
#include "platform/ui/Bevel.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/MainMenu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/OpenDialog.h"
#include "platform/ui/Panel.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/Timer.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/ToolButton.h"

void RegisterStandardClasses()
{
    for (const TClassInfo* info :
         {&TForm::StaticClassInfo(), &TPanel::StaticClassInfo(), &TTimer::StaticClassInfo(),
          &TLabel::StaticClassInfo(), &TImage::StaticClassInfo(), &TBevel::StaticClassInfo(),
          &TButton::StaticClassInfo(), &TCheckBox::StaticClassInfo(), &TEdit::StaticClassInfo(),
          &TMemo::StaticClassInfo(), &TListBox::StaticClassInfo(), &TComboBox::StaticClassInfo(),
          &TOpenDialog::StaticClassInfo(), &TMenuItem::StaticClassInfo(), &TMainMenu::StaticClassInfo(),
          &TPopupMenu::StaticClassInfo(), &TToolBar::StaticClassInfo(), &TToolButton::StaticClassInfo()}) {
        RegisterClass(*info);
    }
}

#pragma once
// The syntax tree of a form description, our text format for a form and the
// components it owns:
//
//   object frmMain: TfrmMain
//     Caption = 'QZ'#13#10'second line' + ' joined'
//     Font.Style = [fsBold]
//     Items.Strings = ('one' 'two')
//     Buttons = <item Caption = 'a' end>
//     Data = {0A0B0C}
//     object sbtnOp: TsuiButton
//       OnClick = sbtnCkClick
//     end
//   end
//
// An object's name may be left out ("object TsuiButton"). Keywords and
// names compare without regard to ASCII case; `//` starts a comment.
// ParseFormDescription (FormDescriptionParser.h) builds it; applying it to
// components is FormDescriptionApplier.h's job (and the component framework's).

#include <cstdint>
#include <string>
#include <vector>

enum class TFormValueKind {
    Integer,     // 12, -3, $FF
    Float,       // 1.5, -2E3
    String,      // 'text' pieces and #NNN code points, joined with +
    Identifier,  // True, poDesktopCenter, clBtnFace, frmMain.sbtnOp, sbtnCkClick
    Set,         // [fsBold, fsItalic]: Items are identifiers
    List,        // ( values ): Items
    Collection,  // < item ... end >: CollectionItems
    Binary,      // { hex digits }: Bytes
};

struct TFormProperty;

struct TFormCollectionItem {
    std::vector<TFormProperty> Properties;
    int Line = 0;
};

struct TFormValue {
    TFormValueKind Kind = TFormValueKind::Integer;
    int Line = 0;
    std::int64_t Integer = 0;
    double Float = 0;
    std::string Text;  // String (UTF-8) and Identifier
    std::vector<TFormValue> Items;
    std::vector<TFormCollectionItem> CollectionItems;
    std::vector<std::uint8_t> Bytes;
};

struct TFormProperty {
    std::string Name;  // possibly dotted: "Font.Name"
    TFormValue Value;
    int Line = 0;
};

struct TFormObject {
    std::string Name;  // empty for an unnamed object
    std::string ClassName;
    int Line = 0;
    std::vector<TFormProperty> Properties;  // in file order
    std::vector<TFormObject> Children;      // in file order
};

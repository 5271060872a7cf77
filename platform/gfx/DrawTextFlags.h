#pragma once
// DrawText format flags, with the classic desktop's values.

constexpr unsigned DT_TOP = 0x00000000;
constexpr unsigned DT_LEFT = 0x00000000;
constexpr unsigned DT_CENTER = 0x00000001;
constexpr unsigned DT_RIGHT = 0x00000002;
constexpr unsigned DT_VCENTER = 0x00000004;  // with DT_SINGLELINE only
constexpr unsigned DT_BOTTOM = 0x00000008;   // with DT_SINGLELINE only
constexpr unsigned DT_WORDBREAK = 0x00000010;
constexpr unsigned DT_SINGLELINE = 0x00000020;
constexpr unsigned DT_EXPANDTABS = 0x00000040;
constexpr unsigned DT_NOCLIP = 0x00000100;
constexpr unsigned DT_CALCRECT = 0x00000400;
constexpr unsigned DT_NOPREFIX = 0x00000800;
constexpr unsigned DT_END_ELLIPSIS = 0x00008000;
constexpr unsigned DT_HIDEPREFIX = 0x00100000;  // takes out '&' prefixes without underlining

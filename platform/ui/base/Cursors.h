#pragma once
// Cursor numbers as the classic framework gives them (crDefault 0,
// crArrow -2, ... crHandPoint -21), their names for form descriptions
// ("Cursor = crHandPoint"), and the standard cursor shape each stands for.

#include <optional>
#include <string_view>

using TCursor = int;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = crSizeAll;

// The IDC_* shape of a cursor; crDefault and unknown numbers give IDC_ARROW,
// crNone gives 0 (no cursor).
[[nodiscard]] int CursorShapeOf(TCursor cursor);

// Names compare without regard to ASCII case.
[[nodiscard]] std::optional<TCursor> IdentToCursor(std::string_view ident);

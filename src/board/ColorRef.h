#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// Colours travel through the program as 32-bit values in $BBGGRR order (0x0000FF is red),
// as the stored files keep them; they become QColor only where something is painted.
// A value whose high byte is 0x80 names a system colour by its index in the low byte and is
// resolved against the application palette (see ColorRef.cpp for the table).
using TColor = quint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBtnFace = 0x8000000F;

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0x80000000u; }

// The colour to paint with; system colours come from the given palette.
QColor ColorToQColor(TColor c, const QPalette& palette);
// The same against the application palette.
QColor ColorToQColor(TColor c);
// $BBGGRR of a painted colour (alpha is dropped).
TColor QColorToColor(const QColor& c);

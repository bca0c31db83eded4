#include "ColorRef.h"

#include <QGuiApplication>
#include <array>

namespace {

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour index (low byte of 0x800000nn) to the palette role closest in meaning:
//   0 scroll bar -> Button            1 desktop -> Dark             2 active caption -> Highlight
//   3 inactive caption -> Mid         4 menu -> Window              5 window -> Base
//   6 window frame -> Shadow          7 menu text -> WindowText     8 window text -> Text
//   9 caption text -> HighlightedText 10, 11 borders -> Window      12 workspace -> Dark
//   13 highlight -> Highlight         14 highlight text -> HighlightedText
//   15 button face -> Button          16 button shadow -> Dark      17 grey text -> disabled Text
//   18 button text -> ButtonText      19 inactive caption text -> WindowText
//   20 button highlight -> Light      21 3D dark shadow -> Shadow   22 3D light -> Midlight
//   23 tooltip text -> ToolTipText    24 tooltip back -> ToolTipBase
//   25 (unused) -> Window             26 hot light -> Link          27 gradient caption -> Highlight
//   28 gradient inactive -> Mid       29 menu highlight -> Highlight 30 menu bar -> Window
// Any higher index falls back to Window.
constexpr QPalette::ColorGroup A = QPalette::Active;
constexpr std::array<SystemRole, 31> Roles{{
    {A, QPalette::Button},          {A, QPalette::Dark},        {A, QPalette::Highlight},
    {A, QPalette::Mid},             {A, QPalette::Window},      {A, QPalette::Base},
    {A, QPalette::Shadow},          {A, QPalette::WindowText},  {A, QPalette::Text},
    {A, QPalette::HighlightedText}, {A, QPalette::Window},      {A, QPalette::Window},
    {A, QPalette::Dark},            {A, QPalette::Highlight},   {A, QPalette::HighlightedText},
    {A, QPalette::Button},          {A, QPalette::Dark},        {QPalette::Disabled, QPalette::Text},
    {A, QPalette::ButtonText},      {A, QPalette::WindowText},  {A, QPalette::Light},
    {A, QPalette::Shadow},          {A, QPalette::Midlight},    {A, QPalette::ToolTipText},
    {A, QPalette::ToolTipBase},     {A, QPalette::Window},      {A, QPalette::Link},
    {A, QPalette::Highlight},       {A, QPalette::Mid},         {A, QPalette::Highlight},
    {A, QPalette::Window},
}};

QColor PlainColor(TColor c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

} // namespace

QColor ColorToQColor(TColor c, const QPalette& palette) {
    if (!IsSystemColor(c))
        return PlainColor(c);
    const quint32 index = c & 0xFFu;
    const SystemRole r = index < Roles.size() ? Roles[index] : SystemRole{A, QPalette::Window};
    return palette.color(r.group, r.role);
}

QColor ColorToQColor(TColor c) {
    if (!IsSystemColor(c))
        return PlainColor(c);
    return ColorToQColor(c, QGuiApplication::palette());
}

TColor QColorToColor(const QColor& c) {
    const QColor rgb = c.toRgb();
    return TColor(rgb.red()) | (TColor(rgb.green()) << 8) | (TColor(rgb.blue()) << 16);
}

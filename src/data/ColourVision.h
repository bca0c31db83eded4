#pragma once

#include <QtGlobal>
#include <span>

// How far apart colours look, to people with normal colour vision and with each of the three
// dichromacies. Colours are sRGB values in the program's $BBGGRR order; they are compared in
// CIELAB (D65 white) with the CIEDE2000 difference (kL = kC = kH = 1), where about 1 is the
// smallest difference anyone sees and 20 is plainly another colour. A dichromacy is simulated
// with the matrices of Machado, Oliveira and Fernandes (2009) at severity 1.0, applied to
// linear sRGB.
namespace ColourVision {

struct Lab {
    double L = 0;
    double a = 0;
    double b = 0;
};

enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia };
inline constexpr Vision Visions[] = {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia,
                                     Vision::Tritanopia};

// The colour as the vision sees it, in CIELAB.
Lab Seen(quint32 colour, Vision vision);

// The CIEDE2000 colour difference of two CIELAB colours.
double Ciede2000(const Lab& first, const Lab& second);

// The smallest CIEDE2000 difference between two of the colours as the vision sees them;
// 0 for fewer than two colours.
double SmallestDifference(std::span<const quint32> colours, Vision vision);

} // namespace ColourVision

#include "ColourVision.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace ColourVision {

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear RGB.
constexpr Matrix Protan = {{{0.152286, 1.052583, -0.204868},
                            {0.114503, 0.786281, 0.099216},
                            {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deutan = {{{0.367322, 0.860646, -0.227968},
                            {0.280085, 0.672501, 0.047413},
                            {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Tritan = {{{1.255528, -0.076749, -0.178779},
                            {-0.078411, 0.930809, 0.147602},
                            {0.004733, 0.691367, 0.303900}}};

// Linear sRGB to CIE XYZ, D65.
constexpr Matrix ToXyz = {{{0.4124564, 0.3575761, 0.1804375},
                           {0.2126729, 0.7151522, 0.0721750},
                           {0.0193339, 0.1191920, 0.9503041}}};
constexpr Vector White = {0.95047, 1.0, 1.08883};

Vector Times(const Matrix& m, const Vector& v) {
    Vector out{};
    for (std::size_t row = 0; row < 3; ++row)
        out[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    return out;
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double LabF(double t) {
    constexpr double delta = 6.0 / 29.0;
    return t > delta * delta * delta ? std::cbrt(t) : t / (3 * delta * delta) + 4.0 / 29.0;
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The hue angle in degrees, 0 to 360.
double HueDegrees(double b, double a) {
    if (a == 0 && b == 0)
        return 0;
    const double h = std::atan2(b, a) * 180.0 / std::numbers::pi;
    return h < 0 ? h + 360.0 : h;
}

} // namespace

Lab Seen(quint32 colour, Vision vision) {
    Vector rgb = {Linear(static_cast<int>(colour & 0xFF)),
                  Linear(static_cast<int>((colour >> 8) & 0xFF)),
                  Linear(static_cast<int>((colour >> 16) & 0xFF))};
    if (vision != Vision::Normal) {
        const Matrix& m = vision == Vision::Protanopia     ? Protan
                          : vision == Vision::Deuteranopia ? Deutan
                                                           : Tritan;
        rgb = Times(m, rgb);
        for (double& c : rgb)
            c = std::clamp(c, 0.0, 1.0);
    }
    const Vector xyz = Times(ToXyz, rgb);
    const double fx = LabF(xyz[0] / White[0]);
    const double fy = LabF(xyz[1] / White[1]);
    const double fz = LabF(xyz[2] / White[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double Ciede2000(const Lab& first, const Lab& second) {
    const auto pow7 = [](double x) { return std::pow(x, 7); };
    const double cMean = (std::hypot(first.a, first.b) + std::hypot(second.a, second.b)) / 2;
    const double g = 0.5 * (1 - std::sqrt(pow7(cMean) / (pow7(cMean) + pow7(25))));
    const double a1 = (1 + g) * first.a;
    const double a2 = (1 + g) * second.a;
    const double c1 = std::hypot(a1, first.b);
    const double c2 = std::hypot(a2, second.b);
    const double h1 = HueDegrees(first.b, a1);
    const double h2 = HueDegrees(second.b, a2);
    const bool grey = c1 * c2 == 0;

    const double dL = second.L - first.L;
    const double dC = c2 - c1;
    double dh = grey ? 0 : h2 - h1;
    if (dh > 180)
        dh -= 360;
    else if (dh < -180)
        dh += 360;
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(Radians(dh / 2));

    const double lMean = (first.L + second.L) / 2;
    const double cMeanPrime = (c1 + c2) / 2;
    double hMean = h1 + h2;
    if (!grey)
        hMean = std::abs(h1 - h2) <= 180 ? hMean / 2
                : hMean < 360             ? (hMean + 360) / 2
                                          : (hMean - 360) / 2;
    const double t = 1 - 0.17 * std::cos(Radians(hMean - 30)) + 0.24 * std::cos(Radians(2 * hMean)) +
                     0.32 * std::cos(Radians(3 * hMean + 6)) -
                     0.20 * std::cos(Radians(4 * hMean - 63));
    const double dTheta = 30 * std::exp(-std::pow((hMean - 275) / 25, 2));
    const double rC = 2 * std::sqrt(pow7(cMeanPrime) / (pow7(cMeanPrime) + pow7(25)));
    const double lOff = (lMean - 50) * (lMean - 50);
    const double sL = 1 + 0.015 * lOff / std::sqrt(20 + lOff);
    const double sC = 1 + 0.045 * cMeanPrime;
    const double sH = 1 + 0.015 * cMeanPrime * t;
    const double rT = -std::sin(Radians(2 * dTheta)) * rC;
    const double l = dL / sL;
    const double c = dC / sC;
    const double h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

double SmallestDifference(std::span<const quint32> colours, Vision vision) {
    if (colours.size() < 2)
        return 0;
    double smallest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const Lab seen = Seen(colours[i], vision);
        for (std::size_t j = i + 1; j < colours.size(); ++j)
            smallest = std::min(smallest, Ciede2000(seen, Seen(colours[j], vision)));
    }
    return smallest;
}

} // namespace ColourVision

#include "screens/insulation/insulation_formulas.h"

namespace screens::insulation {

using namespace model;

std::optional<int> sizeFor(float d, const std::array<float, kSizes>& dj)
{
    if (d <= dj[0]) return 0;
    for (int k = 1; k < kSizes; ++k)
        if (dj[k - 1] < d && d <= dj[k]) return k;
    return std::nullopt;
}

ext girth(float D) { return ext(D) * 3.14159 * 0.001 + 0.04; }

double insulationVolume(float D, float δ, double Q)
{
    return dbl(Int((δ + ext(D)) * (δ * (ext(Q) * 3.14159)) * 0.001) * 0.001);
}

double jacketQuantity(std::string_view material, float D, double Q)
{
    const ext P = girth(D);
    if (material == upvcSleeve) return Q;
    if (material == stainlessSheet) return dbl(Int(P * Q * 78.5 * 0.002 * 100) * 0.01);
    if (material == glassCloth) return dbl(Int(P * Q * 100) * 0.01);
    return dbl(Int(P * Q * 26.9 * 0.0015 * 100) * 0.01); // aluminium sheet
}

} // namespace screens::insulation

#pragma once
// Pipe sizing and take-off formulas of the insulation screen, kept apart
// from the controls so that each can be checked on its own numbers.

#include "model/values.h"
#include "screens/insulation/insulation_data.h"

#include <array>
#include <optional>
#include <string_view>

namespace screens::insulation {

using model::ext;

// Index of the first size whose inner diameter dj(k) is not smaller than the
// required diameter d (a tie keeps the smaller size); none when d exceeds the
// largest.
std::optional<int> sizeFor(float d, const std::array<float, kSizes>& dj);

// Girth of the jacket, m: circumference of the wrapped diameter D (mm) plus
// 0.04 m of overlap.
ext girth(float D);

// Insulation volume in m3 of Q metres of pipe of diameter D (mm) under a layer
// δ (mm) thick: π(D + δ)δQ, cut down to the litre.
double insulationVolume(float D, float δ, double Q);

// Jacket quantity for Q metres of pipe of diameter D (mm), by the jacket
// material: UPVC sleeve in m, glass cloth in m2 (both cut to 0.01), stainless
// steel sheet 0.2 mm and, for any other material, aluminium sheet 0.15 mm in
// kg (cut to 0.01 kg).
double jacketQuantity(std::string_view material, float D, double Q);

} // namespace screens::insulation

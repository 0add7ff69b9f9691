#pragma once
// Pipe sizes of the collector-field hydraulics: the size table of each pipe
// material (nominal size label and inner diameter), its Hazen-Williams
// coefficient, and the two rules both calculations size pipes with.

#include "model/values.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace screens::hydraulics {

using model::ext;

struct PipeSize {
    std::string_view label;   // "De25", "DN50"
    std::optional<double> mm; // inner diameter; empty: the entry keeps the diameter shown before
};

struct PipeMaterial {
    std::int16_t Ch; // Hazen-Williams coefficient
    std::array<PipeSize, 10> sizes;
};

// clang-format off
inline constexpr PipeMaterial galvanizedSteel{
    100,
    {{{"DN15", 14.6}, {"DN20", 18}, {"DN25", 25.4}, {"DN32", 31.8}, {"DN40", 38.1},
      {"DN50", 50.8}, {"DN65", 63.5}, {"DN80", 76.2}, {"DN100", 101.6}, {"DN125", 120}}}};

inline constexpr PipeMaterial ppr{
    140,
    {{{"De20", 14.6}, {"De25", 18}, {"De32", 26}, {"De40", 32}, {"De50", 38.6},
      {"De63", 45.4}, {"De75", 64}, {"De90", 77}, {"De110", 102}, {"De125", 121}}}};

// The thin-wall stainless table has no inner diameter for its last size.
inline constexpr PipeMaterial stainlessSteel{
    130,
    {{{"D16", 14.6}, {"D22", 19.8}, {"D26", 24}, {"D35", 33}, {"D40", 38},
      {"D50.8", 48.6}, {"D63.5", 61.1}, {"De90", 73.1}, {"De110", 99}, {"De125", std::nullopt}}}};
// clang-format on

// The material of option Option1(Index); nullptr for plastic-lined steel and
// copper, which have no size data (their options are disabled).
const PipeMaterial* materialOf(std::int16_t Index);

// Flow area at 1.5 m/s, 3.1415 x 1.5, as one constant: the required inner
// diameter is d = Sqr(q x 4 / 4.71225) with q in m3/s and d in m.
inline constexpr double kAreaAt15 = 4.71225;

// Size selection: the first entry, in table order, whose inner diameter is
// not smaller than the required diameter d (equal picks that entry). Both
// are single precision. No entry when d exceeds every diameter.
std::optional<int> pickSize(float d, const std::array<float, 10>& D);

// Hazen-Williams unit friction loss, kPa per metre (GB 50015):
// i = 105 x Ch^-1.85 x dj^-4.87 x qg^1.85, dj in m, qg in m3/s. Evaluated as
// qg^1.85 x ((Ch^-1.85 x 105) x dj^-4.87), in extended precision; the caller
// stores it at its own precision.
ext unitLoss(ext qg, ext dj, std::int16_t Ch);

} // namespace screens::hydraulics

#pragma once
// Built-in data of the insulation take-off: the ten pipe sizes of each
// material with their inner diameters, the diameter the insulation wraps,
// the insulation thickness per material and the jacket per protection.

#include <array>
#include <string_view>

namespace screens::insulation {

inline constexpr int kSizes = 10;    // pipe sizes k = 0 ... 9
inline constexpr int kSegments = 12; // riser floors and main segments r = 0 ... 11

struct PipeSize {
    std::string_view steelLabel; // galvanized steel, nominal bore
    double steelBore;            // its inner diameter, mm
    std::string_view pprLabel;   // PPR, outside diameter
    double pprBore;              // its inner diameter, mm
    double loadBore;             // inner diameter the screen starts with, mm
    double wrapped;              // diameter the insulation and jacket wrap, mm
};

// At start the De63 row carries 47.8 mm; choosing PPR again gives its 45.4 mm.
inline constexpr std::array<PipeSize, kSizes> pipeSizes{{
    {"DN15", 18, "De20", 18, 18, 20},
    {"DN20", 21.6, "De25", 22, 22, 28},
    {"DN25", 25.4, "De32", 26, 26, 32},
    {"DN32", 31.8, "De40", 32, 32, 38},
    {"DN40", 38.1, "De50", 38.6, 38.6, 48},
    {"DN50", 50.8, "De63", 45.4, 47.8, 57},
    {"DN65", 63.5, "De75", 64, 64, 76},
    {"DN80", 76.2, "De90", 77, 77, 89},
    {"DN100", 101.6, "De110", 102, 102, 108},
    {"DN125", 120, "De125", 121, 121, 133},
}};

// Return pipe: two sizes below the supply, never below the second size.
inline constexpr std::array<int, kSizes> returnSizeOf{0, 1, 1, 1, 2, 3, 4, 5, 6, 7};

struct Insulation {
    std::string_view material;
    int thickness; // mm
};

// Up to DN25 elastomeric foam, above it polystyrene, as the screen starts.
// clang-format off
inline constexpr std::array<Insulation, kSizes> loadInsulation{{
    {" 橡塑", 13}, {" 橡塑", 13}, {" 橡塑", 13},
    {" 聚苯乙烯", 20}, {" 聚苯乙烯", 20}, {" 聚苯乙烯", 20}, {" 聚苯乙烯", 20},
    {" 聚苯乙烯", 20}, {" 聚苯乙烯", 20}, {" 聚苯乙烯", 20},
}};
// clang-format on

// One row per insulation option.
// clang-format off
inline constexpr std::array<std::array<Insulation, kSizes>, 4> insulationByOption{{
    {{{"橡塑", 22}, {"橡塑", 22}, {"橡塑", 22},
      {"聚苯乙烯", 25}, {"聚苯乙烯", 25}, {"聚苯乙烯", 25}, {"聚苯乙烯", 25},
      {"聚苯乙烯", 25}, {"聚苯乙烯", 25}, {"聚苯乙烯", 25}}},
    {{{"橡塑", 22}, {"橡塑", 22}, {"橡塑", 22}, {"橡塑", 22}, {"橡塑", 22},
      {"橡塑", 23}, {"橡塑", 23}, {"橡塑", 25}, {"橡塑", 25}, {"橡塑", 28}}},
    {{{"聚苯乙烯", 25}, {"聚苯乙烯", 25}, {"聚苯乙烯", 25}, {"聚苯乙烯", 25}, {"聚苯乙烯", 25},
      {"聚苯乙烯", 25}, {"聚苯乙烯", 25}, {"聚苯乙烯", 25}, {"聚苯乙烯", 25}, {"聚苯乙烯", 25}}},
    {{{"聚胺酯", 25}, {"聚胺酯", 25}, {"聚胺酯", 25}, {"聚胺酯", 25}, {"聚胺酯", 25},
      {"聚胺酯", 25}, {"聚胺酯", 25}, {"聚胺酯", 25}, {"聚胺酯", 25}, {"聚胺酯", 25}}},
}};
// clang-format on

// Jacket materials: the quantity formula is chosen by these exact texts.
inline constexpr std::string_view upvcSleeve = "UPVC管";
inline constexpr std::string_view aluminiumSheet = "铝板";
inline constexpr std::string_view glassCloth = "玻璃布";
inline constexpr std::string_view stainlessSheet = "不锈钢板";

struct Jacket {
    std::string_view material;
    std::string_view unit; // of the jacket quantity
};

// One row per protection option; the first is also what the screen starts with.
inline constexpr std::array<std::array<Jacket, 2>, 4> jacketByOption{{
    {{{upvcSleeve, "m"}, {aluminiumSheet, "kg"}}},
    {{{aluminiumSheet, "kg"}, {aluminiumSheet, "kg"}}},
    {{{glassCloth, "m2"}, {glassCloth, "m2"}}},
    {{{stainlessSheet, "kg"}, {stainlessSheet, "kg"}}},
}};
// Sizes k = 0 ... 2 (up to DN25) take the first jacket of a row, the others the second.
inline constexpr int kSmallSizes = 3;

// List items of the input boxes.
inline constexpr std::array<int, 4> floorHeights{2800, 3000, 3300, 3500}; // mm
inline constexpr std::array<int, 3> mainLengths{7200, 6600, 6000};        // mm
inline constexpr std::array<int, 11> floorCounts{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12};
inline constexpr int kMaxRisers = 12;

} // namespace screens::insulation

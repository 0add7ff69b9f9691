// Pool heating screen: the built-in tables, the handlers that fill fields
// from a picked list item, the value lists of the editable combo boxes and
// the collector's annual efficiency.

#include "screens/pool/form5.h"

#include <span>

namespace screens {

namespace {

struct Location {
    double pressure, Tf, Ta, h, JT; // local air pressure as shown, °C, °C, h, MJ/m2
};
constexpr Location locations[] = {
    {760, 15, 22.7, 5.1, 14.7},   // 深圳
    {760, 10, 16.6, 4.94, 11.77}, // 武汉
    {760, 15, 22, 4.62, 11.66},   // 广州
};

// Latent heat of evaporation and saturated vapour pressure at the pool
// water temperature.
struct PoolWater {
    double γ, Pb; // kJ/kg, mmHg
};
constexpr PoolWater poolWater[] = {{582.5, 25.2}, {581.9, 26.7}, {581.4, 28.3}, {580.8, 30}}; // 26 ... 29 ℃

// Vapour pressure of the hall air, mmHg, at 27 ... 30 ℃.
constexpr double hallAirPq[] = {15.2, 17, 18, 19.1};

struct PoolClass {
    double Tp, makeUp; // circulation period h, daily make-up per cent of the volume
};
constexpr PoolClass poolClasses[] = {
    {8, 5},    // club or hotel pool
    {8, 5},    // school or university pool
    {10, 3},   // private pool
    {0.5, 10}, // spa pool
};

// Heating capacity of one air-source heat pump, kW: 5HP ... 30HP.
constexpr double heatPumpKW[] = {27, 46, 57, 70, 87, 105};
// Heating capacity of one boiler, kW: 58 kW for every 50 000 kcal/h.
constexpr double boilerKW[] = {58, 116, 174, 232, 290, 348};

// Efficiency curve of the collector types: intercept and loss coefficient.
struct Collector {
    double η0, FR;
};
constexpr Collector collectors[] = {{0.775, 4.3}, {0.685, 2.8}, {0.73, 2.3}}; // flat plate, glass tube, heat pipe

// The row of a picked list item; an index outside the table is a failure.
template <class T>
const T& row(std::span<const T> table, const Control& combo)
{
    const int k = combo.listIndex();
    if (k < 0 || k >= static_cast<int>(table.size()))
        throw CalcError(FailureKind::IndexOutOfRange, combo.address() + ".ListIndex(" + std::to_string(k) + ")");
    return table[static_cast<std::size_t>(k)];
}

// A value list is made once, the first time its combo box's text is set.
template <class Item>
void fillOnce(Control& combo, std::int16_t count, Item item)
{
    if (combo.listCount() != 0) return;
    for (std::int16_t k = 0; k < count; ++k) combo.addItem(item(k));
}

} // namespace

void Form5::Combo1_Click()
{
    const Location& l = row<Location>(locations, Combo1);
    Text1(0).setText(CStr(l.pressure));
    Text1(1).setText(CStr(l.Tf));
    Text1(2).setText(CStr(l.Ta));
    Text1(3).setText(CStr(l.h));
    Text1(4).setText(CStr(l.JT));
    CollectorEfficiency();
}

void Form5::Combo2_Click()
{
    const PoolWater& w = row<PoolWater>(poolWater, Combo2);
    Text2(0).setText(CStr(w.γ));
    Text2(1).setText(CStr(w.Pb));
}

void Form5::Combo3_Click() { Text3.setText(CStr(row<double>(hallAirPq, Combo3))); }

void Form5::Combo4_Click()
{
    const PoolClass& c = row<PoolClass>(poolClasses, Combo4);
    Text4(0).setText(CStr(c.Tp));
    Text4(1).setText(CStr(c.makeUp));
}

void Form5::Combo7_Click() { Text8(0).setText(CStr(row<double>(heatPumpKW, Combo7))); }
void Form5::Combo8_Click() { Text9(0).setText(CStr(row<double>(heatPumpKW, Combo8))); }
void Form5::Combo15_Click() { Text10.setText(CStr(row<double>(boilerKW, Combo15))); }

void Form5::Combo12_Click()
{
    const Collector& c = row<Collector>(collectors, Combo12);
    Text12(0).setText(CStr(c.η0));
    Text12(1).setText(CStr(c.FR));
    CollectorEfficiency();
}

// --- value lists: υ, Th, Cr, ξ, K1, F, ηL

void Form5::Combo5_Change()
{
    fillOnce(Combo5, 4, [](std::int16_t k) { return Str(dbl(ext(0.1) * k + 0.2)); });
}
void Form5::Combo6_Change()
{
    fillOnce(Combo6, 5, [](std::int16_t k) { return Str(i16(12 * k + 24)); });
}
void Form5::Combo9_Change()
{
    fillOnce(Combo9, 3, [](std::int16_t k) { return Str(dbl(ext(0.05) * k + 1.1)); });
}
void Form5::Combo10_Change()
{
    fillOnce(Combo10, 3, [](std::int16_t k) { return Str(dbl(ext(0.1) * k + 0.6)); });
}
void Form5::Combo11_Change()
{
    fillOnce(Combo11, 4, [](std::int16_t k) { return Str(dbl(ext(0.1) * k + 1.5)); });
}
void Form5::Combo13_Change()
{
    fillOnce(Combo13, 3, [](std::int16_t k) { return Str(dbl(ext(0.1) * k + 0.4)); });
}
void Form5::Combo14_Change()
{
    fillOnce(Combo14, 3, [](std::int16_t k) { return Str(dbl(ext(0.05) * k + 0.2)); });
}

// Annual efficiency of the collector at the mean irradiance of the sunshine
// hours and the mean of its inlet and outlet temperatures.
float Form5::CollectorEfficiency()
{
    const float Ta = sng(Val(Text1(2).text()));
    const float h = sng(Val(Text1(3).text()));
    const float JT = sng(Val(Text1(4).text()));
    const float η0 = sng(Val(Text12(0).text()));
    const float FR = sng(Val(Text12(1).text()));
    const float TL = sng(Val(Text12(2).text()));
    const float Tend = sng(Val(Text12(3).text()));
    const float G = sng(quot(ext(JT) * 1000000, ext(h) * 3600)); // W/m2
    const float Tm = sng((ext(Tend) + Tend) / 3 + ext(TL) / 3);
    const float Tstar = sng(quot(ext(Tm) - Ta, G)); // reduced temperature T*
    const float η = sng(η0 - ext(FR) * Tstar);
    Text9(2).setText(CStr(dbl(Int(ext(η) * 10000) * 0.01)));
    return η;
}

} // namespace screens

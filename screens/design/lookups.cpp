// Built-in design data of the solar design screen: climate per city,
// collector data, hot-water quotas per building type (GB 50015-2003) and
// heat-transfer coefficients per exchanger type, and the lists of
// recommended coefficient values.

#include "screens/design/form1.h"

#include <cstddef>
#include <string>

namespace screens {

namespace {

struct Location {
    const char* name;
    double TL;    // cold water, ℃
    double Tend;  // hot water, ℃
    double Ta;    // annual mean daily air temperature, ℃
    double hours; // daily sunshine hours
    double JT;    // daily irradiation on the tilted plane, MJ/m2
};
constexpr Location locations[] = {
    {"深圳", 20, 55, 22.7, 5.1, 14.7},
    {"武汉", 15, 55, 16.6, 4.94, 11.77},
    {"广州", 20, 55, 22, 4.62, 11.66},
};

struct Collector {
    const char* name;
    double η0; // efficiency intercept
    double FR; // heat-loss coefficient, W/m2·℃
};
constexpr Collector collectors[] = {
    {"平板集热器", 0.775, 4.3},
    {"全玻璃真空管", 0.685, 2.8},
    {"热管集热器", 0.73, 2.3},
};

struct Building {
    const char* name;
    double q1; // maximum daily quota per user or bed, L/d
    double q2; // average daily quota, L/d
    const char* count;
    const char* quotaUnit;
    std::int16_t supply; // 0 24-hour supply, 1 scheduled supply
};
constexpr Building buildings[] = {
    {"集体宿舍单独卫生间", 80, 60, "用水人数m", "L/d.人", 1},
    {"集体宿舍公用洗浴间", 40, 25, "用水人数m", "L/d.人", 1},
    {"宾馆", 120, 100, "用水床位数m", "L/d.床", 0},
    {"医院住院部单独卫生间", 150, 110, "用水床位数m", "L/d.床", 0},
    {"医院住院部公用洗浴间", 80, 60, "用水床位数m", "L/d.床", 0},
};

struct Exchanger {
    const char* name;
    double K; // heat-transfer coefficient, W/m2·℃
};
constexpr Exchanger exchangers[] = {
    {"容积式", 400}, {"导流型容积式", 1500}, {"半容积式", 2500}, {"半即热式", 2000}, {"板式换热器", 3000},
};

// The table row of the item picked in `combo`.
template <class Row, std::size_t N>
const Row& picked(const Row (&table)[N], const Control& combo)
{
    const int k = combo.listIndex();
    if (k < 0 || k >= static_cast<int>(N))
        throw CalcError(FailureKind::IndexOutOfRange, combo.address() + ".ListIndex " + std::to_string(k));
    return table[k];
}

template <class Row, std::size_t N>
void fillNames(Control& combo, const Row (&table)[N])
{
    for (const Row& row : table) combo.addItem(row.name);
}

// Recommended values start + step × k, computed in double precision; a list
// holds each item once, so later changes of the text add nothing.
void fillValues(Control& combo, double start, double step, int n)
{
    for (int k = 0; k < n; ++k) combo.addItem(Str(start + step * k));
}

} // namespace

void Form1::fillLocationList() { fillNames(Combo1, locations); }
void Form1::fillCollectorList() { fillNames(Combo2, collectors); }
void Form1::fillBuildingList() { fillNames(Combo3, buildings); }
void Form1::fillExchangerList() { fillNames(Combo7, exchangers); }

void Form1::Combo1_Click()
{
    const Location& row = picked(locations, Combo1);
    Text1.setText(CStr(row.TL));
    Text2.setText(CStr(row.Tend));
    Text3.setText(CStr(row.Ta));
    Text4.setText(CStr(row.hours));
    Text5.setText(CStr(row.JT));
}

void Form1::Combo2_Click()
{
    const Collector& row = picked(collectors, Combo2);
    Text6.setText(CStr(row.η0));
    Text7.setText(CStr(row.FR));
}

void Form1::Combo3_Click()
{
    const Building& row = picked(buildings, Combo3);
    Text13(1).setText(CStr(row.q1));
    Text13(2).setText(CStr(row.q2));
    QhA = static_cast<std::int16_t>(Combo3.listIndex());
    Label4(0).setCaption(row.count);
    Label4(3).setCaption(row.quotaUnit);
    Label4(4).setCaption(row.quotaUnit);
    Label5(5).setCaption("L/d");
    Label5(6).setCaption("L/d");
    // the supply mode follows the building type; the user cannot choose it
    Option2(row.supply).setValue(true);
}

void Form1::Combo7_Click() { Text12.setText(CStr(picked(exchangers, Combo7).K)); }

void Form1::Combo4_Change() { fillValues(Combo4, 0.4, 0.1, 3); }
void Form1::Combo5_Change() { fillValues(Combo5, 0.2, 0.05, 3); }
void Form1::Combo6_Change() { fillValues(Combo6, 1.5, 0.1, 4); }
void Form1::Combo8_Change() { fillValues(Combo8, 1.1, 0.05, 3); }
void Form1::Combo9_Change() { fillValues(Combo9, 0.6, 0.1, 3); }
void Form1::Combo10_Change() { fillValues(Combo10, 5, 1, 6); }
void Form1::Combo11_Change() { fillValues(Combo11, 0.4, 0.1, 3); }
void Form1::Combo12_Change() { fillValues(Combo12, 0.2, 0.05, 3); }

} // namespace screens

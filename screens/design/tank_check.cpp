// Tank checks for an installed collector area, on both panels, and the reset
// that clears the results of the whole screen.

#include "screens/design/form1.h"

#include <cstdint>

namespace screens {

namespace {

enum class FromTenCubicMetres { NextWholeAboveCut, Cut };

// Standard tank size (m3) for the daily volume V (L): 50 L steps up to
// 0.5 m3, 100 L steps up to 1 m3, 500 L steps below 10 m3 and whole cubic
// metres from there on. A volume of 0 or less leaves the field as it was.
// Each step's lower end `lo` is a whole number, exact in single precision,
// and is compared with the volume in single precision.
void showTankSize(float V, Control& field, FromTenCubicMetres large)
{
    if (V <= 0) return;
    if (V <= 500) {
        for (std::int16_t i = 0; i <= 500; i += 50) {
            const float lo = i;
            if (lo < V && V <= lo + 50) V = lo + 50;
        }
        field.setText(CStr(sng(ext(V) / 1000.0)));
    } else if (V <= 1000) {
        for (std::int16_t i = 500; i <= 1000; i += 100) {
            const float lo = i;
            if (lo < V && V < lo + 100) V = lo + 100;
        }
        field.setText(CStr(sng(ext(V) / 1000.0)));
    } else if (V < 10000) {
        for (std::int16_t i = 1000; i <= 10000; i += 500) {
            const float lo = i;
            if (lo < V && V <= lo + 500) V = lo + 500;
        }
        field.setText(CStr(sng(ext(V) / 1000.0)));
    } else {
        float v = sng(ext(V) * 0.001); // m3
        for (std::int16_t i = 1000; i <= 10000; i += 100) {
            const float lo = i;
            if (lo < v && v <= lo + 100) v = lo + 100;
        }
        field.setText(CStr(sng(large == FromTenCubicMetres::NextWholeAboveCut ? Int(v) + 1 : Int(v))));
    }
}

} // namespace

void Form1::Command4_Click()
{
    AcA = sng(Val(Text15(0).text()));
    f = sng(Val(Combo4.text()));
    ηL = sng(Val(Combo5.text()));
    TL = sng(Val(Text1.text()));
    Tend = sng(Val(Text2.text()));
    JT = sng(Val(Text5.text()));
    ηjr = sng(ext(Val(Text11.text())) * 0.01);
    const float V = TankVolume(AcA, 4.1868, 1, Tend, TL, f, JT, ηjr, ηL);
    showTankSize(V, Text15(1), FromTenCubicMetres::NextWholeAboveCut);
}

void Form1::Command7_Click()
{
    AcA = sng(Val(Text18(0).text()));
    f = sng(Val(Combo11.text()));
    ηL = sng(Val(Combo12.text()));
    TL = sng(Val(Text1.text()));
    Tend = sng(Val(Text2.text()));
    JT = sng(Val(Text5.text()));
    ηjr = sng(ext(Val(Text11.text())) * 0.01);
    const float V = TankVolume(AcA, 4.1868, 1, Tend, TL, f, JT, ηjr, ηL);
    showTankSize(V, Text18(1), FromTenCubicMetres::Cut);
}

// Clears the results and the household table for a new design; the climate,
// collector, exchanger and quota entries, the lists and the choices stay.
void Form1::Command8_Click()
{
    Text8.setText(" ");
    Text9.setText(" ");
    Text10.setText(" ");
    Text11.setText(" ");
    Text13(0).setText("");
    for (std::int16_t k = 0; k <= 9; ++k) Text14(k).setText("");
    Text15(0).setText("");
    Text15(1).setText("");
    for (std::int16_t k = 0; k <= 4; ++k) {
        Text20(k).Hide();
        Text21(k).Hide();
        Text22(k).Hide();
        Text23(k).Hide();
        Text24(k).Hide();
        Text25(k).Hide();
        Text30(k).Hide();
        Text26(k).setText("");
        Check1(k).setValue(0);
    }
    for (std::int16_t k = 0; k <= 4; ++k) Text16(k).setText("");
    Text18(0).setText("");
    Text18(1).setText("");
    Text19.setText("");
}

} // namespace screens

// Residential solar system from the household table: one collector field
// with either one central tank (centralized) or a tank and heat exchanger in
// each dwelling (semi-centralized), and the heat pump of a central tank.

#include "screens/design/form1.h"

#include <cstdint>

namespace screens {

void Form1::Command6_Click()
{
    f = sng(Val(Combo11.text()));
    ηL = sng(Val(Combo12.text()));
    K1 = sng(Val(Combo6.text()));
    K = sng(Val(Text12.text()));
    Cr = sng(Val(Combo8.text()));
    ξ = sng(Val(Combo9.text()));
    ΔT = sng(Val(Combo10.text()));
    TL = sng(Val(Text1.text()));
    Tend = sng(Val(Text2.text()));
    Ta = sng(Val(Text3.text()));
    Hxs = sng(Val(Text4.text()));
    JT = sng(Val(Text5.text()));
    Tju = sng(Val(Text6.text()));
    FR = sng(Val(Text7.text()));

    collectorOperatingPoint();

    // daily totals over every row of the table, shown or not
    ext maximumDay = 0;
    for (std::int16_t k = 0; k <= 4; ++k) maximumDay += ext(Val(Text24(k).text())) * Val(Text22(k).text());
    Qz = sng(maximumDay);
    Text16(0).setText(CStr(Qz));
    ext averageDay = 0;
    for (std::int16_t k = 0; k <= 4; ++k) averageDay += ext(Val(Text25(k).text())) * Val(Text22(k).text());
    Qrd = sng(averageDay);
    Text16(1).setText(CStr(Qrd));

    const float Ac = CollectorArea(Qrd, 4.1868, 1, Tend, TL, f, JT, ηjr, ηL);

    if (Option4(0).value()) { // centralized
        if (Qrd != 0) {
            Label9.Hide();
            Text16(2).setText(CStr(dbl(cut(Ac, 1))));
        } else {
            Text16(2).setText("0");
            Label9.Show();
        }
    } else { // semi-centralized: heated through the household exchangers
        if (Qrd != 0) {
            Label9.Hide();
            const float Qhx = ExchangerCapacity(K1, f, Qrd, 4.1868, 1, Tend, TL, Hxs);
            const float S = sng(quot(ext(Qhx) * Cr, ext(ξ) * K * ΔT));
            Ain = sng(ext(Ac) * (1.0 + quot(ext(Ac) * FR, ext(S) * K)));
            Text16(2).setText(CStr(dbl(cut(Ain, 1))));
        } else {
            Text16(2).setText("0");
            Label9.Show();
        }
    }

    AcA = sng(Val(Text16(2).text()));
    const float V = TankVolume(AcA, 4.1868, 1, Tend, TL, f, JT, ηjr, ηL);
    Text16(3).setText(CStr(sng(Int(V))));

    Qr = sng((ext(Tend) - TL) * (ext(Qz) * 4.1868) / 28.8);
    Text16(4).setText(CStr(dbl(Int(ext(Qr) / 4.2 * 0.001 / 0.75)))); // HP
}

} // namespace screens

// Centralized solar hot-water system for dormitories, hotels and hospital
// wards: collector efficiency, daily demand, collector area of a direct or
// indirect system, exchanger area, tank volume, design hourly heat and the
// auxiliary heater. Also the sizing functions the other calculations share.

#include "screens/design/form1.h"

#include <cstdint>

namespace screens {

namespace {

// Hourly variation coefficient Kh of GB 50015-2003 by number of beds, taken
// in steps: the first row whose bound the number of beds does not exceed.
struct KhStep {
    std::int16_t upTo;
    float Kh;
};
constexpr KhStep hotelKh[] = {{150, 6.84f}, {300, 5.61f}, {450, 4.97f}, {600, 4.58f}, {900, 4.19f}, {INT16_MAX, 3.9f}};
constexpr KhStep hospitalKh[] = {{50, 4.55f}, {75, 3.78f},  {100, 3.54f},      {200, 2.93f},
                                 {300, 2.6f}, {500, 2.23f}, {INT16_MAX, 1.95f}};

template <std::size_t N>
float stepKh(const KhStep (&table)[N], std::int16_t beds)
{
    for (const KhStep& row : table)
        if (beds <= row.upTo) return row.Kh;
    return table[N - 1].Kh;
}

} // namespace

// Collector area (m2) of a direct system that heats the daily volume p1 (L)
// from p5 to p4 with solar fraction p6: specific heat p2, density p3, daily
// irradiation p7, collector efficiency p8, pipe-loss ratio p9.
float Form1::CollectorArea(Variant p1, Variant p2, Variant p3, Variant p4, Variant p5, Variant p6, Variant p7,
                           Variant p8, Variant p9)
{
    return sng((((p1 * p2) * p3) * (p4 - p5) * p6 / (1000 * ((1 - p9) * (p7 * p8)))).value());
}

// Design heat-exchange capacity (W): the solar share p2 of the daily heat of
// the volume p3 spread over the sunshine hours p8, raised by the irradiance
// coefficient p1.
float Form1::ExchangerCapacity(Variant p1, Variant p2, Variant p3, Variant p4, Variant p5, Variant p6, Variant p7,
                               Variant p8)
{
    return sng(((((p3 * p1) * p4) * p5) * p2 * (p6 - p7) * 1000 / (3600 * p8)).value());
}

// Daily volume (L) that the collector area p1 heats; the inverse of
// CollectorArea with the same arguments.
float Form1::TankVolume(Variant p1, Variant p2, Variant p3, Variant p4, Variant p5, Variant p6, Variant p7, Variant p8,
                        Variant p9)
{
    return sng(((((1000 * p1) * p7) * p8) * (1 - p9) / (((p2 * p3) * (p4 - p5)) * p6)).value());
}

// Mean irradiance over the sunshine hours, collector inlet temperature and
// normalized temperature difference, and from them the annual efficiency.
void Form1::collectorOperatingPoint()
{
    g = sng(quot(ext(JT) * 1000000.0, ext(Hxs) * 3600.0));
    Text8.setText(CStr(sng(Int(g))));
    Ti = sng(ext(Tend) * 2.0 / 3.0 + ext(TL) / 3.0);
    Text9.setText(CStr(dbl(cut(Ti, 1))));
    Tgy = sng(quot(ext(Ti) - Ta, g));
    Text10.setText(CStr(dbl(cut(Tgy, 4))));
    ηjr = sng(ext(Tju) - ext(Tgy) * FR);
    Text11.setText(CStr(dbl(Int(ext(ηjr) * 10000.0) * 0.01))); // percent, two decimals
}

void Form1::Command3_Click()
{
    Label9.Hide();

    f = sng(Val(Combo4.text()));
    ηL = sng(Val(Combo5.text()));
    K1 = sng(Val(Combo6.text()));
    K = CSng(Text12.text());
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
    m = CInt(Val(Text13(0).text()));
    q1 = sng(Val(Text13(1).text()));
    q2 = sng(Val(Text13(2).text()));

    collectorOperatingPoint();

    Qz = sng(ext(m) * q1);
    Text14(0).setText(CStr(Qz));
    Qrd = sng(ext(m) * q2);
    Text14(1).setText(CStr(Qrd));

    const float Ac = CollectorArea(Qrd, 4.1868, 1, Tend, TL, f, JT, ηjr, ηL);

    if (Option1(0).value()) { // direct system
        if (Qrd != 0) {
            Text14(2).setText(CStr(dbl(cut(Ac, 1))));
        } else {
            Text14(2).setText("0");
            Label9.Show();
        }
    } else if (Qrd == 0 && Option1(1).value()) {
        Text14(2).setText("0");
        Text14(3).setText("0");
        Label9.Show();
    } else { // indirect system: the exchanger's losses enlarge the area
        const float Qhx = ExchangerCapacity(K1, f, Qrd, 4.1868, 1, Tend, TL, Hxs);
        const float S = sng(quot(ext(Qhx) * Cr, ext(ξ) * K * ΔT));
        Text14(4).setText(CStr(dbl(cut(S, 2))));
        Ain = sng(ext(Ac) * (1.0 + quot(ext(Ac) * FR, ext(S) * K)));
        Text14(2).setText(CStr(dbl(cut(Ain, 1))));
    }

    // the tank follows the area as displayed
    AcA = CSng(Text14(2).text());
    const float V = TankVolume(AcA, 4.1868, 1, Tend, TL, f, JT, ηjr, ηL);
    Text14(3).setText(CStr(sng(Int(V))));

    // design hourly heat: dormitories over 3.5 hours of scheduled supply,
    // hotels and wards with the hourly variation coefficient over 24 hours
    float Qh = 0;
    if ((QhA == 1 && Option2(1).value()) || QhA == 0) {
        Qh = sng((ext(Tend) - TL) * (ext(Qz) * 4.1868) / 12.6);
        Text14(9).setText(CStr(sng(Int(Qh))));
        const float Qrh = sng(ext(Qz) / 3.5);
        Text14(7).setText(CStr(sng(Int(Qrh))));
    }
    const auto withKh = [&](float Kh) {
        Qh = sng(ext(Kh) * Qz * 4.1868 * (ext(Tend) - TL) / 86.4);
        Text14(8).setText(CStr(Kh));
        Text14(9).setText(CStr(sng(Int(Qh))));
        const float Qrh = sng(ext(Kh) * Qz / 24.0);
        Text14(7).setText(CStr(sng(Int(Qrh))));
    };
    if (QhA == 2 && Option2(0).value()) withKh(stepKh(hotelKh, m));
    if ((QhA == 4 && Option2(0).value()) || QhA == 3) withKh(stepKh(hospitalKh, m));

    // auxiliary heater: electric heater and heat pump make the day's heat in
    // 8 hours; the boiler covers the design hourly heat
    if (Option3(0).value()) {
        const float Qheat = sng((ext(Tend) - TL) * (ext(Qz) * 4.1868) / 28.8);
        Text14(6).setText(CStr(sng(Int(Qheat))));
        Text14(5).setText(CStr(sng(Int(ext(Qheat) / 1000.0)))); // kW
    } else if (Option3(1).value()) {
        Text14(6).setText(CStr(sng(Int(Qh))));
        Text14(5).setText(CStr(dbl(Int(ext(Qh) * 860.0 / 10000000.0)))); // 10^4 kcal/h
    } else if (Option3(2).value()) {
        const float Qheat = sng((ext(Tend) - TL) * (ext(Qz) * 4.1868) / 28.8);
        Text14(6).setText(CStr(sng(Int(Qheat))));
        Text14(5).setText(CStr(dbl(Int(ext(Qheat) / 4.2 * 0.001 / 0.75)))); // HP
    }
}

} // namespace screens

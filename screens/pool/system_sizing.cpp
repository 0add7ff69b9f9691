// Pool heating screen: sizing of the solar and boiler systems (collector
// area, number of heat pumps or boilers, plate heat-exchanger area, secondary
// pump flow) and the check of an installed collector area.

#include "screens/pool/form5.h"

namespace screens {

// The inputs of the sizing, read from the fields as shown (the heat loads
// truncated), each held in single precision, and the working values shared
// by the design and the check.
struct Form5::Sizing {
    float ΔT, P1, P2, qc, Q1, Qb, K, hs, Cr, ξ, K1, F, ηL, h, JT, FR;

    // solar heat the plate exchanger must pass, W
    float Qj(float hs_) const { return sng(quot(ext(F) * K1 * P1 * 860 * 4.1868 * hs_ * 1000, ext(h) * 3600)); }
    // solar share of the exchanger area, m2
    float F1s(float Qj_) const { return sng(quot(ext(Qj_) * Cr, ext(ξ) * K * ΔT)); }
    // boiler share of the exchanger area for N boilers, m2
    float F1b(float N) const { return sng(quot(ext(Cr) * Qb * N * 1000, ext(ξ) * K * ΔT)); }
    // collector area of a direct system, m2
    float Ac0(float η) const { return sng(quot(ext(hs) * P1 * 860 * 4.1868 * F, ext(JT) * 1000 * η * (1 - ext(ηL)))); }
    // collector area behind the exchanger (indirect system), m2
    float Ac(float Ac0_, float F1) const { return sng(ext(Ac0_) * (quot(ext(Ac0_) * FR, ext(F1) * K) + 1)); }
    // secondary circulation pump, m3/h
    double pump() const { return dbl(ext(qc) * 0.2); }
};

namespace {

// Results cut to hundredths, to tenths, to whole square metres.
std::string cut2(ext x) { return CStr(dbl(cut(x, 2))); }
std::string cut1(ext x) { return CStr(dbl(cut(x, 1))); }
std::string whole(float x) { return CStr(sng(Int(x))); }
// A count formed as ten times itself (P1 × 10 / Q1), cut to tenths.
std::string tenths(ext x) { return CStr(dbl(Int(x) * 0.1)); }

float num(const Control& field) { return sng(Val(field.text())); }

} // namespace

Form5::Sizing Form5::ReadSizing() const
{
    return {.ΔT = num(Text7(4)),
            .P1 = num(Text7(8)),
            .P2 = num(Text7(9)),
            .qc = num(Text7(2)),
            .Q1 = num(Text9(0)),
            .Qb = num(Text10),
            .K = num(Text9(1)),
            .hs = num(Text9(3)),
            .Cr = num(Combo9),
            .ξ = num(Combo10),
            .K1 = num(Combo11),
            .F = num(Combo13),
            .ηL = num(Combo14),
            .h = num(Text1(3)),
            .JT = num(Text1(4)),
            .FR = num(Text12(1))};
}

void Form5::Command3_Click()
{
    const Sizing s = ReadSizing();
    const float η = CollectorEfficiency();

    switch (Xtlx) {
    case 1: { // solar with heat pumps as back-up
        if (s.P1 != 0) {
            const float Qj = s.Qj(s.hs);
            const float F1s = s.F1s(Qj);
            Text9(6).setText(cut2(F1s));
            const float Ac0 = s.Ac0(η);
            const float Ac = s.Ac(Ac0, F1s);
            Text9(4).setText(whole(Ac));
        } else {
            Text9(4).setText("0");
        }
        // the larger of the holding demand and the first heating left after
        // the sun's hours decides the number of heat pumps
        const float N1 = sng(quot((1 - quot(s.hs, 24)) * s.P2, s.Q1));
        if (sng(quot(s.P1, s.Q1)) >= N1) Text9(5).setText(tenths(quot(ext(s.P1) * 10, s.Q1)));
        else Text9(5).setText(cut1(N1));
        Text9(7).setText(CStr(s.pump()));
        break;
    }
    case 2: { // boilers only
        if (s.P2 == 0) {
            for (std::int16_t k = 4; k <= 7; ++k) Text9(k).setText("0");
            return;
        }
        const float N = sng(quot(s.P2, ext(s.Cr) * s.Qb));
        Text9(5).setText(cut1(N));
        Text9(6).setText(cut2(s.F1b(N)));
        Text9(7).setText(CStr(s.pump()));
        break;
    }
    case 3: { // solar with boilers as back-up
        const float N = sng(quot((1 - quot(s.hs, 24)) * s.P2, s.Qb));
        Text9(5).setText(cut1(N));
        Text9(7).setText(CStr(s.pump()));
        const float F1b = s.F1b(N);
        const float Qj = s.Qj(s.hs);
        const float F1s = s.F1s(Qj);
        Text9(6).setText(cut2(ext(F1s) + F1b));
        if (s.P1 != 0) {
            const float Ac0 = s.Ac0(η);
            Text9(4).setText(whole(s.Ac(Ac0, F1s))); // the collectors sized on the solar share only
        } else {
            Text9(4).setText("0");
        }
        break;
    }
    default: break;
    }
}

// Check of the installed collector area Fi against the calculated area Ac:
// the sun covers hs' = Fi × hs / Ac hours, the back-up the rest.
void Form5::Command4_Click()
{
    const Sizing s = ReadSizing();
    const float Ac = num(Text9(4));
    const float Fi = num(Text9(8));

    switch (Xtlx) {
    case 1: { // heat pumps as back-up
        const float hs_ = Ac != 0 ? sng(quot(ext(Fi) * s.hs, Ac)) : 24.0f;
        const float N = sng(quot((1 - quot(hs_, 24)) * s.P2, s.Q1));
        if (Fi == 0) { // no collectors: the heat pumps do all the first heating
            Text9(9).setText(tenths(quot(ext(s.P2) * 10, s.Q1)));
            Text9(10).setText("0");
            Text9(11).setText("0");
            return;
        }
        if (s.P1 < ext(s.Q1) * N) Text9(9).setText(tenths(sng(ext(N) * 10)));
        else Text9(9).setText(tenths(quot(ext(s.P1) * 10, s.Q1)));
        Text9(10).setText(cut2(s.F1s(s.Qj(hs_))));
        Text9(11).setText(CStr(s.pump()));
        break;
    }
    case 3: { // boilers as back-up
        if (Fi != 0) {
            const float hs_ = sng(quot(ext(Fi) * s.hs, Ac));
            const float N = sng(quot((1 - quot(hs_, 24)) * s.P2, s.Qb));
            if (s.P1 < ext(s.Qb) * N) Text9(9).setText(cut1(N));
            else Text9(9).setText(tenths(quot(ext(s.P1) * 10, s.Qb)));
            const float F1b = s.F1b(N);
            const float F1s = s.F1s(s.Qj(hs_));
            Text9(10).setText(cut2(ext(F1s) + F1b));
            // the pump flow is written here too, as on every other path
            Text9(11).setText(CStr(s.pump()));
        } else {
            const float N = sng(quot(s.P2, ext(s.Cr) * s.Qb));
            Text9(9).setText(cut1(N));
            Text9(10).setText(cut2(s.F1b(N)));
            Text9(11).setText(CStr(s.pump()));
        }
        break;
    }
    default: break; // no check for the heat-pump-only and boiler-only systems
    }
}

} // namespace screens

// Pool heating screen: heat losses and heating power of the pool, and the
// number of heat pumps of the heat-pump-only system.

#include "screens/pool/form5.h"

namespace screens {

// Volume, surface, circulation and make-up flows, the evaporation and
// conduction losses, the make-up heat, the holding and first-heating powers
// and the temperature rise across the heater. Losses are in kJ/h while
// computed and shown in kW.
void Form5::Command1_Click()
{
    const float Tf = sng(Val(Text1(1).text()));
    const float Td = sng(Val(Combo2.text()));
    const float γ = sng(Val(Text2(0).text()));
    const float Pb = sng(Val(Text2(1).text()));
    const float Pq = CSng(Text3.text()); // the one strict reading: vapour pressure of the hall air
    const float Tp = sng(Val(Text4(0).text()));
    const float p = sng(Val(Text4(1).text()));
    const float υ = sng(Val(Combo5.text()));
    const float Th = sng(Val(Combo6.text()));
    const float th = sng(Val(Text5.text()));
    const float L = sng(Val(Text6(0).text()));
    const float W = sng(Val(Text6(1).text()));
    const float h = sng(Val(Text6(2).text()));

    const float V = sng(ext(W) * L * h);
    Text7(0).setText(CStr(sng(Int(V))));
    const float S = sng(ext(W) * L);
    Text7(1).setText(CStr(S));
    const float qc = sng(quot(V, Tp));
    Text7(2).setText(CStr(sng(Int(qc))));
    const float Vf = sng(ext(V) * p * 0.01);
    Text7(3).setText(CStr(sng(Int(Vf))));
    const float Qs = sng((ext(υ) * 0.0174 + 0.0229) * (ext(γ) * 4.1868) * (ext(Pb) - Pq) * S);
    Text7(5).setText(CStr(sng(Int(ext(Qs) / 3600))));
    const float Qt = sng(ext(Qs) * 0.2); // conduction: a fifth of the evaporation loss
    Text7(6).setText(CStr(sng(Int(ext(Qt) / 3600))));
    const float Qf = sng(quot((ext(Td) - Tf) * (ext(Vf) * 4.1868 * 1000), th));
    Text7(7).setText(CStr(sng(Int(ext(Qf) / 3600))));
    const float P1 = sng(ext(Qt) + Qs + Qf);
    Text7(8).setText(CStr(sng(Int(ext(P1) / 3600))));
    const float P2 = sng(quot((ext(Td) - Tf) * (ext(V) * 4.1868 * 1000), Th));
    Text7(9).setText(CStr(sng(Int(ext(P2) / 3600))));

    // from the three losses themselves, not from the stored P1; the value
    // goes through its own text before it is cut to hundredths
    const double ΔT = dbl(quot(ext(Qt) + Qs + Qf, ext(qc) * 4186.8 * 0.2));
    Text7(4).setText(CStr(dbl(cut(CDbl(CStr(ΔT)), 2))));
}

// Heat pumps for the first heating at the capacity of one unit.
void Form5::Command2_Click()
{
    const float P2 = sng(Val(Text7(9).text()));
    const float Q1 = sng(Val(Text8(0).text()));
    const float N = sng(quot(P2, Q1));
    Text8(1).setText(CStr(dbl(cut(N, 1))));
}

} // namespace screens

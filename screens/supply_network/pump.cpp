// Circulating pump: friction loss of one riser and the main with the local
// allowance and the equipment head; three times the system's water volume
// per hour as circulation flow. Totals in currency arithmetic.
#include "screens/supply_network/form3.h"

namespace screens {

void Form3::Command3_Click()
{
    float riserLoss[12];
    float riserVolume[12];
    float mainLoss[12];
    float mainVolume[12];
    for (i = 0; i <= 11; ++i) {
        riserLoss[i] = sng(Val(Text17(i).text()));
        riserVolume[i] = sng(Val(Text18(i).text()));
        mainLoss[i] = sng(Val(Text27(i).text()));
        mainVolume[i] = sng(Val(Text28(i).text()));
    }
    Currency Sr;
    Currency Sh;
    Currency Vr;
    Currency Vh;
    for (i = 0; i <= 11; ++i) {
        Sr += CCur(riserLoss[i]);
        Sh += CCur(mainLoss[i]);
        Vr += CCur(riserVolume[i]);
        Vh += CCur(mainVolume[i]);
    }
    Text4.setText(CStr(Sr + Sh));     // m
    const ext a = Val(Combo2.text()); // local losses as a fraction of the friction loss
    const ext Hd = Val(Text9.text()); // equipment height and resistance, m
    const Currency H = CCur(cut((Sr + Sh).value() * (a + 1 + 0.2) + Hd, 2));
    Text19.setText(CStr(H));          // pump head, m
    const ext nr = Val(Text6.text()); // risers
    const Currency Q = CCur(cut((Vh.value() * 1.3 + Vr.value() * nr) * 0.003, 2));
    Text29.setText(CStr(Q)); // circulation flow, m³/h

    // a shown segment without a size has no loss or volume in the totals
    bool incomplete = false;
    for (i = 0; i <= 11; ++i) {
        incomplete = incomplete || (Text14(i).visible() && Text14(i).text() == noSize);
        incomplete = incomplete || (Text24(i).visible() && Text24(i).text() == noSize);
    }
    Label19.setVisible(incomplete);
}

} // namespace screens

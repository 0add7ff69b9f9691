// Riser and horizontal-main sizing: design flow of each segment from its
// fixture units, the smallest pipe of the size table that keeps the velocity
// at or below 1.5 m/s, Hazen-Williams friction loss and the water volume.
#include "screens/supply_network/form3.h"

namespace screens {

void Form3::Command1_Click()
{
    i = CInt(Val(Text5.text())); // storeys
    const std::int16_t Ch = CInt(Val(Text2.text()));
    Command1.SetFocus();
    CalculateRows(riser(), Ch, [this](int k) -> ext {
        // segment k + 1 carries the fixture units of k + 1 storeys
        const float Ng = sng(ext(k + 1) * Val(Text3.text()));
        Text12(k).setText(CStr(Ng));
        return Ng;
    });
}

void Form3::Command2_Click()
{
    i = CInt(Val(Text6.text())); // risers
    const std::int16_t Ch = CInt(Val(Text2.text()));
    CalculateRows(horizontal(), Ch, [this](int k) -> ext {
        // segment k + 1 carries k + 1 whole risers
        const Currency Ng = CCur(ext(k + 1) * Val(Text3.text()) * Val(Text5.text()));
        Text22(k).setText(CStr(Ng));
        return Ng.value();
    });
}

void Form3::CalculateRows(const PipeTable& t, std::int16_t Ch, const std::function<ext(int k)>& writeNg)
{
    Text4.setText("0"); // the pump's friction total is stale now
    float dj[10];
    for (std::int16_t n = 0; n <= 9; ++n) dj[n] = sng(Val(Text30(n).text()));
    if (i >= 1) t.warning->Hide();
    for (int k = 0; k <= 11; ++k) {
        if (k > i - 1) continue; // beyond the count: left as it is
        for (int c = 0; c < 9; ++c) t.cell(c, k).Show();
        t.cell(0, k).setText(CStr(sng(k + 1)));
        const ext Ng = writeNg(k);
        SizeSegment(t, k, Ng, Ch, dj);
        // rows past the count are hidden, and their loss and volume no
        // longer count towards the pump
        for (j = 1; j <= 12 - i; ++j) {
            for (int c = 0; c < 9; ++c) t.cell(c, k + j).Hide();
            t.cell(7, k + j).setText("0");
            t.cell(8, k + j).setText("0");
        }
    }
}

void Form3::SizeSegment(const PipeTable& t, int k, ext Ng, std::int16_t Ch, const float (&dj)[10])
{
    const ext α = Val(Text1.text());
    const float q = sng(cut(α * 0.2 * sqr(Ng), 2)); // design flow, l/s
    t.cell(3, k).setText(CStr(q));
    // diameter at which q runs at 1.5 m/s, mm
    const float d = sng(sqr(ext{q} * 0.004 / 4.712385) * 1000);
    // the smallest pipe whose inner diameter is at least d
    int s = -1;
    if (d <= dj[0]) s = 0;
    else
        for (int n = 1; n <= 9 && s < 0; ++n)
            if (dj[n - 1] < d && d <= dj[n]) s = n;
    if (s < 0) {
        // no pipe of the table is large enough: nothing of this row may look calculated
        t.cell(4, k).setText(noSize);
        for (int c = 5; c <= 8; ++c) t.cell(c, k).setText("");
        t.warning->Show();
        return;
    }
    t.cell(4, k).setText(Text31(s).text());
    const float v = sng(cut(ext{q} * 0.004 / (power(ext{dj[s]} * 0.001, 2) * 3.14159), 2)); // m/s
    t.cell(5, k).setText(CStr(v));
    // Hazen-Williams, kPa/m: i = 105·Ch^-1.85·dj^-4.87·qg^1.85 (dj in m, qg in m³/s)
    const float iu =
        sng(cut(power(ext{q} * 0.001, 1.85) * 105 * power(Ch, -1.85) * power(ext{dj[s]} * 0.001, -4.87), 2));
    t.cell(6, k).setText(CStr(iu));
    const ext l = Val(t.cell(1, k).text());                     // storey height in m, or segment length in mm
    const float loss = sng(cut(ext{iu} * l * t.lossFactor, 2)); // metres of water
    t.cell(7, k).setText(CStr(loss));
    const ext l2 = Val(t.cell(1, k).text());
    const float V = sng(cut(power(ext{dj[s]}, 2) * (l2 * t.volumeFactor * 3.14159) / 4, 2)); // litres
    t.cell(8, k).setText(CStr(V));
}

} // namespace screens

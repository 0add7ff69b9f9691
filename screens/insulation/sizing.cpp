// Sizing of the riser and main segments: fixture-unit equivalents carried,
// design flow q = 0.2·α·√Ng (GB 50015), inner diameter at 1.5 m/s and the
// first pipe size that carries it.

#include "screens/insulation/form4.h"
#include "screens/insulation/insulation_formulas.h"

namespace screens {

using namespace insulation;

void Form4::Command1_Click()
{
    const Wrapping w = sizeSegments();
    takeOff(w);
}

Form4::Wrapping Form4::sizeSegments()
{
    Label9.Show();
    Label9.Move(4560, 0); // where the warning stands
    Ng = sng(Val(Text1.text()));
    const double m = Val(Combo3.text());
    Nlgs = CInt(Val(Combo4.text()));

    std::array<float, kSizes> dj{};
    Wrapping w;
    for (i = 0; i < kSizes; ++i) {
        dj[i] = sng(Val(Text30(i).text()));
        w.D[i] = sng(Val(Text62(i).text()));
        w.δ[i] = sng(Val(Text19(i).text()));
    }
    for (i = 0; i < kSizes; ++i)
        for (auto* column : {&Text18, &Text19, &Text20, &Text21, &Text22, &Text23}) (*column)(i).Show();

    // riser segment r carries r + 1 floors; the rows past the top floor are hidden
    for (i = 0; i < kSegments; ++i) {
        if (!(i <= m - 1)) continue;
        for (auto* column : {&Text6, &Text7, &Text8, &Text9}) (*column)(i).Show();
        const std::int16_t above = CInt(12 - ext(m));
        for (j = 1; j <= above; ++j) {
            for (auto* column : {&Text6, &Text7, &Text8, &Text9}) (*column)(i + j).Hide();
            Text8(i + j).setText("0");
        }
        const float n = sng(i + 1);
        Text6(i).setText(CStr(n));
        const float ΣNg = sng(ext(n) * Ng);
        Text8(i).setText(CStr(ΣNg));
        const float q = sng(Int(ext(α) * 0.2 * sqr(ΣNg) * 100) * 0.01);  // L/s, cut to 0.01
        const float d = sng(sqr(quot(ext(q) * 0.004, 4.712385)) * 1000); // mm; 4.712385 = 1.5 m/s × π
        if (const auto k = sizeFor(d, dj)) Text9(i).setText(Text31(*k).text());
    }

    // main segment r carries r + 1 risers of m floors each
    for (i = 0; i < kSegments; ++i) {
        if (!(i <= Nlgs - 1)) continue;
        for (auto* column : {&Text10, &Text11, &Text12, &Text13, &Text14}) (*column)(i).Show();
        for (j = 1; j <= 12 - Nlgs; ++j) {
            for (auto* column : {&Text10, &Text11, &Text12, &Text13, &Text14}) (*column)(i + j).Hide();
            Text12(i + j).setText("0");
        }
        const float n = sng(i + 1);
        Text10(i).setText(CStr(n));
        const Currency ΣNg = CCur(dbl(ext(m) * n * Ng));
        Text12(i).setText(CStr(ΣNg));
        const float q = sng(Int(ext(α) * 20 * sqr(ΣNg.value())) * 0.01);
        const std::string d = CStr(dbl(sqr(quot(ext(q) * 0.004, 4.712385)) * 1000));
        if (const auto k = sizeFor(CSng(d), dj)) {
            Text13(i).setText(Text31(*k).text());
            Text14(i).setText(Text31(returnSizeOf[*k]).text());
        }
    }
    return w;
}

} // namespace screens

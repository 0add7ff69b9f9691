// One main pipe of given flow and length: its size at 1.5 m/s, the friction
// loss per metre and over the length, a local loss of 30 % of the friction
// loss, the total, and the total in metres of water. SI units throughout.
#include "screens/collector_hydraulics/form2.h"

#include <array>

namespace screens {

using hydraulics::kAreaAt15;
using hydraulics::pickSize;
using hydraulics::unitLoss;

void Form2::Command3_Click()
{
    const float Q = sng(ext(Val(Text9(0).text())) * 0.001); // m3/s
    const double L = Val(Text9(1).text());                  // m
    std::array<float, 10> D{};                              // inner diameters, m
    for (i = 0; i <= 9; ++i) D[i] = sng(ext(Val(Text30(i).text())) * 0.001);

    const float d = sng(sqr(ext(Q) * 4 / kAreaAt15));
    if (const auto k = pickSize(d, D)) {
        Text9(2).setText(Text31(*k).text());
        const double i = dbl(unitLoss(Q, D[*k], Ch)); // kPa/m
        Text9(3).setText(CStr(dbl(cut(i, 2))));
        Text9(4).setText(CStr(dbl(Int(L * (ext(i) * 100)) * 0.01)));
        Label6.Hide();
    } else {
        // no size is large enough: size and friction loss stay as shown
        Label6.Show();
    }
    Text9(5).setText(CStr(dbl(ext(Val(Text9(4).text())) * 0.3)));
    Text9(6).setText(CStr(dbl(ext(Val(Text9(4).text())) * 1.3)));
    Text9(7).setText(CStr(dbl(Int(ext(Val(Text9(6).text())) * 10) * 0.01)));
}

} // namespace screens

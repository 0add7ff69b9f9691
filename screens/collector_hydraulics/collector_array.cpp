// Collecting pipe of one flat-plate collector array: the flow and loss of a
// row and of the array, then segment by segment (segment r carries the flow
// of r + 1 rows) the flow, the size at 1.5 m/s and the friction loss, and
// the array loss as the row loss plus the losses shown in the segment table.
#include "screens/collector_hydraulics/form2.h"

#include <array>
#include <string>

namespace screens {

using hydraulics::kAreaAt15;
using hydraulics::pickSize;
using hydraulics::unitLoss;

void Form2::Command1_Click()
{
    const std::int16_t rows = CInt(Val(Text7(0).text()));
    const std::int16_t columns = CInt(Val(Text7(1).text()));
    std::array<float, 10> D{}; // inner diameters, mm
    for (i = 0; i <= 9; ++i) D[i] = sng(Val(Text30(i).text()));
    std::array<float, kSegments> L{}; // segment lengths, mm
    for (i = 0; i <= 19; ++i) L[i] = sng(Val(Text4(i).text()));

    // The table has a row for 0 ... 20 collector rows only: any other count
    // computes nothing and says so; the results shown stay with their warnings.
    if (rows < 0 || rows > kSegments) {
        Label4.Show();
        return;
    }
    Label4.Hide();

    // one collector: 0.04 L/s and 3.2 kPa
    Text7(3).setText(CStr(dbl(ext(columns) * 0.04)));
    Text7(4).setText(CStr(dbl(ext(columns) * 3.2)));
    Text7(5).setText(CStr(dbl(ext(columns) * 0.04 * rows)));
    Text7(6).setText(CStr(dbl(cut(ext(Val(Text7(5).text())) * 3.6, 2))));

    std::string unsized; // segments no size is large enough for
    for (i = 0; i <= rows - 1; ++i) {
        showSegment(i, true);
        for (j = rows; j <= 19; ++j) {
            showSegment(j, false);
            Text6(j).setText("0");
        }
        const float q3 = sng(ext(i + 1) * 0.02 * 2 * columns);
        Text3(i).setText(CStr(q3));
        const std::int16_t d = CInt(sqr(ext(q3) * 0.004 / kAreaAt15) * 1000);
        if (const auto k = pickSize(d, D)) {
            Text5(i).setText(Text31(*k).text());
            const float iu = sng( // unit friction loss i(r), kPa/m
                unitLoss(ext(q3) * 0.001, ext(D[*k]) * 0.001, Ch));
            Text6(i).setText(CStr(dbl(Int(ext(iu) * 100 * L[i] * 0.001) * 0.01)));
        } else {
            unsized += (unsized.empty() ? "" : "、") + Text2(i).text();
        }
    }

    // the total reads the loss column, each loss as shown
    float sum = 0;
    for (i = 0; i <= 19; ++i) sum = sng(sum + ext(sng(Val(Text6(i).text()))));
    Text7(7).setText(CStr(dbl(cut(sum + ext(Val(Text7(4).text())), 2))));
    Text7(8).setText(CStr(dbl(ext(Val(Text7(7).text())) / 10)));

    if (unsized.empty()) {
        Label5.Hide();
    } else {
        Label5.setCaption("管段" + unsized +
                          "所需管径超过该管材的最大规格，未选出管径；"
                          "其管径与阻力仍为原值，并计入阵列阻力i2。");
        Label5.Show();
    }
}

} // namespace screens

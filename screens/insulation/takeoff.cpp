// Take-off: pipe length per size from the sizes of the riser and main
// segments, then per size the insulation volume and the jacket quantity.
// Unused sizes are blanked.

#include "screens/insulation/form4.h"
#include "screens/insulation/insulation_formulas.h"

namespace screens {

using namespace insulation;

void Form4::takeOff(const Wrapping& w)
{
    // every row counts, shown or not
    std::array<std::string, kSegments> riserSize;
    std::array<std::string, kSegments> supplySize;
    std::array<std::string, kSegments> returnSize;
    std::array<std::int16_t, kSegments> h{}; // floor height, mm
    std::array<std::int16_t, kSegments> L{}; // segment length, mm
    for (i = 0; i < kSegments; ++i) {
        riserSize[i] = Text9(i).text();
        supplySize[i] = Text13(i).text();
        returnSize[i] = Text14(i).text();
        h[i] = CInt(Val(Text7(i).text()));
        L[i] = CInt(Val(Text11(i).text()));
    }
    for (i = 0; i < kSizes; ++i) Text16(i).setText(Text31(i).text());

    for (i = 0; i < kSegments; ++i) markSize(riserSize[i], riserMarks[i]);
    for (i = 0; i < kSegments; ++i) markSize(supplySize[i], supplyMarks[i]);
    for (i = 0; i < kSegments; ++i) markSize(returnSize[i], returnMarks[i]);

    // one riser counts each floor once; the main counts supply and return
    for (i = 0; i < kSegments; ++i)
        for (j = 0; j < kSizes; ++j)
            Text17(j).setText(CStr(dbl(Val(Text17(j).text()) + quot(h[i] * riserMarks[i][j], 1000) +
                                       quot((returnMarks[i][j] + supplyMarks[i][j]) * L[i], 1000))));

    for (i = 0; i < kSizes; ++i) {
        const double Q = Val(Text17(i).text());
        Text20(i).setText(CStr(insulationVolume(w.D[i], w.δ[i], Q)));
        Text22(i).setText(CStr(jacketQuantity(Text21(i).text(), w.D[i], Val(Text17(i).text()))));
    }

    for (i = 0; i < kSizes; ++i) {
        if (Val(Text17(i).text()) != 0) continue;
        for (auto* column : {&Text17, &Text18, &Text19, &Text20, &Text21, &Text22, &Text23}) (*column)(i).setText(" ");
    }
    Command1.setEnabled(false);
}

// Marks the first size whose label is the segment's size text; a text that
// names no size (an empty cell) marks nothing, and no mark is ever removed.
void Form4::markSize(const std::string& sizeText, std::array<std::int16_t, kSizes>& marks)
{
    for (j = 0; j < kSizes; ++j)
        if (sizeText == Text31(j).text()) {
            marks[j] = 1;
            return;
        }
}

} // namespace screens

#pragma once
// Pipe insulation take-off: a building of n identical risers of m floors,
// joined by a horizontal main. Sizes every riser segment and every supply and
// return segment of the main by the GB 50015 design flow, then totals the
// pipe length of each size and works out the insulation volume and the
// quantity of protective jacket.

#include "model/screen.h"
#include "screens/insulation/insulation_data.h"

#include <array>
#include <cstdint>

namespace screens {

using namespace model;

class Form4 : public Screen {
public:
    explicit Form4(App& app);
    void Form_Load() override;

    // --- screen-level variables
    float α = 0;           // building-class coefficient of the design flow
    float Ng = 0;          // fixture-unit equivalents per floor of one riser
    std::int16_t Nlgs = 0; // number of risers n
    std::int16_t i = 0;    // loop counters shared by the handlers
    std::int16_t j = 0;

    // --- buttons and messages
    PictureBox Picture1{*this, "Picture1", at(0, 0)};
    CommandButton Command1{*this, "Command1", in(Picture1, 0, 0), "计      算"};
    CommandButton Command2{*this, "Command2", in(Picture1, 0, 1), "归0重新计算!"};
    // The notice takes the warning's place once a calculation has run.
    Label Label7{*this, "Label7", in(Picture1, 0, 2), "计算前，请先输入层数或立管数!"};
    Label Label9{*this, "Label9", in(Picture1, 0, 2), "计算完后，如须再算,请先归0!"};

    // --- inputs and options
    PictureBox Picture2{*this, "Picture2", at(1, 0)};
    Label Label2{*this, "Label2", in(Picture2, 0, 0), "层当量数Ng"};
    TextBox Text1{*this, "Text1", in(Picture2, 0, 1), "1"};
    Label Label3{*this, "Label3", in(Picture2, 1, 0), "层数m"};
    ComboBox Combo3{*this, "Combo3", in(Picture2, 1, 1)};
    Label Label4{*this, "Label4", in(Picture2, 2, 0), "层高h"};
    ComboBox Combo1{*this, "Combo1", in(Picture2, 2, 1), "3000"};
    Label Label10{*this, "Label10", in(Picture2, 2, 2), "mm"};
    Label Label5{*this, "Label5", in(Picture2, 3, 0), "立管数n"};
    ComboBox Combo4{*this, "Combo4", in(Picture2, 3, 1)};
    Label Label8{*this, "Label8", in(Picture2, 4, 0), "横管长度L"};
    ComboBox Combo2{*this, "Combo2", in(Picture2, 4, 1), "7200"};
    Label Label11{*this, "Label11", in(Picture2, 4, 2), "mm"};

    Frame Frame1{*this, "Frame1", in(Picture2, 0, 3, 5), "建筑物类别"};
    ControlArray<OptionButton> Option1{*this, "Option1"};
    Frame Frame2{*this, "Frame2", in(Picture2, 0, 4, 5), "管材"};
    ControlArray<OptionButton> Option2{*this, "Option2"};
    Frame Frame3{*this, "Frame3", in(Picture2, 0, 5, 5), "保温材料"};
    ControlArray<OptionButton> Option3{*this, "Option3"};
    Frame Frame11{*this, "Frame11", in(Picture2, 0, 6, 5), "保温防护"};
    ControlArray<OptionButton> Option4{*this, "Option4"};

    // --- result tables: riser, main, quantities
    PictureBox Picture3{*this, "Picture3", at(2, 0)};
    ControlArray<Label> Label1{*this, "Label1"}; // table titles

    Frame Frame4{*this, "Frame4", in(Picture3, 0, 0)};
    ControlArray<TextBox> Text4{*this, "Text4"}; // riser headers
    ControlArray<TextBox> Text6{*this, "Text6"}; // segment number
    ControlArray<TextBox> Text7{*this, "Text7"}; // floor height h, mm
    ControlArray<TextBox> Text8{*this, "Text8"}; // ΣNg carried
    ControlArray<TextBox> Text9{*this, "Text9"}; // pipe size

    Frame Frame5{*this, "Frame5", in(Picture3, 0, 1)};
    ControlArray<TextBox> Text5{*this, "Text5"};   // main headers
    ControlArray<TextBox> Text10{*this, "Text10"}; // segment number
    ControlArray<TextBox> Text11{*this, "Text11"}; // segment length l, mm
    ControlArray<TextBox> Text12{*this, "Text12"}; // ΣNg carried
    ControlArray<TextBox> Text13{*this, "Text13"}; // supply pipe size
    ControlArray<TextBox> Text14{*this, "Text14"}; // return pipe size

    Frame Frame6{*this, "Frame6", in(Picture3, 0, 2)};
    ControlArray<TextBox> Text24{*this, "Text24"}; // quantity headers
    ControlArray<TextBox> Text16{*this, "Text16"}; // pipe size
    ControlArray<TextBox> Text17{*this, "Text17"}; // pipe length, m
    ControlArray<TextBox> Text18{*this, "Text18"}; // insulation material
    ControlArray<TextBox> Text19{*this, "Text19"}; // insulation thickness, mm
    ControlArray<TextBox> Text20{*this, "Text20"}; // insulation volume, m3
    ControlArray<TextBox> Text21{*this, "Text21"}; // jacket material
    ControlArray<TextBox> Text22{*this, "Text22"}; // jacket quantity
    ControlArray<TextBox> Text23{*this, "Text23"}; // its unit

    // --- pipe data of the chosen material, never shown
    Frame Frame7{*this, "Frame7", at(3, 0)};
    ControlArray<TextBox> Text31{*this, "Text31"}; // size label
    ControlArray<TextBox> Text30{*this, "Text30"}; // inner diameter dj, mm
    ControlArray<TextBox> Text62{*this, "Text62"}; // wrapped diameter D, mm

private:
    // Which size each segment uses, one mark per (segment r, size k), for the
    // risers, the supply and the return pipes: 1 where the segment uses the
    // size, else 0, a factor of the segment's length. Cleared only by
    // Form_Load, so a second calculation without a reset counts the first
    // one's marks again.
    using MarkerGrid = std::array<std::array<std::int16_t, insulation::kSizes>, insulation::kSegments>;
    MarkerGrid riserMarks{};
    MarkerGrid supplyMarks{};
    MarkerGrid returnMarks{};

    // What the sizing hands to the take-off: per size, the wrapped diameter D
    // and the insulation thickness δ, mm.
    struct Wrapping {
        std::array<float, insulation::kSizes> D{};
        std::array<float, insulation::kSizes> δ{};
    };

    void Option1_Click(std::int16_t Index);
    void Option2_Click(std::int16_t Index);
    void Option3_Click(std::int16_t Index);
    void Option4_Click(std::int16_t Index);
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Command1_Click();
    void Command2_Click();

    Wrapping sizeSegments();         // riser and main sizes
    void takeOff(const Wrapping& w); // lengths, insulation, jacket
    void markSize(const std::string& sizeText, std::array<std::int16_t, insulation::kSizes>& marks);
    void enableWhenCounted(const ComboBox& count);
};

} // namespace screens

#pragma once
// Solar collector-field hydraulics: the collecting pipe of one array of
// flat-plate collectors (row and array flows, every segment's size and
// friction loss, the array loss) and one main pipe (size, friction, local and
// total loss), both sized from the size table of the chosen pipe material.
// A collector lookup panel shows the flow and resistance of one collector.

#include "model/screen.h"
#include "screens/collector_hydraulics/pipe_sizes.h"

#include <cstdint>

namespace screens {

using namespace model;

class Form2 : public Screen {
public:
    explicit Form2(App& app);
    void Form_Load() override;

    // Segments of the collecting pipe the table has rows for.
    static constexpr int kSegments = 20;

    // --- left: pipe material, collector lookup, main pipe, stacked
    PictureBox Picture2{*this, "Picture2", at(0, 0)};
    Frame Frame4{*this, "Frame4", in(Picture2, 0, 0), "管材"};
    ControlArray<OptionButton> Option1{*this, "Option1"};

    Frame Frame7{*this, "Frame7", in(Picture2, 1, 0), "集热器流量及阻力查询"};
    ControlArray<Label> Label3{*this, "Label3"};
    ComboBox Combo2{*this, "Combo2", in(Frame7, 0, 1, 1, 2)};
    ControlArray<TextBox> Text8{*this, "Text8"};

    Frame Frame8{*this, "Frame8", in(Picture2, 2, 0), "主管道水力计算模块"};
    ControlArray<TextBox> Text9{*this, "Text9"};
    CommandButton Command3{*this, "Command3", in(Frame8, 2, 0), "计算"};
    CommandButton Command4{*this, "Command4", in(Frame8, 2, 1), "计算归0!"};
    // shown while the main pipe's flow is too large for every size
    Label Label6{*this, "Label6", in(Frame8, 9, 0, 1, 3),
                 "所需管径超过该管材的最大规格，未选出管径；管径与沿程阻力仍为原值，"
                 "局部阻力与总阻力按原沿程阻力计算。"};

    // --- right: one collector array and its segment table
    Frame Frame5{*this, "Frame5", at(0, 1)};
    ControlArray<Label> Label2{*this, "Label2"};
    Frame Frame1{*this, "Frame1", in(Frame5, 1, 0, 1, 2), "集热器单阵参数"};
    ControlArray<Label> Label1{*this, "Label1"};
    ControlArray<TextBox> Text7{*this, "Text7"};
    ComboBox Combo1{*this, "Combo1", in(Frame1, 1, 4)};
    CommandButton Command1{*this, "Command1", in(Frame5, 2, 0), "计     算"};
    CommandButton Command2{*this, "Command2", in(Frame5, 2, 1), "计算归0!"};
    // shown when the row count has no place in the segment table
    Label Label4{*this, "Label4", in(Frame5, 3, 0, 1, 2), "集热器行数应为0～20行（管段表共20行），未计算。"};
    // shown when segments get no size; the caption names them
    Label Label5{*this, "Label5", in(Frame5, 4, 0, 1, 2)};
    PictureBox Picture3{*this, "Picture3", in(Frame5, 6, 0, 1, 2)};
    PictureBox Picture1{*this, "Picture1", in(Frame5, 7, 0, 1, 2)};
    Frame Frame2{*this, "Frame2", in(Picture1, 0, 0)};
    ControlArray<TextBox> 行{*this, "行"};
    ControlArray<TextBox> Text1{*this, "Text1"};
    ControlArray<TextBox> Text2{*this, "Text2"};
    ControlArray<TextBox> Text3{*this, "Text3"};
    ControlArray<TextBox> Text4{*this, "Text4"};
    ControlArray<TextBox> Text5{*this, "Text5"};
    ControlArray<TextBox> Text6{*this, "Text6"};

    // --- hidden data: row captions and segment numbers, the size table
    Frame Frame3{*this, "Frame3", at(1, 0)};
    ControlArray<TextBox> text50{*this, "text50"};
    ControlArray<TextBox> text51{*this, "text51"};
    Frame Frame6{*this, "Frame6", at(2, 0)};
    ControlArray<TextBox> Text30{*this, "Text30"}; // inner diameters, mm
    ControlArray<TextBox> Text31{*this, "Text31"}; // size labels

private:
    void Option1_Click(std::int16_t Index);
    void Combo1_Click();
    void Combo2_Click();
    void Command1_Click(); // collector array
    void Command2_Click(); // reset of the collector array
    void Command3_Click(); // main pipe
    void Command4_Click(); // reset of the main pipe

    void writeSizeTable(const hydraulics::PipeMaterial& material);
    void showSegment(int r, bool visible);

    std::int16_t Ch = 0; // Hazen-Williams coefficient of the selected material
    std::int16_t i = 0;  // loop counter of every handler
    std::int16_t j = 0;  // inner loop counter of the collector-array calculation
};

} // namespace screens

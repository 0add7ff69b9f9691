#pragma once
// Hot-water supply network of a dormitory-type building: identical risers
// joined by one horizontal main. Design flow of every segment by
// qg = 0.2·α·√Ng (GB 50015-2003), pipe size for 1.5 m/s, Hazen-Williams
// friction loss and water volume; then the circulating pump's head and flow.

#include "model/screen.h"

#include <cstdint>
#include <functional>

namespace screens {

using namespace model;

class Form3 : public Screen {
public:
    explicit Form3(App& app);
    void Form_Load() override;

private:
    // The left column and the two table sections on the right are each stacked
    // in a borderless panel, so that neither side's heights space out the other.
    PictureBox Picture3{*this, "Picture3", at(0, 0)};
    PictureBox Picture4{*this, "Picture4", at(0, 1)};

    // --- left column: building class, pipe material, pump, notes
    Frame Frame2_1{*this, "Frame2", 1, in(Picture3, 0, 0), "建筑物类别"};
    ControlArray<OptionButton> Option1{*this, "Option1"};
    Label Label1_1{*this, "Label1", 1, in(Frame2_1, 4, 0), "综合楼建筑a值"};
    TextBox Text1{*this, "Text1", in(Frame2_1, 4, 1)};

    Frame Frame4{*this, "Frame4", in(Picture3, 1, 0), "管材"};
    ControlArray<OptionButton> Option2{*this, "Option2"};
    Label Label5{*this, "Label5", in(Frame4, 5, 0), "管道海澄-威廉系数Ch"};
    TextBox Text2{*this, "Text2", in(Frame4, 5, 1)};

    Frame Frame5{*this, "Frame5", in(Picture3, 2, 0), "水泵选型"};
    CommandButton Command3{*this, "Command3", in(Frame5, 0, 0, 1, 3), "计   算"};
    Label Label11{*this, "Label11", in(Frame5, 1, 0), "管道沿程损失"};
    TextBox Text4{*this, "Text4", in(Frame5, 1, 1)};
    Label Label16_0{*this, "Label16", 0, in(Frame5, 1, 2), "m"};
    Label Label12{*this, "Label12", in(Frame5, 2, 0), "局部阻力损失百分比"};
    ComboBox Combo2{*this, "Combo2", in(Frame5, 2, 1)};
    Label Label13{*this, "Label13", in(Frame5, 3, 0), "设备相对高度及阻力"};
    TextBox Text9{*this, "Text9", in(Frame5, 3, 1)};
    Label Label16_1{*this, "Label16", 1, in(Frame5, 3, 2), "m"};
    Label Label14{*this, "Label14", in(Frame5, 4, 0), "水泵扬程"};
    TextBox Text19{*this, "Text19", in(Frame5, 4, 1)};
    Label Label16_2{*this, "Label16", 2, in(Frame5, 4, 2), "m"};
    Label Label15{*this, "Label15", in(Frame5, 5, 0), "回水泵循环流量"};
    TextBox Text29{*this, "Text29", in(Frame5, 5, 1)};
    Label Label16_3{*this, "Label16", 3, in(Frame5, 5, 2), "m3/h"};
    // shown while a segment of either table has no size: its loss and volume
    // are missing from the pump's head and flow
    Label Label19{*this, "Label19", in(Frame5, 6, 0, 1, 3),
                  "有管段未选出管径（标“无合适管径”），其损失和容量未计入水泵扬程和循环流量。"};

    Frame Frame3{*this, "Frame3", in(Picture3, 3, 0), "说明"};
    Label Label10{*this, "Label10", in(Frame3, 0, 0)};

    // --- riser section
    Label Label6{*this, "Label6", in(Picture4, 0, 0), "立管计算结果"};
    PictureBox Picture2{*this, "Picture2", in(Picture4, 1, 0)};
    Label Label2{*this, "Label2", in(Picture2, 0, 0), "层当量数"};
    TextBox Text3{*this, "Text3", in(Picture2, 0, 1)};
    Label Label8{*this, "Label8", in(Picture2, 0, 2), "层高"};
    ComboBox Combo1{*this, "Combo1", in(Picture2, 0, 3)};
    Label Label3{*this, "Label3", in(Picture2, 0, 4), "层数"};
    TextBox Text5{*this, "Text5", in(Picture2, 0, 5)};
    CommandButton Command1{*this, "Command1", in(Picture2, 0, 6), "计      算"};
    PictureBox Picture1{*this, "Picture1", in(Picture4, 2, 0)};
    ControlArray<TextBox> Text7{*this, "Text7"};   // header row
    ControlArray<TextBox> Text10{*this, "Text10"}; // segment number
    ControlArray<TextBox> Text11{*this, "Text11"}; // storey height h, m
    ControlArray<TextBox> Text12{*this, "Text12"}; // ΣNg
    ControlArray<TextBox> Text13{*this, "Text13"}; // q, l/s
    ControlArray<TextBox> Text14{*this, "Text14"}; // pipe size
    ControlArray<TextBox> Text15{*this, "Text15"}; // v, m/s
    ControlArray<TextBox> Text16{*this, "Text16"}; // i, kPa/m
    ControlArray<TextBox> Text17{*this, "Text17"}; // segment loss, m
    ControlArray<TextBox> Text18{*this, "Text18"}; // segment volume, l
    Label Label17{*this, "Label17", in(Picture4, 3, 0),
                  "立管中所需管径超过管径表最大管径的管段已标“无合适管径”，其流速、损失和容量未计算；"
                  "请分区后重新计算。"};

    // --- horizontal main section
    Label Label7{*this, "Label7", in(Picture4, 4, 0), "横管计算结果"};
    PictureBox Picture6{*this, "Picture6", in(Picture4, 5, 0)};
    Label Label4{*this, "Label4", in(Picture6, 0, 0), "立管数"};
    TextBox Text6{*this, "Text6", in(Picture6, 0, 1)};
    Label Label9{*this, "Label9", in(Picture6, 0, 2), "横管长度"};
    ComboBox Combo3{*this, "Combo3", in(Picture6, 0, 3)};
    CommandButton Command2{*this, "Command2", in(Picture6, 0, 4), "计       算"};
    PictureBox Picture5{*this, "Picture5", in(Picture4, 6, 0)};
    ControlArray<TextBox> Text8{*this, "Text8"};   // header row
    ControlArray<TextBox> Text20{*this, "Text20"}; // segment number
    ControlArray<TextBox> Text21{*this, "Text21"}; // segment length l, mm
    ControlArray<TextBox> Text22{*this, "Text22"}; // ΣNg
    ControlArray<TextBox> Text23{*this, "Text23"}; // q, l/s
    ControlArray<TextBox> Text24{*this, "Text24"}; // pipe size
    ControlArray<TextBox> Text25{*this, "Text25"}; // v, m/s
    ControlArray<TextBox> Text26{*this, "Text26"}; // i, kPa/m
    ControlArray<TextBox> Text27{*this, "Text27"}; // segment loss, m
    ControlArray<TextBox> Text28{*this, "Text28"}; // segment volume, l
    Label Label18{*this, "Label18", in(Picture4, 7, 0),
                  "横管中所需管径超过管径表最大管径的管段已标“无合适管径”，其流速、损失和容量未计算；"
                  "请分段后重新计算。"};

    // --- size table of the chosen material, never shown
    Frame Frame6{*this, "Frame6", at(1, 0)};
    ControlArray<TextBox> Text31{*this, "Text31"}; // size label
    ControlArray<TextBox> Text30{*this, "Text30"}; // inner diameter dj, mm

    // Size cell of a segment that even the largest pipe is too small for.
    static constexpr const char* noSize = "无合适管径";

    std::int16_t i = 0; // loop counter; the row count while a pipe calculation runs
    std::int16_t j = 0; // counter of the row-hiding loop

    // One of the two result tables: its nine cell arrays, the unit factors
    // of its length column and the warning under it.
    struct PipeTable {
        ControlArray<TextBox>* column[9];
        double lossFactor;   // i (kPa/m) × length × factor = metres of water
        double volumeFactor; // length × factor × π dj² / 4 = litres
        Label* warning;
        TextBox& cell(int col, int row) const { return (*column[col])(row); }
    };
    PipeTable riser()
    {
        return {
            {&Text10, &Text11, &Text12, &Text13, &Text14, &Text15, &Text16, &Text17, &Text18}, 0.1, 0.001, &Label17};
    }
    PipeTable horizontal()
    {
        return {{&Text20, &Text21, &Text22, &Text23, &Text24, &Text25, &Text26, &Text27, &Text28},
                0.0001,
                0.000001,
                &Label18};
    }

    void Option1_Click(std::int16_t Index);
    void Option2_Click(std::int16_t Index);
    void Combo1_Click();
    void Combo2_Change();
    void Combo3_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // pipe_sizing.cpp
    // Fills rows 0 … i − 1 of the table; writeNg(k) writes row k's ΣNg and
    // returns it.
    void CalculateRows(const PipeTable& t, std::int16_t Ch, const std::function<ext(int k)>& writeNg);
    void SizeSegment(const PipeTable& t, int k, ext Ng, std::int16_t Ch, const float (&dj)[10]);
};

} // namespace screens

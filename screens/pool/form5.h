#pragma once
// Swimming-pool heating: the pool's heat losses and heating power, and the
// sizing of one of four heating systems (heat pumps only, heat-pump-assisted
// solar, boilers only, boiler-assisted solar) with a check of the installed
// collector area for the two solar systems.
//
// Left column: climate, pool water, hall air, pool class and intermediate
// parameters with the reset button (the groups beside it span one row more
// than the column holds, so a tall system group leaves the column's groups
// at their natural height). Middle: pool size, heat loads and the
// system choice. Right: the group of the chosen system (Frame7 for heat pumps
// only, Frame8 for the other three, one shown at a time in the same place).

#include "model/screen.h"

#include <cstdint>

namespace screens {

using namespace model;

class Form5 : public Screen {
public:
    explicit Form5(App& app);
    void Form_Load() override;

private:
    // --- control arrays (members are declared below, in reading order)
    ControlArray<Label> Label1{*this, "Label1"};
    ControlArray<TextBox> Text1{*this, "Text1"};
    ControlArray<Label> Label2{*this, "Label2"};
    ControlArray<TextBox> Text2{*this, "Text2"};
    ControlArray<Label> Label3{*this, "Label3"};
    ControlArray<Label> Label4{*this, "Label4"};
    ControlArray<TextBox> Text4{*this, "Text4"};
    ControlArray<Label> Label5{*this, "Label5"};
    ControlArray<Label> Label11{*this, "Label11"};
    ControlArray<Label> Label6{*this, "Label6"};
    ControlArray<TextBox> Text6{*this, "Text6"};
    ControlArray<Label> Label7{*this, "Label7"};
    ControlArray<TextBox> Text7{*this, "Text7"};
    ControlArray<OptionButton> Option1{*this, "Option1"};
    ControlArray<Label> Label8{*this, "Label8"};
    ControlArray<TextBox> Text8{*this, "Text8"};
    ControlArray<Label> Label9{*this, "Label9"};
    ControlArray<TextBox> Text9{*this, "Text9"};
    ControlArray<Label> Label14{*this, "Label14"};
    ControlArray<TextBox> Text12{*this, "Text12"};

    // --- climate data
    Frame Frame1{*this, "Frame1", at(0, 0), "气象参数"};
    Label& Label1_0 = Label1.add(0, in(Frame1, 0, 0), "项目所在地区");
    ComboBox Combo1{*this, "Combo1", in(Frame1, 0, 1)};
    Label& Label1_1 = Label1.add(1, in(Frame1, 1, 0), "当地大气压β'");
    TextBox& Text1_0 = Text1.add(0, in(Frame1, 1, 1));
    Label& Label1_6 = Label1.add(6, in(Frame1, 1, 2), "Pa");
    Label& Label1_2 = Label1.add(2, in(Frame1, 2, 0), "补充新鲜水温Tf");
    TextBox& Text1_1 = Text1.add(1, in(Frame1, 2, 1));
    Label& Label1_7 = Label1.add(7, in(Frame1, 2, 2), "℃");
    Label& Label1_3 = Label1.add(3, in(Frame1, 3, 0), "年日均气温Ta");
    TextBox& Text1_2 = Text1.add(2, in(Frame1, 3, 1));
    Label& Label1_8 = Label1.add(8, in(Frame1, 3, 2), "℃");
    Label& Label1_4 = Label1.add(4, in(Frame1, 4, 0), "日照小时数 h");
    TextBox& Text1_3 = Text1.add(3, in(Frame1, 4, 1));
    Label& Label1_10 = Label1.add(10, in(Frame1, 4, 2), "h");
    Label& Label1_5 = Label1.add(5, in(Frame1, 5, 0), "倾角日辐射量JT");
    TextBox& Text1_4 = Text1.add(4, in(Frame1, 5, 1));
    Label& Label1_11 = Label1.add(11, in(Frame1, 5, 2), "MJ/m2");

    // --- pool water temperature
    Frame Frame2{*this, "Frame2", at(1, 0), "泳池水温度"};
    Label& Label2_0 = Label2.add(0, in(Frame2, 0, 0), "游泳池设计温度Td");
    ComboBox Combo2{*this, "Combo2", in(Frame2, 0, 1)};
    Label& Label2_3 = Label2.add(3, in(Frame2, 0, 2), "℃");
    Label& Label2_1 = Label2.add(1, in(Frame2, 1, 0), "蒸汽蒸发潜热γ");
    TextBox& Text2_0 = Text2.add(0, in(Frame2, 1, 1));
    Label& Label2_4 = Label2.add(4, in(Frame2, 1, 2), "KJ/h");
    Label& Label2_2 = Label2.add(2, in(Frame2, 2, 0), "饱和空气分压力Pb");
    TextBox& Text2_1 = Text2.add(1, in(Frame2, 2, 1));
    Label& Label2_5 = Label2.add(5, in(Frame2, 2, 2), "mmHg");

    // --- hall air
    Frame Frame3{*this, "Frame3", at(2, 0), "环境温度"};
    Label& Label3_0 = Label3.add(0, in(Frame3, 0, 0), "环境温度T");
    ComboBox Combo3{*this, "Combo3", in(Frame3, 0, 1)};
    Label& Label3_2 = Label3.add(2, in(Frame3, 0, 2), "℃");
    Label& Label3_1 = Label3.add(1, in(Frame3, 1, 0), "水蒸汽分压力Pq");
    TextBox Text3{*this, "Text3", in(Frame3, 1, 1)};
    Label& Label3_3 = Label3.add(3, in(Frame3, 1, 2), "mmHg");

    // --- pool class
    Frame Frame4{*this, "Frame4", at(3, 0), "泳池类别"};
    Label& Label4_0 = Label4.add(0, in(Frame4, 0, 0), "游泳池类别");
    ComboBox Combo4{*this, "Combo4", in(Frame4, 0, 1, 1, 2)};
    Label& Label4_1 = Label4.add(1, in(Frame4, 1, 0), "循环周期Tp");
    TextBox& Text4_0 = Text4.add(0, in(Frame4, 1, 1));
    Label& Label4_3 = Label4.add(3, in(Frame4, 1, 2), "h");
    Label& Label4_2 = Label4.add(2, in(Frame4, 2, 0), "补充冷水百分数");
    TextBox& Text4_1 = Text4.add(1, in(Frame4, 2, 1));
    Label& Label4_4 = Label4.add(4, in(Frame4, 2, 2), "%");

    // --- pool intermediate parameters
    Frame Frame5{*this, "Frame5", at(4, 0), "泳池中间参数"};
    Label& Label5_0 = Label5.add(0, in(Frame5, 0, 0), "表面风速υ");
    ComboBox Combo5{*this, "Combo5", in(Frame5, 0, 1)};
    Label& Label5_3 = Label5.add(3, in(Frame5, 0, 2), "m/s");
    Label& Label5_1 = Label5.add(1, in(Frame5, 1, 0), "初始加热时间Th");
    ComboBox Combo6{*this, "Combo6", in(Frame5, 1, 1)};
    Label& Label5_4 = Label5.add(4, in(Frame5, 1, 2), "h");
    Label& Label5_2 = Label5.add(2, in(Frame5, 2, 0), "补充新鲜水时间th");
    TextBox Text5{*this, "Text5", in(Frame5, 2, 1)};
    Label& Label5_5 = Label5.add(5, in(Frame5, 2, 2), "h");

    CommandButton Command5{*this, "Command5", at(5, 0), "归0重新计算"};

    // --- pool dimensions, heat loads and the system choice
    Frame Frame6{*this, "Frame6", at(0, 1, 8, 1), "游泳池尺寸参数"};
    Label& Label11_0 = Label11.add(0, in(Frame6, 0, 0), "游泳池尺寸参数");
    PictureBox Picture1{*this, "Picture1", in(Frame6, 1, 0)};
    Label& Label6_0 = Label6.add(0, in(Picture1, 0, 0), "游泳池长度L");
    TextBox& Text6_0 = Text6.add(0, in(Picture1, 0, 1));
    Label& Label6_3 = Label6.add(3, in(Picture1, 0, 2), "m");
    Label& Label6_2 = Label6.add(2, in(Picture1, 1, 0), "游泳池宽度W");
    TextBox& Text6_1 = Text6.add(1, in(Picture1, 1, 1));
    Label& Label6_4 = Label6.add(4, in(Picture1, 1, 2), "m");
    Label& Label6_1 = Label6.add(1, in(Picture1, 2, 0), "游泳池平均深度h");
    TextBox& Text6_2 = Text6.add(2, in(Picture1, 2, 1));
    Label& Label6_5 = Label6.add(5, in(Picture1, 2, 2), "m");
    Label& Label11_1 = Label11.add(1, in(Frame6, 2, 0), "游泳池耗热量及功率计算");
    PictureBox Picture2{*this, "Picture2", in(Frame6, 3, 0)};
    Label& Label7_0 = Label7.add(0, in(Picture2, 0, 0), "游泳池水容积V");
    TextBox& Text7_0 = Text7.add(0, in(Picture2, 0, 1));
    Label& Label7_4 = Label7.add(4, in(Picture2, 0, 2), "m3");
    Label& Label7_1 = Label7.add(1, in(Picture2, 1, 0), "游泳池表面积S");
    TextBox& Text7_1 = Text7.add(1, in(Picture2, 1, 1));
    Label& Label7_5 = Label7.add(5, in(Picture2, 1, 2), "m2");
    Label& Label7_2 = Label7.add(2, in(Picture2, 2, 0), "循环流量qc");
    TextBox& Text7_2 = Text7.add(2, in(Picture2, 2, 1));
    Label& Label7_6 = Label7.add(6, in(Picture2, 2, 2), "m3/h");
    Label& Label7_3 = Label7.add(3, in(Picture2, 3, 0), "补充水量Vf");
    TextBox& Text7_3 = Text7.add(3, in(Picture2, 3, 1));
    Label& Label7_7 = Label7.add(7, in(Picture2, 3, 2), "m3/d");
    Label& Label7_8 = Label7.add(8, in(Picture2, 4, 0), "加热设备进出口温差△T");
    TextBox& Text7_4 = Text7.add(4, in(Picture2, 4, 1));
    Label& Label7_19 = Label7.add(19, in(Picture2, 4, 2), "℃");
    Label& Label7_9 = Label7.add(9, in(Picture2, 5, 0), "蒸发热损失热量Qs");
    TextBox& Text7_5 = Text7.add(5, in(Picture2, 5, 1));
    Label& Label7_14 = Label7.add(14, in(Picture2, 5, 2), "KW");
    Label& Label7_10 = Label7.add(10, in(Picture2, 6, 0), "传导热损失热量Qt");
    TextBox& Text7_6 = Text7.add(6, in(Picture2, 6, 1));
    Label& Label7_15 = Label7.add(15, in(Picture2, 6, 2), "KW");
    Label& Label7_11 = Label7.add(11, in(Picture2, 7, 0), "新鲜水需热量Qf");
    TextBox& Text7_7 = Text7.add(7, in(Picture2, 7, 1));
    Label& Label7_16 = Label7.add(16, in(Picture2, 7, 2), "KW");
    Label& Label7_12 = Label7.add(12, in(Picture2, 8, 0), "恒温加热总功率P1");
    TextBox& Text7_8 = Text7.add(8, in(Picture2, 8, 1));
    Label& Label7_17 = Label7.add(17, in(Picture2, 8, 2), "KW");
    Label& Label7_13 = Label7.add(13, in(Picture2, 9, 0), "初次加热功率P2");
    TextBox& Text7_9 = Text7.add(9, in(Picture2, 9, 1));
    Label& Label7_18 = Label7.add(18, in(Picture2, 9, 2), "KW");
    CommandButton Command1{*this, "Command1", in(Frame6, 4, 0), "计算"};
    Label& Label11_2 = Label11.add(2, in(Frame6, 5, 0), "加热系统选型");
    PictureBox Picture3{*this, "Picture3", in(Frame6, 6, 0)};
    OptionButton& Option1_0 = Option1.add(0, in(Picture3, 0, 0), "单独热泵系统");
    OptionButton& Option1_1 = Option1.add(1, in(Picture3, 1, 0), "热泵辅助太阳能系统");
    OptionButton& Option1_2 = Option1.add(2, in(Picture3, 2, 0), "单独锅炉系统");
    OptionButton& Option1_3 = Option1.add(3, in(Picture3, 3, 0), "锅炉辅助太阳能系统");

    // --- heat pumps only
    Frame Frame7{*this, "Frame7", at(0, 2, 8, 1)};
    Label& Label11_3 = Label11.add(3, in(Frame7, 0, 0), "单独热泵系统计算");
    PictureBox Picture7{*this, "Picture7", in(Frame7, 1, 0)};
    CommandButton Command2{*this, "Command2", in(Picture7, 0, 0), "计算"};
    Label& Label8_0 = Label8.add(0, in(Picture7, 1, 0), "热泵型号");
    ComboBox Combo7{*this, "Combo7", in(Picture7, 1, 1)};
    Label& Label8_1 = Label8.add(1, in(Picture7, 2, 0), "单台热泵制热量Q1");
    TextBox& Text8_0 = Text8.add(0, in(Picture7, 2, 1));
    Label& Label8_3 = Label8.add(3, in(Picture7, 2, 2), "KW");
    Label& Label8_2 = Label8.add(2, in(Picture7, 3, 0), "热泵台数N");
    TextBox& Text8_1 = Text8.add(1, in(Picture7, 3, 1));
    Label& Label8_4 = Label8.add(4, in(Picture7, 3, 2), "台");

    // --- the three other systems
    Frame Frame8{*this, "Frame8", at(0, 2, 8, 1)};
    Label& Label11_4 = Label11.add(4, in(Frame8, 0, 0), "热泵辅助太阳能系统计算");
    PictureBox Picture5{*this, "Picture5", in(Frame8, 1, 0)};
    // heat source; the boiler model and capacity stand beside the heat pump's
    // until a boiler system is chosen, which moves them onto those places
    Frame Frame9{*this, "Frame9", in(Picture5, 0, 0), "空气源热泵参数"};
    Label& Label9_0 = Label9.add(0, in(Frame9, 0, 0), "热泵型号");
    ComboBox Combo8{*this, "Combo8", in(Frame9, 0, 1)};
    ComboBox Combo15{*this, "Combo15", in(Frame9, 0, 3)};
    Label& Label9_1 = Label9.add(1, in(Frame9, 1, 0), "单台热泵制热量Q1");
    TextBox& Text9_0 = Text9.add(0, in(Frame9, 1, 1));
    Label& Label9_2 = Label9.add(2, in(Frame9, 1, 2), "KW");
    TextBox Text10{*this, "Text10", in(Frame9, 1, 3)};
    // plate heat exchanger
    Frame Frame10{*this, "Frame10", in(Picture5, 1, 0), "板式换热器参数"};
    Label& Label9_3 = Label9.add(3, in(Frame10, 0, 0), "板式换热器传热K");
    TextBox& Text9_1 = Text9.add(1, in(Frame10, 0, 1));
    Label& Label9_6 = Label9.add(6, in(Frame10, 0, 2), "W/m2.℃");
    Label& Label9_4 = Label9.add(4, in(Frame10, 1, 0), "系统热损系数Cr");
    ComboBox Combo9{*this, "Combo9", in(Frame10, 1, 1)};
    Label& Label9_5 = Label9.add(5, in(Frame10, 2, 0), "结垢影响系数ξ");
    ComboBox Combo10{*this, "Combo10", in(Frame10, 2, 1)};
    // collector
    Frame Frame11{*this, "Frame11", in(Picture5, 2, 0), "集热器参数"};
    Label& Label9_7 = Label9.add(7, in(Frame11, 0, 0), "集热器类型");
    ComboBox Combo12{*this, "Combo12", in(Frame11, 0, 1, 1, 2)};
    Label& Label9_8 = Label9.add(8, in(Frame11, 1, 0), "集热器年效率η");
    TextBox& Text9_2 = Text9.add(2, in(Frame11, 1, 1));
    Label& Label9_13 = Label9.add(13, in(Frame11, 1, 2), "%");
    Label& Label9_9 = Label9.add(9, in(Frame11, 2, 0), "太阳能保证率F");
    ComboBox Combo13{*this, "Combo13", in(Frame11, 2, 1)};
    Label& Label9_10 = Label9.add(10, in(Frame11, 3, 0), "管道热损失ηL");
    ComboBox Combo14{*this, "Combo14", in(Frame11, 3, 1)};
    Label& Label9_11 = Label9.add(11, in(Frame11, 4, 0), "太阳能每日保证小时数");
    TextBox& Text9_3 = Text9.add(3, in(Frame11, 4, 1));
    Label& Label9_12 = Label9.add(12, in(Frame11, 5, 0), "太阳辐照度系数K1");
    ComboBox Combo11{*this, "Combo11", in(Frame11, 5, 1)};
    // design row
    PictureBox Picture4{*this, "Picture4", in(Picture5, 3, 0)};
    CommandButton Command3{*this, "Command3", in(Picture4, 0, 0), "计算"};
    Label& Label9_14 = Label9.add(14, in(Picture4, 1, 0), "太阳能计算面积F");
    TextBox& Text9_4 = Text9.add(4, in(Picture4, 1, 1));
    Label& Label9_18 = Label9.add(18, in(Picture4, 1, 2), "m2");
    Label& Label9_15 = Label9.add(15, in(Picture4, 2, 0), "热泵台数N");
    TextBox& Text9_5 = Text9.add(5, in(Picture4, 2, 1));
    Label& Label9_19 = Label9.add(19, in(Picture4, 2, 2), "台");
    Label& Label9_16 = Label9.add(16, in(Picture4, 3, 0), "板式换热器面积F1");
    TextBox& Text9_6 = Text9.add(6, in(Picture4, 3, 1));
    Label& Label9_20 = Label9.add(20, in(Picture4, 3, 2), "m2");
    Label& Label9_17 = Label9.add(17, in(Picture4, 4, 0), "二次循环泵流量Q2");
    TextBox& Text9_7 = Text9.add(7, in(Picture4, 4, 1));
    Label& Label9_21 = Label9.add(21, in(Picture4, 4, 2), "m3/h");
    // check row
    PictureBox Picture6{*this, "Picture6", in(Picture5, 4, 0)};
    CommandButton Command4{*this, "Command4", in(Picture6, 0, 0), "校核计算"};
    Label& Label9_22 = Label9.add(22, in(Picture6, 1, 0), "太阳能安装面积F");
    TextBox& Text9_8 = Text9.add(8, in(Picture6, 1, 1));
    Label& Label9_26 = Label9.add(26, in(Picture6, 1, 2), "m2");
    Label& Label9_23 = Label9.add(23, in(Picture6, 2, 0), "热泵台数N");
    TextBox& Text9_9 = Text9.add(9, in(Picture6, 2, 1));
    Label& Label9_27 = Label9.add(27, in(Picture6, 2, 2), "台");
    Label& Label9_24 = Label9.add(24, in(Picture6, 3, 0), "板式换热器面积F1");
    TextBox& Text9_10 = Text9.add(10, in(Picture6, 3, 1));
    Label& Label9_28 = Label9.add(28, in(Picture6, 3, 2), "m2");
    Label& Label9_25 = Label9.add(25, in(Picture6, 4, 0), "二次循环泵流量Q2");
    TextBox& Text9_11 = Text9.add(11, in(Picture6, 4, 1));
    Label& Label9_29 = Label9.add(29, in(Picture6, 4, 2), "m3/h");

    // --- the collector's efficiency curve, kept as hidden data
    Frame Frame12{*this, "Frame12", at(6, 0)};
    Label& Label14_0 = Label14.add(0, in(Frame12, 0, 0), "截距T*·0");
    TextBox& Text12_0 = Text12.add(0, in(Frame12, 0, 1));
    Label& Label14_1 = Label14.add(1, in(Frame12, 1, 0), "热损系数FR");
    TextBox& Text12_1 = Text12.add(1, in(Frame12, 1, 1));
    Label& Label14_4 = Label14.add(4, in(Frame12, 1, 2), "W/m2.℃");
    Label& Label14_2 = Label14.add(2, in(Frame12, 2, 0), "集热器进口温度TL");
    TextBox& Text12_2 = Text12.add(2, in(Frame12, 2, 1));
    Label& Label14_3 = Label14.add(3, in(Frame12, 3, 0), "集热器出口温度Tend");
    TextBox& Text12_3 = Text12.add(3, in(Frame12, 3, 1));

    // --- screen-level variable: the chosen heating system, 0 ... 3
    std::int16_t Xtlx = 0;

    // --- handlers
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Combo5_Change();
    void Combo6_Change();
    void Combo7_Click();
    void Combo8_Click();
    void Combo9_Change();
    void Combo10_Change();
    void Combo11_Change();
    void Combo12_Click();
    void Combo13_Change();
    void Combo14_Change();
    void Combo15_Click();
    void Option1_Click(std::int16_t Index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // Annual collector efficiency: writes Text9(2) in per cent and returns
    // the single-precision efficiency as a fraction.
    float CollectorEfficiency();
    // The inputs of the system sizing and check, with its working values.
    struct Sizing;
    Sizing ReadSizing() const;
};

} // namespace screens

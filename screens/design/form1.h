#pragma once
// Solar water-heating system design. The left column holds the climate of the
// project's location, the collector and the heat-exchanger data; on the
// right, two panels chosen with the tab buttons at the top: the centralized
// system for dormitories, hotels and hospital wards (demand from users or
// beds) and the residential system (demand from the household table).

#include "model/screen.h"
#include "screens/design/variant.h"

#include <cstdint>

namespace screens {

using namespace model;

class Form1 : public Screen {
public:
    explicit Form1(App& app);
    void Form_Load() override;

private:
    // --- top row: panel tabs and reset
    CommandButton Command1{*this, "Command1", at(0, 0), "宿舍、宾馆、医院等集中式太阳能系统计算"};
    CommandButton Command2{*this, "Command2", at(0, 1), "住宅太阳能系统计算"};
    CommandButton Command8{*this, "Command8", at(0, 2), "归0重新计算!"};

    // --- left column, shared by both panels
    Frame Frame1{*this, "Frame1", at(1, 0), "气象参数"};
    ControlArray<Label> Label1{*this, "Label1"};
    ComboBox Combo1{*this, "Combo1", in(Frame1, 0, 1, 1, 2)};
    TextBox Text1{*this, "Text1", in(Frame1, 1, 1)};
    TextBox Text2{*this, "Text2", in(Frame1, 2, 1)};
    TextBox Text3{*this, "Text3", in(Frame1, 3, 1)};
    TextBox Text4{*this, "Text4", in(Frame1, 4, 1)};
    TextBox Text5{*this, "Text5", in(Frame1, 5, 1)};

    Frame Frame2{*this, "Frame2", at(2, 0), "集热器参数"};
    ControlArray<Label> Label2{*this, "Label2"};
    ComboBox Combo2{*this, "Combo2", in(Frame2, 0, 1, 1, 2)};
    TextBox Text6{*this, "Text6", in(Frame2, 1, 1)};
    TextBox Text7{*this, "Text7", in(Frame2, 2, 1)};
    TextBox Text8{*this, "Text8", in(Frame2, 3, 1)};
    TextBox Text9{*this, "Text9", in(Frame2, 4, 1)};
    TextBox Text10{*this, "Text10", in(Frame2, 5, 1)};
    TextBox Text11{*this, "Text11", in(Frame2, 6, 1)};

    Frame Frame3{*this, "Frame3", at(3, 0), "换热器参数"};
    ControlArray<Label> Label3{*this, "Label3"};
    ComboBox Combo6{*this, "Combo6", in(Frame3, 0, 1, 1, 2)};
    ComboBox Combo7{*this, "Combo7", in(Frame3, 1, 1, 1, 2)};
    TextBox Text12{*this, "Text12", in(Frame3, 2, 1)};
    ComboBox Combo8{*this, "Combo8", in(Frame3, 3, 1, 1, 2)};
    ComboBox Combo9{*this, "Combo9", in(Frame3, 4, 1, 1, 2)};
    ComboBox Combo10{*this, "Combo10", in(Frame3, 5, 1, 1, 2)};

    // --- centralized panel: building data | results | tank check.
    // The residential panel Frame5 stands in the same cell; one is shown.
    Frame Frame4{*this, "Frame4", at(1, 1, 4, 2)};
    ControlArray<Label> Labe113{*this, "Labe113"};

    PictureBox Picture1{*this, "Picture1", in(Frame4, 1, 0)};
    ControlArray<Label> Label4{*this, "Label4"};
    ComboBox Combo3{*this, "Combo3", in(Picture1, 0, 1, 1, 2)};
    ControlArray<OptionButton> Option2{*this, "Option2"};
    ControlArray<TextBox> Text13{*this, "Text13"};

    PictureBox Picture2{*this, "Picture2", in(Frame4, 1, 1, 3, 1)};
    CommandButton Command3{*this, "Command3", in(Picture2, 0, 0), "计 算"};
    Label Label9{*this, "Label9", in(Picture2, 0, 1, 1, 2), "用水量不能为0!"};
    Frame Frame6{*this, "Frame6", in(Picture2, 1, 0, 1, 3), "太阳能系统选型"};
    ControlArray<OptionButton> Option1{*this, "Option1"};
    Frame Frame12{*this, "Frame12", in(Picture2, 2, 0, 1, 3), "辅助设备选择"};
    ControlArray<OptionButton> Option3{*this, "Option3"};
    ControlArray<Label> Label5{*this, "Label5"};
    ComboBox Combo4{*this, "Combo4", in(Picture2, 3, 1, 1, 2)};
    ComboBox Combo5{*this, "Combo5", in(Picture2, 4, 1, 1, 2)};
    ControlArray<TextBox> Text14{*this, "Text14"};
    Frame Frame7{*this, "Frame7", in(Picture2, 10, 0, 1, 3)};

    PictureBox Picture3{*this, "Picture3", in(Frame4, 3, 0)};
    CommandButton Command4{*this, "Command4", in(Picture3, 0, 0), "校核计算"};
    ControlArray<Label> Label6{*this, "Label6"};
    ControlArray<TextBox> Text15{*this, "Text15"};

    // --- residential panel: arrangement | households | area | tank
    Frame Frame5{*this, "Frame5", at(1, 1, 4, 2)};

    PictureBox Picture4{*this, "Picture4", in(Frame5, 1, 0, 1, 2)};
    ControlArray<OptionButton> Option4{*this, "Option4"};

    PictureBox Picture5{*this, "Picture5", in(Frame5, 3, 0, 1, 2)};
    ControlArray<Label> Label7{*this, "Label7"};
    ControlArray<CheckBox> Check1{*this, "Check1"};
    ControlArray<TextBox> Text26{*this, "Text26"};
    CommandButton Command5{*this, "Command5", in(Picture5, 6, 0, 1, 2), "加 入"};
    TextBox Text19{*this, "Text19", in(Picture5, 7, 1)};

    // household table: header row, then one row per apartment type
    PictureBox Picture6{*this, "Picture6", in(Picture5, 0, 2, 8, 1)};
    ControlArray<TextBox> Text17{*this, "Text17"};
    ControlArray<TextBox> Text20{*this, "Text20"}; // row number
    ControlArray<TextBox> Text21{*this, "Text21"}; // apartment type
    ControlArray<TextBox> Text22{*this, "Text22"}; // number of apartments
    ControlArray<TextBox> Text24{*this, "Text24"}; // maximum daily use, L per household
    ControlArray<TextBox> Text23{*this, "Text23"}; // average daily use, L per household
    ControlArray<TextBox> Text25{*this, "Text25"}; // household tank, L
    ControlArray<TextBox> Text30{*this, "Text30"}; // household exchanger, m2

    PictureBox Picture7{*this, "Picture7", in(Frame5, 5, 0)};
    CommandButton Command6{*this, "Command6", in(Picture7, 0, 0), "计 算"};
    ControlArray<Label> Label8{*this, "Label8"};
    ComboBox Combo11{*this, "Combo11", in(Picture7, 1, 1, 1, 2)};
    ComboBox Combo12{*this, "Combo12", in(Picture7, 2, 1, 1, 2)};
    ControlArray<TextBox> Text16{*this, "Text16"};

    ControlArray<Label> Label13{*this, "Label13"};
    PictureBox Picture8{*this, "Picture8", in(Frame5, 5, 1)};
    CommandButton Command7{*this, "Command7", in(Picture8, 0, 0), "水箱容积计算"};
    ControlArray<Label> Label10{*this, "Label10"};
    ControlArray<TextBox> Text18{*this, "Text18"};

    // --- screen-level variables (single precision unless noted)
    float TL = 0;         // cold-water temperature, °C
    float Tend = 0;       // hot-water temperature, °C
    float Ta = 0;         // annual mean daily air temperature, °C
    float Hxs = 0;        // daily sunshine hours, h
    float JT = 0;         // daily irradiation on the tilted plane, MJ/m2
    float Tju = 0;        // collector efficiency intercept η0
    float FR = 0;         // collector heat-loss coefficient, W/m2·℃
    float g = 0;          // mean solar irradiance G, W/m2
    float Ti = 0;         // collector inlet temperature, °C
    float Tgy = 0;        // normalized temperature difference T*, m2·℃/W
    float ηjr = 0;        // collector annual efficiency, fraction
    float q1 = 0;         // maximum daily quota per user or bed, L/d
    float q2 = 0;         // average daily quota per user or bed, L/d
    float Qz = 0;         // maximum daily hot-water total, L/d
    float Qrd = 0;        // average daily hot-water total, L/d
    float Ain = 0;        // collector area of an indirect system, m2
    float f = 0;          // solar fraction
    float ηL = 0;         // pipe heat-loss ratio
    float K = 0;          // heat-transfer coefficient of the exchanger, W/m2·℃
    float K1 = 0;         // solar irradiance coefficient
    float Cr = 0;         // system heat-loss coefficient
    float ξ = 0;          // fouling coefficient
    float ΔT = 0;         // design temperature difference of the exchanger, ℃
    std::int16_t QhA = 0; // building type, index of the building list
    std::int16_t m = 0;   // number of users or beds
    float Qr = 0;         // design hourly heat of the residential heat pump, W
    float AcA = 0;        // collector area the tank volume is computed from, m2

    // --- layout and design-time settings (form1.cpp)
    void declareSharedColumn();
    void declareCentralizedPanel();
    void declareResidentialPanel();
    void bindHandlers();

    // --- panel tabs and option groups (form1.cpp)
    void Command1_Click();
    void Command2_Click();
    void Option1_Click(std::int16_t Index);
    void Option3_Click(std::int16_t Index);
    void Option4_Click(std::int16_t Index);

    // --- lookups and value lists (lookups.cpp)
    void fillLocationList();
    void fillCollectorList();
    void fillBuildingList();
    void fillExchangerList();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Combo7_Click();
    void Combo4_Change();
    void Combo5_Change();
    void Combo6_Change();
    void Combo8_Change();
    void Combo9_Change();
    void Combo10_Change();
    void Combo11_Change();
    void Combo12_Change();

    // --- sizing functions shared by the calculations (centralized.cpp)
    static float CollectorArea(Variant p1, Variant p2, Variant p3, Variant p4, Variant p5, Variant p6, Variant p7,
                               Variant p8, Variant p9);
    static float ExchangerCapacity(Variant p1, Variant p2, Variant p3, Variant p4, Variant p5, Variant p6, Variant p7,
                                   Variant p8);
    static float TankVolume(Variant p1, Variant p2, Variant p3, Variant p4, Variant p5, Variant p6, Variant p7,
                            Variant p8, Variant p9);
    void collectorOperatingPoint();
    void Command3_Click();

    // --- tank checks and reset (tank_check.cpp)
    void Command4_Click();
    void Command7_Click();
    void Command8_Click();

    // --- household table and residential calculation
    void Command5_Click();
    void Command6_Click();
};

} // namespace screens

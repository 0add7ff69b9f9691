#include "screens/design/form1.h"

namespace screens {

namespace {

// Tops (twips) of the rows of the area block on the residential panel. The
// block is 1935 high for a centralized system and shrinks to 1200 for a
// semi-centralized one, which cuts off the rows from the tank volume down.
constexpr int areaRowTop[] = {60, 300, 480, 660, 840, 1020, 1200, 1440};
constexpr int areaLeft[] = {120, 2880, 4440}; // label, field, unit
constexpr int kFieldWidth = 1800;             // fields of the shared column, twips

} // namespace

Form1::Form1(App& app) : Screen(app, "Form1")
{
    Command1.pos(0, 120);
    Command2.pos(3960, 120);
    Command8.pos(7200, 120);
    declareSharedColumn();
    declareCentralizedPanel();
    declareResidentialPanel();
    bindHandlers();

    for (auto [name, v] : {std::pair{"TL", &TL}, {"Tend", &Tend}, {"Ta", &Ta}, {"Hxs", &Hxs}, {"JT", &JT},
                           {"Tju", &Tju},        {"FR", &FR},     {"g", &g},   {"Ti", &Ti},   {"Tgy", &Tgy},
                           {"ηjr", &ηjr},        {"q1", &q1},     {"q2", &q2}, {"Qz", &Qz},   {"Qrd", &Qrd},
                           {"Ain", &Ain},        {"f", &f},       {"ηL", &ηL}, {"K", &K},     {"K1", &K1},
                           {"Cr", &Cr},          {"ξ", &ξ},       {"ΔT", &ΔT}, {"Qr", &Qr},   {"AcA", &AcA}})
        var(name, *v);
    var("QhA", QhA);
    var("m", m);
}

void Form1::declareSharedColumn()
{
    Frame1.pos(120, 720);
    Label1.add(0, in(Frame1, 0, 0), "项目所在地区");
    Label1.add(1, in(Frame1, 1, 0), "冷水温度  TL");
    Label1.add(6, in(Frame1, 1, 2), "℃");
    Label1.add(2, in(Frame1, 2, 0), "热水温度 Tend");
    Label1.add(7, in(Frame1, 2, 2), "℃");
    Label1.add(3, in(Frame1, 3, 0), "年日均气温Ta");
    Label1.add(8, in(Frame1, 3, 2), "℃");
    Label1.add(4, in(Frame1, 4, 0), "日照小时数 h");
    Label1.add(9, in(Frame1, 4, 2), "h");
    Label1.add(5, in(Frame1, 5, 0), "倾角日辐射量JT");
    Label1.add(10, in(Frame1, 5, 2), "MJ/m2");
    for (Control* field :
         {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9, &Text10, &Text11, &Text12})
        field->size(kFieldWidth);
    Text1.back(colors::yellow);
    Text2.back(colors::yellow);
    Text3.locked();
    Text4.locked();
    Text5.locked();

    Frame2.pos(120, 3480);
    Label2.add(0, in(Frame2, 0, 0), "集热器类型");
    Label2.add(1, in(Frame2, 1, 0), "截距T*·0");
    Label2.add(2, in(Frame2, 2, 0), "热损系数FR");
    Label2.add(7, in(Frame2, 2, 2), "W/m2.℃");
    Label2.add(3, in(Frame2, 3, 0), "太阳能辐照度G");
    Label2.add(8, in(Frame2, 3, 2), "W");
    Label2.add(4, in(Frame2, 4, 0), "集热器进口温度Ti");
    Label2.add(9, in(Frame2, 4, 2), "℃");
    Label2.add(5, in(Frame2, 5, 0), "归一化温差T*");
    Label2.add(10, in(Frame2, 5, 2), "W/m2.℃");
    Label2.add(6, in(Frame2, 6, 0), "集热器年效率η");
    Label2.add(11, in(Frame2, 6, 2), "%");
    Text6.locked();
    Text9.locked();
    Text10.locked();

    Frame3.pos(120, 6480);
    Label3.add(5, in(Frame3, 0, 0), "太阳辐照度系数K1");
    Label3.add(0, in(Frame3, 1, 0), "换热器类型");
    Label3.add(1, in(Frame3, 2, 0), "换热器传热系数K");
    Label3.add(7, in(Frame3, 2, 2), "W/m2.℃");
    Label3.add(2, in(Frame3, 3, 0), "系统热损系数Cr");
    Label3.add(3, in(Frame3, 4, 0), "结垢影响系数ξ");
    Label3.add(4, in(Frame3, 5, 0), "计算温差△T");
}

void Form1::declareCentralizedPanel()
{
    Frame4.noBorder().pos(3720, 720);

    Labe113.add(0, in(Frame4, 0, 0), "用水量标准");
    Picture1.back(colors::white);
    Label4.add(5, in(Picture1, 0, 0), "建筑物类别");
    Option2.add(0, in(Picture1, 1, 0), "全天候供应").disabled();
    Option2.add(1, in(Picture1, 1, 1, 1, 2), "定时供应").disabled().setValue(true);
    Label4.add(0, in(Picture1, 2, 0), "用水人数m");
    Text13.add(0, in(Picture1, 2, 1)).back(colors::yellow);
    Label4.add(1, in(Picture1, 3, 0), "最高日用水量q1");
    Text13.add(1, in(Picture1, 3, 1)).back(colors::yellow);
    Label4.add(3, in(Picture1, 3, 2), "L/d.人");
    Label4.add(2, in(Picture1, 4, 0), "平均日用水量q2 ");
    Text13.add(2, in(Picture1, 4, 1)).back(colors::yellow);
    Label4.add(4, in(Picture1, 4, 2), "L/d.人");

    Labe113.add(1, in(Frame4, 0, 1), "计算结果");
    Picture2.back(colors::white);
    Label9.fore(colors::red);
    Option1.add(0, in(Frame6, 0, 0), "直接式系统").setValue(true);
    Option1.add(1, in(Frame6, 0, 1), "间接式系统");
    Option3.add(0, in(Frame12, 0, 0), "电加热");
    Option3.add(1, in(Frame12, 0, 1), "燃油气锅炉");
    Option3.add(2, in(Frame12, 0, 2), "空气源热泵").setValue(true);
    Label5.add(0, in(Picture2, 3, 0), "太阳能保证率F");
    Label5.add(1, in(Picture2, 4, 0), "管路热损失ηL");
    Label5.add(2, in(Picture2, 5, 0), "最高日用水总量QZ");
    Text14.add(0, in(Picture2, 5, 1));
    Label5.add(5, in(Picture2, 5, 2), "L/d");
    Label5.add(3, in(Picture2, 6, 0), "日均用水总量qrd");
    Text14.add(1, in(Picture2, 6, 1));
    Label5.add(6, in(Picture2, 6, 2), "L/d");
    Label5.add(4, in(Picture2, 7, 0)); // caption set by the system type
    Text14.add(2, in(Picture2, 7, 1)).back(colors::magenta);
    Label5.add(7, in(Picture2, 7, 2), "m2");
    Label5.add(8, in(Picture2, 8, 0), "太阳能水箱容积V");
    Text14.add(3, in(Picture2, 8, 1));
    Label5.add(9, in(Picture2, 8, 2), "L");
    Label5.add(10, in(Picture2, 9, 0), "间接系统换热器面积S");
    Text14.add(4, in(Picture2, 9, 1));
    Label5.add(11, in(Picture2, 9, 2), "m2");

    // auxiliary heater block
    Frame7.noBorder();
    Label5.add(12, in(Frame7, 0, 0), "空气源热泵型号应不小于");
    Text14.add(5, in(Frame7, 0, 1));
    Label5.add(13, in(Frame7, 0, 2), "HP");
    Label5.add(14, in(Frame7, 1, 0), "设计热泵小时供热量Qr");
    Text14.add(6, in(Frame7, 1, 1));
    Label5.add(15, in(Frame7, 1, 2), "W");
    Label5.add(16, in(Frame7, 2, 0), "设计小时热水量Qrh");
    Text14.add(7, in(Frame7, 2, 1));
    Label5.add(17, in(Frame7, 2, 2), "L/h");
    Label5.add(18, in(Frame7, 3, 0), "小时变化系数Kh");
    Text14.add(8, in(Frame7, 3, 1));
    Label5.add(19, in(Frame7, 4, 0), "设计小时用水耗热量Qh");
    Text14.add(9, in(Frame7, 4, 1));
    Label5.add(20, in(Frame7, 4, 2), "W");

    Labe113.add(2, in(Frame4, 2, 0), "水箱容积校核计算");
    Picture3.back(colors::white);
    Label6.add(0, in(Picture3, 1, 0), "太阳能集热器安装面积AcA");
    Text15.add(0, in(Picture3, 1, 1));
    Label6.add(2, in(Picture3, 1, 2), "m2");
    Label6.add(1, in(Picture3, 2, 0), "太阳能水箱安装总容积V");
    Text15.add(1, in(Picture3, 2, 1));
    Label6.add(3, in(Picture3, 2, 2), "m3");
}

void Form1::declareResidentialPanel()
{
    Frame5.noBorder().pos(11880, 720);

    Labe113.add(3, in(Frame5, 0, 0, 1, 2), "太阳能运行系统选择");
    Picture4.back(colors::white);
    Option4.add(0, in(Picture4, 0, 0), "集中式系统").setValue(true);
    Option4.add(1, in(Picture4, 0, 1), "半集中式系统");

    Labe113.add(4, in(Frame5, 2, 0, 1, 2), "户型统计");
    Picture5.back(colors::white);
    Label7.add(0, in(Picture5, 0, 0), "户型");
    Label7.add(1, in(Picture5, 0, 1), "数量");
    static constexpr const char* rooms[] = {"一房", "二房", "三房", "四房", "五房"};
    for (std::int16_t k = 0; k < 5; ++k) {
        Check1.add(k, in(Picture5, k + 1, 0), rooms[k]);
        Text26.add(k, in(Picture5, k + 1, 1)).back(colors::pink).size(1050);
    }
    Label7.add(3, in(Picture5, 7, 0), "设计用水人数");

    // household table: columns number, type, quantity, maximum and average
    // daily use, then the tank and exchanger of a semi-centralized system
    Picture6.back(colors::white);
    static constexpr struct {
        std::int16_t index;
        const char* text;
        int width;
    } header[] = {{0, "编号", 675},
                  {1, "户型", 900},
                  {2, "数量(套)", 1125},
                  {4, "最高日用水量(l/户)", 2025},
                  {5, "平均日用水量(l/户)", 2025},
                  {3, "水箱容积(l)", 1425},
                  {6, "换热面积(m2)", 1575}};
    for (int col = 0; col < 7; ++col)
        Text17.add(header[col].index, in(Picture6, 0, col), header[col].text)
            .locked()
            .back(colors::grey)
            .size(header[col].width);
    Text17(3).hidden();
    Text17(6).hidden();
    for (std::int16_t k = 0; k < 5; ++k) {
        Text20.add(k, in(Picture6, k + 1, 0)).locked().back(colors::grey).size(header[0].width);
        Text21.add(k, in(Picture6, k + 1, 1)).locked().size(header[1].width);
        Text22.add(k, in(Picture6, k + 1, 2)).locked().size(header[2].width);
        Text24.add(k, in(Picture6, k + 1, 3)).locked().size(header[3].width);
        Text23.add(k, in(Picture6, k + 1, 4)).back(colors::yellow).size(header[4].width);
        Text25.add(k, in(Picture6, k + 1, 5)).locked().hidden().size(header[5].width);
        Text30.add(k, in(Picture6, k + 1, 6)).locked().size(header[6].width);
    }

    Labe113.add(6, in(Frame5, 4, 0), "太阳能面积计算");
    Picture7.back(colors::white).pos(0, 5280).size(7935, 1935);
    Command6.pos(areaLeft[0], areaRowTop[0]);
    const auto row = [this](int r, std::int16_t label, const char* caption) {
        Label8.add(label, in(Picture7, r, 0), caption).pos(areaLeft[0], areaRowTop[r]);
    };
    const auto unit = [this](int r, std::int16_t label, const char* caption) {
        Label8.add(label, in(Picture7, r, 2), caption).pos(areaLeft[2], areaRowTop[r]);
    };
    const auto field = [this](int r, std::int16_t index) {
        Text16.add(index, in(Picture7, r, 1)).pos(areaLeft[1], areaRowTop[r]);
    };
    row(1, 0, "太阳能保证率F");
    Combo11.pos(areaLeft[1], areaRowTop[1]);
    row(2, 1, "管路损失ηL");
    Combo12.pos(areaLeft[1], areaRowTop[2]);
    row(3, 2, "最高日用水量");
    field(3, 0);
    unit(3, 5, "L/d");
    row(4, 3, "平均日用水量");
    field(4, 1);
    unit(4, 6, "L/d");
    row(5, 4, "集中式太阳能面积Ac");
    field(5, 2);
    unit(5, 7, "m2");
    row(6, 8, "太阳能水箱V");
    field(6, 3);
    unit(6, 9, "L");
    row(7, 10, "空气源热泵型号应不小于");
    field(7, 4);
    unit(7, 11, "HP");

    Label13.add(7, in(Frame5, 4, 1), "主要辅助设备计算");
    Picture8.back(colors::white);
    Label10.add(0, in(Picture8, 1, 0), "太阳能集热器安装面积");
    Text18.add(0, in(Picture8, 1, 1));
    Label10.add(2, in(Picture8, 1, 2), "m2");
    Label10.add(1, in(Picture8, 2, 0), "太阳能水箱安装总容积");
    Text18.add(1, in(Picture8, 2, 1));
    Label10.add(3, in(Picture8, 2, 2), "m3");
}

void Form1::bindHandlers()
{
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command5.onClick = [this] { Command5_Click(); };
    Command6.onClick = [this] { Command6_Click(); };
    Command7.onClick = [this] { Command7_Click(); };
    Command8.onClick = [this] { Command8_Click(); };
    Option1.onClick([this](std::int16_t i) { Option1_Click(i); });
    Option3.onClick([this](std::int16_t i) { Option3_Click(i); });
    Option4.onClick([this](std::int16_t i) { Option4_Click(i); });
    Combo1.onClick = [this] { Combo1_Click(); };
    Combo2.onClick = [this] { Combo2_Click(); };
    Combo3.onClick = [this] { Combo3_Click(); };
    Combo7.onClick = [this] { Combo7_Click(); };
    Combo4.onChange = [this] { Combo4_Change(); };
    Combo5.onChange = [this] { Combo5_Change(); };
    Combo6.onChange = [this] { Combo6_Change(); };
    Combo8.onChange = [this] { Combo8_Change(); };
    Combo9.onChange = [this] { Combo9_Change(); };
    Combo10.onChange = [this] { Combo10_Change(); };
    Combo11.onChange = [this] { Combo11_Change(); };
    Combo12.onChange = [this] { Combo12_Change(); };
}

void Form1::Form_Load()
{
    // 1-2: the centralized panel is the one shown
    Frame4.Show();
    Frame5.Hide();
    Command1.setBackColor(colors::highlight);
    Command2.setBackColor(colors::buttonFace);

    // 3: the default texts come before the lists, so no lookup runs
    Combo1.setText("深圳");
    fillLocationList();
    Combo2.setText("平板集热器");
    fillCollectorList();
    Combo3.setText("集体宿舍单独卫生间");
    fillBuildingList();

    // 4-5: climate of Shenzhen with 60 ℃ hot water, a flat-plate collector
    // and its efficiency at the design point; dormitory quotas
    Text1.setText("20");
    Text2.setText("60");
    Text3.setText("22.7");
    Text4.setText("5.1");
    Text5.setText("14.7");
    Text6.setText("0.775");
    Text7.setText("4.3");
    Text8.setText("800.65");
    Text9.setText("46.67");
    Text10.setText("0.0299");
    Text11.setText("64.64");
    Text13(0).setText("0");
    Text13(1).setText("80");
    Text13(2).setText("60");

    // 6: each default text raises its Change, which fills the value list
    Combo4.setText("0.5");
    Combo5.setText("0.2");

    // 7-10: no results, direct system
    for (std::int16_t k = 0; k <= 9; ++k) Text14(k).setText("");
    Label5(4).setCaption("直接系统太阳能计算面积 Ac");
    Frame3.Hide();
    Label5(10).Hide();
    Label5(11).Hide();
    Text14(4).Hide();
    Text15(0).setText("");
    Text15(1).setText("");
    Label9.Hide();

    // 11: exchanger and residential coefficients
    Combo6.setText("1.7");
    Combo7.setText("容积式");
    fillExchangerList();
    Text12.setText("400");
    Combo8.setText("1.1");
    Combo9.setText("0.8");
    Combo10.setText("7");
    Combo11.setText("0.6");
    Combo12.setText("0.2");

    // 12-13: an empty household table
    for (std::int16_t k = 0; k <= 4; ++k) {
        Text20(k).Hide();
        Text21(k).Hide();
        Text22(k).Hide();
        Text23(k).Hide();
        Text24(k).Hide();
        Text30(k).Hide();
        Text26(k).setText(" ");
    }
    for (std::int16_t k = 0; k <= 4; ++k) Text16(k).setText("");

    // 14: already selected at design, so no Click runs
    Option3(2).setValue(true);
    Option2(1).setValue(true);
    Option4(0).setValue(true);

    // 15
    Text18(0).setText("");
    Text18(1).setText("");
    Text19.setText("");
}

// The panel tabs keep the designed Left/Top of the residential panel; on
// screen both panels are drawn in the same cell beside the shared column, so
// the one shown always stands in the same place.
void Form1::Command1_Click()
{
    Command1.setBackColor(colors::highlight);
    Command2.setBackColor(colors::buttonFace);
    Frame4.Show();
    Frame5.Hide();
    Frame5.Move(79991, 1617);
}

void Form1::Command2_Click()
{
    Command1.setBackColor(colors::buttonFace);
    Command2.setBackColor(colors::highlight);
    Frame4.Hide();
    Frame5.Show();
    Frame5.Move(24843, 1617);
    for (std::int16_t k = 0; k <= 4; ++k) {
        Text25(k).Hide();
        Text30(k).Hide();
    }
    Text17(3).Hide();
    Text17(6).Hide();
}

void Form1::Option1_Click(std::int16_t Index)
{
    const bool indirect = Index == 1;
    Label5(4).setCaption(indirect ? "间接系统太阳能计算面积 Ain" : "直接系统太阳能计算面积 Ac");
    Frame3.setVisible(indirect);
    Label5(10).setVisible(indirect);
    Label5(11).setVisible(indirect);
    Text14(4).setVisible(indirect);
}

void Form1::Option3_Click(std::int16_t Index)
{
    static constexpr struct {
        const char* rating;
        const char* unit;
        const char* hourly;
    } heater[] = {
        {"电加热功率应不小于", "KW", "设计电加热小时供热量"},
        {"常压燃油(气)制热量应不小于", "万大卡", "设计锅炉小时供热量"},
        {"空气源热泵型号不小于", "HP", "设计热泵小时供热量"},
    };
    Label5(12).setCaption(heater[Index].rating);
    Label5(13).setCaption(heater[Index].unit);
    Label5(14).setCaption(heater[Index].hourly);
}

void Form1::Option4_Click(std::int16_t Index)
{
    const bool semi = Index == 1;
    Label8(4).setCaption(semi ? "半集中式太阳能面积 Ain" : "集中式太阳能面积 Ac");
    // a semi-centralized system has a tank in each dwelling: no central tank or heat pump
    for (std::int16_t k = 8; k <= 11; ++k) Label8(k).setVisible(!semi);
    Text16(3).setVisible(!semi);
    Text16(4).setVisible(!semi);
    Frame3.setVisible(semi);
    Text17(3).setVisible(semi);
    Text17(6).setVisible(semi);
    Combo12.setText(CStr(semi ? 0.3 : 0.2));
    if (!semi)
        for (std::int16_t k = 0; k <= 4; ++k) {
            Text25(k).Hide();
            Text30(k).Hide();
        }
    Picture7.Move(0, 5280, 7935, semi ? 1200 : 1935);
    Picture8.setVisible(!semi);
    Label13(7).setVisible(!semi);
}

} // namespace screens

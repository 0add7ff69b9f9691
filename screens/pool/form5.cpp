// Pool heating screen: design-time settings, defaults, the system choice and
// the reset of the results.

#include "screens/pool/form5.h"

namespace screens {

namespace {

// Where the group of the chosen system is shown (twips, screen coordinates).
constexpr int displayLeft = 16570;
constexpr int displayTop = 10292;
constexpr int frame8Width = 32702;
constexpr int frame8SolarHeight = 10582;
constexpr int frame8BoilerHeight = 8600;
// Places of the heat pump's model and capacity inside Frame9, onto which the
// boiler's model and capacity are moved.
constexpr int modelLeft = 1680, modelTop = 360;
constexpr int capacityLeft = 1680, capacityTop = 720;

} // namespace

Form5::Form5(App& app) : Screen(app, "Form5")
{
    Text6.forEach([](std::int16_t, TextBox& t) { t.back(colors::pink).size(1200); });
    Text9(1).back(colors::yellow);
    Text9(8).back(colors::yellow);
    Text8(1).back(colors::yellow);

    // result fields
    Text7.forEach([](std::int16_t, TextBox& t) { t.locked(); });
    Text8(0).locked();
    Text8(1).locked();
    Text9(2).locked();
    for (int k : {4, 5, 6, 7, 9, 10, 11}) Text9(k).locked();

    // field widths: numbers are short, the class and collector names are not
    for (auto* t : {&Text1_0, &Text1_1, &Text1_2, &Text1_3, &Text1_4, &Text2_0, &Text2_1, &Text4_0, &Text4_1, &Text8_0,
                    &Text8_1, &Text9_1, &Text9_2, &Text9_3, &Text3, &Text5})
        t->size(1200);
    Text7.forEach([](std::int16_t, TextBox& t) { t.size(1200); });
    for (std::int16_t k = 4; k <= 11; ++k) Text9(k).size(1200);
    for (auto* c :
         {&Combo1, &Combo2, &Combo3, &Combo5, &Combo6, &Combo7, &Combo9, &Combo10, &Combo11, &Combo13, &Combo14})
        c->size(1200);
    Combo4.size(2700);
    Combo12.size(2100);
    // the heat source's model and capacity share their cells with the boiler's
    Combo8.size(1500);
    Combo15.size(1500);
    Text9(0).size(1500);
    Text10.size(1500);

    Combo8.pos(modelLeft, modelTop);
    Text9(0).pos(capacityLeft, capacityTop);
    Combo15.pos(modelLeft + 1800, modelTop);
    Text10.pos(capacityLeft + 1800, capacityTop);

    Option1(0).setValue(true);
    Frame8.hidden();
    Frame12.hidden();

    Combo1.onClick = [this] { Combo1_Click(); };
    Combo2.onClick = [this] { Combo2_Click(); };
    Combo3.onClick = [this] { Combo3_Click(); };
    Combo4.onClick = [this] { Combo4_Click(); };
    Combo5.onChange = [this] { Combo5_Change(); };
    Combo6.onChange = [this] { Combo6_Change(); };
    Combo7.onClick = [this] { Combo7_Click(); };
    Combo8.onClick = [this] { Combo8_Click(); };
    Combo9.onChange = [this] { Combo9_Change(); };
    Combo10.onChange = [this] { Combo10_Change(); };
    Combo11.onChange = [this] { Combo11_Change(); };
    Combo12.onClick = [this] { Combo12_Click(); };
    Combo13.onChange = [this] { Combo13_Change(); };
    Combo14.onChange = [this] { Combo14_Change(); };
    Combo15.onClick = [this] { Combo15_Click(); };
    Option1.onClick([this](std::int16_t i) { Option1_Click(i); });
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Command5.onClick = [this] { Command5_Click(); };

    var("Xtlx", Xtlx);
}

void Form5::Form_Load()
{
    Combo1.setText("深圳");
    for (const auto* item : {"深圳", "武汉", "广州"}) Combo1.addItem(item);
    Text1(0).setText("760");
    Text1(1).setText("15");
    Text1(2).setText("22.7");
    Text1(3).setText("5.1");
    Text1(4).setText("14.7");

    Combo2.setText("27");
    for (const auto* item : {"26", "27", "28", "29"}) Combo2.addItem(item);
    Text2(0).setText("581.9");
    Text2(1).setText("26.7");

    Combo3.setText("29");
    for (const auto* item : {"27", "28", "29", "30"}) Combo3.addItem(item);
    Text3.setText("18");

    Combo4.setText("大、中学游泳池");
    for (const auto* item : {"俱乐部宾馆游泳池", "大、中学游泳池", "家庭游泳池", "按摩池"}) Combo4.addItem(item);
    Text4(0).setText("6");
    Text4(1).setText("5");

    Combo5.setText("0.3");
    Combo6.setText("48");
    Text5.setText("24");

    Text6(0).setText("50");
    Text6(1).setText("21");
    Text6(2).setText("1.637");

    for (std::int16_t k = 0; k <= 9; ++k) Text7(k).setText(" ");

    Combo7.setText("20HP");
    for (const auto* item : {"5HP", "10HP", "15HP", "20HP", "25HP", "30HP"}) Combo7.addItem(item);
    Text8(0).setText("70");
    Text8(1).setText(" ");

    Combo8.setText("20HP");
    for (const auto* item : {"5HP", "10HP", "15HP", "20HP", "25HP", "30HP"}) Combo8.addItem(item);
    Text9(0).setText("70");

    Combo9.setText("1.1");
    Combo10.setText("0.8");
    Combo11.setText("1.7");

    Combo12.setText("平板集热器");
    for (const auto* item : {"平板集热器", "全玻璃真空管", "热管集热器"}) Combo12.addItem(item);

    Text9(1).setText("3000");
    Text9(2).setText("70.71");
    Text9(3).setText("8");
    for (std::int16_t k = 4; k <= 11; ++k) Text9(k).setText(" ");

    Combo13.setText("0.5");
    Combo14.setText("0.2");

    Text12(0).setText("0.775");
    Text12(1).setText("4.3");
    Text12(2).setText("32");
    Text12(3).setText("37");

    Frame7.Show();
    Frame8.Hide();
    Frame12.Hide();

    Combo15.setText("20万大卡");
    for (const auto* item : {"5万大卡", "10万大卡", "15万大卡", "20万大卡", "25万大卡", "30万大卡"})
        Combo15.addItem(item);
    Text10.setText("232");
}

// Arranges the screen for the chosen heating system; computes nothing.
void Form5::Option1_Click(std::int16_t Index)
{
    Xtlx = Index;
    if (Index == 0) {
        Frame7.Show();
        Frame7.Move(displayLeft, displayTop);
        Frame8.Hide();
        return;
    }

    const bool solar = Index != 2;
    const bool boiler = Index != 1;
    Frame7.Hide();
    Frame8.Show();
    Frame8.Move(displayLeft, displayTop, frame8Width, solar ? frame8SolarHeight : frame8BoilerHeight);
    Frame11.setVisible(solar);
    Picture6.setVisible(solar);
    Frame9.setCaption(boiler ? "锅炉参数" : "空气源热泵参数");
    Label9(0).setCaption(boiler ? "锅炉型号" : "热泵型号");
    Label9(1).setCaption(boiler ? "单台锅炉制热量Q1" : "单台热泵制热量Q1");
    Label9(15).setCaption(boiler ? "锅炉台数" : "热泵台数");
    Label9(23).setCaption(boiler ? "锅炉台数" : "热泵台数");
    Label11(4).setCaption(Index == 1   ? "热泵辅助太阳能系统计算"
                          : Index == 2 ? "单独锅炉系统计算"
                                       : "锅炉辅助太阳能系统计算");
    if (boiler) {
        // the boiler's model list goes onto the heat pump's place
        Combo15.Show();
        Combo15.setCell(Combo8.cell());
        Combo15.Move(modelLeft, modelTop);
        Combo8.Hide();
    } else {
        Combo15.Hide();
        Combo8.Show();
    }
    Label9(14).setVisible(solar);
    Label9(18).setVisible(solar);
    Text9(4).setVisible(solar);
    if (boiler) {
        // the boiler's capacity lies on top of the heat pump's and covers it
        Text10.Show();
        Text10.setCell(Text9(0).cell());
        Text10.Move(capacityLeft, capacityTop);
    } else {
        Text10.Hide();
    }
    for (std::int16_t k = 4; k <= 11; ++k) Text9(k).setText("");
}

// Clears every result; inputs, lists and the chosen system stay.
void Form5::Command5_Click()
{
    for (std::int16_t k = 0; k <= 9; ++k) Text7(k).setText("");
    Text8(1).setText("");
    for (std::int16_t k = 4; k <= 11; ++k) Text9(k).setText("");
}

} // namespace screens

#include "screens/collector_hydraulics/form2.h"

#include <string>
#include <utility>

namespace screens {

namespace {

// Header cells of the segment table, by column: the member of 行 and its text.
struct Header {
    std::int16_t index;
    const char* text;
};
constexpr Header kHeaders[] = {
    {0, "集热器行号"},    {6, "管段编号DN1"}, {1, "管段流量q3(L/S)"},
    {5, "管段长度L(mm)"}, {4, "DN(mm)"},      {7, "管段I(KPa)"},
};

constexpr int kField = 1100; // width hint of a field, twips
constexpr int kCell = 1700;  // width hint of a segment-table cell

} // namespace

Form2::Form2(App& app) : Screen(app, "Form2")
{
    Picture2.noBorder();

    // pipe material: two materials without size data are disabled
    Option1.add(0, in(Frame4, 0, 0), "镀锌钢管");
    Option1.add(1, in(Frame4, 0, 1), "PPR管").setValue(true);
    Option1.add(2, in(Frame4, 0, 2), "衬塑钢管").disabled();
    Option1.add(3, in(Frame4, 1, 0), "薄壁不锈钢管");
    Option1.add(4, in(Frame4, 1, 1), "铜管").disabled();

    // collector lookup
    Label3.add(0, in(Frame7, 0, 0), "集热器类别");
    Label3.add(1, in(Frame7, 1, 0), "单组集热器流量");
    Text8.add(0, in(Frame7, 1, 1)).locked().size(kField);
    Label3.add(17, in(Frame7, 1, 2), "L/s.块");
    Label3.add(2, in(Frame7, 2, 0), "单组集热器阻力");
    Text8.add(1, in(Frame7, 2, 1)).locked().size(kField);
    Label3.add(18, in(Frame7, 2, 2), "KPa/块");

    // main pipe: label, field, unit per line; the buttons after the inputs
    struct Line {
        int row;
        std::int16_t label;
        const char* caption;
        std::int16_t field;
        std::int16_t unit;
        const char* unitText;
    };
    static constexpr Line kMainPipe[] = {
        {0, 3, "管道流量Q", 0, 6, "L/s"},        {1, 5, "长度L", 1, 8, "m"},        {3, 4, "管径DN", 2, 11, "mm"},
        {4, 7, "单位沿程阻力i", 3, 12, "KPa/m"}, {5, 9, "沿程阻力i", 4, 13, "KPa"}, {6, 10, "局部阻力ia", 5, 15, "KPa"},
        {7, 14, "总阻力iz", 6, 19, "KPa"},       {8, -1, nullptr, 7, 16, "mH2O"},
    };
    for (const Line& l : kMainPipe) {
        if (l.label >= 0) Label3.add(l.label, in(Frame8, l.row, 0), l.caption);
        TextBox& field = Text9.add(l.field, in(Frame8, l.row, 1));
        field.size(kField);
        if (l.field >= 2) field.locked();
        Label3.add(l.unit, in(Frame8, l.row, 2), l.unitText);
    }
    Text9(0).back(colors::pink);
    Text9(1).back(colors::pink);
    Text9(7).back(colors::magenta);
    Label6.fore(colors::red).wrap().hidden();

    // collector array: parameters, two to a line
    Label2.add(0, in(Frame5, 0, 0, 1, 2), "平板集热器单个阵列参数");
    Label1.add(0, in(Frame1, 0, 0), "集热器行数");
    Text7.add(0, in(Frame1, 0, 1)).size(kField);
    Label1.add(8, in(Frame1, 0, 2), "行");
    Label1.add(1, in(Frame1, 0, 3), "集热器列数");
    Text7.add(1, in(Frame1, 0, 4)).size(kField);
    Label1.add(9, in(Frame1, 0, 5), "列");
    Label1.add(3, in(Frame1, 1, 0), "集热器列距");
    Text7.add(2, in(Frame1, 1, 1)).size(kField);
    Label1.add(10, in(Frame1, 1, 2), "mm");
    Label1.add(2, in(Frame1, 1, 3), "集热器行距");
    Combo1.size(kField);
    Label1.add(11, in(Frame1, 1, 5), "mm");
    Label4.fore(colors::red).wrap().hidden();
    Label5.fore(colors::red).wrap().hidden();

    // collector array: results
    Label2.add(1, in(Frame5, 5, 0, 1, 2), "平板集热器单个阵列计算结果");
    Label1.add(5, in(Picture3, 0, 0), "集热器行流量q1");
    Text7.add(3, in(Picture3, 0, 1)).locked().size(kField);
    Label1.add(12, in(Picture3, 0, 2), "L/S");
    Label1.add(6, in(Picture3, 1, 0), "集热器行阻力i1");
    Text7.add(4, in(Picture3, 1, 1)).locked().size(kField);
    Label1.add(14, in(Picture3, 1, 2), "KPa");
    Label1.add(4, in(Picture3, 2, 0), "集热器阵列流量q2");
    Text7.add(5, in(Picture3, 2, 1)).locked().size(kField);
    Label1.add(13, in(Picture3, 2, 2), "L/S");
    Text7.add(6, in(Picture3, 2, 3)).locked().size(kField);
    Label1.add(16, in(Picture3, 2, 4), "m3/h");
    Label1.add(7, in(Picture3, 3, 0), "集热器阵列阻力i2");
    Text7.add(7, in(Picture3, 3, 1)).locked().size(kField);
    Label1.add(15, in(Picture3, 3, 2), "KPa");
    Text7.add(8, in(Picture3, 3, 3)).locked().size(kField);
    Label1.add(17, in(Picture3, 3, 4), "mH2O");
    Picture3.noBorder();
    Picture1.noBorder();

    // segment table: a header row, then one row per segment; only the
    // lengths can be edited
    for (int c = 0; c < static_cast<int>(std::size(kHeaders)); ++c)
        行.add(kHeaders[c].index, in(Frame2, 0, c), kHeaders[c].text).locked().back(colors::grey).size(kCell);
    for (std::int16_t r = 0; r < kSegments; ++r) {
        Text1.add(r, in(Frame2, r + 1, 0), "Text1").locked().size(kCell);
        Text2.add(r, in(Frame2, r + 1, 1), "Text2").locked().size(kCell);
        Text3.add(r, in(Frame2, r + 1, 2), "Text3").locked().size(kCell);
        Text4.add(r, in(Frame2, r + 1, 3), "Text4").back(colors::yellow).size(kCell);
        Text5.add(r, in(Frame2, r + 1, 4), "Text5").locked().size(kCell);
        Text6.add(r, in(Frame2, r + 1, 5), "Text6").locked().size(kCell);
    }

    // hidden data
    for (std::int16_t r = 0; r < kSegments; ++r) {
        const std::string n = std::to_string(r + 1);
        text50.add(r, in(Frame3, r, 0), "第" + n + "行");
        text51.add(r, in(Frame3, r, 1), "DN" + n);
    }
    for (std::int16_t k = 0; k < 10; ++k) {
        Text30.add(k, in(Frame6, k, 0));
        Text31.add(k, in(Frame6, k, 1));
    }

    var("Ch", Ch);
    var("i", i);
    var("j", j);

    Option1.onClick([this](std::int16_t Index) { Option1_Click(Index); });
    Combo1.onClick = [this] { Combo1_Click(); };
    Combo2.onClick = [this] { Combo2_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
}

void Form2::Form_Load()
{
    Frame3.Hide();
    Frame6.Hide();
    for (i = 0; i <= 8; ++i) Text7(i).setText("");
    Text7(2).setText("1065");
    Combo1.setText("2700");
    Combo1.addItem("2700");
    Combo1.addItem("2800");
    for (i = 0; i <= 19; ++i) {
        Text1(i).setText(text50(i).text());
        Text2(i).setText(text51(i).text());
        Text4(i).setText(CStr(Val(Combo1.text())));
        Text3(i).setText("0");
        Text6(i).setText("0");
        showSegment(i, false);
    }
    Combo2.setText("平板集热器2000*1000");
    Combo2.addItem("平板集热器2000*1000");
    Combo2.addItem("全玻璃管50支φ47*1500");
    Combo2.addItem("热管");
    Text8(0).setText("0.04  ");
    Text8(1).setText(CStr(3.2));
    for (i = 0; i <= 7; ++i) Text9(i).setText("");
    Ch = 140;
    writeSizeTable(hydraulics::ppr);
}

void Form2::writeSizeTable(const hydraulics::PipeMaterial& material)
{
    for (i = 0; i <= 9; ++i) {
        const hydraulics::PipeSize& size = material.sizes[static_cast<std::size_t>(i)];
        if (size.mm) Text30(i).setText(CStr(*size.mm));
        Text31(i).setText(std::string(size.label));
    }
}

void Form2::showSegment(int r, bool visible)
{
    Text1(r).setVisible(visible);
    Text2(r).setVisible(visible);
    Text3(r).setVisible(visible);
    Text4(r).setVisible(visible);
    Text5(r).setVisible(visible);
    Text6(r).setVisible(visible);
}

// Picking a material only loads its sizes and coefficient; the results on
// the screen change at the next calculation.
void Form2::Option1_Click(std::int16_t Index)
{
    const hydraulics::PipeMaterial* material = hydraulics::materialOf(Index);
    if (!material) return;
    Ch = material->Ch;
    writeSizeTable(*material);
}

// A row spacing picked from the list becomes the length of every segment.
void Form2::Combo1_Click()
{
    for (i = 0; i <= 19; ++i) Text4(i).setText(CStr(Val(Combo1.text())));
}

void Form2::Combo2_Click()
{
    switch (Combo2.listIndex()) {
    case 0:
        Text8(0).setText("0.04  ");
        Text8(1).setText("3.2");
        Label3(17).setCaption("L/s.块");
        Label3(18).setCaption("KPa/块");
        break;
    case 1:
        Text8(0).setText("0.09");
        Text8(1).setText("20");
        Label3(17).setCaption("L/s.组");
        Label3(18).setCaption("KPa/组");
        break;
    case 2: // no data for heat-pipe collectors; the unit labels stay
        Text8(0).setText("   ");
        Text8(1).setText("");
        break;
    }
}

void Form2::Command2_Click()
{
    for (i = 0; i <= 19; ++i) {
        Text3(i).setText("0");
        Text6(i).setText("0");
        showSegment(i, false);
    }
    for (i = 0; i <= 8; ++i) Text7(i).setText("");
    Text7(2).setText("1065");
    Label4.Hide();
    Label5.Hide();
}

void Form2::Command4_Click()
{
    for (i = 0; i <= 7; ++i) Text9(i).setText("");
    Label6.Hide();
}

} // namespace screens

// Insulation screen: its controls, the option data, the lists and the reset.

#include "screens/insulation/form4.h"

namespace screens {

using namespace insulation;

namespace {
// Width hints, twips: each table column as wide as its header needs.
constexpr int kField = 1000;
constexpr int riserWidths[] = {930, 1080, 750, 900};
constexpr int mainWidths[] = {930, 1080, 750, 1350, 1350};
constexpr int quantityWidths[] = {930, 900, 1050, 1380, 1380, 990, 930, 600};
} // namespace

Form4::Form4(App& app) : Screen(app, "Form4")
{
    var("α", α);
    var("Ng", Ng);
    var("Nlgs", Nlgs);
    var("i", i);
    var("j", j);

    Command1.size(1500);
    Command2.size(1500);
    Label7.fore(colors::red).pos(4560, 0);
    Label9.fore(colors::red).pos(4560, 7800).hidden(); // the calculation moves it up to the warning
    Text1.back(colors::pink).size(kField);
    for (Control* c : {&Combo3, &Combo1, &Combo4, &Combo2}) c->size(kField);

    static constexpr std::string_view buildings[] = {"集体宿舍,旅馆,招待所,宾馆", "幼儿园,托儿所,养老院",
                                                     "医院,疗养院,休养所", "客运站,会展中心,公共厕所"};
    static constexpr std::string_view materials[] = {"镀锌钢管", "PPR管", "衬塑钢管", "薄壁不锈钢管", "铜管"};
    static constexpr std::string_view insulations[] = {"≤DN25橡塑,＞DN25聚苯乙烯", "橡塑管壳", "聚苯乙烯管壳",
                                                       "聚胺酯管壳"};
    static constexpr std::string_view protections[] = {"≤DN25UPVC,＞铝板0.15mm", "铝板0.15mm", "防水玻璃布",
                                                       "不锈钢薄板0.2mm"};
    for (std::int16_t k = 0; k < 4; ++k) Option1.add(k, in(Frame1, k, 0), std::string(buildings[k]));
    for (std::int16_t k = 0; k < 5; ++k) Option2.add(k, in(Frame2, k, 0), std::string(materials[k]));
    for (std::int16_t k = 0; k < 4; ++k) Option3.add(k, in(Frame3, k, 0), std::string(insulations[k]));
    for (std::int16_t k = 0; k < 4; ++k) Option4.add(k, in(Frame11, k, 0), std::string(protections[k]));
    Option1(0).setValue(true);
    Option2(1).setValue(true);
    Option3(0).setValue(true);
    Option4(0).setValue(true);
    // no data for these materials
    Option2(2).disabled();
    Option2(3).disabled();
    Option2(4).disabled();

    // riser table
    Label1.add(1, in(Frame4, 0, 0, 1, 4), "立管计算结果");
    static constexpr std::string_view riserHeads[] = {"管段编号", "层高h(mm)", "ΣNg", "De(mm)"};
    for (std::int16_t c = 0; c < 4; ++c)
        Text4.add(c, in(Frame4, 1, c), std::string(riserHeads[c])).back(colors::grey).locked().size(riserWidths[c]);
    for (std::int16_t r = 0; r < kSegments; ++r) {
        Text6.add(r, in(Frame4, r + 2, 0)).locked().size(riserWidths[0]);
        Text7.add(r, in(Frame4, r + 2, 1), "3000").back(colors::yellow).size(riserWidths[1]);
        Text8.add(r, in(Frame4, r + 2, 2)).locked().size(riserWidths[2]);
        Text9.add(r, in(Frame4, r + 2, 3)).locked().size(riserWidths[3]);
    }

    // main table
    Label1.add(2, in(Frame5, 0, 0, 1, 5), "横管计算结果");
    static constexpr std::string_view mainHeads[] = {"管段编号", "管长l(mm)", "ΣNg", "供水De(mm)", "回水DN(mm)"};
    for (std::int16_t c = 0; c < 5; ++c)
        Text5.add(c, in(Frame5, 1, c), std::string(mainHeads[c])).back(colors::grey).locked().size(mainWidths[c]);
    for (std::int16_t r = 0; r < kSegments; ++r) {
        Text10.add(r, in(Frame5, r + 2, 0)).locked().size(mainWidths[0]);
        Text11.add(r, in(Frame5, r + 2, 1), "7200").back(colors::yellow).size(mainWidths[1]);
        Text12.add(r, in(Frame5, r + 2, 2)).locked().size(mainWidths[2]);
        Text13.add(r, in(Frame5, r + 2, 3)).locked().size(mainWidths[3]);
        Text14.add(r, in(Frame5, r + 2, 4)).locked().size(mainWidths[4]);
    }

    // quantity table
    Label1.add(0, in(Frame6, 0, 0, 1, 8), "工程量及保温结果");
    static constexpr std::string_view quantityHeads[] = {"管道型号",     "数量(m)",  "保温材质", "保温厚度(mm)",
                                                         "保温数量(m3)", "外包材质", "外包数量", "单位"};
    for (std::int16_t c = 1; c <= 8; ++c)
        Text24.add(c, in(Frame6, 1, c - 1), std::string(quantityHeads[c - 1]))
            .back(colors::lightGrey)
            .locked()
            .size(quantityWidths[c - 1]);
    for (std::int16_t k = 0; k < kSizes; ++k) {
        Text16.add(k, in(Frame6, k + 2, 0)).locked().size(quantityWidths[0]);
        Text17.add(k, in(Frame6, k + 2, 1)).locked().size(quantityWidths[1]);
        Text18.add(k, in(Frame6, k + 2, 2)).locked().size(quantityWidths[2]);
        Text19.add(k, in(Frame6, k + 2, 3)).size(quantityWidths[3]); // the user may choose another thickness
        Text20.add(k, in(Frame6, k + 2, 4)).locked().size(quantityWidths[4]);
        Text21.add(k, in(Frame6, k + 2, 5)).locked().size(quantityWidths[5]);
        Text22.add(k, in(Frame6, k + 2, 6)).locked().size(quantityWidths[6]);
        Text23.add(k, in(Frame6, k + 2, 7)).locked().size(quantityWidths[7]);
    }

    for (std::int16_t k = 0; k < kSizes; ++k) {
        Text31.add(k, in(Frame7, k, 0)).locked();
        Text30.add(k, in(Frame7, k, 1)).locked();
        Text62.add(k, in(Frame7, k, 2)).locked();
    }

    Option1.onClick([this](std::int16_t k) { Option1_Click(k); });
    Option2.onClick([this](std::int16_t k) { Option2_Click(k); });
    Option3.onClick([this](std::int16_t k) { Option3_Click(k); });
    Option4.onClick([this](std::int16_t k) { Option4_Click(k); });
    Combo1.onClick = [this] { Combo1_Click(); };
    Combo2.onClick = [this] { Combo2_Click(); };
    Combo3.onClick = [this] { Combo3_Click(); };
    Combo4.onClick = [this] { Combo4_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void Form4::Form_Load()
{
    α = 2.5;
    Command1.setEnabled(false);
    Label7.Show();
    Label9.Hide();
    // On a reset these raise their handlers; what they write is overwritten
    // below, except the three size headers of the PPR choice.
    Option1(0).setValue(true);
    Option2(1).setValue(true);
    Option3(0).setValue(true);
    Option4(0).setValue(true);
    Text1.setText("1");
    Combo3.setText("");
    Combo4.setText("");
    Frame7.Hide();

    for (i = 0; i < kSegments; ++i) {
        for (auto* a : {&Text6, &Text7, &Text8, &Text9, &Text10, &Text11, &Text12, &Text13, &Text14}) (*a)(i).Hide();
        Text7(i).setText("3000");
        Text11(i).setText("7200");
        Text9(i).setText("");
        Text13(i).setText("");
        Text14(i).setText("");
    }
    riserMarks = {};
    supplyMarks = {};
    returnMarks = {};

    for (i = 0; i < kSizes; ++i) {
        Text17(i).setText("");
        Text20(i).setText("");
        Text22(i).setText("");
    }
    for (i = 0; i < kSizes; ++i) {
        Text18(i).setText(std::string(loadInsulation[i].material));
        Text19(i).setText(CStr(loadInsulation[i].thickness));
        const Jacket& jacket = jacketByOption[0][i < kSmallSizes ? 0 : 1];
        Text21(i).setText(std::string(jacket.material));
        Text23(i).setText(std::string(jacket.unit));
    }
    for (i = 0; i < kSizes; ++i) {
        Text30(i).setText(CStr(pipeSizes[i].loadBore));
        Text31(i).setText(std::string(pipeSizes[i].pprLabel));
        Text62(i).setText(CStr(pipeSizes[i].wrapped));
    }
    for (i = 0; i < kSizes; ++i) Text16(i).setText(Text31(i).text());

    Combo1.setText("3000");
    for (int h : floorHeights) Combo1.addItem(CStr(h));
    Combo2.setText("7200");
    for (int l : mainLengths) Combo2.addItem(CStr(l));
    Combo3.setText("");
    for (int m : floorCounts) Combo3.addItem(CStr(m));
    Combo4.setText("");
    for (int n = 1; n <= kMaxRisers; ++n) Combo4.addItem(CStr(n));
}

void Form4::Option1_Click(std::int16_t Index)
{
    static constexpr double coefficient[] = {2.5, 1.2, 2.0, 3.0};
    α = sng(coefficient[Index]);
}

void Form4::Option2_Click(std::int16_t Index)
{
    if (Index == 0) {
        for (i = 0; i < kSizes; ++i) Text30(i).setText(CStr(pipeSizes[i].steelBore));
        for (auto* head : {&Text4(3), &Text5(3), &Text5(4)}) head->setText("DN(mm)");
        for (i = 0; i < kSizes; ++i) Text31(i).setText(std::string(pipeSizes[i].steelLabel));
    } else if (Index == 1) {
        for (i = 0; i < kSizes; ++i) Text30(i).setText(CStr(pipeSizes[i].pprBore));
        for (auto* head : {&Text4(3), &Text5(3), &Text5(4)}) head->setText("De(mm)");
        for (i = 0; i < kSizes; ++i) Text31(i).setText(std::string(pipeSizes[i].pprLabel));
    }
    for (i = 0; i < kSizes; ++i) Text16(i).setText(Text31(i).text());
}

void Form4::Option3_Click(std::int16_t Index)
{
    for (i = 0; i < kSizes; ++i) {
        const Insulation& layer = insulationByOption[Index][i];
        Text18(i).setText(std::string(layer.material));
        Text19(i).setText(CStr(layer.thickness));
    }
}

void Form4::Option4_Click(std::int16_t Index)
{
    for (i = 0; i < kSizes; ++i) {
        const Jacket& jacket = jacketByOption[Index][i < kSmallSizes ? 0 : 1];
        Text21(i).setText(std::string(jacket.material));
        Text23(i).setText(std::string(jacket.unit));
    }
}

// A picked floor height or main length goes into every row, edited rows too.
void Form4::Combo1_Click()
{
    const int k = Combo1.listIndex();
    if (k < 0 || k >= static_cast<int>(floorHeights.size())) return;
    for (i = 0; i < kSegments; ++i) Text7(i).setText(CStr(floorHeights[k]));
}

void Form4::Combo2_Click()
{
    const int k = Combo2.listIndex();
    if (k < 0 || k >= static_cast<int>(mainLengths.size())) return;
    for (i = 0; i < kSegments; ++i) Text11(i).setText(CStr(mainLengths[k]));
}

void Form4::Combo3_Click() { enableWhenCounted(Combo3); }
void Form4::Combo4_Click() { enableWhenCounted(Combo4); }

// Picking a number of floors or of risers readies the calculation.
void Form4::enableWhenCounted(const ComboBox& count)
{
    Label7.Hide();
    if (Val(count.text()) != 0) Command1.setEnabled(true);
}

// Reset: everything back to the start, variables Ng and Nlgs kept.
void Form4::Command2_Click() { Form_Load(); }

} // namespace screens

#include "screens/supply_network/form3.h"

#include <string_view>

namespace screens {

namespace {

// The notes of the screen; the runs of blanks put each numbered note on a
// line of its own in the wrapped label.
constexpr std::string_view notes =
    "1.请完成管道计算后，再计算水泵。   2.最多计算层数12层(12层以上分区)。 3.最多计算立管数12条，超过12条时，   "
    "可采用立管模块计算。             4.黄色标识的数值，可手动输入数据。 "
    "5.水泵完全采用水泵加压时，其循环流量请查横管计算的q值。";

// α of qg = 0.2·α·√Ng per building class (GB 50015-2003).
constexpr double buildingα[] = {2.5, 1.2, 2, 3};

struct PipeSize {
    std::string_view label;
    double dj; // inner diameter, mm
};

struct Material {
    std::string_view Ch;     // Hazen-Williams coefficient
    std::string_view header; // heading of the size column
    int diameters;           // inner diameters it writes; the others stay as they were
    PipeSize size[10];
};

// clang-format off
constexpr Material galvanizedSteel{"100", "DN(mm)", 10,
                                   {{"DN15", 18}, {"DN20", 21.6}, {"DN25", 25.4}, {"DN32", 31.8}, {"DN40", 38.1},
                                    {"DN50", 50.8}, {"DN65", 63.5}, {"DN80", 76.2}, {"DN100", 101.6},
                                    {"DN125", 120}}};
constexpr Material ppr{"140", "De(mm)", 10,
                       {{"De20", 18}, {"De25", 22}, {"De32", 26}, {"De40", 32}, {"De50", 38.6}, {"De63", 45.4},
                        {"De75", 64}, {"De90", 77}, {"De110", 102}, {"De125", 121}}};
// The stainless-steel table has no inner diameter of its own for its largest size.
constexpr Material stainlessSteel{"130", "D(mm)", 9,
                                  {{"D16", 14.6}, {"D22", 19.8}, {"D26", 24}, {"D35", 33}, {"D40", 38},
                                   {"D50.8", 48.6}, {"D63.5", 61.1}, {"De90", 73.1}, {"De110", 99}, {"De125", 0}}};
// The size table as the screen starts: PPR sizes, De63 with 47.8 mm.
constexpr PipeSize sizesAtLoad[10] = {{"De20", 18}, {"De25", 22}, {"De32", 26},  {"De40", 32},   {"De50", 38.6},
                                      {"De63", 47.8}, {"De75", 64}, {"De90", 77}, {"De110", 102}, {"De125", 121}};
// clang-format on

// Storey heights (m) and segment lengths (mm) of the two lists, by position.
constexpr double storeyHeights[] = {2.8, 3, 3.3, 3.5};
constexpr std::int16_t segmentLengths[] = {7200, 6600, 6000};

template <class T, std::size_t N>
const T& entry(const T (&table)[N], long long k, const char* what)
{
    if (k < 0 || k >= static_cast<long long>(N))
        throw CalcError(FailureKind::IndexOutOfRange, std::string(what) + "(" + std::to_string(k) + ")");
    return table[k];
}

constexpr std::string_view riserHeaders[9] = {"管段编号", "层高h(m)", "ΣNg",        "q(l/s)",      "De(mm)",
                                              "v(m/s)",   "i(kPa/m)", "管段i(m/m)", "管道容量V(l)"};
constexpr std::string_view horizontalHeaders[9] = {"管段编号", "管长l(mm)", "ΣNg",        "q(l/s)",      "De(mm)",
                                                   "v(m/s)",   "i(kPa/m)",  "管段i(m/m)", "管道容量V(l)"};
// Width hints of the nine table columns, twips.
constexpr int columnWidths[9] = {900, 1100, 900, 900, 1250, 900, 1000, 1200, 1400};

} // namespace

Form3::Form3(App& app) : Screen(app, "Form3")
{
    static constexpr std::string_view buildingClasses[] = {"集体宿舍,旅馆,招待所,宾馆", "幼儿园,托儿所,养老院",
                                                           "医院,疗养院,休养所", "客运站,会展中心,公共厕所"};
    for (std::int16_t k = 0; k < 4; ++k) Option1.add(k, in(Frame2_1, k, 0, 1, 2), std::string(buildingClasses[k]));
    Option1(0).setValue(true);
    Text1.locked().size(800);

    static constexpr std::string_view materials[] = {"镀锌钢管", "PPR管", "衬塑钢管", "薄壁不锈钢管", "铜管"};
    for (std::int16_t k = 0; k < 5; ++k) Option2.add(k, in(Frame4, k, 0, 1, 2), std::string(materials[k]));
    Option2(2).disabled(); // no size table for plastic-lined steel
    Option2(4).disabled(); // nor for copper
    Option2(1).setValue(true);
    Text2.locked().size(800);

    Text4.locked().size(900);
    Combo2.size(900);
    Text9.back(colors::pink).size(900);
    Text19.locked().back(colors::magenta).size(900);
    Text29.locked().back(colors::magenta).size(900);
    Label19.fore(colors::red).wrap().hidden();

    Label10.wrap().size(9000);
    Label10.setCaption(std::string(notes));

    Picture2.back(colors::lightBlue);
    Text3.back(colors::pink).size(800);
    Combo1.back(colors::pink).size(900);
    Text5.back(colors::pink).size(800);
    Picture6.back(colors::lightBlue);
    Text6.back(colors::pink).size(800);
    Combo3.back(colors::pink).size(1000);

    Picture1.back(colors::white);
    Picture5.back(colors::white);
    for (std::int16_t c = 0; c < 9; ++c) {
        Text7.add(c, in(Picture1, 0, c), std::string(riserHeaders[c]))
            .locked()
            .back(colors::scrollBars)
            .size(columnWidths[c]);
        Text8.add(c, in(Picture5, 0, c), std::string(horizontalHeaders[c]))
            .locked()
            .back(colors::scrollBars)
            .size(columnWidths[c]);
    }
    // twelve segment rows under each header row
    auto addRows = [](const PipeTable& t, Control& area) {
        for (std::int16_t k = 0; k < 12; ++k)
            for (int c = 0; c < 9; ++c) {
                TextBox& cell = t.column[c]->add(k, in(area, k + 1, c));
                cell.size(columnWidths[c]);
                if (c == 1) cell.back(colors::yellow); // typed by hand, one per segment
                else if (c != 2) cell.locked();
            }
        t.warning->fore(colors::red).wrap().hidden();
    };
    addRows(riser(), Picture1);
    addRows(horizontal(), Picture5);

    for (std::int16_t n = 0; n < 10; ++n) {
        Text31.add(n, in(Frame6, n, 0));
        Text30.add(n, in(Frame6, n, 1));
    }

    var("i", i);
    var("j", j);

    Option1.onClick([this](std::int16_t Index) { Option1_Click(Index); });
    Option2.onClick([this](std::int16_t Index) { Option2_Click(Index); });
    Combo1.onClick = [this] { Combo1_Click(); };
    Combo2.onChange = [this] { Combo2_Change(); };
    Combo3.onClick = [this] { Combo3_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
}

void Form3::Form_Load()
{
    Frame6.Hide();
    Text1.setText("2.5");
    Text2.setText("140");
    Text3.setText("1");
    Text4.setText("0");
    Text5.setText("1");
    Text6.setText("1");
    Text9.setText("0");
    Text19.setText("0");
    const PipeTable r = riser();
    const PipeTable h = horizontal();
    for (i = 0; i <= 11; ++i) {
        for (int c = 0; c < 9; ++c) r.cell(c, i).Hide();
        Text11(i).setText("3");
        for (int c = 0; c < 9; ++c) h.cell(c, i).Hide();
        Text21(i).setText("7200");
    }
    Text29.setText("0");
    for (std::int16_t n = 0; n < 10; ++n) Text30(n).setText(CStr(sizesAtLoad[n].dj));
    for (std::int16_t n = 0; n < 10; ++n) Text31(n).setText(std::string(sizesAtLoad[n].label));
    Combo1.setText("3");
    for (double height : storeyHeights) Combo1.addItem(CStr(height));
    Combo2.setText("0.3");
    Combo3.setText("7200");
    for (std::int16_t length : segmentLengths) Combo3.addItem(CStr(length));
}

void Form3::Option1_Click(std::int16_t Index) { Text1.setText(CStr(entry(buildingα, Index, "Option1"))); }

void Form3::Option2_Click(std::int16_t Index)
{
    const Material* m = nullptr;
    switch (Index) {
    case 0: m = &galvanizedSteel; break;
    case 1: m = &ppr; break;
    case 3: m = &stainlessSteel; break;
    default: return; // plastic-lined steel and copper cannot be chosen
    }
    Text2.setText(std::string(m->Ch));
    for (std::int16_t n = 0; n < m->diameters; ++n) Text30(n).setText(CStr(m->size[n].dj));
    Text7(4).setText(std::string(m->header));
    Text8(4).setText(std::string(m->header));
    for (std::int16_t n = 0; n < 10; ++n) Text31(n).setText(std::string(m->size[n].label));
}

void Form3::Combo1_Click()
{
    const double h = entry(storeyHeights, Combo1.listIndex(), "Combo1.List");
    for (i = 0; i <= 11; ++i) Text11(i).setText(CStr(h));
}

void Form3::Combo2_Change()
{
    // the list of local-loss allowances is filled once, on the first change
    if (Combo2.listCount() != 0) return;
    for (i = 5; i <= 7; ++i) Combo2.addItem(Str(dbl(ext(i) * 0.05)));
}

void Form3::Combo3_Click()
{
    const std::int16_t l = entry(segmentLengths, Combo3.listIndex(), "Combo3.List");
    for (i = 0; i <= 11; ++i) Text21(i).setText(CStr(l));
}

} // namespace screens

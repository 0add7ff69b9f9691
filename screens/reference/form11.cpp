// Water tanks: engineering storage tanks by capacity, in the tank sizes the
// design screen's check calculation rounds to (0.5 t steps up to 10 t, then
// whole tonnes), and household pressurized solar tanks with the coil area
// the residential design needs per household (0.45 m² for 100 L, 0.68 m² for
// 150 L … 1.37 m² for 300 L with the design screen's defaults). Two tab
// buttons choose the document.

#include "screens/reference/document.h"
#include "screens/reference/reference.h"

#include <string_view>

namespace screens {

namespace {

// Inner vessel length × width × height, mm; 1 t of water is 1 m³.
struct EngineeringTank {
    std::string_view capacity; // t
    std::string_view foam;     // 发泡水箱
    std::string_view clad;     // 彩包水箱
};

constexpr EngineeringTank engineeringTanks[] = {
    {"1", "1100×800×1200", "1100×1000×1000"},   {"1.5", "1400×1000×1200", "1300×1300×1000"},
    {"2", "1600×1100×1200", "1500×1500×1000"},  {"2.5", "1700×1300×1200", "1700×1600×1000"},
    {"3", "1900×1400×1200", "1500×1500×1500"},  {"3.5", "1900×1300×1500", "1600×1600×1500"},
    {"4", "1900×1500×1500", "1700×1700×1500"},  {"4.5", "2100×1500×1500", "1800×1800×1500"},
    {"5", "2200×1600×1500", "1900×1900×1500"},  {"5.5", "2300×1700×1500", "1700×1700×2000"},
    {"6", "2500×1700×1500", "1800×1800×2000"},  {"6.5", "2400×1600×1800", "1900×1800×2000"},
    {"7", "2300×1800×1800", "2000×1900×2000"},  {"7.5", "2500×1800×1800", "2000×2000×2000"},
    {"8", "2600×1800×1800", "2100×2000×2000"},  {"8.5", "2700×1900×1800", "2200×2100×2000"},
    {"9", "2800×1900×1800", "2200×2200×2000"},  {"9.5", "2800×2000×1800", "2300×2200×2000"},
    {"10", "2800×2100×1800", "2300×2300×2000"}, {"12", "3000×2100×2000", "2600×2500×2000"},
    {"15", "3300×2400×2000", "2900×2800×2000"}, {"20", "3900×2700×2000", "3300×3200×2000"},
    {"25", "3900×2700×2500", "3700×3600×2000"}, {"30", "4200×3000×2500", "4000×4000×2000"},
    {"40", "4800×3500×2500", "4100×4100×2500"}, {"50", "5400×3900×2500", "4600×4600×2500"},
};

struct HouseholdTank {
    std::string_view model;
    std::string_view volume;   // effective volume, L
    std::string_view size;     // outer diameter × height, mm
    std::string_view weight;   // net weight, kg
    std::string_view pressure; // rated pressure, MPa
    std::string_view coil;     // copper coil area, m²
    std::string_view casing;
};

constexpr HouseholdTank householdTanks[] = {
    {"SX-100", "100", "φ470×1130", "38", "0.6", "0.5", "彩涂钢板"},
    {"SX-150", "150", "φ520×1300", "48", "0.6", "0.7", "彩涂钢板"},
    {"SX-200", "200", "φ560×1420", "58", "0.6", "1.0", "彩涂钢板"},
    {"SX-250", "250", "φ560×1730", "68", "0.6", "1.2", "彩涂钢板"},
    {"SX-300", "300", "φ620×1650", "80", "0.6", "1.4", "彩涂钢板"},
    {"SX-400", "400", "φ700×1650", "102", "0.6", "1.9", "不锈钢板"},
    {"SX-500", "500", "φ760×1700", "125", "0.6", "2.3", "不锈钢板"},
};

} // namespace

std::string engineeringTankDocument()
{
    std::vector<doc::Row> body;
    for (const EngineeringTank& t : engineeringTanks)
        body.push_back({{std::string(t.capacity)}, {std::string(t.foam)}, {std::string(t.clad)}});
    doc::HtmlDocument d("水箱技术参数表");
    d.table({{{"容量(吨)", 2}, {"内胆尺寸 长×宽×高(mm)", 1, 2}}, {{"发泡水箱"}, {"彩包水箱"}}}, body, {}, 70);
    d.paragraph("发泡水箱：不锈钢内胆，聚氨酯整体发泡保温层厚50mm；彩包水箱：不锈钢内胆，保温层外包彩钢板。"
                "容量为有效容积，1吨按1m³计；外形尺寸约为内胆尺寸每边加保温层及外壳厚度。");
    d.paragraph(doc::typicalValuesNote);
    return d.html();
}

std::string householdTankDocument()
{
    std::vector<doc::Row> body;
    for (const HouseholdTank& t : householdTanks) {
        doc::Row row;
        for (std::string_view v : {t.model, t.volume, t.size, t.weight, t.pressure, t.coil, t.casing})
            row.push_back({std::string(v)});
        body.push_back(std::move(row));
    }
    doc::HtmlDocument d("家用太阳能承压水箱技术参数");
    d.table({{{"型号"}, {"有效容积(L)"}, {"尺寸(mm)"}, {"净重(kg)"}, {"承压(MPa)"}, {"铜盘管面积(m²)"}, {"外壳"}}},
            body, "l");
    d.paragraph("立式承压水箱，搪瓷内胆，内置铜盘管换热器，聚氨酯发泡保温层厚50mm；尺寸为外径×高。"
                "铜盘管面积不小于住宅分户设计中按户水箱容积算得的换热面积。");
    d.paragraph(doc::typicalValuesNote);
    return d.html();
}

Form11::Form11(App& app) : Screen(app, "Form11")
{
    Command1.pos(808, 120).size(3600, 450);
    Command2.pos(4500, 120).size(3600, 450);
    // At design time the household document sits beside the engineering one;
    // its tab moves it into place.
    OLE1.pos(808, 690).size(documentWidth, documentHeight - 600);
    OLE2.pos(808 + documentWidth + 240, 690).size(documentWidth, documentHeight - 600);
    OLE1.setText(engineeringTankDocument());
    OLE2.setText(householdTankDocument());

    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void Form11::Form_Load()
{
    OLE1.Show();
    OLE2.Hide();
    Command1.setBackColor(colors::highlight);
    Command2.setBackColor(colors::buttonFace);
}

void Form11::Command1_Click()
{
    OLE1.Show();
    OLE2.Hide();
    Command1.setBackColor(colors::highlight);
    Command2.setBackColor(colors::buttonFace);
}

void Form11::Command2_Click()
{
    OLE1.Hide();
    OLE2.Show();
    OLE2.Move(808, 690); // keeps its size
    Command1.setBackColor(colors::buttonFace);
    Command2.setBackColor(colors::highlight);
}

} // namespace screens

// Air-source heat pump catalogue, one column per model. The heating
// capacities are those the pool screen sizes with (5HP 27 kW … 30HP 105 kW);
// the input power follows from a rated COP of about 4.2, and the 55 ℃ water
// output is the capacity heating water from 15 ℃ to 55 ℃
// (27 kW × 3600 ÷ (4.1868 × 40) ≈ 580 L/h).

#include "screens/reference/document.h"
#include "screens/reference/reference.h"

#include <string_view>

namespace screens {

namespace {

constexpr std::string_view models[] = {"5HP", "10HP", "15HP", "20HP", "25HP", "30HP"};

struct Parameter {
    std::string_view name;
    std::string_view values[std::size(models)];
};

constexpr Parameter parameters[] = {
    {"输入功率(KW)", {"6.4", "11.0", "13.6", "16.7", "20.7", "25.0"}},
    {"制热量(KW)", {"27", "46", "57", "70", "87", "105"}},
    {"电压要求(V)", {"380/3N~/50Hz", "380/3N~/50Hz", "380/3N~/50Hz", "380/3N~/50Hz", "380/3N~/50Hz", "380/3N~/50Hz"}},
    {"最高出水温度(℃)", {"60", "60", "60", "60", "60", "60"}},
    {"额定出水温度(℃)", {"55", "55", "55", "55", "55", "55"}},
    {"使用环境温度(℃)", {"-10～43", "-10～43", "-10～43", "-10～43", "-10～43", "-10～43"}},
    {"55℃产水量(L/h)", {"580", "990", "1230", "1500", "1870", "2260"}},
    {"接管口径(mm)", {"DN32", "DN40", "DN50", "DN50", "DN65", "DN65"}},
    {"外形尺寸(mm)",
     {"1100×700×1200", "1450×800×1350", "1600×900×1500", "1800×1000×1750", "2000×1100×1900", "2200×1100×2000"}},
};

} // namespace

std::string heatPumpDocument()
{
    doc::Row head{{"型号"}};
    for (std::string_view m : models) head.push_back({std::string(m)});
    std::vector<doc::Row> body;
    for (const Parameter& p : parameters) {
        doc::Row row{{std::string(p.name)}};
        for (std::string_view v : p.values) row.push_back({std::string(v)});
        body.push_back(std::move(row));
    }
    doc::HtmlDocument d("空气源热泵技术参数");
    d.table({head}, body, "l");
    d.paragraph("名义工况：环境空气干球温度20℃、湿球温度15℃，进水温度15℃，出水温度55℃。"
                "产水量为名义工况下将水由15℃加热至55℃的小时产水量；外形尺寸为长×宽×高。");
    d.paragraph(doc::typicalValuesNote);
    return d.html();
}

Form10::Form10(App& app) : Screen(app, "Form10")
{
    OLE1.size(documentWidth, documentHeight);
    OLE1.setText(heatPumpDocument());
}

} // namespace screens

// Solar collector catalogue: typical flat-plate, all-glass evacuated-tube and
// glass-metal heat-pipe collectors. The efficiency curves are those the
// design and pool screens calculate with, and the flat-plate 2000×1000 and
// the 50-tube φ47×1500 group give the flow and loss of the hydraulic screen's
// collector lookup (0.02 L/s·m² × 2.0 m² = 0.04 L/s at 3.2 kPa; 0.015 L/s·m²
// × 6.0 m² = 0.09 L/s at 20 kPa).

#include "screens/reference/document.h"
#include "screens/reference/reference.h"

#include <string_view>

namespace screens {

namespace {

struct Collector {
    std::string_view name;
    std::string_view description; // size and build, 规格
    std::string_view η0;
    std::string_view U;        // heat-loss coefficient, W/(m²·℃)
    std::string_view area;     // gross area, m²
    std::string_view pressure; // working pressure, MPa
    std::string_view weight;   // kg per collector (group)
    std::string_view flow;     // recommended working flow, L/(s·m²)
    std::string_view drop;     // pressure drop at that flow, kPa per group
};

constexpr Collector collectors[] = {
    {"平板集热器", "外形尺寸2000×1000×80mm，单块为一组", "0.775", "4.3", "2.0", "0.6", "38", "0.02", "3.2"},
    {"平板集热器", "外形尺寸2000×1250×80mm，单块为一组", "0.775", "4.3", "2.5", "0.6", "46", "0.02", "5.0"},
    {"全玻璃真空管", "φ47×1500全玻璃真空管50支，联集箱式", "0.685", "2.8", "6.0", "0.05", "100", "0.015", "20"},
    {"全玻璃真空管", "φ58×1800全玻璃真空管50支，联集箱式", "0.685", "2.8", "8.3", "0.05", "135", "0.015", "24"},
    {"热管集热器", "φ70×1800玻璃-金属热管真空管20支", "0.73", "2.3", "3.8", "0.6", "95", "0.02", "4.5"},
    {"热管集热器", "φ100×2000玻璃-金属热管真空管15支", "0.73", "2.3", "4.1", "0.6", "115", "0.02", "5.0"},
};

} // namespace

std::string collectorDocument()
{
    std::vector<doc::Row> body;
    for (const Collector& c : collectors) {
        doc::Row row;
        for (std::string_view v : {c.name, c.description, c.η0, c.U, c.area, c.pressure, c.weight, c.flow, c.drop})
            row.push_back({std::string(v)});
        body.push_back(std::move(row));
    }
    doc::HtmlDocument d("集热器技术参数");
    d.table({{{"集热器名称", 2},
              {"规格", 2},
              {"瞬时效率曲线", 1, 2},
              {"面积(m²)", 2},
              {"工作压力(MPa)", 2},
              {"重量(kg/台)", 2},
              {"推荐工作流量(L/s·m²)", 2},
              {"压力降(kPa/组)", 2}},
             {{"η0"}, {"热损系数U(W/m²·℃)"}}},
            body, "ll");
    d.paragraph("瞬时效率曲线：η = η0 − U·T*，T* = (ti − ta)/G；ti 为集热器进口温度(℃)，ta 为环境空气温度(℃)，"
                "G 为太阳总辐照度(W/m²)。效率、面积和推荐工作流量均按集热器总面积计；"
                "压力降为一组集热器在推荐工作流量下的阻力。");
    d.paragraph(doc::typicalValuesNote);
    return d.html();
}

Form9::Form9(App& app) : Screen(app, "Form9")
{
    OLE3.size(documentWidth, documentHeight);
    OLE3.setText(collectorDocument());
}

} // namespace screens

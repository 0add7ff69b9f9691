// Recommended solar fractions by solar-resource zone.

#include "screens/reference/document.h"
#include "screens/reference/reference.h"

#include <string_view>

namespace screens {

namespace {

struct Zone {
    std::string_view zone;
    std::string_view irradiation; // MJ/(m2·a)
    std::string_view regions;
    std::string_view fraction;
};

constexpr Zone zones[] = {
    {"Ⅰ资源丰富区", "≥6700", "宁夏北、甘肃西、新疆东南、青海西、西藏西", "60%～80%"},
    {"Ⅱ资源较丰富区", "5400～6700", "冀西北、京、津、晋北、内蒙及宁夏南、甘肃中东、青海东、西藏南、新疆南", "50%～60%"},
    {"Ⅲ资源一般区", "4200～5400",
     "鲁、豫、冀东南、晋南、新疆北、吉林、辽宁、云南、陕西、甘肃东南、粤、湘、桂、赣、江、浙、沪、皖、鄂、黑龙江、闽",
     "40%～50%"},
    {"Ⅳ资源贫乏区", "<4200", "川、黔、渝", "≤40%"},
};

} // namespace

std::string solarFractionDocument()
{
    std::vector<doc::Row> body;
    for (const Zone& z : zones)
        body.push_back(
            {{std::string(z.zone)}, {std::string(z.irradiation)}, {std::string(z.regions)}, {std::string(z.fraction)}});
    doc::HtmlDocument d("太阳能保证率推荐表");
    d.table({{{"资源区划"}, {"年太阳辐照量\nMJ/(m2.年)"}, {"地区"}, {"太阳能保证率"}}}, body, "lcl");
    return d.html();
}

Form8::Form8(App& app) : Screen(app, "Form8")
{
    OLE2.size(documentWidth, documentHeight);
    OLE2.setText(solarFractionDocument());
}

} // namespace screens

// Hot-water quotas of GB 50015-2003 (maximum daily use per unit, hours of use
// and the hot-water temperature the quota refers to).

#include "screens/reference/document.h"
#include "screens/reference/reference.h"

#include <string_view>

namespace screens {

namespace {

// One line of the quota table. A line without a number continues the
// building class above it; a class without sub-classes spans both columns.
struct Quota {
    std::string_view number;
    std::string_view building;
    std::string_view subClass;
    std::string_view unit;
    std::string_view quota;
    std::string_view hours;
    std::string_view temperature;
};

constexpr Quota quotas[] = {
    {"1", "住宅有自备热水供应和淋浴设备", "", "每人每日", "40~80L", "24h", "60℃"},
    {"2", "住宅有集中热水供应和淋浴设备", "", "每人每日", "60~100L", "24h", "60℃"},
    {"3", "单身职工宿舍、学生公寓、招待所、培训中心、普通旅馆", "设公共洗浴室", "每人每日", "25~40L", "24h或定时",
     "60℃"},
    {"", "", "设公共洗浴室、淋浴室", "每人每日", "40~60L", "24h或定时", "60℃"},
    {"", "", "设单独卫生间", "每人每日", "60~100L", "24h或定时", "60℃"},
    {"4", "宾馆客房", "旅客", "每床位每日", "120~160L", "24h", "60℃"},
    {"", "", "员工", "每人每日", "40~50L", "24h", "60℃"},
    {"5", "医院住院部", "设公共洗浴室", "每床位每日", "60~100L", "24h", "60℃"},
    {"", "", "设公共洗浴室、淋浴室", "每床位每日", "70~130L", "24h", "60℃"},
    {"", "", "设单独卫生间", "每床位每日", "110~200L", "24h", "60℃"},
    {"", "", "医务人员", "每人每班", "70~130L", "8h", "60℃"},
    {"", "", "门诊部", "每病人每次", "7~13L", "8h", "60℃"},
    {"", "", "疗养院、休养所住房部", "每床位每日", "100~160L", "24h", "60℃"},
};

} // namespace

std::string quotaDocument()
{
    std::vector<doc::Row> body;
    for (std::size_t k = 0; k < std::size(quotas); ++k) {
        const Quota& q = quotas[k];
        doc::Row row;
        if (!q.number.empty()) {
            int lines = 1;
            while (k + lines < std::size(quotas) && quotas[k + lines].number.empty()) ++lines;
            row.push_back({std::string(q.number), lines});
            if (q.subClass.empty()) row.push_back({std::string(q.building), lines, 2});
            else row.push_back({std::string(q.building), lines});
        }
        if (!q.subClass.empty()) row.push_back({std::string(q.subClass)});
        for (std::string_view v : {q.unit, q.quota, q.hours, q.temperature}) row.push_back({std::string(v)});
        body.push_back(std::move(row));
    }
    doc::HtmlDocument d("《建筑給水排水设计规范》GB 50015 -2003中热水用水定额");
    d.table({{{"序号"}, {"建筑物类别", 1, 2}, {"单位"}, {"最高日用热水量定额"}, {"使用时间"}, {"热水温度按（）计"}}},
            body, "cll");
    return d.html();
}

Form7::Form7(App& app) : Screen(app, "Form7")
{
    OLE1.size(documentWidth, documentHeight);
    OLE1.setText(quotaDocument());
}

} // namespace screens

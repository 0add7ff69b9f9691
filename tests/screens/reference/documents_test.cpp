// The reference documents as the screens hold them: the code tables exactly
// as published, merged cells included; the catalogues with their named
// columns and values that agree with the calculation screens; and nothing in
// any document that could load from outside the program.
#include "html_table.h"

#include "model/app.h"
#include "shell/mdiform1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

using reftest::Grid;
using reftest::number;

namespace {

class ReferenceDocuments : public ::testing::Test {
protected:
    void SetUp() override
    {
        shell::registerScreens(app);
        ASSERT_TRUE(shell::startProgram(app).ok());
    }
    const std::string& html(const char* screen, const char* view)
    {
        model::Control* c = app.screen(screen).find(view);
        if (!c) throw std::string("no view ") + screen + "." + view;
        EXPECT_EQ(c->kind(), model::Kind::Document) << screen << "." << view;
        return c->text();
    }
    reftest::Parsed read(const char* screen, const char* view) { return reftest::parse(html(screen, view)); }

    model::App app;
};

// ^ : covered by the cell above;  < : covered by the cell to the left
const Grid quotaHead = {{"序号", "建筑物类别", "<", "单位", "最高日用热水量定额", "使用时间", "热水温度按（）计"}};
const Grid quotaBody = {
    {"1", "住宅有自备热水供应和淋浴设备", "<", "每人每日", "40~80L", "24h", "60℃"},
    {"2", "住宅有集中热水供应和淋浴设备", "<", "每人每日", "60~100L", "24h", "60℃"},
    {"3", "单身职工宿舍、学生公寓、招待所、培训中心、普通旅馆", "设公共洗浴室", "每人每日", "25~40L", "24h或定时",
     "60℃"},
    {"^", "^", "设公共洗浴室、淋浴室", "每人每日", "40~60L", "24h或定时", "60℃"},
    {"^", "^", "设单独卫生间", "每人每日", "60~100L", "24h或定时", "60℃"},
    {"4", "宾馆客房", "旅客", "每床位每日", "120~160L", "24h", "60℃"},
    {"^", "^", "员工", "每人每日", "40~50L", "24h", "60℃"},
    {"5", "医院住院部", "设公共洗浴室", "每床位每日", "60~100L", "24h", "60℃"},
    {"^", "^", "设公共洗浴室、淋浴室", "每床位每日", "70~130L", "24h", "60℃"},
    {"^", "^", "设单独卫生间", "每床位每日", "110~200L", "24h", "60℃"},
    {"^", "^", "医务人员", "每人每班", "70~130L", "8h", "60℃"},
    {"^", "^", "门诊部", "每病人每次", "7~13L", "8h", "60℃"},
    {"^", "^", "疗养院、休养所住房部", "每床位每日", "100~160L", "24h", "60℃"},
};

TEST_F(ReferenceDocuments, QuotaTableAsPublishedWithMergedBuildingClasses)
{
    const auto d = read("Form7", "OLE1");
    EXPECT_EQ(d.title, "《建筑給水排水设计规范》GB 50015 -2003中热水用水定额");
    ASSERT_EQ(d.tables.size(), 1u);
    EXPECT_EQ(d.tables[0].head, quotaHead);
    ASSERT_EQ(d.tables[0].body.size(), quotaBody.size());
    for (std::size_t r = 0; r < quotaBody.size(); ++r) EXPECT_EQ(d.tables[0].body[r], quotaBody[r]) << "row " << r;
}

TEST_F(ReferenceDocuments, SolarFractionTableAsPublished)
{
    const auto d = read("Form8", "OLE2");
    EXPECT_EQ(d.title, "太阳能保证率推荐表");
    ASSERT_EQ(d.tables.size(), 1u);
    EXPECT_EQ(d.tables[0].head, (Grid{{"资源区划", "年太阳辐照量\nMJ/(m2.年)", "地区", "太阳能保证率"}}));
    const Grid body = {
        {"Ⅰ资源丰富区", "≥6700", "宁夏北、甘肃西、新疆东南、青海西、西藏西", "60%～80%"},
        {"Ⅱ资源较丰富区", "5400～6700", "冀西北、京、津、晋北、内蒙及宁夏南、甘肃中东、青海东、西藏南、新疆南",
         "50%～60%"},
        {"Ⅲ资源一般区", "4200～5400",
         "鲁、豫、冀东南、晋南、新疆北、吉林、辽宁、云南、陕西、甘肃东南、粤、湘、桂、赣、江、浙、沪、皖、鄂、黑龙江、"
         "闽",
         "40%～50%"},
        {"Ⅳ资源贫乏区", "<4200", "川、黔、渝", "≤40%"},
    };
    ASSERT_EQ(d.tables[0].body.size(), body.size());
    for (std::size_t r = 0; r < body.size(); ++r) EXPECT_EQ(d.tables[0].body[r], body[r]) << "row " << r;
}

// Every document is self-contained: no images, links, scripts, frames or
// addresses that a viewer could try to load; the catalogues say that their
// figures are typical values to be checked against the product's data.
TEST_F(ReferenceDocuments, SelfContainedAndCataloguesMarkedTypical)
{
    struct View {
        const char* screen;
        const char* view;
        bool catalogue;
    };
    for (const View v : {View{"Form7", "OLE1", false}, View{"Form8", "OLE2", false}, View{"Form9", "OLE3", true},
                         View{"Form10", "OLE1", true}, View{"Form11", "OLE1", true}, View{"Form11", "OLE2", true}}) {
        SCOPED_TRACE(std::string(v.screen) + "." + v.view);
        const std::string& h = html(v.screen, v.view);
        for (const char* bad : {"http:", "https:", "file:", "src=", "href=", "url(", "@import", "javascript"})
            EXPECT_EQ(h.find(bad), std::string::npos) << bad;
        const auto d = reftest::parse(h);
        const std::set<std::string> allowed = {"html",  "/html", "head", "/head", "style", "/style", "body",
                                               "/body", "h2",    "/h2",  "p",     "/p",    "table",  "/table",
                                               "tr",    "/tr",   "th",   "/th",   "td",    "/td",    "br"};
        for (const std::string& t : d.tags) EXPECT_TRUE(allowed.count(t)) << "tag " << t;
        EXPECT_FALSE(d.title.empty());
        bool typical = false;
        for (const std::string& n : d.notes)
            typical =
                typical || (n.find("典型") != std::string::npos && n.find("以所选产品的技术资料") != std::string::npos);
        EXPECT_EQ(typical, v.catalogue);
    }
}

// Collectors: the efficiency curves of the design and pool screens, and the
// flow and loss of the hydraulic screen's flat-plate 2000*1000 collector
// (0.04 L/s, 3.2 kPa each) and 50-tube φ47*1500 group (0.09 L/s, 20 kPa).
TEST_F(ReferenceDocuments, CollectorCatalogueAgreesWithTheCalculations)
{
    const auto d = read("Form9", "OLE3");
    EXPECT_EQ(d.title, "集热器技术参数");
    ASSERT_EQ(d.tables.size(), 1u);
    EXPECT_EQ(d.tables[0].head, (Grid{{"集热器名称", "规格", "瞬时效率曲线", "<", "面积(m²)", "工作压力(MPa)",
                                       "重量(kg/台)", "推荐工作流量(L/s·m²)", "压力降(kPa/组)"},
                                      {"^", "^", "η0", "热损系数U(W/m²·℃)", "^", "^", "^", "^", "^"}}));
    const std::map<std::string, std::pair<double, double>> curve = {
        {"平板集热器", {0.775, 4.3}}, {"全玻璃真空管", {0.685, 2.8}}, {"热管集热器", {0.73, 2.3}}};
    std::set<std::string> kinds;
    int flatPlate = 0;
    int tubeGroup = 0;
    for (const auto& row : d.tables[0].body) {
        ASSERT_EQ(row.size(), 9u);
        SCOPED_TRACE(row[0] + " " + row[1]);
        ASSERT_TRUE(curve.count(row[0]));
        kinds.insert(row[0]);
        EXPECT_EQ(number(row[2]), curve.at(row[0]).first);
        EXPECT_EQ(number(row[3]), curve.at(row[0]).second);
        for (int c = 4; c <= 8; ++c) EXPECT_GT(number(row[c]), 0) << "column " << c;
        const double area = number(row[4]);
        const double flow = number(row[7]);
        const double drop = number(row[8]);
        EXPECT_GE(flow, 0.01);
        EXPECT_LE(flow, 0.03);
        if (row[1].find("2000×1000") != std::string::npos) {
            ++flatPlate;
            EXPECT_EQ(row[0], "平板集热器");
            EXPECT_NEAR(flow * area, 0.04, 1e-12);
            EXPECT_EQ(drop, 3.2);
        }
        if (row[1].find("φ47×1500") != std::string::npos && row[1].find("50支") != std::string::npos) {
            ++tubeGroup;
            EXPECT_EQ(row[0], "全玻璃真空管");
            EXPECT_NEAR(flow * area, 0.09, 1e-12);
            EXPECT_EQ(drop, 20);
        }
    }
    EXPECT_EQ(kinds.size(), 3u);
    EXPECT_EQ(flatPlate, 1);
    EXPECT_EQ(tubeGroup, 1);
}

// Heat pumps, one column per model: the pool screen's models and capacities;
// a rated COP near 4; the 55 ℃ output is the capacity heating water 15 → 55 ℃.
TEST_F(ReferenceDocuments, HeatPumpCatalogueAgreesWithThePoolScreen)
{
    const auto d = read("Form10", "OLE1");
    EXPECT_EQ(d.title, "空气源热泵技术参数");
    ASSERT_EQ(d.tables.size(), 1u);
    EXPECT_EQ(d.tables[0].head, (Grid{{"型号", "5HP", "10HP", "15HP", "20HP", "25HP", "30HP"}}));
    const std::vector<std::string> names = {"输入功率(KW)",    "制热量(KW)",      "电压要求(V)",
                                            "最高出水温度(℃)", "额定出水温度(℃)", "使用环境温度(℃)",
                                            "55℃产水量(L/h)",  "接管口径(mm)",    "外形尺寸(mm)"};
    const Grid& body = d.tables[0].body;
    ASSERT_EQ(body.size(), names.size());
    std::map<std::string, std::vector<std::string>> by;
    for (std::size_t r = 0; r < body.size(); ++r) {
        ASSERT_EQ(body[r].size(), 7u);
        EXPECT_EQ(body[r][0], names[r]);
        by[body[r][0]] = std::vector<std::string>(body[r].begin() + 1, body[r].end());
    }
    const double capacity[] = {27, 46, 57, 70, 87, 105};
    for (int m = 0; m < 6; ++m) {
        SCOPED_TRACE(d.tables[0].head[0][m + 1]);
        EXPECT_EQ(number(by["制热量(KW)"][m]), capacity[m]);
        const double cop = capacity[m] / number(by["输入功率(KW)"][m]);
        EXPECT_GT(cop, 3.5);
        EXPECT_LT(cop, 5.0);
        const double output = capacity[m] * 3600 / (4.1868 * 40);
        EXPECT_NEAR(number(by["55℃产水量(L/h)"][m]), output, output * 0.01);
        EXPECT_GE(number(by["最高出水温度(℃)"][m]), number(by["额定出水温度(℃)"][m]));
        EXPECT_EQ(number(by["额定出水温度(℃)"][m]), 55);
        ASSERT_EQ(reftest::dimensions(by["外形尺寸(mm)"][m]).size(), 3u);
        if (m > 0) {
            EXPECT_GT(number(by["输入功率(KW)"][m]), number(by["输入功率(KW)"][m - 1]));
        }
    }
}

// Engineering tanks: every size the design screen's check rounds to up to
// 10 t (0.5 t steps) is listed, and each inner vessel holds its capacity with
// a modest margin.
TEST_F(ReferenceDocuments, EngineeringTanksCoverTheStandardSizes)
{
    const auto d = read("Form11", "OLE1");
    EXPECT_EQ(d.title, "水箱技术参数表");
    ASSERT_EQ(d.tables.size(), 1u);
    EXPECT_EQ(d.tables[0].head, (Grid{{"容量(吨)", "内胆尺寸 长×宽×高(mm)", "<"}, {"^", "发泡水箱", "彩包水箱"}}));
    std::set<double> capacities;
    double last = 0;
    for (const auto& row : d.tables[0].body) {
        ASSERT_EQ(row.size(), 3u);
        SCOPED_TRACE(row[0]);
        const double t = number(row[0]);
        EXPECT_GT(t, last);
        last = t;
        capacities.insert(t);
        for (int c = 1; c <= 2; ++c) {
            const auto mm = reftest::dimensions(row[c]);
            ASSERT_EQ(mm.size(), 3u);
            const double m3 = mm[0] * mm[1] * mm[2] * 1e-9;
            EXPECT_GE(m3, t) << row[c];
            EXPECT_LE(m3, t * 1.2) << row[c];
        }
    }
    for (int half = 2; half <= 20; ++half) EXPECT_TRUE(capacities.count(half * 0.5)) << half * 0.5 << " t";
}

// Household tanks: the residential design's tank sizes (one day's use of a
// one- to five-room household, 100 … 300 L), each with at least the coil area
// that design works out per household with its defaults.
TEST_F(ReferenceDocuments, HouseholdTanksCarryTheResidentialCoilAreas)
{
    const auto d = read("Form11", "OLE2");
    EXPECT_EQ(d.title, "家用太阳能承压水箱技术参数");
    ASSERT_EQ(d.tables.size(), 1u);
    EXPECT_EQ(d.tables[0].head,
              (Grid{{"型号", "有效容积(L)", "尺寸(mm)", "净重(kg)", "承压(MPa)", "铜盘管面积(m²)", "外壳"}}));
    const std::map<double, double> coilNeeded = {{100, 0.45}, {150, 0.68}, {200, 0.91}, {250, 1.14}, {300, 1.37}};
    std::set<double> volumes;
    for (const auto& row : d.tables[0].body) {
        ASSERT_EQ(row.size(), 7u);
        SCOPED_TRACE(row[0]);
        const double litres = number(row[1]);
        volumes.insert(litres);
        const auto mm = reftest::dimensions(row[2]);
        ASSERT_EQ(mm.size(), 2u);
        EXPECT_GT(std::acos(-1.0) / 4 * mm[0] * mm[0] * mm[1] * 1e-6, litres) << "outer envelope";
        EXPECT_GT(number(row[3]), 0);
        EXPECT_GE(number(row[4]), 0.6);
        if (coilNeeded.contains(litres)) {
            EXPECT_GE(number(row[5]), coilNeeded.at(litres));
        }
        EXPECT_FALSE(row[6].empty());
    }
    for (const auto& [litres, area] : coilNeeded) EXPECT_TRUE(volumes.count(litres)) << litres << " L";
}

} // namespace

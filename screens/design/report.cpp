// Report of the solar water-heating system design: the shared climate,
// collector and exchanger data, the centralized design with its tank check,
// the household table, the residential design and its tank calculation.
// Which panel's calculations appear follows the panel on view.
#include "screens/reports.h"

namespace screens {

using model::report::Declaration;
using model::report::fixed;
using model::report::LineDecl;

namespace {

constexpr const char* kSpecificHeat = "C = 4.1868 kJ/(kg·℃)，ρ = 1 kg/L，JT 以 MJ/m² 计（×1000 化为 kJ/m²）";

// Irradiance, inlet temperature, normalized temperature difference and
// annual efficiency of the collector: the first results of both designs.
void operatingPoint(model::report::Part& p)
{
    p.field("Text8", "Label2(3)", "Label2(8)")
        .formula("G = JT×10⁶ / (h×3600)", "{Text5}×10⁶ / ({Text4}×3600)")
        .note("取整");
    p.field("Text9", "Label2(4)", "Label2(9)")
        .formula("Ti = 2·tend/3 + tL/3", "2×{Text2}/3 + {Text1}/3")
        .note("截取一位小数");
    p.field("Text10", "Label2(5)", "Label2(10)")
        .formula("T* = (Ti − Ta) / G", "({Text9} − {Text3}) / {Text8}")
        .note("截取四位小数（按未截取的 Ti、G 计算）");
    p.field("Text11", "Label2(6)", "Label2(11)")
        .formula("η = η0 − FR·T*", "{Text6} − {Text7}×{Text10}")
        .note("以百分数计，截取两位小数");
}

// Collector area of a direct system from the daily volume `Qrd` with the
// solar fraction and pipe loss of `f` and `ηL`.
LineDecl& directArea(LineDecl& l, const char* Qrd, const char* f, const char* ηL)
{
    return l.formula("Ac = Qrd·C·ρ·(tend − tL)·f / (JT·1000·η·(1 − ηL))",
                     std::string("{") + Qrd + "}×4.1868×1×({Text2} − {Text1})×{" + f +
                         "} / ({Text5}×1000×{Text11}%×(1 − {" + ηL + "}))");
}

// The exchanger capacity and area for the daily volume `Qrd`.
void exchanger(LineDecl& l, const char* Qrd, const char* f, const model::report::Condition& when)
{
    l.formula("Qhx = K1·f·Qrd·C·ρ·(tend − tL) / (3.6·h)",
              std::string("{Combo6}×{") + f + "}×{" + Qrd + "}×4.1868×1×({Text2} − {Text1}) / (3.6×{Text4})", when);
    l.formula("S = Cr·Qhx / (ξ·K·ΔT)", "{Combo8}×Qhx / ({Combo9}×{Text12}×{Combo10})", when);
}

// The daily volume the collector area `area` heats.
LineDecl& tankVolume(LineDecl& l, const char* area, const char* f, const char* ηL)
{
    return l.formula("V = AcA·JT·1000·η·(1 − ηL) / (C·ρ·(tend − tL)·f)",
                     std::string("{") + area + "}×{Text5}×1000×{Text11}%×(1 − {" + ηL +
                         "}) / (4.1868×1×({Text2} − {Text1})×{" + f + "})");
}

constexpr const char* kTankSizes =
    "V 以 L 计，按水箱规格向上取：≤0.5 m³ 以 50 L、≤1 m³ 以 100 L、<10 m³ 以 500 L 为一档";

} // namespace

void declareDesignReport(Declaration& d)
{
    d.codes({"GB 50015-2003《建筑给水排水设计规范》", "GB 50364-2005《民用建筑太阳能热水系统应用技术规范》"});

    // --- inputs, as the screen reads them: the shared left column first
    auto& climate = d.inputs("气象参数");
    climate.field("Combo1", "Label1(0)");
    climate.field("Text1", "Label1(1)", "Label1(6)");
    climate.field("Text2", "Label1(2)", "Label1(7)");
    climate.field("Text3", "Label1(3)", "Label1(8)");
    climate.field("Text4", "Label1(4)", "Label1(9)");
    climate.field("Text5", "Label1(5)", "Label1(10)");

    auto& collector = d.inputs("集热器参数");
    collector.field("Combo2", "Label2(0)");
    collector.field("Text6", "Label2(1)");
    collector.field("Text7", "Label2(2)", "Label2(7)");

    auto& exchangerData = d.inputs("换热器参数"); // on view for indirect and semi-centralized systems
    exchangerData.field("Combo6", "Label3(5)");
    exchangerData.field("Combo7", "Label3(0)");
    exchangerData.field("Text12", "Label3(1)", "Label3(7)");
    exchangerData.field("Combo8", "Label3(2)");
    exchangerData.field("Combo9", "Label3(3)");
    exchangerData.field("Combo10", "Label3(4)");

    // centralized panel
    auto& quotas = d.inputs("用水量标准");
    quotas.field("Combo3", "Label4(5)");
    quotas.options("Picture1", fixed("供水方式"));
    quotas.field("Text13(0)", "Label4(0)");
    quotas.field("Text13(1)", "Label4(1)", "Label4(3)");
    quotas.field("Text13(2)", "Label4(2)", "Label4(4)");

    auto& system = d.inputs("系统选型");
    system.options("Frame6", "Frame6");
    system.options("Frame12", "Frame12");
    system.field("Combo4", "Label5(0)");
    system.field("Combo5", "Label5(1)");

    // residential panel
    auto& arrangement = d.inputs("太阳能运行系统");
    arrangement.options("Picture4", "Labe113(3)");

    auto& households = d.inputs("户型统计");
    households.table("户型及数量", 0, 4)
        .captionColumn("Label7(0)", "Check1")
        .column(fixed("选用"), "Check1")
        .inputColumn("Label7(1)", "Text26");

    auto& areaData = d.inputs("太阳能面积计算参数");
    areaData.field("Combo11", "Label8(0)");
    areaData.field("Combo12", "Label8(1)");

    // --- centralized design
    const auto indirect = d.selected("Option1(1)");
    const auto dormitory = d.variableIn("QhA", {0, 1});
    const auto bedsBased = d.variableIn("QhA", {2, 3, 4});
    const auto electric = d.selected("Option3(0)");
    const auto boiler = d.selected("Option3(1)");
    const auto heatPump = d.selected("Option3(2)");

    auto& central = d.part("集中式太阳能系统计算", "Command3")
                        .clearedBy({"Command8"})
                        .reads({"气象参数", "集热器参数", "换热器参数", "用水量标准", "系统选型"});
    operatingPoint(central);
    central.field("Text14(0)", "Label5(2)", "Label5(5)").formula("Qz = m·q1", "{Text13(0)}×{Text13(1)}");
    central.field("Text14(1)", "Label5(3)", "Label5(6)").formula("Qrd = m·q2", "{Text13(0)}×{Text13(2)}");
    auto& area = central.field("Text14(2)", "Label5(4)", "Label5(7)");
    directArea(area, "Text14(1)", "Combo4", "Combo5");
    area.formula("Ain = Ac·(1 + FR·Ac / (K·S))", "Ac×(1 + {Text7}×Ac / ({Text12}×{Text14(4)}))", indirect)
        .note(std::string("截取一位小数；") + kSpecificHeat);
    tankVolume(central.field("Text14(3)", "Label5(8)", "Label5(9)"), "Text14(2)", "Combo4", "Combo5")
        .note("AcA 取上行显示的面积；取整");
    // with no demand the indirect calculation writes no exchanger area
    auto& S = central.field("Text14(4)", "Label5(10)", "Label5(11)").when(Declaration::negate(d.zero("Text14(1)")));
    exchanger(S, "Text14(1)", "Combo4", {});
    S.note("截取两位小数");
    central.field("Text14(5)", "Label5(12)", "Label5(13)")
        .formula("N = Qr / 1000", "{Text14(6)} / 1000", electric)
        .formula("N = Qh×860 / 10⁷", "{Text14(9)}×860 / 10⁷", boiler)
        .formula("N = Qr / (4.2×1000×0.75)", "{Text14(6)} / (4.2×1000×0.75)", heatPump)
        .note("取整");
    central.field("Text14(6)", "Label5(14)", "Label5(15)")
        .formula("Qr = Qz·C·ρ·(tend − tL) / (3.6×8)", "{Text14(0)}×4.1868×1×({Text2} − {Text1}) / 28.8",
                 Declaration::negate(boiler))
        .formula("Qr = Qh", "{Text14(9)}", boiler)
        .note("取整");
    constexpr const char* kScheduled = "集体宿舍定时供应，按每日 3.5 h 计";
    constexpr const char* kAllDay = "宾馆、医院住院部全日供应，按每日 24 h 计";
    central.field("Text14(7)", "Label5(16)", "Label5(17)")
        .formula("Qrh = Qz / 3.5", "{Text14(0)} / 3.5", dormitory)
        .formula("Qrh = Kh·Qz / 24", "{Text14(8)}×{Text14(0)} / 24", bedsBased)
        .note(kScheduled, dormitory)
        .note(kAllDay, bedsBased)
        .note("取整");
    central.field("Text14(8)", "Label5(18)")
        .when(bedsBased)
        .note("按床位数 m 查 GB 50015-2003 宾馆、医院住院部的小时变化系数（分档取值，不插值）");
    central.field("Text14(9)", "Label5(19)", "Label5(20)")
        .formula("Qh = Qz·C·ρ·(tend − tL) / (3.6×3.5)", "{Text14(0)}×4.1868×1×({Text2} − {Text1}) / 12.6", dormitory)
        .formula("Qh = Kh·Qz·C·ρ·(tend − tL) / (3.6×24)", "{Text14(8)}×{Text14(0)}×4.1868×1×({Text2} − {Text1}) / 86.4",
                 bedsBased)
        .note(kScheduled, dormitory)
        .note(kAllDay, bedsBased)
        .note("取整");
    central.warning("Label9");

    auto& check = d.part("水箱容积校核计算", "Command4").clearedBy({"Command8"}).reads({"气象参数", "系统选型"});
    check.input("Text15(0)", "Label6(0)", "Label6(2)");
    tankVolume(check.field("Text15(1)", "Label6(1)", "Label6(3)"), "Text15(0)", "Combo4", "Combo5")
        .note(std::string(kTankSizes) + "，≥10 m³ 取截取后的整数再加 1 m³；η 取“集热器年效率η”所示值");

    // --- residential design
    const auto semi = d.selected("Option4(1)");

    auto& table = d.part("住宅户型表", "Command5")
                      .clearedBy({"Command8"})
                      .reads({"气象参数", "换热器参数", "户型统计", "太阳能面积计算参数"});
    table.table("户型表", 0, 4)
        .column("Text17(0)", "Text20")
        .column("Text17(1)", "Text21")
        .column("Text17(2)", "Text22")
        .column("Text17(4)", "Text24")
        .inputColumn("Text17(5)", "Text23")
        .column("Text17(3)", "Text25")
        .column("Text17(6)", "Text30")
        .note("最高日用水量 = 1.2 × 平均日用水量；水箱容积 = 平均日用水量（每户一日的用量）")
        .note("换热面积 F = K1·f·V·C·ρ·(tend − tL)·Cr / (3.6·h·ξ·K·ΔT)，截取两位小数");
    table.field("Text19", "Label7(3)", fixed("人"))
        .formula("m = 2·n1 + 3·n2 + 4·n3 + 5·n4 + 6·n5",
                 "2×{Text26(0)} + 3×{Text26(1)} + 4×{Text26(2)} + 5×{Text26(3)} + 6×{Text26(4)}")
        .note("一房至五房每户按 2～6 人计，所填数量无论是否选用均计入");

    auto& residential = d.part("住宅太阳能面积计算", "Command6")
                            .clearedBy({"Command8"})
                            .uses({"Command5"})
                            .reads({"气象参数", "集热器参数", "换热器参数", "太阳能运行系统", "太阳能面积计算参数"});
    operatingPoint(residential);
    residential.field("Text16(0)", "Label8(2)", "Label8(5)").formula("Qz = Σ(qmax·n)", "{sum Text24*Text22}");
    residential.field("Text16(1)", "Label8(3)", "Label8(6)").formula("Qrd = Σ(V·n)", "{sum Text25*Text22}");
    auto& houseArea = residential.field("Text16(2)", "Label8(4)", "Label8(7)");
    directArea(houseArea, "Text16(1)", "Combo11", "Combo12");
    exchanger(houseArea, "Text16(1)", "Combo11", semi);
    houseArea.formula("Ain = Ac·(1 + FR·Ac / (K·S))", "Ac×(1 + {Text7}×Ac / ({Text12}×S))", semi)
        .note(std::string("截取一位小数；") + kSpecificHeat);
    tankVolume(residential.field("Text16(3)", "Label8(8)", "Label8(9)"), "Text16(2)", "Combo11", "Combo12")
        .note("AcA 取上行显示的面积；取整");
    residential.field("Text16(4)", "Label8(10)", "Label8(11)")
        .formula("Qr = Qz·C·ρ·(tend − tL) / (3.6×8)", "{Text16(0)}×4.1868×1×({Text2} − {Text1}) / 28.8")
        .formula("N = Qr / (4.2×1000×0.75)", "{Qr} / (4.2×1000×0.75)")
        .note("取整");

    auto& tank = d.part("水箱容积计算", "Command7").clearedBy({"Command8"}).reads({"气象参数", "太阳能面积计算参数"});
    tank.input("Text18(0)", "Label10(0)", "Label10(2)");
    tankVolume(tank.field("Text18(1)", "Label10(1)", "Label10(3)"), "Text18(0)", "Combo11", "Combo12")
        .note(std::string(kTankSizes) + "，≥10 m³ 取截取后的整数；η 取“集热器年效率η”所示值");
}

} // namespace screens

// Report of the swimming-pool heating: climate, water, hall air, pool class
// and size, the heat loads, and the sizing and check of the chosen system.
#include "screens/reports.h"

namespace screens {

using model::report::Declaration;
using model::report::fixed;

namespace {
constexpr const char* kSolarHeat = "{Combo13}×{Combo11}×{Text7(8)}×860×4.1868×{Text9(3)}×1000 / ({Text1(3)}×3600)";
constexpr const char* kSolarHeatChecked = "{Combo13}×{Combo11}×{Text7(8)}×860×4.1868×hs'×1000 / ({Text1(3)}×3600)";
constexpr const char* kSolarShare = "Qj×{Combo9} / ({Combo10}×{Text9(1)}×{Text7(4)})";
} // namespace

void declarePoolReport(Declaration& d)
{
    d.codes({"GB 50015-2003《建筑给水排水设计规范》", "GB 50364-2005《民用建筑太阳能热水系统应用技术规范》"});
    d.exclude("Text1(0)", "当地大气压不参与计算");

    auto& climate = d.inputs("气象参数");
    climate.field("Combo1", "Label1(0)");
    climate.field("Text1(1)", "Label1(2)", "Label1(7)");
    climate.field("Text1(2)", "Label1(3)", "Label1(8)");
    climate.field("Text1(3)", "Label1(4)", "Label1(10)");
    climate.field("Text1(4)", "Label1(5)", "Label1(11)");

    auto& water = d.inputs("泳池水温度");
    water.field("Combo2", "Label2(0)", "Label2(3)");
    water.field("Text2(0)", "Label2(1)", "Label2(4)");
    water.field("Text2(1)", "Label2(2)", "Label2(5)");

    auto& hall = d.inputs("环境温度");
    hall.field("Combo3", "Label3(0)", "Label3(2)");
    hall.field("Text3", "Label3(1)", "Label3(3)");

    auto& pool = d.inputs("泳池类别");
    pool.field("Combo4", "Label4(0)");
    pool.field("Text4(0)", "Label4(1)", "Label4(3)");
    pool.field("Text4(1)", "Label4(2)", "Label4(4)");

    auto& middle = d.inputs("泳池中间参数");
    middle.field("Combo5", "Label5(0)", "Label5(3)");
    middle.field("Combo6", "Label5(1)", "Label5(4)");
    middle.field("Text5", "Label5(2)", "Label5(5)");

    auto& size = d.inputs("游泳池尺寸参数");
    size.field("Text6(0)", "Label6(0)", "Label6(3)");
    size.field("Text6(1)", "Label6(2)", "Label6(4)");
    size.field("Text6(2)", "Label6(1)", "Label6(5)");

    d.inputs("加热系统选型").options("Picture3", "Label11(2)");

    auto& heatPump = d.inputs("单独热泵系统参数");
    heatPump.field("Combo7", "Label8(0)");
    heatPump.field("Text8(0)", "Label8(1)", "Label8(3)");

    // the boiler's model and capacity lie over the heat pump's when a boiler system is chosen
    auto& source = d.inputs("热源参数");
    source.field("Combo8", "Label9(0)");
    source.field("Combo15", "Label9(0)");
    source.field("Text9(0)", "Label9(1)", "Label9(2)").when(Declaration::negate(d.onView("Text10")));
    source.field("Text10", "Label9(1)", "Label9(2)");

    auto& exchanger = d.inputs("板式换热器参数");
    exchanger.field("Text9(1)", "Label9(3)", "Label9(6)");
    exchanger.field("Combo9", "Label9(4)");
    exchanger.field("Combo10", "Label9(5)");

    const auto solarShown = d.onView("Frame11");
    auto& collector = d.inputs("集热器参数");
    collector.field("Combo12", "Label9(7)");
    collector.field("Combo13", "Label9(9)");
    collector.field("Combo14", "Label9(10)");
    collector.field("Text9(3)", "Label9(11)", fixed("h"));
    collector.field("Combo11", "Label9(12)");
    // the collector's efficiency curve, which the screen keeps out of sight
    collector.field("Text12(0)", "Label14(0)").always().when(solarShown);
    collector.field("Text12(1)", "Label14(1)", "Label14(4)").always().when(solarShown);
    collector.field("Text12(2)", "Label14(2)", fixed("℃")).always().when(solarShown);
    collector.field("Text12(3)", "Label14(3)", fixed("℃")).always().when(solarShown);

    // --- heat loads
    auto& loads = d.part("游泳池耗热量及加热功率计算", "Command1")
                      .clearedBy({"Command5"})
                      .reads({"气象参数", "泳池水温度", "环境温度", "泳池类别", "泳池中间参数", "游泳池尺寸参数"});
    loads.field("Text7(0)", "Label7(0)", "Label7(4)")
        .formula("V = L·W·h", "{Text6(0)}×{Text6(1)}×{Text6(2)}")
        .note("取整");
    loads.field("Text7(1)", "Label7(1)", "Label7(5)").formula("S = L·W", "{Text6(0)}×{Text6(1)}");
    loads.field("Text7(2)", "Label7(2)", "Label7(6)")
        .formula("qc = V / Tp", "{Text7(0)} / {Text4(0)}")
        .note("按未取整的 V 计算，取整");
    loads.field("Text7(3)", "Label7(3)", "Label7(7)")
        .formula("Vf = V·p / 100", "{Text7(0)}×{Text4(1)} / 100")
        .note("p 为补充冷水百分数；按未取整的 V 计算，取整");
    loads.field("Text7(4)", "Label7(8)", "Label7(19)")
        .formula("ΔT = (Qs + Qt + Qf)·3600 / (0.2·qc·C·ρ)", "{Text7(8)}×3600 / (0.2×{Text7(2)}×4186.8)")
        .note("热量以 kW 计，×3600 化为 kJ/h；C·ρ = 4186.8 kJ/(m³·℃)；按未取整的热量与流量计算，截取两位小数");
    loads.field("Text7(5)", "Label7(9)", "Label7(14)")
        .formula("Qs = γ·C·(0.0174·υ + 0.0229)·(Pb − Pq)·S / 3600",
                 "{Text2(0)}×4.1868×(0.0174×{Combo5} + 0.0229)×({Text2(1)} − {Text3})×{Text7(1)} / 3600")
        .note("取整");
    loads.field("Text7(6)", "Label7(10)", "Label7(15)")
        .formula("Qt = 0.2·Qs", "0.2×{Text7(5)}")
        .note("按未取整的 Qs 计算，取整");
    loads.field("Text7(7)", "Label7(11)", "Label7(16)")
        .formula("Qf = C·ρ·Vf·(Td − Tf) / (3600·th)", "4.1868×1000×{Text7(3)}×({Combo2} − {Text1(1)}) / ({Text5}×3600)")
        .note("按未取整的 Vf 计算，取整");
    loads.field("Text7(8)", "Label7(12)", "Label7(17)")
        .formula("P1 = Qs + Qt + Qf", "{Text7(5)} + {Text7(6)} + {Text7(7)}")
        .note("按未取整的各项之和取整");
    loads.field("Text7(9)", "Label7(13)", "Label7(18)")
        .formula("P2 = C·ρ·V·(Td − Tf) / (3600·Th)", "4.1868×1000×{Text7(0)}×({Combo2} − {Text1(1)}) / ({Combo6}×3600)")
        .note("按未取整的 V 计算，取整");

    // --- heat pumps only
    d.part("单独热泵系统计算", "Command2")
        .clearedBy({"Command5"})
        .uses({"Command1"})
        .reads({"单独热泵系统参数"})
        .field("Text8(1)", "Label8(2)", "Label8(4)")
        .formula("N = P2 / Q1", "{Text7(9)} / {Text8(0)}")
        .note("截取一位小数");

    // --- the three other systems
    const auto pumps = d.variableIn("Xtlx", {1});
    const auto boilers = d.variableIn("Xtlx", {2});
    const auto assisted = d.variableIn("Xtlx", {3});
    const auto noArea = d.zero("Text9(8)");

    auto& design = d.part("加热系统设计计算", "Command3")
                       .clearedBy({"Command5", "Option1"})
                       .uses({"Command1"})
                       .reads({"气象参数", "加热系统选型", "热源参数", "板式换热器参数", "集热器参数"});
    design.field("Text9(2)", "Label9(8)", "Label9(13)")
        .formula("G = JT×10⁶ / (h×3600)", "{Text1(4)}×10⁶ / ({Text1(3)}×3600)")
        .formula("Tm = 2·tend/3 + tL/3", "2×{Text12(3)}/3 + {Text12(2)}/3")
        .formula("T* = (Tm − Ta) / G", "(Tm − {Text1(2)}) / G")
        .formula("η = η0 − FR·T*", "{Text12(0)} − {Text12(1)}×T*")
        .note("以百分数计，截取两位小数");
    design.field("Text9(4)", "Label9(14)", "Label9(18)")
        .formula("Ac0 = hs·P1·860·C·F / (JT·1000·η·(1 − ηL))",
                 "{Text9(3)}×{Text7(8)}×860×4.1868×{Combo13} / ({Text1(4)}×1000×{Text9(2)}%×(1 − {Combo14}))")
        .formula("Ac = Ac0·(Ac0·FR / (F1·K) + 1)", "Ac0×(Ac0×{Text12(1)} / ({Text9(6)}×{Text9(1)}) + 1)", pumps)
        .formula("Ac = Ac0·(Ac0·FR / (F1s·K) + 1)", "Ac0×(Ac0×{Text12(1)} / (F1s×{Text9(1)}) + 1)", assisted)
        .note("F1s 为换热器面积中太阳能部分", assisted)
        .note("取整");
    design.field("Text9(5)", "Label9(15)", "Label9(19)")
        .formula("N1 = (1 − hs/24)·P2 / Q1", "(1 − {Text9(3)}/24)×{Text7(9)} / {Text9(0)}", pumps)
        .formula("N = max(P1/Q1, N1)", "max({Text7(8)}/{Text9(0)}, N1)", pumps)
        .formula("N = P2 / (Cr·Qb)", "{Text7(9)} / ({Combo9}×{Text10})", boilers)
        .formula("N = (1 − hs/24)·P2 / Qb", "(1 − {Text9(3)}/24)×{Text7(9)} / {Text10}", assisted)
        .note("截取一位小数");
    // with no holding power the heat-pump-assisted design writes no exchanger area
    design.field("Text9(6)", "Label9(16)", "Label9(20)")
        .when(Declaration::negate(Declaration::both(pumps, d.zero("Text7(8)"))))
        .formula("Qj = F·K1·P1·860·C·hs / (3.6·h)", kSolarHeat, Declaration::negate(boilers))
        .formula("F1 = Qj·Cr / (ξ·K·ΔT)", kSolarShare, pumps)
        .formula("F1 = Cr·Qb·N·1000 / (ξ·K·ΔT)", "{Combo9}×{Text10}×N×1000 / ({Combo10}×{Text9(1)}×{Text7(4)})",
                 boilers)
        .formula("F1 = Qj·Cr / (ξ·K·ΔT) + Cr·Qb·N·1000 / (ξ·K·ΔT)",
                 "Qj×{Combo9} / ({Combo10}×{Text9(1)}×{Text7(4)}) + {Combo9}×{Text10}×N×1000 / "
                 "({Combo10}×{Text9(1)}×{Text7(4)})",
                 assisted)
        .note("N 取未截取的台数", Declaration::negate(pumps))
        .note("截取两位小数");
    design.field("Text9(7)", "Label9(17)", "Label9(21)").formula("Q2 = 0.2·qc", "0.2×{Text7(2)}");

    auto& check = d.part("太阳能安装面积校核计算", "Command4")
                      .clearedBy({"Command5", "Option1"})
                      .uses({"Command3"})
                      .reads({"气象参数", "热源参数", "板式换热器参数", "集热器参数"});
    check.input("Text9(8)", "Label9(22)", "Label9(26)");
    const auto withArea = Declaration::negate(noArea);
    check.field("Text9(9)", "Label9(23)", "Label9(27)")
        .formula("hs' = Fi·hs / Ac", "{Text9(8)}×{Text9(3)} / {Text9(4)}", withArea)
        .formula("N = max((1 − hs'/24)·P2/Q1, P1/Q1)", "max((1 − hs'/24)×{Text7(9)}/{Text9(0)}, {Text7(8)}/{Text9(0)})",
                 Declaration::both(pumps, withArea))
        .formula("N = P2 / Q1", "{Text7(9)} / {Text9(0)}", Declaration::both(pumps, noArea))
        .formula("N = max((1 − hs'/24)·P2/Qb, P1/Qb)", "max((1 − hs'/24)×{Text7(9)}/{Text10}, {Text7(8)}/{Text10})",
                 Declaration::both(assisted, withArea))
        .formula("N = P2 / (Cr·Qb)", "{Text7(9)} / ({Combo9}×{Text10})", Declaration::both(assisted, noArea))
        .note("Fi 为太阳能安装面积，Ac 为太阳能计算面积；截取一位小数");
    check.field("Text9(10)", "Label9(24)", "Label9(28)")
        .formula("Qj' = F·K1·P1·860·C·hs' / (3.6·h)", kSolarHeatChecked, withArea)
        .formula("F1 = Qj'·Cr / (ξ·K·ΔT)", "Qj'×{Combo9} / ({Combo10}×{Text9(1)}×{Text7(4)})",
                 Declaration::both(pumps, withArea))
        .formula("F1 = 0（未安装太阳能）", "", Declaration::both(pumps, noArea))
        .formula("F1 = Qj'·Cr / (ξ·K·ΔT) + Cr·Qb·N·1000 / (ξ·K·ΔT)",
                 "Qj'×{Combo9} / ({Combo10}×{Text9(1)}×{Text7(4)}) + {Combo9}×{Text10}×N×1000 / "
                 "({Combo10}×{Text9(1)}×{Text7(4)})",
                 Declaration::both(assisted, withArea))
        .formula("F1 = Cr·Qb·N·1000 / (ξ·K·ΔT)", "{Combo9}×{Text10}×N×1000 / ({Combo10}×{Text9(1)}×{Text7(4)})",
                 Declaration::both(assisted, noArea))
        .note("N 取未截取的台数", assisted)
        .note("截取两位小数");
    check.field("Text9(11)", "Label9(25)", "Label9(29)")
        .formula("Q2 = 0.2·qc", "0.2×{Text7(2)}", Declaration::negate(Declaration::both(pumps, noArea)))
        .formula("Q2 = 0（未安装太阳能）", "", Declaration::both(pumps, noArea));
}

} // namespace screens

// Report of the collector-field hydraulics: the pipe material, the
// collector-array calculation with its segment table, and the main pipe.
#include "screens/collector_hydraulics/form2.h"
#include "screens/reports.h"

namespace screens {

using model::report::Declaration;
using model::report::fixed;

void declareCollectorHydraulicsReport(Declaration& d)
{
    d.codes({"GB 50015-2003《建筑给水排水设计规范》"});
    d.exclude("Frame7", "集热器流量及阻力查询只供查阅，两项计算都不读取");
    d.exclude("Text7(2)", "集热器列距不参与计算");
    d.exclude("Frame3", "管段表的行号与编号，由程序填入管段表");
    d.exclude("Frame6", "所选管材的管径表，不显示");

    auto& material = d.inputs("管材");
    material.options("Frame4", "Frame4");
    material.variable("Ch", fixed("海澄-威廉系数Ch"));

    auto& array = d.inputs("集热器单阵参数");
    array.field("Text7(0)", "Label1(0)", "Label1(8)");
    array.field("Text7(1)", "Label1(1)", "Label1(9)");
    array.field("Combo1", "Label1(2)", "Label1(11)").note("选取后作为各管段长度");

    auto& field = d.part("集热器阵列管道计算", "Command1").clearedBy({"Command2"}).reads({"管材", "集热器单阵参数"});
    field.field("Text7(3)", "Label1(5)", "Label1(12)")
        .formula("q1 = n列×0.04", "{Text7(1)}×0.04")
        .note("每块集热器流量 0.04 L/s");
    field.field("Text7(4)", "Label1(6)", "Label1(14)")
        .formula("i1 = n列×3.2", "{Text7(1)}×3.2")
        .note("每块集热器阻力 3.2 kPa");
    field.field("Text7(5)", "Label1(4)", "Label1(13)").formula("q2 = q1·n行", "{Text7(3)}×{Text7(0)}");
    field.field("Text7(6)", "Label1(4)", "Label1(16)")
        .formula("q2 = 3.6·q2(L/s)", "3.6×{Text7(5)}")
        .note("截取两位小数");
    field.field("Text7(7)", "Label1(7)", "Label1(15)")
        .formula("i2 = ΣI + i1", "{sum Text6} + {Text7(4)}")
        .note("ΣI 为管段表各管段阻力之和（按所示值），以单精度累加；i2 截取两位小数，故可能比按所示值手算之和小 0.01");
    field.field("Text7(8)", "Label1(7)", "Label1(17)").formula("i2 = i2(kPa) / 10", "{Text7(7)} / 10");
    field.table("管段计算表", 0, Form2::kSegments - 1)
        .column("行(0)", "Text1")
        .column("行(6)", "Text2")
        .column("行(1)", "Text3")
        .inputColumn("行(5)", "Text4")
        .column("行(4)", "Text5")
        .column("行(7)", "Text6")
        .note("管段流量 q3 = 行号×2×0.02×n列（L/s），第 r 管段汇集 r 行集热器")
        .note("所需内径 d = √(4·q3 / (π·v))（q3 换算为 m³/s，d 以 mm 计），v = 1.5 m/s；"
              "d 先四舍五入为整毫米（恰为 .5 时取偶数），再取管径表中内径不小于 d 的最小规格 dj")
        .note("管段阻力 I = i·L/1000（L 以 mm 计），i = 105·Ch^−1.85·dj^−4.87·q3^1.85（kPa/m，dj、q3 以 m、m³/s 计），"
              "截取两位小数");
    field.warning("Label4").warning("Label5");

    auto& main = d.part("主管道水力计算", "Command3").clearedBy({"Command4"}).reads({"管材"});
    main.input("Text9(0)", "Label3(3)", "Label3(6)");
    main.input("Text9(1)", "Label3(5)", "Label3(8)");
    main.field("Text9(2)", "Label3(4)", "Label3(11)")
        .formula("d = √(4·Q / (π×1.5))", "√(4×{Text9(0)}×0.001 / 4.71225)")
        .formula("dj", "{pick Text31=Text9(2)->Text30} mm")
        .note("流速 1.5 m/s，Q 以 m³/s、d 以 m 计；取管径表中内径不小于 d 的最小规格");
    main.field("Text9(3)", "Label3(7)", "Label3(12)")
        .formula("i = 105·Ch^−1.85·dj^−4.87·Q^1.85",
                 "105×{Ch}^−1.85×({pick Text31=Text9(2)->Text30}×0.001)^−4.87×({Text9(0)}×0.001)^1.85")
        .note("dj、Q 以 m、m³/s 计；截取两位小数");
    main.field("Text9(4)", "Label3(9)", "Label3(13)")
        .formula("iL = i·L", "i×{Text9(1)}")
        .note("按未截取的 i 计算，截取两位小数");
    main.field("Text9(5)", "Label3(10)", "Label3(15)").formula("ia = 0.3·iL", "0.3×{Text9(4)}");
    main.field("Text9(6)", "Label3(14)", "Label3(19)").formula("iz = 1.3·iL", "1.3×{Text9(4)}");
    main.field("Text9(7)", "Label3(14)", "Label3(16)")
        .formula("iz = iz(kPa) / 10", "{Text9(6)} / 10")
        .note("截取两位小数");
    main.warning("Label6");
}

} // namespace screens

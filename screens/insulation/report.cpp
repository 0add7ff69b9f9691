// Report of the pipe insulation take-off: the building and the four option
// groups, the riser and main sizing tables and the quantity table.
#include "screens/reports.h"

namespace screens {

using model::report::Declaration;
using model::report::fixed;

void declareInsulationReport(Declaration& d)
{
    d.codes({"GB 50015-2003《建筑给水排水设计规范》"});
    d.exclude("Frame7", "所选管材的管径、内径与外径表，不显示");

    auto& building = d.inputs("建筑参数");
    building.field("Text1", "Label2");
    building.field("Combo3", "Label3");
    building.field("Combo1", "Label4", "Label10").note("选取后填入各立管管段层高");
    building.field("Combo4", "Label5");
    building.field("Combo2", "Label8", "Label11").note("选取后填入各横管管段管长");

    auto& options = d.inputs("选项");
    options.options("Frame1", "Frame1");
    options.variable("α", fixed("建筑物类别系数α"));
    options.options("Frame2", "Frame2");
    options.options("Frame3", "Frame3");
    options.options("Frame11", "Frame11");

    auto& takeOff = d.part("管道及保温工程量计算", "Command1").clearedBy({"Command2"});
    takeOff.table("立管计算结果", 0, 11)
        .column("Text4(0)", "Text6")
        .inputColumn("Text4(1)", "Text7")
        .column("Text4(2)", "Text8")
        .column("Text4(3)", "Text9")
        .note("ΣNg = 管段编号 × 层当量数Ng；q = 0.2·α·√ΣNg（L/s，截取两位小数）")
        .note("所需内径 d = √(4q / (π·v))（q 换算为 m³/s，d 以 mm 计），v = 1.5 m/s；取内径不小于 d 的最小管径");
    takeOff.table("横管计算结果", 0, 11)
        .column("Text5(0)", "Text10")
        .inputColumn("Text5(1)", "Text11")
        .column("Text5(2)", "Text12")
        .column("Text5(3)", "Text13")
        .column("Text5(4)", "Text14")
        .note("ΣNg = 层数m × 管段编号 × 层当量数Ng（第 n 管段汇集 n 根立管）；供水管径按同一方法选取")
        .note("回水管径比供水管径小两档，但不小于第二档（第一档仍取第一档）");
    takeOff.table("工程量及保温结果", 0, 9)
        .column("Text24(1)", "Text16")
        .column("Text24(2)", "Text17")
        .column("Text24(3)", "Text18")
        .inputColumn("Text24(4)", "Text19")
        .column("Text24(5)", "Text20")
        .column("Text24(6)", "Text21")
        .column("Text24(7)", "Text22")
        .column("Text24(8)", "Text23")
        .dropBlankRows()
        .note("数量 Q = Σh/1000 + Σl/1000（m，h、l 以 mm 计）：Σh 为一根立管中该管径各管段的层高，"
              "Σl 为横管中该管径的供水、回水管段长度（供、回水各计一次）")
        .note("保温数量 V = π·(D + δ)·δ·Q/10⁶（m³；D 为管道外径、δ 为保温厚度，以 mm 计，Q 以 m 计），截取至 0.001 m³")
        .note("外包数量：UPVC管 = Q（m）；玻璃布 = P·Q（m²）；不锈钢板 = P·Q×78.5×0.002（kg）；"
              "铝板 = P·Q×26.9×0.0015（kg）；P = π·D/1000 + 0.04（m，D 以 mm 计）；截取两位小数")
        .note("未用到的管径不列出");
    takeOff.warning("Label7").warning("Label9");
}

} // namespace screens

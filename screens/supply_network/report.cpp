// Report of the hot-water supply network: building class and pipe
// material, the riser and the horizontal main with their segment tables,
// and the circulating pump.
#include "screens/reports.h"

namespace screens {

using model::report::Declaration;
using model::report::fixed;

namespace {

// The sizing steps every segment of both tables goes through.
void sizingNotes(model::report::TableDecl& t, const char* length, const char* loss, const char* volume)
{
    t.note("设计秒流量 q = 0.2·α·√Ng（l/s，GB 50015-2003）")
        .note("所需内径 d = √(4q / (π·v))（q 换算为 m³/s，d 以 mm 计），v = 1.5 m/s；"
              "取管径表中内径不小于 d 的最小管径 dj")
        .note("流速 v = 4q / (π·dj²)，单位长度沿程损失 i = 105·Ch^−1.85·dj^−4.87·q^1.85（kPa/m）；"
              "两式中 dj 以 m、q 以 m³/s 计")
        .note(std::string("管段沿程损失 = ") + loss + "（m水柱）；管道容量 V = " + volume + "（l）；" + length)
        .note("各值均截取两位小数");
}

} // namespace

void declareSupplyNetworkReport(Declaration& d)
{
    d.codes({"GB 50015-2003《建筑给水排水设计规范》"});
    d.exclude("Frame6", "所选管材的管径表，不显示");

    auto& building = d.inputs("建筑物类别");
    building.options("Frame2(1)", "Frame2(1)");
    building.field("Text1", "Label1(1)");

    auto& material = d.inputs("管材");
    material.options("Frame4", "Frame4");
    material.field("Text2", "Label5");

    auto& riserData = d.inputs("立管参数");
    riserData.field("Text3", "Label2");
    riserData.field("Combo1", "Label8", fixed("m")).note("选取后填入各管段层高");
    riserData.field("Text5", "Label3");

    auto& mainData = d.inputs("横管参数");
    mainData.field("Text6", "Label4");
    mainData.field("Combo3", "Label9", fixed("mm")).note("选取后填入各管段管长");

    auto& pumpData = d.inputs("水泵参数");
    pumpData.field("Combo2", "Label12");
    pumpData.field("Text9", "Label13", "Label16(1)");

    auto& riser = d.part("立管水力计算", "Command1").reads({"建筑物类别", "管材", "立管参数"});
    auto& riserTable = riser.table("立管计算表", 0, 11)
                           .column("Text7(0)", "Text10")
                           .inputColumn("Text7(1)", "Text11")
                           .column("Text7(2)", "Text12")
                           .column("Text7(3)", "Text13")
                           .column("Text7(4)", "Text14")
                           .column("Text7(5)", "Text15")
                           .column("Text7(6)", "Text16")
                           .column("Text7(7)", "Text17")
                           .column("Text7(8)", "Text18");
    riserTable.note("ΣNg = 管段编号 × 层当量数");
    sizingNotes(riserTable, "h 以 m、dj 以 mm 计", "i·h / 10", "π·dj²·h / 4 × 10⁻³");
    riser.warning("Label17");

    auto& horizontal = d.part("横管水力计算", "Command2").reads({"建筑物类别", "管材", "立管参数", "横管参数"});
    auto& mainTable = horizontal.table("横管计算表", 0, 11)
                          .column("Text8(0)", "Text20")
                          .inputColumn("Text8(1)", "Text21")
                          .column("Text8(2)", "Text22")
                          .column("Text8(3)", "Text23")
                          .column("Text8(4)", "Text24")
                          .column("Text8(5)", "Text25")
                          .column("Text8(6)", "Text26")
                          .column("Text8(7)", "Text27")
                          .column("Text8(8)", "Text28");
    mainTable.note("ΣNg = 管段编号 × 层当量数 × 层数（第 n 管段汇集 n 根立管）");
    sizingNotes(mainTable, "l、dj 以 mm 计", "i·l / 10⁴", "π·dj²·l / 4 × 10⁻⁶");
    horizontal.warning("Label18");

    auto& pump = d.part("循环水泵选型", "Command3").uses({"Command1", "Command2"}).reads({"横管参数", "水泵参数"});
    pump.field("Text4", "Label11", "Label16(0)")
        .formula("ΣH = Σ管段i(立管) + Σ管段i(横管)", "{sum Text17} + {sum Text27}")
        .note("一根立管与横管的沿程损失");
    pump.field("Text19", "Label14", "Label16(2)")
        .formula("H = ΣH·(1 + 0.2 + a) + Hd", "{Text4}×(1 + 0.2 + {Combo2}) + {Text9}")
        .note("a 为局部阻力损失百分比，Hd 为设备相对高度及阻力；截取两位小数");
    pump.field("Text29", "Label15", "Label16(3)")
        .formula("Q = 3·(1.3·ΣV横管 + n·ΣV立管) / 1000", "3×(1.3×({sum Text28}) + {Text6}×({sum Text18})) / 1000")
        .note("每小时循环三倍系统水容积，n 为立管数；截取两位小数");
    pump.warning("Label19");
}

} // namespace screens

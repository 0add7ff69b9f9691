#include "shell/form6.h"

#include "shell/version.h"

namespace shell {

Form6::Form6(App& app) : Screen(app, "Form6")
{
    for (Control* c : {&Label1, &Label2, &Label3, &Label4, &Label5}) c->wrap().size(10500);
}

void Form6::Form_Load()
{
    Label1.setCaption(std::string("太阳能系统计算  版本 ") + std::string(kVersion));
    Label2.setCaption("太阳能热水系统及其配套给水、供热与保温工程的设计计算程序。");
    Label3.setCaption("计算内容：太阳能热水系统设计计算，太阳能集热器阵列及主管道水力计算，"
                      "宿舍等热水供水管网水力计算与循环泵选型，管道保温工程量计算，游泳池加热计算；"
                      "另附用水量标准、太阳能保证率、集热器、空气源热泵与水箱参数表。");
    Label4.setCaption("设计依据：GB 50015-2003《建筑给水排水设计规范》及相关太阳能热水系统设计资料。");
}

} // namespace shell

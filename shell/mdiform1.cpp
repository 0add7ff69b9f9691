#include "shell/mdiform1.h"

#include "screens/collector_hydraulics/form2.h"
#include "screens/design/form1.h"
#include "screens/insulation/form4.h"
#include "screens/pool/form5.h"
#include "screens/reference/reference.h"
#include "screens/supply_network/form3.h"
#include "shell/form6.h"

namespace shell {

MDIForm1::MDIForm1(App& app) : Screen(app, "MDIForm1")
{
    A11.add(0, in(A1, 0, 0), "编著说明");
    A11.add(1, in(A1, 1, 0), "退出");
    B11.add(0, in(B1, 0, 0), "太阳能系统设计计算");
    B11.add(1, in(B1, 1, 0), "太阳能系统水力计算");
    C11.add(0, in(C1, 0, 0), "宿舍等水力计算");
    C11.add(1, in(C1, 1, 0), "工程量计算");
    D11.add(0, in(D1, 0, 0), "游泳池加热计算");
    E11.add(0, in(E1, 0, 0), "用水量标准<50015-2003>");
    E11.add(1, in(E1, 1, 0), "太阳能保证率");
    E11.add(2, in(E1, 2, 0), "太阳能集热器技术参数");
    E11.add(3, in(E1, 3, 0), "空气源热泵技术参数");
    E11.add(4, in(E1, 4, 0), "水箱技术参数");

    A11.onClick([this](std::int16_t i) { A11_Click(i); });
    B11.onClick([this](std::int16_t i) { B11_Click(i); });
    C11.onClick([this](std::int16_t i) { C11_Click(i); });
    D11.onClick([this](std::int16_t i) { D11_Click(i); });
    E11.onClick([this](std::int16_t i) { E11_Click(i); });
}

void MDIForm1::MDIForm_Load()
{
    setCaption("太阳能系统计算");
    // Setting a screen's caption creates it, which runs its load handler.
    static constexpr std::string_view captions[] = {
        "太阳能系统计算", "太阳能系统水力计算",           "宿舍等水力计算", "保温层计算",         "游泳池加热计算",
        "编著说明",       "用水量标准参数<50015-2003>表", "太阳能保证率表", "太阳能集热器参数表", "空气源热泵参数表",
        "水箱参数表"};
    for (std::size_t k = 0; k < std::size(screenOrder); ++k)
        app().screen(screenOrder[k]).setCaption(std::string(captions[k]));
}

void MDIForm1::showScreen(std::string_view name)
{
    for (std::string_view s : screenOrder) {
        Screen& screen = app().screen(s);
        if (s == name) screen.Show();
        else screen.Hide();
    }
}

void MDIForm1::A11_Click(std::int16_t Index)
{
    switch (Index) {
    case 0: showScreen("Form6"); break;
    case 1: app().End();
    }
}

void MDIForm1::B11_Click(std::int16_t Index) { showScreen(Index == 0 ? "Form1" : "Form2"); }
void MDIForm1::C11_Click(std::int16_t Index) { showScreen(Index == 0 ? "Form3" : "Form4"); }
void MDIForm1::D11_Click(std::int16_t /*Index*/) { showScreen("Form5"); }

void MDIForm1::E11_Click(std::int16_t Index)
{
    static constexpr std::string_view target[] = {"Form7", "Form8", "Form9", "Form10", "Form11"};
    if (Index < 0 || Index >= static_cast<std::int16_t>(std::size(target)))
        throw CalcError(FailureKind::IndexOutOfRange, "E11(" + std::to_string(Index) + ")");
    showScreen(target[Index]);
}

template <class T>
static App::Factory factory()
{
    return [](App& a) -> std::unique_ptr<Screen> { return std::make_unique<T>(a); };
}

void registerScreens(App& app)
{
    app.registerScreen("MDIForm1", factory<MDIForm1>());
    app.registerScreen("Form1", factory<screens::Form1>());
    app.registerScreen("Form2", factory<screens::Form2>());
    app.registerScreen("Form3", factory<screens::Form3>());
    app.registerScreen("Form4", factory<screens::Form4>());
    app.registerScreen("Form5", factory<screens::Form5>());
    app.registerScreen("Form6", factory<Form6>());
    app.registerScreen("Form7", factory<screens::Form7>());
    app.registerScreen("Form8", factory<screens::Form8>());
    app.registerScreen("Form9", factory<screens::Form9>());
    app.registerScreen("Form10", factory<screens::Form10>());
    app.registerScreen("Form11", factory<screens::Form11>());
}

ActionResult startProgram(App& app)
{
    return app.start([&app] {
        app.screen("MDIForm1").Show();
        app.screen("Form1").Show();
    });
}

} // namespace shell

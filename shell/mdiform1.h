#pragma once
// The main window: its menus, the captions of every screen, and the switch
// that shows one screen and hides the others.

#include "model/app.h"
#include "model/screen.h"

#include <string_view>

namespace shell {

using namespace model;

class MDIForm1 : public Screen {
public:
    explicit MDIForm1(App& app);
    void Form_Load() override { MDIForm_Load(); }

    // The screens the main window knows, in the order of its walk.
    static constexpr std::string_view screenOrder[] = {"Form1", "Form2", "Form3", "Form4",  "Form5", "Form6",
                                                       "Form7", "Form8", "Form9", "Form10", "Form11"};

    // Shows `name` and hides each other screen, creating any that does not
    // exist yet; the walk goes over every screen.
    void showScreen(std::string_view name);

    Menu A1{*this, "A1", at(0, 0), "菜单"};
    ControlArray<MenuItem> A11{*this, "A11"};
    Menu B1{*this, "B1", at(0, 1), "太阳能设计计算"};
    ControlArray<MenuItem> B11{*this, "B11"};
    Menu C1{*this, "C1", at(0, 2), "供水管网水力计算"};
    ControlArray<MenuItem> C11{*this, "C11"};
    Menu D1{*this, "D1", at(0, 3), "游泳池加热计算"};
    ControlArray<MenuItem> D11{*this, "D11"};
    Menu E1{*this, "E1", at(0, 4), "设计参数"};
    ControlArray<MenuItem> E11{*this, "E11"};

private:
    void MDIForm_Load();
    void A11_Click(std::int16_t Index);
    void B11_Click(std::int16_t Index);
    void C11_Click(std::int16_t Index);
    void D11_Click(std::int16_t Index);
    void E11_Click(std::int16_t Index);
};

// Registers the main window and every screen with the application.
void registerScreens(App& app);

// Program start: the main window loads (creating every screen with its
// defaults), then the start-up screen Form1 is shown.
ActionResult startProgram(App& app);

} // namespace shell

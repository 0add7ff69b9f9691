#pragma once
// The reference screens opened from the "设计参数" menu: read-only documents
// with the design tables the engineer consults while filling in the
// calculation screens. Form7 to Form10 show one document each; Form11 shows
// one of two tank documents, chosen with two tab buttons.

#include "model/screen.h"

namespace screens {

using namespace model;

// A document view fills the screen's area in the main window (about
// 1300 x 600 pixels); a longer document scrolls inside its view.
inline constexpr int documentWidth = 20100;
inline constexpr int documentHeight = 8700;

// The documents, each as its screen shows it.
std::string quotaDocument();           // Form7: hot-water quotas
std::string solarFractionDocument();   // Form8: recommended solar fractions
std::string collectorDocument();       // Form9: collector catalogue
std::string heatPumpDocument();        // Form10: air-source heat pump catalogue
std::string engineeringTankDocument(); // Form11: engineering storage tanks
std::string householdTankDocument();   // Form11: household pressurized solar tanks

class Form7 : public Screen {
public:
    explicit Form7(App& app);

private:
    Document OLE1{*this, "OLE1", at(0, 0)};
};

class Form8 : public Screen {
public:
    explicit Form8(App& app);

private:
    Document OLE2{*this, "OLE2", at(0, 0)};
};

class Form9 : public Screen {
public:
    explicit Form9(App& app);

private:
    Document OLE3{*this, "OLE3", at(0, 0)};
};

class Form10 : public Screen {
public:
    explicit Form10(App& app);

private:
    Document OLE1{*this, "OLE1", at(0, 0)};
};

class Form11 : public Screen {
public:
    explicit Form11(App& app);
    void Form_Load() override;

private:
    CommandButton Command1{*this, "Command1", at(0, 0), "工程型水箱技术参数"};
    CommandButton Command2{*this, "Command2", at(0, 1), "家用太阳能水箱技术参数"};
    // The two documents share one place; the tabs show one at a time.
    Document OLE1{*this, "OLE1", at(1, 0, 1, 6)};
    Document OLE2{*this, "OLE2", at(1, 0, 1, 6)};

    void Command1_Click();
    void Command2_Click();
};

} // namespace screens

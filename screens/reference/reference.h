#pragma once

#include "model/screen.h"

namespace screens {

using namespace model;

class Form7 : public Screen {
public:
    explicit Form7(App& app) : Screen(app, "Form7") {}
};
class Form8 : public Screen {
public:
    explicit Form8(App& app) : Screen(app, "Form8") {}
};
class Form9 : public Screen {
public:
    explicit Form9(App& app) : Screen(app, "Form9") {}
};
class Form10 : public Screen {
public:
    explicit Form10(App& app) : Screen(app, "Form10") {}
};
class Form11 : public Screen {
public:
    explicit Form11(App& app) : Screen(app, "Form11") {}
};

} // namespace screens

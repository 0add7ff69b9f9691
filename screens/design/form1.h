#pragma once

#include "model/screen.h"

namespace screens {

using namespace model;

class Form1 : public Screen {
public:
    explicit Form1(App& app) : Screen(app, "Form1") {}
};

} // namespace screens

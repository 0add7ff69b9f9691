#pragma once

#include "model/screen.h"

namespace screens {

using namespace model;

class Form4 : public Screen {
public:
    explicit Form4(App& app) : Screen(app, "Form4") {}
};

} // namespace screens

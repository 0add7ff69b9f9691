#pragma once

#include "model/screen.h"

namespace screens {

using namespace model;

class Form5 : public Screen {
public:
    explicit Form5(App& app) : Screen(app, "Form5") {}
};

} // namespace screens

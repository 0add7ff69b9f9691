#pragma once

#include "model/screen.h"

namespace screens {

using namespace model;

class Form2 : public Screen {
public:
    explicit Form2(App& app) : Screen(app, "Form2") {}
};

} // namespace screens

#pragma once

#include "model/screen.h"

namespace screens {

using namespace model;

class Form3 : public Screen {
public:
    explicit Form3(App& app) : Screen(app, "Form3") {}
};

} // namespace screens

// Household table of the residential design: one row per ticked apartment
// size with its daily hot-water use, household tank and, for a
// semi-centralized system, household heat exchanger; and the design number
// of water users.

#include "screens/design/form1.h"

#include <array>
#include <cstdint>

namespace screens {

namespace {

struct Household {
    const char* name;
    const char* averageUse; // L/d per household
    int persons;
};
constexpr Household households[] = {
    {"一房", "100", 2}, {"二房", "150", 3}, {"三房", "200", 4}, {"四房", "250", 5}, {"五房", "300", 6},
};

} // namespace

void Form1::Command5_Click()
{
    f = sng(Val(Combo11.text()));
    ηL = sng(Val(Combo12.text()));
    K1 = sng(Val(Combo6.text()));
    K = sng(Val(Text12.text()));
    Cr = sng(Val(Combo8.text()));
    ξ = sng(Val(Combo9.text()));
    ΔT = sng(Val(Combo10.text()));
    TL = sng(Val(Text1.text()));
    Tend = sng(Val(Text2.text()));
    Hxs = sng(Val(Text4.text()));
    Label9.Hide();

    std::int16_t count = 0;
    for (std::int16_t t = 0; t <= 4; ++t) count = static_cast<std::int16_t>(count + Check1(t).value());

    // with nothing ticked the rows stay as they are
    if (count > 0) {
        for (std::int16_t k = 0; k < count; ++k) {
            Text20(k).Show();
            Text21(k).Show();
            Text22(k).Show();
            Text23(k).Show();
            Text24(k).Show();
            Text20(k).setText(CStr(static_cast<std::int16_t>(k + 1)));
        }
        for (std::int16_t k = count; k <= 4; ++k) {
            Text20(k).Hide();
            Text21(k).Hide();
            Text22(k).Hide();
            Text23(k).Hide();
            Text24(k).Hide();
            Text25(k).Hide();
            Text30(k).Hide();
            Text23(k).setText("0");
            Text25(k).setText("0");
        }
    }
    // household tanks and exchangers belong to a semi-centralized system
    if (Option4(0).value()) {
        for (std::int16_t k = 0; k <= 4; ++k) {
            Text25(k).Hide();
            Text30(k).Hide();
        }
    } else if (Option4(1).value()) {
        for (std::int16_t k = 0; k < count; ++k) {
            Text25(k).Show();
            Text30(k).Show();
        }
    }

    // the ticked types, smallest first, fill the rows from the top
    std::int16_t k = 0;
    for (std::int16_t t = 0; t <= 4; ++t) {
        if (!Check1(t).value()) continue;
        Text21(k).setText(households[t].name);
        Text22(k).setText(CStr(Val(Text26(t).text())));
        Text23(k).setText(households[t].averageUse);
        ++k;
    }

    // every row, shown or not: the tank holds one day's average use, the
    // maximum day is 1.2 times the average, and the exchanger transfers the
    // tank's solar share over the sunshine hours
    std::array<float, 5> capacity{};
    for (std::int16_t k = 0; k <= 4; ++k) {
        Text25(k).setText(CStr(Val(Text23(k).text())));
        Text24(k).setText(CStr(dbl(ext(Val(Text23(k).text())) * 6.0 / 5.0)));
        capacity[k] =
            sng(quot(ext(K1) * f * Val(Text25(k).text()) * 4.1868 * (ext(Tend) - TL) * 1000.0, ext(Hxs) * 3600.0));
        Text30(k).setText(CStr(dbl(Int(quot(ext(capacity[k]) * Cr * 100.0, ext(ξ) * K * ΔT)) * 0.01)));
    }

    // design number of water users, from every quantity entered
    ext users = 0;
    for (std::int16_t t = 0; t <= 4; ++t) users += ext(households[t].persons) * Val(Text26(t).text());
    Text19.setText(CStr(dbl(users)));
}

} // namespace screens

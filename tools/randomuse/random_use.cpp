#include "tools/randomuse/random_use.h"

#include "model/app.h"
#include "shell/mdiform1.h"

#include <algorithm>
#include <cctype>
#include <random>
#include <sstream>

namespace randomuse {

using namespace model;

namespace {

// Everything the user could see of one control, for comparing snapshots.
struct ControlState {
    std::string text;
    std::vector<std::string> list;
    int value, listIndex, left, top, width, height, row, col;
    std::uint32_t back, fore;
    bool visible, enabled;
    bool operator==(const ControlState&) const = default;
};

struct ScreenState {
    std::string caption;
    std::vector<ControlState> controls;
    std::vector<std::string> variables;
    bool operator==(const ScreenState&) const = default;
};

ScreenState snapshot(const Screen& s)
{
    ScreenState st;
    st.caption = s.caption();
    st.controls.reserve(s.controls().size());
    for (const Control* c : s.controls())
        st.controls.push_back({c->text(), c->list(), c->value(), c->listIndex(), c->left(), c->top(), c->width(),
                               c->height(), c->cell().row, c->cell().col, c->backColor(), c->foreColor(), c->visible(),
                               c->enabled()});
    for (const auto& [name, v] : s.variables()) st.variables.push_back(variableText(v));
    return st;
}

std::string lower(std::string s)
{
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

std::string randomText(std::mt19937_64& rng)
{
    static const char* pieces[] = {"0",  "1",  "2", "5", "9",  ".", "-",  "+",  "e",   "E",  "D",  " ",   ",",
                                   "&H", "&O", "A", "x", "水", "℃", "\t", "\n", "1e3", "00", "３", "🙂"};
    std::uniform_int_distribution<int> len(0, 12);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pieces)) - 1);
    std::string s;
    for (int k = len(rng); k > 0; --k) s += pieces[pick(rng)];
    return s;
}

std::string plausibleNumber(std::mt19937_64& rng)
{
    std::uniform_int_distribution<int> kind(0, 3);
    std::ostringstream o;
    switch (kind(rng)) {
    case 0: o << std::uniform_int_distribution<int>(0, 30)(rng); break;
    case 1: o << std::uniform_int_distribution<int>(0, 2000)(rng); break;
    case 2: o << std::uniform_real_distribution<double>(0, 100)(rng); break;
    default: o << std::uniform_real_distribution<double>(-5, 5)(rng); break;
    }
    return o.str();
}

bool clickable(const Control& c)
{
    return c.kind() == Kind::CommandButton || c.kind() == Kind::OptionButton || c.kind() == Kind::CheckBox;
}

} // namespace

bool garbage(const std::string& text)
{
    const std::string l = lower(text);
    if (l.find("nan") != std::string::npos || l.find("inf") != std::string::npos) return true;
    // an exponent marker after a digit with no digits of its own: "1E", "1E+"
    for (std::size_t k = 1; k < text.size(); ++k) {
        if ((text[k] == 'E') && std::isdigit(static_cast<unsigned char>(text[k - 1]))) {
            std::size_t q = k + 1;
            if (q < text.size() && (text[q] == '+' || text[q] == '-')) ++q;
            if (q >= text.size() || !std::isdigit(static_cast<unsigned char>(text[q]))) return true;
        }
    }
    return false;
}

const std::vector<std::string>& hostileCorpus()
{
    static const std::vector<std::string> corpus = [] {
        std::vector<std::string> v = {"",       " ",        "abc",        "1e309",    "-1e309", "1D400",    "&HFFFF",
                                      "&O777",  "&H",       "NaN",        "inf",      "-inf",   "Infinity", "-0",
                                      "1,5",    "1,000.5",  "３",         "٣",        "1 2 3",  " 4 . 5 ",  "32768",
                                      "-32769", "32767.5",  "2147483648", "9.99e307", "1e-400", "0",        "0.0",
                                      "-1",     "1e38",     "3.5e38",     "-3.5e38",  "1e15",   "\x01\x02", "\x7f",
                                      "12\r",   "🙂🙂", "太阳能",     "二十",     "1.2.3",  "--5",      "+",
                                      ".",      "e5",       "5e",         "5e+",      "&",      "0x10",     "1_000"};
        v.push_back(std::string(10000, '9'));
        v.push_back("0." + std::string(10000, '3'));
        v.push_back(std::string(5000, 'x'));
        v.push_back("1" + std::string(400, '0'));
        return v;
    }();
    return corpus;
}

void run(std::uint64_t seed, long steps, Stats& stats)
{
    App app;
    shell::registerScreens(app);
    shell::startProgram(app);
    std::mt19937_64 rng(seed);
    auto& main = app.screen<shell::MDIForm1>("MDIForm1");
    std::vector<Control*> menuItems;
    for (Control* c : main.controls())
        if (c->kind() == Kind::MenuItem && !(c->name() == "A11" && c->index() == 1)) // 退出 ends the run
            menuItems.push_back(c);
    std::vector<Screen*> screens;
    for (std::string_view n : shell::MDIForm1::screenOrder) screens.push_back(&app.screen(n));

    auto violation = [&](long step, const std::string& what) {
        stats.violations.push_back("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " + what);
    };

    for (long step = 0; step < steps; ++step) {
        Screen* shown = nullptr;
        for (Screen* s : screens)
            if (s->visible()) shown = s;
        std::vector<Control*> typeable;
        std::vector<Control*> pickable;
        std::vector<Control*> clicks;
        if (shown)
            for (Control* c : shown->controls()) {
                if (!c->shown() || !c->effectivelyEnabled()) continue;
                if ((c->kind() == Kind::TextBox || c->kind() == Kind::ComboBox) && !c->readOnly())
                    typeable.push_back(c);
                if (c->kind() == Kind::ComboBox && c->listCount() > 0) pickable.push_back(c);
                if (clickable(*c)) clicks.push_back(c);
            }

        const int dice = std::uniform_int_distribution<int>(0, 99)(rng);
        Control* target = nullptr;
        std::string typed;
        int item = -1;
        // a menu item when the dice say so, when no screen is shown, or when
        // the shown screen offers nothing else
        const bool pickMenu = dice < 6 || shown == nullptr;
        if (!pickMenu && dice < 50 && !typeable.empty()) {
            target = typeable[std::uniform_int_distribution<std::size_t>(0, typeable.size() - 1)(rng)];
            const int how = std::uniform_int_distribution<int>(0, 9)(rng);
            const auto& corpus = hostileCorpus();
            typed = how < 4   ? corpus[std::uniform_int_distribution<std::size_t>(0, corpus.size() - 1)(rng)]
                    : how < 8 ? plausibleNumber(rng)
                              : randomText(rng);
        } else if (!pickMenu && dice < 62 && !pickable.empty()) {
            target = pickable[std::uniform_int_distribution<std::size_t>(0, pickable.size() - 1)(rng)];
            item = std::uniform_int_distribution<int>(0, target->listCount() - 1)(rng);
        } else if (!pickMenu && !clicks.empty()) {
            target = clicks[std::uniform_int_distribution<std::size_t>(0, clicks.size() - 1)(rng)];
        } else {
            target = menuItems[std::uniform_int_distribution<std::size_t>(0, menuItems.size() - 1)(rng)];
        }

        // what every screen shows before the action
        std::vector<ScreenState> before;
        before.reserve(screens.size());
        for (Screen* s : screens) before.push_back(snapshot(*s));

        ActionResult r;
        std::string what;
        if (item >= 0) {
            r = app.pick(*target, item);
            what = "pick " + target->screen().name() + "." + target->address() + " " + std::to_string(item);
        } else if (!typed.empty() || (target->kind() == Kind::TextBox || target->kind() == Kind::ComboBox)) {
            r = app.type(*target, typed);
            what = "type " + target->screen().name() + "." + target->address() + " \"" + typed.substr(0, 40) + "\"";
        } else {
            r = app.click(*target);
            what = "click " + target->screen().name() + "." + target->address();
        }
        ++stats.actions;

        if (app.ended()) {
            violation(step, what + ": the program ended");
            return;
        }
        if (r.outcome == Outcome::Refused) {
            violation(step, what + ": refused although the control was shown and enabled (" + r.refusal + ")");
            return;
        }
        if (r.outcome == Outcome::Failed) {
            ++stats.failures;
            ++stats.failuresByKind[r.failure->kind];
            if (r.failure->kind == FailureKind::Internal) {
                violation(step, what + ": internal error " + r.failure->detail);
                return;
            }
        }
        const bool menu = target->kind() == Kind::MenuItem;
        for (std::size_t k = 0; k < screens.size(); ++k) {
            const ScreenState after = snapshot(*screens[k]);
            const bool involved = !menu && screens[k] == &target->screen();
            if (!involved && !(after == before[k])) {
                violation(step, what + ": " + screens[k]->name() + " changed although the action was elsewhere");
                return;
            }
            if (!involved) continue;
            // texts the program wrote in this action must be numbers or words, never garbage
            for (std::size_t c = 0; c < after.controls.size(); ++c) {
                const Control* ctl = screens[k]->controls()[c];
                const auto& a = after.controls[c];
                const auto& b = before[k].controls[c];
                if (a.text != b.text && ctl != target && a.text != typed && garbage(a.text)) {
                    violation(step, what + ": " + screens[k]->name() + "." + ctl->address() + " shows \"" +
                                        a.text.substr(0, 60) + "\"");
                    return;
                }
                if (a.list == b.list) continue;
                const auto bad = std::ranges::find_if(a.list, garbage);
                if (bad != a.list.end()) {
                    violation(step, what + ": list of " + ctl->address() + " holds \"" + *bad + "\"");
                    return;
                }
            }
        }
    }
}

} // namespace randomuse

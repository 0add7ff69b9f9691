#include "model/app.h"

#include <exception>

namespace model {

std::string Failure::message() const
{
    std::string m = (caption.empty() ? screen : caption) + "：计算失败，" + std::string(failureText(kind));
    if (!handler.empty()) m += "（" + handler + "）";
    return m;
}

App::App() = default;
App::~App() = default;

void App::registerScreen(std::string name, Factory factory)
{
    if (entry(name)) throw CalcError(FailureKind::Internal, "screen " + name + " registered twice");
    order_.push_back(name);
    screens_.push_back(Registered{std::move(name), std::move(factory), nullptr, false});
}

App::Registered* App::entry(std::string_view name)
{
    for (auto& r : screens_)
        if (r.name == name) return &r;
    return nullptr;
}

const App::Registered* App::entry(std::string_view name) const
{
    for (const auto& r : screens_)
        if (r.name == name) return &r;
    return nullptr;
}

bool App::known(std::string_view name) const { return entry(name) != nullptr; }

Screen* App::existing(std::string_view name) const
{
    const Registered* r = entry(name);
    return r ? r->screen.get() : nullptr;
}

Screen& App::screen(std::string_view name)
{
    Registered* r = entry(name);
    if (!r) throw CalcError(FailureKind::Internal, "no screen " + std::string(name));
    if (r->screen) return *r->screen;
    if (r->creating) throw CalcError(FailureKind::Internal, "screen " + r->name + " touched while it is created");
    r->creating = true;
    std::unique_ptr<Screen> s = r->factory(*this);
    s->designing_ = false;
    Screen& ref = *s;
    r->screen = std::move(s);
    r->creating = false;
    if (observer_) observer_->screenCreated(ref);
    try {
        ref.Form_Load();
    } catch (CalcError& e) {
        e.setHandler("Form_Load");
        throw;
    }
    return ref;
}

ActionResult App::act(Control* c, const std::function<void()>& body)
{
    ActionResult r;
    if (ended_) {
        r.outcome = Outcome::Refused;
        r.refusal = "the program has ended";
        return r;
    }
    Failure f;
    bool failed = false;
    try {
        body();
    } catch (const ProgramEnd&) {
        r.outcome = Outcome::Ended;
    } catch (const CalcError& e) {
        failed = true;
        f.kind = e.kind();
        f.handler = e.handler();
        f.detail = e.detail();
    } catch (const std::exception& e) {
        failed = true;
        f.kind = FailureKind::Internal;
        f.detail = e.what();
    }
    if (failed) {
        if (c) {
            f.screen = c->screen().name();
            f.caption = c->screen().caption();
        }
        r.outcome = Outcome::Failed;
        r.failure = std::move(f);
    }
    if (c) c->screen().marks_[c] = ActionMark{++actions_, failed};
    last_ = r;
    if (observer_) {
        observer_->actionFinished(r);
        if (r.outcome == Outcome::Ended) observer_->programEnded();
    }
    return r;
}

ActionResult App::start(const std::function<void()>& body) { return act(nullptr, body); }

namespace {
ActionResult refuse(std::string why)
{
    ActionResult r;
    r.outcome = Outcome::Refused;
    r.refusal = std::move(why);
    return r;
}

// Why the user cannot reach the control now, or "" when they can.
std::string unreachable(const Control& c)
{
    if (c.screen().app().ended()) return "the program has ended";
    if (!c.shown()) return c.address() + " is not shown";
    if (!c.effectivelyEnabled()) return c.address() + " is disabled";
    return {};
}
} // namespace

ActionResult App::type(Control& c, std::string_view text)
{
    if (c.kind() != Kind::TextBox && c.kind() != Kind::ComboBox)
        return refuse(c.address() + " is a " + std::string(kindName(c.kind())) + ", not a field to type into");
    if (auto why = unreachable(c); !why.empty()) return refuse(why);
    if (c.readOnly()) return refuse(c.address() + " is read-only");
    return act(&c, [&] { c.userType(std::string(text)); });
}

ActionResult App::pick(Control& c, int k)
{
    if (c.kind() != Kind::ComboBox) return refuse(c.address() + " is not a combo box");
    if (auto why = unreachable(c); !why.empty()) return refuse(why);
    if (k < 0 || k >= c.listCount())
        return refuse(c.address() + " has no item " + std::to_string(k) + " (" + std::to_string(c.listCount()) +
                      " items)");
    return act(&c, [&] { c.userPick(k); });
}

ActionResult App::click(Control& c)
{
    switch (c.kind()) {
    case Kind::CommandButton:
    case Kind::OptionButton:
    case Kind::CheckBox:
    case Kind::MenuItem: break;
    default: return refuse(c.address() + " is a " + std::string(kindName(c.kind())) + ", nothing to click");
    }
    if (auto why = unreachable(c); !why.empty()) return refuse(why);
    return act(&c, [&] {
        switch (c.kind()) {
        case Kind::OptionButton: c.setValue(true); break;
        case Kind::CheckBox: c.setValue(c.value() ? 0 : 1); break;
        default: c.raiseClick(); break;
        }
    });
}

void App::End()
{
    ended_ = true;
    throw ProgramEnd{};
}

} // namespace model

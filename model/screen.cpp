#include "model/screen.h"

#include "model/app.h"

namespace model {

std::string variableText(const VariableRef& v)
{
    return std::visit([](auto* p) { return CStr(*p); }, v);
}

Screen::Screen(App& app, std::string name) : app_(app), name_(std::move(name)), caption_(name_) {}

Screen::~Screen() = default;

void Screen::setCaption(std::string caption)
{
    if (caption == caption_) return;
    caption_ = std::move(caption);
    if (!designing_ && app_.observer()) app_.observer()->screenChanged(*this);
}

void Screen::Show()
{
    if (visible_) return;
    visible_ = true;
    if (!designing_ && app_.observer()) app_.observer()->screenChanged(*this);
}

void Screen::Hide()
{
    if (!visible_) return;
    visible_ = false;
    if (!designing_ && app_.observer()) app_.observer()->screenChanged(*this);
}

void Screen::registerControl(Control& c)
{
    if (!designing_) throw CalcError(FailureKind::Internal, "control " + c.name() + " declared after design");
    Entry& e = byName_[c.name()];
    if (c.index()) {
        if (e.single != nullptr || e.members.contains(*c.index()))
            throw CalcError(FailureKind::Internal, "control " + c.address() + " declared twice");
        e.members[*c.index()] = &c;
    } else {
        if (e.single || !e.members.empty())
            throw CalcError(FailureKind::Internal, "control " + c.name() + " declared twice");
        e.single = &c;
    }
    controls_.push_back(&c);
}

Control* Screen::find(std::string_view name, std::optional<std::int16_t> index) const
{
    auto it = byName_.find(name);
    if (it == byName_.end()) return nullptr;
    if (!index) return it->second.single;
    auto m = it->second.members.find(*index);
    return m == it->second.members.end() ? nullptr : m->second;
}

bool Screen::hasArray(std::string_view name) const
{
    auto it = byName_.find(name);
    return it != byName_.end() && !it->second.members.empty();
}

const VariableRef* Screen::variable(std::string_view name) const
{
    auto it = variables_.find(name);
    return it == variables_.end() ? nullptr : &it->second;
}

ActionMark Screen::lastAction(const Control& c) const
{
    auto it = marks_.find(&c);
    return it == marks_.end() ? ActionMark{} : it->second;
}

void Screen::notify(Control& c, Prop p)
{
    if (app_.observer()) app_.observer()->controlChanged(c, p);
}

void Screen::setFocus(Control* c)
{
    if (focus_ == c) return;
    Control* old = focus_;
    focus_ = c;
    if (old) notify(*old, Prop::Focus);
    if (c) notify(*c, Prop::Focus);
}

} // namespace model

#include "model/control.h"

#include "model/app.h"
#include "model/calc_error.h"
#include "model/screen.h"

#include <algorithm>

namespace model {

std::string_view kindName(Kind kind)
{
    switch (kind) {
    case Kind::Label: return "Label";
    case Kind::TextBox: return "TextBox";
    case Kind::ComboBox: return "ComboBox";
    case Kind::OptionButton: return "OptionButton";
    case Kind::CheckBox: return "CheckBox";
    case Kind::CommandButton: return "CommandButton";
    case Kind::Frame: return "Frame";
    case Kind::PictureBox: return "PictureBox";
    case Kind::Document: return "Document";
    case Kind::Menu: return "Menu";
    case Kind::MenuItem: return "MenuItem";
    }
    return "?";
}

namespace {
std::uint32_t defaultBack(Kind k)
{
    switch (k) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::Document: return colors::window;
    default: return colors::buttonFace;
    }
}
} // namespace

Control::Control(Screen& screen, Kind kind, std::string name, std::optional<std::int16_t> index, Place place,
                 std::string text)
    : screen_(screen), kind_(kind), name_(std::move(name)), index_(index), container_(place.container),
      cell_(place.cell), text_(std::move(text)), backColor_(defaultBack(kind))
{
    if (container_ && &container_->screen() != &screen_)
        throw CalcError(FailureKind::Internal, "container of " + name_ + " is on another screen");
    screen_.registerControl(*this);
}

std::string Control::address() const { return index_ ? name_ + "(" + std::to_string(*index_) + ")" : name_; }

void Control::changed(Prop p)
{
    if (!screen_.designing()) screen_.notify(*this, p);
}

void Control::raise(const std::function<void()>& handler, const char* event)
{
    if (!handler || screen_.designing()) return;
    try {
        handler();
    } catch (CalcError& e) {
        e.setHandler(name_ + event);
        throw;
    }
}

void Control::raiseClick() { raise(onClick, "_Click"); }
void Control::raiseChange() { raise(onChange, "_Change"); }

void Control::setText(std::string text)
{
    if (text == text_) return;
    text_ = std::move(text);
    if (kind_ == Kind::ComboBox) listIndex_ = -1;
    changed(Prop::Text);
    if (kind_ == Kind::ComboBox) raiseChange();
}

void Control::setVisible(bool v)
{
    if (v == visible_) return;
    visible_ = v;
    changed(Prop::Visible);
}

void Control::setEnabled(bool e)
{
    if (e == enabled_) return;
    enabled_ = e;
    changed(Prop::Enabled);
}

void Control::setBackColor(std::uint32_t c)
{
    if (c == backColor_) return;
    backColor_ = c;
    changed(Prop::BackColor);
}

void Control::setForeColor(std::uint32_t c)
{
    if (c == foreColor_) return;
    foreColor_ = c;
    changed(Prop::ForeColor);
}

void Control::setValue(int v)
{
    v = v ? 1 : 0;
    if (v == value_) return;
    if (kind_ == Kind::OptionButton && v == 1) {
        // one group per container: selecting one clears the others
        for (Control* other : screen_.controls())
            if (other != this && other->kind_ == Kind::OptionButton && other->container_ == container_ &&
                other->value_ != 0) {
                other->value_ = 0;
                other->changed(Prop::Value);
            }
    }
    value_ = v;
    changed(Prop::Value);
    if (kind_ == Kind::CheckBox || (kind_ == Kind::OptionButton && v == 1)) raiseClick();
}

const std::string& Control::listItem(int k) const
{
    if (k < 0 || k >= listCount())
        throw CalcError(FailureKind::IndexOutOfRange, address() + ".List(" + std::to_string(k) + ")");
    return list_[static_cast<std::size_t>(k)];
}

void Control::addItem(std::string item)
{
    if (std::find(list_.begin(), list_.end(), item) != list_.end()) return;
    list_.push_back(std::move(item));
    changed(Prop::List);
}

void Control::clearList()
{
    if (list_.empty()) return;
    list_.clear();
    listIndex_ = -1;
    changed(Prop::List);
}

Control& Control::items(std::initializer_list<std::string_view> items)
{
    for (auto i : items) addItem(std::string(i));
    return *this;
}

void Control::Move(int left, int top)
{
    if (left == left_ && top == top_) return;
    left_ = left;
    top_ = top;
    changed(Prop::Geometry);
}

void Control::Move(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed(Prop::Geometry);
}

void Control::setCell(Cell cell)
{
    cell_ = cell;
    changed(Prop::Cell);
}

bool Control::clipped() const
{
    return container_ != nullptr && container_->height_ > 0 && top_ >= container_->height_;
}

bool Control::shown() const
{
    if (kind_ == Kind::MenuItem || kind_ == Kind::Menu) {
        for (const Control* c = this; c; c = c->container_)
            if (!c->visible_) return false;
        return !screen_.app().ended();
    }
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_ || c->clipped()) return false;
    return screen_.visible() && !screen_.app().ended();
}

bool Control::effectivelyEnabled() const
{
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return true;
}

void Control::SetFocus() { screen_.setFocus(this); }
bool Control::hasFocus() const { return screen_.focus() == this; }

void Control::userType(std::string text)
{
    const bool differs = text != text_;
    text_ = std::move(text);
    if (kind_ == Kind::ComboBox) listIndex_ = -1;
    if (differs) changed(Prop::Text);
    if (kind_ == Kind::ComboBox) raiseChange();
}

void Control::userPick(int k)
{
    const std::string& item = listItem(k);
    if (item != text_) {
        text_ = item;
        changed(Prop::Text);
    }
    listIndex_ = k;
    changed(Prop::ListIndex);
    raiseClick();
}

} // namespace model

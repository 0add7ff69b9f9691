#pragma once
// A screen: a named form with its controls, control arrays and screen-level
// variables. A concrete screen derives from Screen, declares its controls as
// members in reading order, sets their design-time properties and binds its
// handlers in its constructor, and overrides Form_Load.

#include "model/control.h"
#include "model/values.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace model {

class App;

// Members of one control array, told apart by index. Indices need not be
// contiguous, and members may sit in different containers.
template <class T>
class ControlArray {
public:
    ControlArray(Screen& screen, std::string name) : screen_(screen), name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // Declares member `index` (the screen's constructor).
    T& add(std::int16_t index, Place place, std::string text = {})
    {
        auto& slot = members_[index];
        slot = std::make_unique<T>(screen_, name_, index, place, std::move(text));
        if (click_) slot->onClick = [h = click_, index] { h(index); };
        if (change_) slot->onChange = [h = change_, index] { h(index); };
        byIndex(index) = slot.get();
        return *slot;
    }

    // Member `index`; an index that names no member is an IndexOutOfRange
    // failure, as a control-array index outside the array is.
    T& operator()(long long index) const
    {
        if (T* member = at(index)) return *member;
        throw CalcError(FailureKind::IndexOutOfRange, name_ + "(" + std::to_string(index) + ")");
    }
    bool has(long long index) const { return at(index) != nullptr; }
    const std::string& name() const { return name_; }
    std::size_t size() const { return members_.size(); }

    // Binds one handler for the whole array, before or after its members are
    // declared; the handler receives the member's index.
    void onClick(std::function<void(std::int16_t)> handler)
    {
        click_ = std::move(handler);
        for (auto& [i, c] : members_) c->onClick = [h = click_, i = i] { h(i); };
    }
    void onChange(std::function<void(std::int16_t)> handler)
    {
        change_ = std::move(handler);
        for (auto& [i, c] : members_) c->onChange = [h = change_, i = i] { h(i); };
    }
    template <class F>
    void forEach(F f) const
    {
        for (auto& [i, c] : members_) f(i, *c);
    }

private:
    // The member at `index`, nullptr where there is none. Handlers reach
    // members by index in every loop, so the lookup is a table of the index
    // range in use rather than a search of the map.
    T* at(long long index) const
    {
        const long long k = index - first_;
        return k >= 0 && k < static_cast<long long>(table_.size()) ? table_[static_cast<std::size_t>(k)] : nullptr;
    }
    T*& byIndex(std::int16_t index)
    {
        if (table_.empty()) first_ = index;
        if (index < first_) {
            table_.insert(table_.begin(), static_cast<std::size_t>(first_ - index), nullptr);
            first_ = index;
        }
        const auto k = static_cast<std::size_t>(index - first_);
        if (k >= table_.size()) table_.resize(k + 1, nullptr);
        return table_[k];
    }

    Screen& screen_;
    std::string name_;
    std::map<std::int16_t, std::unique_ptr<T>> members_;
    std::vector<T*> table_; // table_[k]: member first_ + k
    std::int16_t first_ = 0;
    std::function<void(std::int16_t)> click_, change_;
};

// The last completed user action on a control: App numbers the user actions
// in the order they complete (serial 0: none yet) and notes whether the
// action ended in a failed calculation. A report tells from these which
// calculations ran since they were last cleared, and which inputs changed
// after them; nothing in a handler depends on them.
struct ActionMark {
    std::uint64_t serial = 0;
    bool failed = false;
};

// A screen-level variable registered by name, so that scenarios can read it.
using VariableRef = std::variant<float*, double*, std::int16_t*, Currency*>;
std::string variableText(const VariableRef& v); // CStr at the variable's own precision

class Screen {
public:
    Screen(App& app, std::string name);
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;
    virtual ~Screen();

    // Load handler: runs once when the screen is created (and again where a
    // screen's reset says so).
    virtual void Form_Load() {}

    App& app() const { return app_; }
    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    bool visible() const { return visible_; }
    void Show();
    void Hide();

    // Every control in declaration (reading) order.
    const std::vector<Control*>& controls() const { return controls_; }
    // The control `name` or array member `name(index)`; nullptr if none.
    Control* find(std::string_view name, std::optional<std::int16_t> index = std::nullopt) const;
    bool hasArray(std::string_view name) const;

    const std::map<std::string, VariableRef, std::less<>>& variables() const { return variables_; }
    const VariableRef* variable(std::string_view name) const;

    Control* focus() const { return focus_; }

    ActionMark lastAction(const Control& c) const;

    // True while the constructor declares controls: no events, no notices.
    bool designing() const { return designing_; }

protected:
    void var(std::string name, float& v) { variables_.emplace(std::move(name), &v); }
    void var(std::string name, double& v) { variables_.emplace(std::move(name), &v); }
    void var(std::string name, std::int16_t& v) { variables_.emplace(std::move(name), &v); }
    void var(std::string name, Currency& v) { variables_.emplace(std::move(name), &v); }

private:
    friend class Control;
    friend class App;
    void registerControl(Control& c);
    void notify(Control& c, Prop p);
    void setFocus(Control* c);

    App& app_;
    std::string name_;
    std::string caption_;
    bool visible_ = false;
    bool designing_ = true;
    Control* focus_ = nullptr;
    std::vector<Control*> controls_;
    struct Entry {
        Control* single = nullptr;
        std::map<std::int16_t, Control*> members;
    };
    std::map<std::string, Entry, std::less<>> byName_;
    std::map<std::string, VariableRef, std::less<>> variables_;
    std::map<const Control*, ActionMark> marks_;
};

} // namespace model

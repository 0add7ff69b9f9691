#pragma once
// The running program as the model sees it: the registry of screens (each
// created the first time anything touches it), the end of the program, and
// the one entry point for user actions. A user action is one call here; the
// Qt front end and the scenario driver both go through it. A failed
// calculation is caught here and nowhere else: the results written before it
// stay, the action reports the failure, and the program goes on.

#include "model/calc_error.h"
#include "model/control.h"
#include "model/screen.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

struct Failure {
    FailureKind kind = FailureKind::Internal;
    std::string screen;  // "Form1"
    std::string caption; // the screen's caption, for the user
    std::string handler; // "Command3_Click"
    std::string detail;
    std::string message() const; // the line the status bar shows
};

enum class Outcome { Done, Failed, Refused, Ended };

struct ActionResult {
    Outcome outcome = Outcome::Done;
    std::optional<Failure> failure; // when Failed
    std::string refusal;            // when Refused: why the user could not do it
    bool ok() const { return outcome == Outcome::Done || outcome == Outcome::Ended; }
};

// Notices for a front end. Every member has a default that does nothing.
class Observer {
public:
    virtual ~Observer() = default;
    virtual void screenCreated(Screen& /*screen*/) {}
    virtual void screenChanged(Screen& /*screen*/) {} // caption or visibility
    virtual void controlChanged(Control& /*control*/, Prop /*prop*/) {}
    virtual void actionFinished(const ActionResult& /*result*/) {}
    virtual void programEnded() {}
};

// Thrown by App::End to stop the running handler at once.
struct ProgramEnd {};

class App {
public:
    using Factory = std::function<std::unique_ptr<Screen>(App&)>;

    App();
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Screens are known by name, in registration order.
    void registerScreen(std::string name, Factory factory);
    const std::vector<std::string>& screenNames() const { return order_; }
    // The screen, created (constructor, then Form_Load) on first touch.
    Screen& screen(std::string_view name);
    template <class T>
    T& screen(std::string_view name)
    {
        return dynamic_cast<T&>(screen(name));
    }
    Screen* existing(std::string_view name) const; // nullptr when not created
    bool known(std::string_view name) const;

    // Runs `body` as the program's own start (the main window's load):
    // failures are caught and reported like those of a user action.
    ActionResult start(const std::function<void()>& body);

    // --- user actions (refused when the user could not do them)
    ActionResult type(Control& c, std::string_view text);
    ActionResult pick(Control& c, int k);
    ActionResult click(Control& c);

    const ActionResult& lastResult() const { return last_; }

    // End of the program: stops the running handler at once; afterwards every
    // action is refused.
    [[noreturn]] void End();
    bool ended() const { return ended_; }

    void setObserver(Observer* o) { observer_ = o; }
    Observer* observer() const { return observer_; }

private:
    friend class Screen;
    friend class Control;
    ActionResult act(Control* c, const std::function<void()>& body);

    struct Registered {
        std::string name;
        Factory factory;
        std::unique_ptr<Screen> screen;
        bool creating = false;
    };
    Registered* entry(std::string_view name);
    const Registered* entry(std::string_view name) const;

    std::vector<std::string> order_;
    std::deque<Registered> screens_;
    Observer* observer_ = nullptr;
    ActionResult last_;
    std::uint64_t actions_ = 0; // user actions completed so far
    bool ended_ = false;
};

} // namespace model

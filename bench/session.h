#pragma once
// A started program for the model benchmarks: user actions by address, each
// of which must complete, and checks that the worked example gave the results
// it gives in the scenarios, so that a benchmark never times a refused or
// failed action.

#include "model/app.h"
#include "shell/mdiform1.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace bench {

class Session {
public:
    Session()
    {
        shell::registerScreens(app);
        must(shell::startProgram(app), "program start");
    }

    model::Control& control(std::string_view screen, std::string_view name, std::optional<std::int16_t> index = {})
    {
        model::Control* c = app.screen(screen).find(name, index);
        if (!c) throw std::runtime_error(where(screen, name, index) + ": no such control");
        return *c;
    }

    void type(std::string_view screen, std::string_view name, std::optional<std::int16_t> index, std::string_view text)
    {
        must(app.type(control(screen, name, index), text), where(screen, name, index));
    }
    void pick(std::string_view screen, std::string_view name, int k)
    {
        must(app.pick(control(screen, name), k), where(screen, name, {}));
    }
    void click(std::string_view screen, std::string_view name, std::optional<std::int16_t> index = {})
    {
        must(app.click(control(screen, name, index)), where(screen, name, index));
    }
    // The main window's menu item, as the user picks it.
    void menu(std::string_view item, std::int16_t index) { click("MDIForm1", item, index); }

    void expect(std::string_view screen, std::string_view name, std::optional<std::int16_t> index,
                std::string_view text)
    {
        const std::string& got = control(screen, name, index).text();
        if (got != text)
            throw std::runtime_error(where(screen, name, index) + ": expected \"" + std::string(text) + "\", got \"" +
                                     got + "\"");
    }

    static void must(const model::ActionResult& r, const std::string& what)
    {
        if (r.outcome == model::Outcome::Done) return;
        std::string why = r.outcome == model::Outcome::Failed && r.failure ? r.failure->message() : r.refusal;
        throw std::runtime_error(what + " did not complete: " + why);
    }

    static std::string where(std::string_view screen, std::string_view name, std::optional<std::int16_t> index)
    {
        std::string s = std::string(screen) + "." + std::string(name);
        if (index) {
            s += '(';
            s += std::to_string(*index);
            s += ')';
        }
        return s;
    }

    model::App app;
};

} // namespace bench

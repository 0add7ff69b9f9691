// The real program walked through its widgets without a display, for the
// check that it writes no file and opens no network connection
// (no_files_no_network.sh runs this under strace). The main window is built
// and shown as the program's main() does; then every menu item is triggered
// from its QAction, and on each screen it shows the inputs of a worked
// example are typed or picked and every command button it shows is pressed,
// in reading order. On a screen with a calculation report the toolbar copies
// the report and exports it as a PDF into a temporary directory, as a user
// who picks that place in the save dialog; printing is left out (it needs a
// printer). Last, 退出 ends the event loop. Exit status 1 when a menu item
// has no action, a widget is missing, a worked calculation fails or the
// export writes no PDF.
#include "shell/mdiform1.h"
#include "shell/qt/application.h"
#include "shell/qt/main_window.h"
#include "shell/qt/report_actions.h"
#include "shell/qt/screen_view.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace model;

namespace {

// One thing the user does on a screen before its buttons are pressed.
struct Input {
    enum class Do { Type, Pick, Press };
    std::string_view screen;
    std::string_view control;
    std::optional<std::int16_t> index;
    Do what;
    std::string_view text; // typed text, or the item number picked
};

// The worked examples of the scenarios: a dormitory of 100 users, a
// collector array of 4 x 10 with its main pipe, a riser and horizontal main
// with the pump, the insulation take-off of one floor and riser, the pool
// heat loads. A pressed button here must complete without failure.
constexpr Input kInputs[] = {
    {"Form1", "Text13", 0, Input::Do::Type, "100"},  {"Form1", "Command3", {}, Input::Do::Press, ""},
    {"Form2", "Text7", 0, Input::Do::Type, "4"},     {"Form2", "Text7", 1, Input::Do::Type, "10"},
    {"Form2", "Command1", {}, Input::Do::Press, ""}, {"Form2", "Text9", 0, Input::Do::Type, "2"},
    {"Form2", "Text9", 1, Input::Do::Type, "100"},   {"Form2", "Command3", {}, Input::Do::Press, ""},
    {"Form3", "Command1", {}, Input::Do::Press, ""}, {"Form3", "Command2", {}, Input::Do::Press, ""},
    {"Form4", "Combo3", {}, Input::Do::Pick, "0"},   {"Form4", "Combo4", {}, Input::Do::Pick, "0"},
    {"Form4", "Command1", {}, Input::Do::Press, ""}, {"Form5", "Command1", {}, Input::Do::Press, ""},
};

class Walk {
public:
    explicit Walk(ui::Program& p) : p_(p), main_(p.app.screen<shell::MDIForm1>("MDIForm1"))
    {
        // the save dialog's answer: the suggested name in the temporary directory
        p_.window->reportActions()->choosePdfFile = [this](const QString& suggested) {
            return pdfDir_.filePath(QFileInfo(suggested).fileName());
        };
    }

    int failures = 0;

    void run()
    {
        Control* exit = nullptr;
        for (Control* item : main_.controls()) {
            if (item->kind() != Kind::MenuItem) continue;
            if (item->name() == "A11" && item->index() == 1) { // 退出, last
                exit = item;
                continue;
            }
            if (!trigger(*item)) continue;
            Screen* shown = shownScreen();
            if (!shown) continue;
            std::printf("%s -> %s\n", item->text().c_str(), shown->name().c_str());
            useScreen(*shown);
            useReport(*shown);
        }
        if (!exit) fail("no menu item 退出");
        else trigger(*exit);
    }

private:
    void fail(const std::string& what)
    {
        std::printf("FAILED: %s\n", what.c_str());
        ++failures;
    }

    bool trigger(Control& item)
    {
        QAction* a = p_.window->actionFor(item);
        if (!a) {
            fail("no action for menu item " + item.address());
            return false;
        }
        a->trigger();
        QApplication::processEvents();
        return true;
    }

    Screen* shownScreen() const
    {
        for (std::string_view n : shell::MDIForm1::screenOrder)
            if (Screen& s = p_.app.screen(n); s.visible()) return &s;
        return nullptr;
    }

    QWidget* widgetFor(Screen& s, Control& c)
    {
        ui::ScreenView* view = p_.window->viewOf(s);
        QWidget* w = view ? view->widgetFor(c) : nullptr;
        if (!w) fail("no widget for " + s.name() + "." + c.address());
        return w;
    }

    // Presses a command button with the mouse; returns whether the action completed.
    bool press(Screen& s, Control& c)
    {
        auto* b = qobject_cast<QPushButton*>(widgetFor(s, c));
        if (!b) return false;
        QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
        const ActionResult& r = p_.app.lastResult();
        const bool done = r.outcome == Outcome::Done;
        std::printf("  %s.%s %s: %s\n", s.name().c_str(), c.address().c_str(), c.text().c_str(),
                    done                           ? "done"
                    : r.outcome == Outcome::Failed ? std::string(failureName(r.failure->kind)).c_str()
                                                   : "not done");
        return done;
    }

    void useScreen(Screen& s)
    {
        for (const Input& in : kInputs) {
            if (in.screen != s.name()) continue;
            Control* c = s.find(in.control, in.index);
            QWidget* w = c ? widgetFor(s, *c) : nullptr;
            if (!w) {
                fail("no control " + std::string(in.control) + " on " + s.name());
                continue;
            }
            if (in.what == Input::Do::Type) {
                auto* edit = qobject_cast<QLineEdit*>(w);
                if (!edit) {
                    fail(c->address() + " is no line edit");
                    continue;
                }
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromUtf8(in.text.data(), static_cast<qsizetype>(in.text.size())));
            } else if (in.what == Input::Do::Pick) {
                auto* combo = qobject_cast<QComboBox*>(w);
                const int k = std::stoi(std::string(in.text));
                if (!combo || k >= combo->count()) {
                    fail("no item " + std::string(in.text) + " in " + c->address());
                    continue;
                }
                // as a click on the item of the open list does
                combo->setCurrentIndex(k);
                Q_EMIT combo->activated(k);
            } else if (!press(s, *c)) {
                fail("the calculation " + s.name() + "." + c->address() + " did not complete");
            }
            QApplication::processEvents();
        }
        // then every button the screen shows, each once, in reading order, until
        // no button is left that a press before has brought into view
        std::set<const Control*> pressed;
        for (bool more = true; more;) {
            more = false;
            for (Control* c : s.controls())
                if (c->kind() == Kind::CommandButton && c->shown() && c->effectivelyEnabled() &&
                    pressed.insert(c).second) {
                    press(s, *c);
                    more = true;
                }
        }
    }

    void useReport(Screen& s)
    {
        ui::ReportActions* report = p_.window->reportActions();
        if (!report->copyAction()->isEnabled()) return;
        report->copyAction()->trigger();
        const QDir dir(pdfDir_.path());
        const auto before = dir.entryList(QDir::Files).size();
        report->pdfAction()->trigger();
        QApplication::processEvents();
        const QStringList pdfs = dir.entryList(QDir::Files);
        std::printf("  report of %s copied, exported: %s\n", s.name().c_str(),
                    pdfs.size() > before ? "a PDF in the temporary directory" : "nothing");
        if (pdfs.size() <= before) fail("the report of " + s.name() + " was not exported");
        for (const QString& f : pdfs) QFile::remove(dir.filePath(f));
    }

    ui::Program& p_;
    shell::MDIForm1& main_;
    QTemporaryDir pdfDir_; // under the system's temporary directory
};

} // namespace

int main(int argc, char** argv)
{
    QApplication qa(argc, argv);
    ui::setUpApplication(qa);
    auto program = ui::makeProgram();
    ui::showMainWindow(*program->window);
    // the views prepared as the program prepares them, from the start, so that
    // the walk's actions come between the preparation's steps
    program->window->prepareViewsWhenIdle(0);
    Walk walk(*program);
    QTimer::singleShot(0, [&] { walk.run(); });
    // 退出 quits the event loop; a walk that does not reach it ends here
    QTimer::singleShot(120000, [&] {
        std::printf("FAILED: 退出 did not end the program\n");
        QApplication::exit(2);
    });
    const int status = QApplication::exec();
    if (status != 0) return status;
    if (!program->app.ended()) {
        std::printf("FAILED: the program did not end\n");
        return 1;
    }
    std::printf("%s\n", walk.failures == 0 ? "walk complete" : "walk FAILED");
    return walk.failures == 0 ? 0 : 1;
}

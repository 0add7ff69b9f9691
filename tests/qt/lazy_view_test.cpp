// A container's widgets, and a hidden text box's, are made the first time it
// is shown. Then the screen must look and work as one whose widgets were all
// made with it: every widget in the same place with the same state and
// stacking, Tab in the same order, and the cells of a table copied with
// Ctrl+C.
#include "shell/mdiform1.h"
#include "shell/qt/application.h"
#include "shell/qt/main_window.h"
#include "shell/qt/screen_view.h"
#include "shell/qt/table_copy.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace model;

namespace {

// Lets every layout settle: a combo box that adjusts to its contents resizes
// itself on a timer of its own, 20 ms after its items change.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(60, &loop, &QEventLoop::quit);
    loop.exec();
}

// A started program in the model and one view of a screen, in a window of
// its own.
struct Viewed {
    App app;
    Screen* screen = nullptr;
    std::unique_ptr<ui::ScreenView> view;

    explicit Viewed(const char* name)
    {
        shell::registerScreens(app);
        EXPECT_TRUE(shell::startProgram(app).ok());
        screen = &app.screen(name);
        app.start([this] { screen->Show(); });
    }
    void makeView()
    {
        view = std::make_unique<ui::ScreenView>(app, *screen);
        view->resize(1500, 1100);
        view->show();
        settle();
    }
    // Changes, user actions or a handler's, passed on to the view as the
    // main window passes them on.
    void change(const std::function<void()>& body)
    {
        struct Forward : Observer {
            ui::ScreenView* view = nullptr;
            void controlChanged(Control& c, Prop p) override { view->controlChanged(c, p); }
        } forward;
        forward.view = view.get();
        app.setObserver(&forward);
        body();
        app.setObserver(nullptr);
        if (view) view->settleLayouts();
        settle();
    }
    void showHiddenParts();
};

// The parts whose widgets wait for their first showing: hidden containers
// and hidden text boxes.
std::vector<Control*> hiddenParts(const Screen& s)
{
    std::vector<Control*> hidden;
    for (Control* c : s.controls())
        if (((c->isContainer() && c->kind() != Kind::Menu) || c->kind() == Kind::TextBox) && !c->visible())
            hidden.push_back(c);
    return hidden;
}

const Control* controlOf(const ui::ScreenView& view, const QObject* w)
{
    for (const Control* c : view.screen().controls())
        if (view.widgetFor(*c) == w) return c;
    return nullptr;
}

// Everything the user can tell of a view, one line per widget, then the Tab
// order.
std::string describe(const ui::ScreenView& view)
{
    std::ostringstream out;
    for (const Control* c : view.screen().controls()) {
        QWidget* w = view.widgetFor(*c);
        if (!w) {
            out << c->address() << ": none\n";
            continue;
        }
        const QRect r(w->mapTo(&view, QPoint(0, 0)), w->size());
        out << c->address() << ": " << r.x() << "," << r.y() << " " << r.width() << "x" << r.height()
            << (w->isVisible() ? " shown" : " hidden") << (w->isEnabled() ? "" : " disabled") << " base "
            << w->palette().color(QPalette::Base).name().toStdString() << " text "
            << w->palette().color(QPalette::WindowText).name().toStdString();
        if (auto* e = qobject_cast<QLineEdit*>(w)) out << " \"" << e->text().toStdString() << "\"";
        if (auto* b = qobject_cast<QComboBox*>(w))
            out << " \"" << b->currentText().toStdString() << "\" of " << b->count();
        if (auto* l = qobject_cast<QLabel*>(w)) out << " \"" << l->text().toStdString() << "\"";
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            out << " \"" << b->text().toStdString() << "\"" << (b->isChecked() ? " checked" : "");
        if (auto* g = qobject_cast<QGroupBox*>(w)) out << " \"" << g->title().toStdString() << "\"";
        // stacking among the widgets beside it
        out << " above";
        for (const QObject* sibling : w->parent()->children()) {
            if (sibling == w) break;
            if (const Control* s = controlOf(view, sibling)) out << " " << s->address();
        }
        out << "\n";
    }
    out << "Tab:";
    for (QWidget* w = view.nextInFocusChain(); w && w != &view; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            if (const Control* c = controlOf(view, w)) out << " " << c->address();
    return out.str();
}

void Viewed::showHiddenParts()
{
    change([this] {
        app.start([this] {
            for (Control* c : hiddenParts(*screen)) c->Show();
        });
    });
}

// The screen after `actions` and with every container and text box shown:
// once with every widget made with the view (the hidden parts shown, the view
// made, they hidden again), once with the hidden parts' widgets made when
// they are shown.
void expectLikeMadeWithTheView(const char* name, const std::function<void(Viewed&)>& actions = {})
{
    Viewed eager(name);
    Viewed lazy(name);
    const std::vector<Control*> hidden = hiddenParts(*eager.screen);
    ASSERT_FALSE(hidden.empty()) << name << " has no hidden part";

    eager.app.start([&] {
        for (Control* c : hidden) c->Show();
    });
    eager.makeView();
    eager.change([&] {
        eager.app.start([&] {
            for (Control* c : hidden) c->Hide();
        });
    });
    lazy.makeView();
    bool deferred = false;
    for (const Control* c : hiddenParts(*lazy.screen))
        if (lazy.view->widgetFor(*c) == nullptr ||
            std::any_of(c->screen().controls().begin(), c->screen().controls().end(),
                        [&](const Control* k) { return k->container() == c && lazy.view->widgetFor(*k) == nullptr; }))
            deferred = true;
    EXPECT_TRUE(deferred) << name << ": the hidden parts have their widgets already";

    for (Viewed* v : {&eager, &lazy}) {
        if (actions) v->change([&] { actions(*v); });
        v->showHiddenParts();
    }
    // line by line, so that a failure names the widgets that differ
    std::istringstream made(describe(*lazy.view));
    std::istringstream withView(describe(*eager.view));
    std::string a;
    std::string b;
    int differ = 0;
    while (std::getline(made, a) && std::getline(withView, b))
        if (a != b && ++differ <= 10) ADD_FAILURE() << name << "\nmade when shown: " << a << "\nmade with view:  " << b;
    EXPECT_EQ(differ, 0) << name;
}

TEST(LazyWidgets, APartShownLaterIsLaidOutStackedAndTabbedAsOneMadeWithTheScreen)
{
    for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5"}) expectLikeMadeWithTheView(name);
}

TEST(LazyWidgets, ControlsMovedAndWrittenWhileHiddenShowAsTheyAreNow)
{
    // Form5: choosing boilers moves the boiler model and capacity onto the
    // heat pump's places and shows the group of the other systems, hidden
    // while heat pumps only are chosen
    expectLikeMadeWithTheView("Form5", [](Viewed& v) {
        EXPECT_TRUE(v.app.click(*v.screen->find("Command1")).ok());
        EXPECT_TRUE(v.app.click(*v.screen->find("Option1", 2)).ok());
        EXPECT_TRUE(v.app.click(*v.screen->find("Command3")).ok());
    });
    // Form3: the rows of both tables shown by the calculations
    expectLikeMadeWithTheView("Form3", [](Viewed& v) {
        EXPECT_TRUE(v.app.type(*v.screen->find("Text5"), "8").ok());
        EXPECT_TRUE(v.app.type(*v.screen->find("Text6"), "4").ok());
        EXPECT_TRUE(v.app.click(*v.screen->find("Command1")).ok());
        EXPECT_TRUE(v.app.click(*v.screen->find("Command2")).ok());
    });
    // Form1: the residential panel shown and its household table filled
    expectLikeMadeWithTheView("Form1", [](Viewed& v) {
        EXPECT_TRUE(v.app.click(*v.screen->find("Command2")).ok());
        EXPECT_TRUE(v.app.click(*v.screen->find("Check1", 0)).ok());
        EXPECT_TRUE(v.app.type(*v.screen->find("Text26", 0), "10").ok());
        EXPECT_TRUE(v.app.click(*v.screen->find("Command5")).ok());
    });
}

TEST(LazyWidgets, TheCellsOfATableMadeOnTheirFirstShowingCopyWithCtrlC)
{
    auto program = ui::makeProgram();
    program->window->show();
    QApplication::processEvents();
    Screen& form1 = program->app.screen("Form1");
    ui::ScreenView* view = program->window->viewOf(form1);
    ASSERT_NE(view, nullptr);
    Control& count = *form1.find("Text22", 0);
    EXPECT_EQ(view->widgetFor(count), nullptr) << "the residential panel's widgets are made when it is shown";

    program->app.click(*form1.find("Command2"));
    program->app.click(*form1.find("Check1", 0));
    program->app.type(*form1.find("Text26", 0), "10");
    program->app.click(*form1.find("Command5"));
    QApplication::processEvents();
    auto* cell = qobject_cast<QLineEdit*>(view->widgetFor(count));
    ASSERT_NE(cell, nullptr);
    ASSERT_TRUE(cell->isVisible());
    cell->setFocus();
    QApplication::processEvents();
    QApplication::clipboard()->clear();
    QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains("一房")) << copied.toStdString();
    EXPECT_TRUE(copied.contains('\t')) << "the table, not the one field: " << copied.toStdString();
}

} // namespace

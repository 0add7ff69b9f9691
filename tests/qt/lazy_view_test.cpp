// A container's widgets, and a hidden text box's, are made the first time it
// is shown. Then the screen must look and work as one whose widgets were all
// made with it: every widget in the same place with the same state and
// stacking, Tab in the same order, and the cells of a table copied with
// Ctrl+C. The views the program prepares while it waits for the user are the
// views a first showing makes.
#include "shell/mdiform1.h"
#include "shell/qt/application.h"
#include "shell/qt/main_window.h"
#include "shell/qt/screen_view.h"
#include "shell/qt/table_copy.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
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

// A program started and shown as the application shows it.
std::unique_ptr<ui::Program> shownProgram()
{
    auto program = ui::makeProgram();
    EXPECT_TRUE(program->startResult.ok());
    ui::showMainWindow(*program->window);
    settle();
    return program;
}

// Events processed until the program's preparation of its views has ended.
bool waitForPreparedViews(ui::Program& p)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!p.window->viewsPrepared() && std::chrono::steady_clock::now() < end)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return p.window->viewsPrepared();
}

// The preparation begun now and run to its end.
bool prepareAll(ui::Program& p)
{
    p.window->prepareViewsWhenIdle(0);
    return waitForPreparedViews(p);
}

// The screen shown through its menu item, its layouts settled.
ui::ScreenView* showByMenu(ui::Program& p, Control& item, const Screen& s)
{
    QAction* a = p.window->actionFor(item);
    EXPECT_NE(a, nullptr) << item.address();
    if (a) a->trigger();
    settle();
    EXPECT_TRUE(s.visible()) << s.name();
    return p.window->viewOf(s);
}

TEST(PreparedViews, EveryScreenIsPreparedHiddenAndFirstShownAsOneMadeWhenShown)
{
    auto prepared = shownProgram();
    auto plain = shownProgram();
    const QString title = prepared->window->windowTitle();
    ASSERT_TRUE(prepareAll(*prepared));
    settle();

    // nothing the user sees changed: the start-up screen alone is shown
    EXPECT_EQ(prepared->window->windowTitle(), title);
    auto& main = prepared->app.screen<shell::MDIForm1>("MDIForm1");
    for (std::string_view name : shell::MDIForm1::screenOrder) {
        const Screen& s = prepared->app.screen(name);
        const ui::ScreenView* v = prepared->window->viewOf(s);
        ASSERT_NE(v, nullptr) << name;
        EXPECT_EQ(s.visible(), name == "Form1") << name;
        EXPECT_EQ(v->isVisible(), name == "Form1") << name;
        EXPECT_EQ(plain->window->viewOf(plain->app.screen(name)) != nullptr, name == "Form1")
            << name << ": without preparation a view waits for its first showing";
    }
    // nor does a hidden main window shown again show a prepared screen
    prepared->window->hide();
    prepared->window->show();
    settle();
    EXPECT_FALSE(prepared->window->viewOf(prepared->app.screen("Form2"))->isVisible());

    // each screen's first showing: the same widgets, places, states and Tab
    // order as a view made then
    auto& plainMain = plain->app.screen<shell::MDIForm1>("MDIForm1");
    const std::tuple<Control*, Control*, const char*> items[] = {
        {&main.B11(1), &plainMain.B11(1), "Form2"},  {&main.C11(0), &plainMain.C11(0), "Form3"},
        {&main.C11(1), &plainMain.C11(1), "Form4"},  {&main.D11(0), &plainMain.D11(0), "Form5"},
        {&main.A11(0), &plainMain.A11(0), "Form6"},  {&main.E11(0), &plainMain.E11(0), "Form7"},
        {&main.E11(1), &plainMain.E11(1), "Form8"},  {&main.E11(2), &plainMain.E11(2), "Form9"},
        {&main.E11(3), &plainMain.E11(3), "Form10"}, {&main.E11(4), &plainMain.E11(4), "Form11"},
        {&main.B11(0), &plainMain.B11(0), "Form1"}};
    for (auto [item, plainItem, name] : items) {
        ui::ScreenView* a = showByMenu(*prepared, *item, prepared->app.screen(name));
        ui::ScreenView* b = showByMenu(*plain, *plainItem, plain->app.screen(name));
        ASSERT_TRUE(a && b) << name;
        EXPECT_TRUE(a->isVisible()) << name;
        EXPECT_EQ(describe(*a), describe(*b)) << name;
        EXPECT_EQ(prepared->window->windowTitle(), plain->window->windowTitle()) << name;
        auto* docA = a->findChild<QTextBrowser*>();
        auto* docB = b->findChild<QTextBrowser*>();
        ASSERT_EQ(docA == nullptr, docB == nullptr) << name;
        if (docA) {
            EXPECT_EQ(docA->geometry(), docB->geometry()) << name;
            EXPECT_EQ(docA->document()->size(), docB->document()->size()) << name << ": the document laid out alike";
        }
    }
}

TEST(PreparedViews, AScreenShownBeforeItsTurnIsLeftAsItIsAndTheRestArePrepared)
{
    auto program = shownProgram();
    auto& main = program->app.screen<shell::MDIForm1>("MDIForm1");
    Screen& form5 = program->app.screen("Form5");
    program->window->prepareViewsWhenIdle(0);
    // the user's choice comes before the preparation's first step
    ui::ScreenView* v = showByMenu(*program, main.D11(0), form5);
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(program->app.type(*form5.find("Text1", 0), "500").ok());
    ASSERT_TRUE(waitForPreparedViews(*program));
    EXPECT_EQ(program->window->viewOf(form5), v) << "its view made once";
    EXPECT_TRUE(v->isVisible());
    EXPECT_FALSE(program->window->viewOf(program->app.screen("Form1"))->isVisible());
    auto* field = qobject_cast<QLineEdit*>(v->widgetFor(*form5.find("Text1", 0)));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "500");
}

TEST(PreparedViews, ViewsPreparedBeforeTheWindowIsShownStayHiddenWhenItIs)
{
    auto program = ui::makeProgram();
    ASSERT_TRUE(program->startResult.ok());
    ASSERT_TRUE(prepareAll(*program));
    ui::showMainWindow(*program->window);
    settle();
    for (std::string_view name : shell::MDIForm1::screenOrder)
        EXPECT_EQ(program->window->viewOf(program->app.screen(name))->isVisible(), name == "Form1") << name;
}

} // namespace

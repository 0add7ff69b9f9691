// The screen model: events raised by the program's own changes, option
// groups by container, control arrays, combo lists, what the user can reach,
// and failures caught where a user action enters the model.
#include "model/app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace model;

namespace {

class EventsForm : public Screen {
public:
    explicit EventsForm(App& app) : Screen(app, "EventsForm")
    {
        Opt.add(0, in(Frame1, 0, 0), "a").setValue(true);
        Opt.add(1, in(Frame1, 0, 1), "b");
        Opt.add(5, in(Frame2, 0, 0), "other group"); // sparse index, another container
        Opt.add(6, in(Frame2, 0, 1), "other group 2").setValue(true);
        Opt.onClick([this](std::int16_t i) { log.push_back("Opt_Click(" + std::to_string(i) + ")"); });
        Check1.onClick = [this] { log.push_back("Check1_Click " + std::to_string(Check1.value())); };
        Combo1.onChange = [this] {
            log.push_back("Combo1_Change " + Combo1.text());
            if (Combo1.listCount() == 0)
                for (int k = 0; k < 3; ++k) Combo1.addItem(Str(0.4 + 0.1 * k));
        };
        Combo1.onClick = [this] { log.push_back("Combo1_Click " + std::to_string(Combo1.listIndex())); };
        Command1.onClick = [this] {
            log.push_back("Command1_Click");
            Opt(1).setValue(true); // raises Opt_Click(1) before the next statement
            log.push_back("after");
            Check1.setValue(1);
            Check1.setValue(1); // unchanged: no second Click
        };
        Command2.onClick = [this] {
            Text1.setText("written first");
            Opt(7).setValue(true); // no member 7
        };
        Text2.locked();
        Command3.disabled();
        Picture1.size(1000, 1200);
        Low.pos(0, 1300);
        var("n", n);
        var("x", x);
    }
    void Form_Load() override
    {
        log.push_back("Form_Load");
        Combo1.setText("0.5");
    }

    Frame Frame1{*this, "Frame1", at(0, 0), "组1"};
    Frame Frame2{*this, "Frame2", at(1, 0), "组2"};
    ControlArray<OptionButton> Opt{*this, "Opt"};
    CheckBox Check1{*this, "Check1", at(2, 0), "一房"};
    ComboBox Combo1{*this, "Combo1", at(3, 0)};
    TextBox Text1{*this, "Text1", at(4, 0)};
    TextBox Text2{*this, "Text2", at(5, 0), "read only"};
    CommandButton Command1{*this, "Command1", at(6, 0), "go"};
    CommandButton Command2{*this, "Command2", at(7, 0), "fail"};
    CommandButton Command3{*this, "Command3", at(8, 0), "off"};
    PictureBox Picture1{*this, "Picture1", at(9, 0)};
    Label Low{*this, "Low", in(Picture1, 1, 0), "below"};
    std::vector<std::string> log;
    std::int16_t n = 7;
    float x = 0.1f;
};

struct ScreenModel : ::testing::Test {
    App app;
    EventsForm* f = nullptr;
    void SetUp() override
    {
        app.registerScreen("EventsForm", [](App& a) { return std::make_unique<EventsForm>(a); });
        app.start([this] { app.screen("EventsForm").Show(); });
        f = &app.screen<EventsForm>("EventsForm");
        f->log.clear();
    }
};

TEST_F(ScreenModel, LoadHandlerRunsOnceAndFillsListsThroughChange)
{
    App other;
    other.registerScreen("EventsForm", [](App& a) { return std::make_unique<EventsForm>(a); });
    auto& g = other.screen<EventsForm>("EventsForm");
    EXPECT_EQ(g.log, (std::vector<std::string>{"Form_Load", "Combo1_Change 0.5"}));
    EXPECT_EQ(g.Combo1.list(), (std::vector<std::string>{" .4", " .5", " .6"}));
    EXPECT_EQ(&other.screen("EventsForm"), &g); // created once
    // design-time selections raised nothing
    EXPECT_EQ(g.Opt(0).value(), 1);
    EXPECT_EQ(g.Opt(6).value(), 1);
}

TEST_F(ScreenModel, ProgramChangesRaiseEventsSynchronously)
{
    app.click(f->Command1);
    EXPECT_EQ(f->log, (std::vector<std::string>{"Command1_Click", "Opt_Click(1)", "after", "Check1_Click 1"}));
    // one group per container: the other frame's selection stays
    EXPECT_EQ(f->Opt(0).value(), 0);
    EXPECT_EQ(f->Opt(1).value(), 1);
    EXPECT_EQ(f->Opt(6).value(), 1);
}

TEST_F(ScreenModel, UserActionsFollowTheRules)
{
    // an option already selected raises no Click
    EXPECT_TRUE(app.click(f->Opt(0)).ok());
    EXPECT_TRUE(f->log.empty());
    app.click(f->Opt(5));
    EXPECT_EQ(f->Opt(6).value(), 0);
    EXPECT_EQ(f->log.back(), "Opt_Click(5)");
    // check box toggles and raises Click each time
    app.click(f->Check1);
    app.click(f->Check1);
    EXPECT_EQ(f->Check1.value(), 0);
    EXPECT_EQ(f->log.back(), "Check1_Click 0");
    // typing raises Change once even for the same text, and adds no item
    app.type(f->Combo1, "0.5");
    EXPECT_EQ(f->log.back(), "Combo1_Change 0.5");
    EXPECT_EQ(f->Combo1.listCount(), 3);
    // picking puts the item's text in the field and raises Click only
    f->log.clear();
    app.pick(f->Combo1, 2);
    EXPECT_EQ(f->Combo1.text(), " .6");
    EXPECT_EQ(f->Combo1.listIndex(), 2);
    EXPECT_EQ(f->log, (std::vector<std::string>{"Combo1_Click 2"}));
    EXPECT_EQ(Val(f->Combo1.text()), 0.6);
}

// A list holds each item once, whoever adds it: a Change handler that adds
// its items every time it runs, a reset that runs the load handler again,
// and the user typing the same text.
TEST(ComboLists, HoldEachItemOnceThroughResetAndTyping)
{
    struct ListForm : Screen {
        explicit ListForm(App& a) : Screen(a, "ListForm")
        {
            Combo1.onChange = [this] {
                ++changes;
                for (double v : {0.3, 0.4, 0.5}) Combo1.addItem(Str(v));
            };
            Command1.onClick = [this] { Form_Load(); }; // reset: the load handler again
        }
        void Form_Load() override
        {
            Combo1.setText("0.6");
            Combo1.setText("0.3");
        }
        ComboBox Combo1{*this, "Combo1", at(0, 0)};
        CommandButton Command1{*this, "Command1", at(1, 0), "归0"};
        int changes = 0;
    };
    App app;
    app.registerScreen("ListForm", [](App& a) { return std::make_unique<ListForm>(a); });
    app.start([&] { app.screen("ListForm").Show(); });
    auto& f = app.screen<ListForm>("ListForm");
    const std::vector<std::string> items{" .3", " .4", " .5"};
    EXPECT_EQ(f.changes, 2); // each default text raised Change
    EXPECT_EQ(f.Combo1.list(), items);
    EXPECT_TRUE(app.click(f.Command1).ok());
    EXPECT_TRUE(app.type(f.Combo1, " .4").ok());
    EXPECT_TRUE(app.type(f.Combo1, " .4").ok());
    EXPECT_EQ(f.changes, 6);
    EXPECT_EQ(f.Combo1.list(), items);
    f.Combo1.addItem(" .4");
    EXPECT_EQ(f.Combo1.listCount(), 3);

    // a handler writing the text the box already shows changes nothing, so
    // raises no Change: a reset finding a box at its default leaves it be
    f.Combo1.setText(" .4");
    EXPECT_EQ(f.changes, 6);
    f.Combo1.setText("0.3");
    EXPECT_TRUE(app.click(f.Command1).ok()); // "0.6" raises Change, "0.3" too
    EXPECT_EQ(f.changes, 9);
}

TEST_F(ScreenModel, WhatTheUserCannotDoIsRefused)
{
    EXPECT_EQ(app.type(f->Text2, "x").outcome, Outcome::Refused); // read-only
    EXPECT_EQ(app.click(f->Command3).outcome, Outcome::Refused);  // disabled
    EXPECT_EQ(app.pick(f->Combo1, 3).outcome, Outcome::Refused);  // no such item
    EXPECT_EQ(app.type(f->Low, "x").outcome, Outcome::Refused);   // a label
    EXPECT_EQ(app.click(f->Frame1).outcome, Outcome::Refused);    // a frame
    f->Frame1.Hide();
    EXPECT_EQ(app.click(f->Opt(1)).outcome, Outcome::Refused); // inside a hidden frame
    f->Hide();
    EXPECT_EQ(app.type(f->Text1, "x").outcome, Outcome::Refused); // screen not shown
    EXPECT_EQ(f->Text2.text(), "read only");
    EXPECT_TRUE(f->log.empty());
}

TEST_F(ScreenModel, FailureIsCaughtAtTheActionAndKeepsEarlierResults)
{
    const ActionResult r = app.click(f->Command2);
    ASSERT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.failure->kind, FailureKind::IndexOutOfRange);
    EXPECT_EQ(r.failure->screen, "EventsForm");
    EXPECT_EQ(r.failure->handler, "Command2_Click");
    EXPECT_NE(r.failure->message().find("下标越界"), std::string::npos);
    EXPECT_EQ(f->Text1.text(), "written first");
    EXPECT_EQ(app.lastResult().outcome, Outcome::Failed);
    // the program goes on
    EXPECT_TRUE(app.click(f->Command1).ok());
    EXPECT_EQ(app.lastResult().outcome, Outcome::Done);
}

// Every kind of failed calculation, raised by the value rules inside a
// handler, reaches the user action as that kind with the screen and the
// handler named; what the handler wrote before stays, and the program goes on.
TEST(Failures, EveryKindIsReportedWithScreenAndHandler)
{
    struct FailForm : Screen {
        explicit FailForm(App& a) : Screen(a, "FailForm")
        {
            Command1.onClick([this](std::int16_t i) {
                Text1.setText("before " + std::to_string(i));
                const ext zero = Val(Text2.text());
                switch (i) {
                case 0: Text1.setText(CStr(CDbl(Text2.text() + "x"))); break;
                case 1: Text1.setText(CStr(dbl(quot(1, zero)))); break;
                case 2: Text1.setText(CStr(dbl(sqr(zero - 1)))); break;
                case 3: Text1.setText(CStr(dbl(power(zero - 2, 1.85L)))); break;
                case 4: Text1.setText(CStr(sng(1e30L * 1e30L))); break;
                case 5: Text1.setText(CStr(CInt(zero + 40000))); break;
                case 6: Text1.setText(CStr(CCur(1e16L))); break;
                case 7: Label1(static_cast<std::int16_t>(zero + 3)).setCaption("no such member"); break;
                }
            });
            for (std::int16_t i = 0; i < 8; ++i) Command1.add(i, at(2, i), "算");
            Label1.add(0, at(3, 0));
            Label1.add(2, at(3, 1));
        }
        TextBox Text1{*this, "Text1", at(0, 0)};
        TextBox Text2{*this, "Text2", at(1, 0), "0"};
        ControlArray<CommandButton> Command1{*this, "Command1"};
        ControlArray<Label> Label1{*this, "Label1"};
    };
    App app;
    app.registerScreen("FailForm", [](App& a) { return std::make_unique<FailForm>(a); });
    app.start([&] { app.screen("FailForm").Show(); });
    auto& f = app.screen<FailForm>("FailForm");
    f.setCaption("失败页");
    const FailureKind kinds[] = {FailureKind::InvalidEntry,     FailureKind::DivisionByZero,
                                 FailureKind::NegativeSqrt,     FailureKind::NegativePower,
                                 FailureKind::FloatOverflow,    FailureKind::IntegerOverflow,
                                 FailureKind::CurrencyOverflow, FailureKind::IndexOutOfRange};
    for (std::int16_t i = 0; i < 8; ++i) {
        const ActionResult r = app.click(f.Command1(i));
        ASSERT_EQ(r.outcome, Outcome::Failed) << i;
        EXPECT_EQ(r.failure->kind, kinds[i]) << i;
        EXPECT_EQ(r.failure->screen, "FailForm");
        EXPECT_EQ(r.failure->handler, "Command1_Click");
        const std::string message = r.failure->message();
        EXPECT_NE(message.find("失败页"), std::string::npos) << message;
        EXPECT_NE(message.find(failureText(kinds[i])), std::string::npos) << message;
        EXPECT_NE(message.find("Command1_Click"), std::string::npos) << message;
        EXPECT_EQ(f.Text1.text(), "before " + std::to_string(i));
    }
    f.Text2.setText("5");
    EXPECT_TRUE(app.click(f.Command1(1)).ok());
    EXPECT_EQ(f.Text1.text(), "0.2");
}

TEST_F(ScreenModel, ArraysNameTheirMembersByIndex)
{
    EXPECT_TRUE(f->Opt.has(5));
    EXPECT_FALSE(f->Opt.has(2));
    EXPECT_EQ(f->Opt(5).address(), "Opt(5)");
    EXPECT_EQ(f->find("Opt", 6), &f->Opt(6));
    EXPECT_EQ(f->find("Opt"), nullptr);
    EXPECT_TRUE(f->hasArray("Opt"));
    EXPECT_THROW(f->Opt(40000), CalcError);
    EXPECT_EQ(f->Opt(1).container(), &f->Frame1);
    EXPECT_EQ(f->Opt(5).container(), &f->Frame2);
    EXPECT_EQ(variableText(*f->variable("n")), "7");
    EXPECT_EQ(variableText(*f->variable("x")), "0.1");
}

// Members declared in any order, below zero and with gaps: each is found by
// its index, and an index between them names none.
class ArrayForm : public Screen {
public:
    explicit ArrayForm(App& app) : Screen(app, "ArrayForm")
    {
        for (int i : {3, -2, 10, 0}) Cell.add(static_cast<std::int16_t>(i), at(i + 2, 0), std::to_string(i));
    }
    ControlArray<TextBox> Cell{*this, "Cell"};
};

TEST(ControlArrays, MembersInAnyOrderAndRangeAreFoundByTheirIndex)
{
    App app;
    ArrayForm f(app);
    for (int i : {3, -2, 10, 0}) {
        ASSERT_TRUE(f.Cell.has(i)) << i;
        EXPECT_EQ(f.Cell(i).text(), std::to_string(i));
        EXPECT_EQ(f.find("Cell", i), &f.Cell(i));
    }
    EXPECT_EQ(f.Cell.size(), 4U);
    for (long long gap : {-3LL, -1LL, 1LL, 4LL, 9LL, 11LL, 32767LL, -32768LL, 70000LL}) {
        EXPECT_FALSE(f.Cell.has(gap)) << gap;
        try {
            f.Cell(gap);
            ADD_FAILURE() << "Cell(" << gap << ") names a member";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), FailureKind::IndexOutOfRange);
            EXPECT_EQ(e.detail(), "Cell(" + std::to_string(gap) + ")");
        }
    }
}

TEST_F(ScreenModel, ContainersHideAndClipTheirChildren)
{
    EXPECT_FALSE(f->Low.shown()); // top 1300 below the 1200 height
    f->Picture1.Move(0, 0, 1000, 1935);
    EXPECT_TRUE(f->Low.shown());
    f->Picture1.Hide();
    EXPECT_FALSE(f->Low.shown());
    EXPECT_TRUE(f->Low.visible());
}

TEST(ProgramEnd, EndStopsTheHandlerAtOnceAndRefusesLaterActions)
{
    App app;
    struct EndForm : Screen {
        explicit EndForm(App& a) : Screen(a, "EndForm")
        {
            Command1.onClick = [this] {
                this->app().End();
                Label1.setCaption("never");
            };
        }
        CommandButton Command1{*this, "Command1", at(0, 0)};
        Label Label1{*this, "Label1", at(1, 0), "before"};
    };
    app.registerScreen("EndForm", [](App& a) { return std::make_unique<EndForm>(a); });
    app.start([&] { app.screen("EndForm").Show(); });
    auto& f = app.screen<EndForm>("EndForm");
    EXPECT_EQ(app.click(f.Command1).outcome, Outcome::Ended);
    EXPECT_TRUE(app.ended());
    EXPECT_EQ(f.Label1.caption(), "before");
    EXPECT_EQ(app.click(f.Command1).outcome, Outcome::Refused);
}

} // namespace

// The Qt front end, offscreen: a user's typing, picking and clicking on the
// widgets reaches the model, a handler's changes reach the widgets, a failing
// handler leaves the program running with the failure in the status bar, and
// every menu item shows its screen.
#include "shell/mdiform1.h"
#include "shell/qt/application.h"
#include "shell/qt/main_window.h"
#include "shell/qt/screen_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

using namespace model;

namespace {

// One control of every kind, and handlers that write back.
class KindsForm : public Screen {
public:
    explicit KindsForm(App& app) : Screen(app, "KindsForm")
    {
        Option1.add(0, in(Frame1, 3, 0), "甲").setValue(true);
        Option1.add(1, in(Frame1, 3, 1), "乙");
        Text2.back(colors::yellow).locked();
        Combo1.items({"2700", "2800"});
        Label2.size(0, 0).pos(0, 600);
        Picture1.size(3000, 1200);
        Command1.onClick = [this] {
            Label1.setCaption("读到 " + Text1.text());
            Text2.setText(CStr(Val(Text1.text()) * 2));
        };
        Command2.onClick = [this] {
            Text2.setText("已写");
            Text2.setText(CStr(dbl(quot(1, Val(Text1.text()) - Val(Text1.text())))));
        };
        Combo1.onClick = [this] { Label1.setCaption("选了 " + Combo1.text()); };
        Combo1.onChange = [this] { ++changes; };
        Option1.onClick([this](std::int16_t i) { Label1.setCaption("选项 " + std::to_string(i)); });
        Check1.onClick = [this] { Text2.setText(CStr(Check1.value())); };
        Command3.onClick = [this] {
            Combo1.setText("3100");    // raises Change
            Option1(1).setValue(true); // raises Option1_Click(1)
            OLE1.setText("<p>新文档</p>");
            Picture1.Hide();
            Frame1.setBackColor(colors::pink);
        };
        var("changes", changes);
    }

    Frame Frame1{*this, "Frame1", at(0, 0), "输入"};
    TextBox Text1{*this, "Text1", in(Frame1, 0, 0), "20"};
    TextBox Text2{*this, "Text2", in(Frame1, 0, 1)};
    ComboBox Combo1{*this, "Combo1", in(Frame1, 1, 0), "2700"};
    CheckBox Check1{*this, "Check1", in(Frame1, 2, 0), "一房"};
    ControlArray<OptionButton> Option1{*this, "Option1"};
    CommandButton Command1{*this, "Command1", at(1, 0), "计 算"};
    CommandButton Command2{*this, "Command2", at(2, 0), "除零"};
    CommandButton Command3{*this, "Command3", at(6, 0), "改写"};
    Label Label1{*this, "Label1", at(3, 0), "结果"};
    PictureBox Picture1{*this, "Picture1", at(4, 0)};
    Label Label2{*this, "Label2", in(Picture1, 0, 0), "下行"};
    Document OLE1{*this, "OLE1", at(5, 0), "<h1>表</h1><img src=\"http://example.com/x.png\">"};
    std::int16_t changes = 0;
};

struct FrontEnd : ::testing::Test {
    App app;
    std::unique_ptr<ui::MainWindow> window;
    KindsForm* form = nullptr;
    ui::ScreenView* view = nullptr;

    void SetUp() override
    {
        app.registerScreen("KindsForm", [](App& a) { return std::make_unique<KindsForm>(a); });
        window = std::make_unique<ui::MainWindow>(app);
        window->resize(1000, 700);
        window->show();
        app.start([this] { app.screen("KindsForm").Show(); });
        form = &app.screen<KindsForm>("KindsForm");
        view = window->viewOf(*form);
        ASSERT_NE(view, nullptr);
        QApplication::processEvents();
    }
    // a radio button or check box reacts only to clicks on its indicator and text
    static void clickIndicator(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); }
    template <class W>
    W* widget(Control& c)
    {
        auto* w = qobject_cast<W*>(view->widgetFor(c));
        EXPECT_NE(w, nullptr) << c.address();
        return w;
    }
};

TEST_F(FrontEnd, TypingReachesTheModelAndHandlersReachTheWidgets)
{
    auto* edit = widget<QLineEdit>(form->Text1);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "35");
    EXPECT_EQ(form->Text1.text(), "35");

    QTest::mouseClick(widget<QPushButton>(form->Command1), Qt::LeftButton);
    EXPECT_EQ(widget<QLabel>(form->Label1)->text(), QString("读到 35"));
    EXPECT_EQ(widget<QLineEdit>(form->Text2)->text(), QString("70"));
    EXPECT_TRUE(widget<QLineEdit>(form->Text2)->isReadOnly());
    EXPECT_EQ(widget<QLineEdit>(form->Text2)->palette().color(QPalette::Base), QColor(255, 255, 0));
}

TEST_F(FrontEnd, ComboBoxTypingRaisesChangeAndPickingRaisesClick)
{
    auto* combo = widget<QComboBox>(form->Combo1);
    ASSERT_EQ(combo->count(), 2);
    combo->lineEdit()->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "3");
    EXPECT_EQ(form->Combo1.text(), "3");
    EXPECT_EQ(form->changes, 1);
    EXPECT_EQ(combo->count(), 2); // typing adds no item

    emit combo->activated(1); // what the drop-down list sends when the user chooses item 1
    EXPECT_EQ(form->Combo1.text(), "2800");
    EXPECT_EQ(form->Combo1.listIndex(), 1);
    EXPECT_EQ(combo->currentText(), QString("2800"));
    EXPECT_EQ(form->Label1.caption(), "选了 2800");

    form->Combo1.addItem("3000"); // a handler adding an item reaches the list
    EXPECT_EQ(combo->count(), 3);
}

// Typing an item's text and pressing Return or leaving the field is typing:
// Qt's combo box would make the item current and report it activated, but
// only a pick from the list raises Click. A text a handler wrote that the
// user only passes through is no pick either.
TEST_F(FrontEnd, ComboBoxTypingAnItemsTextAndLeavingTheFieldIsNoPick)
{
    auto* combo = widget<QComboBox>(form->Combo1);
    QLineEdit* edit = combo->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "2800");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(form->Combo1.text(), "2800");
    EXPECT_EQ(form->changes, 4); // one Change a keystroke
    EXPECT_EQ(form->Combo1.listIndex(), -1);
    EXPECT_EQ(form->Label1.caption(), "结果");

    edit->selectAll();
    QTest::keyClicks(edit, "2700");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
    EXPECT_EQ(form->Combo1.listIndex(), -1);
    EXPECT_EQ(form->Label1.caption(), "结果");

    form->Command3.onClick = [this] { form->Combo1.setText("2800"); };
    QTest::mouseClick(widget<QPushButton>(form->Command3), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QString("2800"));
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &in);
    QApplication::sendEvent(edit, &out);
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(form->Combo1.listIndex(), -1);
    EXPECT_EQ(form->Label1.caption(), "结果");

    emit combo->activated(0); // a pick from the list still is one
    EXPECT_EQ(form->Label1.caption(), "选了 2700");
}

TEST_F(FrontEnd, OptionButtonsAndCheckBoxesFollowTheModel)
{
    auto* a = widget<QRadioButton>(form->Option1(0));
    auto* b = widget<QRadioButton>(form->Option1(1));
    EXPECT_TRUE(a->isChecked());
    clickIndicator(b);
    EXPECT_EQ(form->Option1(1).value(), 1);
    EXPECT_EQ(form->Option1(0).value(), 0);
    EXPECT_FALSE(a->isChecked());
    EXPECT_TRUE(b->isChecked());
    EXPECT_EQ(widget<QLabel>(form->Label1)->text(), QString("选项 1"));
    // clicking the selected button keeps it selected
    clickIndicator(b);
    EXPECT_TRUE(b->isChecked());
    EXPECT_EQ(form->Option1(1).value(), 1);

    auto* check = widget<QCheckBox>(form->Check1);
    clickIndicator(check);
    EXPECT_EQ(form->Check1.value(), 1);
    EXPECT_EQ(form->Text2.text(), "1");
    app.start([this] { form->Check1.setValue(0); }); // a handler's change
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(widget<QLineEdit>(form->Text2)->text(), QString("0"));
}

TEST_F(FrontEnd, VisibilityEnablingColoursAndClippingReachTheWidgets)
{
    app.start([this] {
        form->Frame1.Hide();
        form->Command1.setEnabled(false);
        form->Command1.setBackColor(colors::highlight);
        form->Frame1.setCaption("新标题");
    });
    QApplication::processEvents();
    EXPECT_FALSE(widget<QGroupBox>(form->Frame1)->isVisible());
    EXPECT_FALSE(widget<QLineEdit>(form->Text1)->isVisible()); // hidden with its frame
    EXPECT_FALSE(widget<QPushButton>(form->Command1)->isEnabled());
    EXPECT_EQ(widget<QPushButton>(form->Command1)->palette().color(QPalette::Button), QColor(0x80, 0xff, 0xff));
    EXPECT_EQ(widget<QGroupBox>(form->Frame1)->title(), QString("新标题"));

    // a child whose top lies below its container's height is not shown
    QWidget* lower = view->widgetFor(form->Label2);
    EXPECT_TRUE(lower->isVisible());
    app.start([this] { form->Picture1.Move(0, 0, 3000, 500); });
    QApplication::processEvents();
    EXPECT_FALSE(lower->isVisible());
    EXPECT_FALSE(form->Label2.shown());
}

TEST_F(FrontEnd, AHandlersChangesToEveryKindReachTheirWidgets)
{
    QTest::mouseClick(widget<QPushButton>(form->Command3), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(widget<QComboBox>(form->Combo1)->currentText(), QString("3100"));
    EXPECT_EQ(form->changes, 1);
    EXPECT_EQ(widget<QComboBox>(form->Combo1)->count(), 2);
    EXPECT_TRUE(widget<QRadioButton>(form->Option1(1))->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(form->Option1(0))->isChecked());
    EXPECT_EQ(widget<QLabel>(form->Label1)->text(), QString("选项 1"));
    EXPECT_EQ(widget<QTextBrowser>(form->OLE1)->toPlainText(), QString("新文档"));
    EXPECT_FALSE(view->widgetFor(form->Picture1)->isVisible());
    EXPECT_FALSE(view->widgetFor(form->Label2)->isVisible());
    EXPECT_EQ(widget<QGroupBox>(form->Frame1)->palette().color(QPalette::Window), QColor(255, 192, 192));
}

TEST_F(FrontEnd, FailingHandlerIsReportedInTheStatusBarAndTheProgramGoesOn)
{
    QTest::mouseClick(widget<QPushButton>(form->Command2), Qt::LeftButton);
    EXPECT_EQ(app.lastResult().outcome, Outcome::Failed);
    EXPECT_TRUE(window->statusText().contains("除数为零")) << window->statusText().toStdString();
    EXPECT_TRUE(window->statusText().contains("Command2_Click"));
    EXPECT_TRUE(window->statusText().contains("KindsForm"));
    // in red
    QLabel* status = nullptr;
    for (QLabel* l : window->statusBar()->findChildren<QLabel*>())
        if (l->text() == window->statusText()) status = l;
    ASSERT_NE(status, nullptr);
    status->ensurePolished();
    const QColor red = status->palette().color(QPalette::WindowText);
    EXPECT_GT(red.red(), 150);
    EXPECT_LT(red.green(), 60);
    EXPECT_LT(red.blue(), 60);
    EXPECT_EQ(form->Text2.text(), "已写"); // what was written before the failure stays
    EXPECT_EQ(widget<QLineEdit>(form->Text2)->text(), QString("已写"));
    EXPECT_TRUE(window->isVisible());
    // the next action that completes clears the report
    QTest::mouseClick(widget<QPushButton>(form->Command1), Qt::LeftButton);
    EXPECT_TRUE(window->statusText().isEmpty());
}

TEST_F(FrontEnd, DocumentsAreReadOnlyAndLoadNothingFromOutside)
{
    auto* doc = widget<QTextBrowser>(form->OLE1);
    EXPECT_TRUE(doc->isReadOnly());
    EXPECT_FALSE(doc->openExternalLinks());
    EXPECT_FALSE(doc->openLinks());
    EXPECT_TRUE(doc->toPlainText().contains("表"));
    EXPECT_FALSE(doc->loadResource(QTextDocument::ImageResource, QUrl("http://example.com/x.png")).isValid());
}

TEST(MainWindowMenus, EveryMenuItemShowsItsScreenAndHidesTheOthers)
{
    auto program = ui::makeProgram();
    ASSERT_EQ(program->startResult.outcome, Outcome::Done);
    program->window->show();
    auto& main = program->app.screen<shell::MDIForm1>("MDIForm1");
    const std::pair<Control*, const char*> items[] = {
        {&main.A11(0), "Form6"}, {&main.B11(0), "Form1"},  {&main.B11(1), "Form2"},  {&main.C11(0), "Form3"},
        {&main.C11(1), "Form4"}, {&main.D11(0), "Form5"},  {&main.E11(0), "Form7"},  {&main.E11(1), "Form8"},
        {&main.E11(2), "Form9"}, {&main.E11(3), "Form10"}, {&main.E11(4), "Form11"}, {&main.B11(1), "Form2"}};
    for (auto [item, target] : items) {
        QAction* a = program->window->actionFor(*item);
        ASSERT_NE(a, nullptr) << item->address();
        EXPECT_TRUE(a->shortcut().isEmpty());
        a->trigger();
        QApplication::processEvents();
        for (std::string_view name : shell::MDIForm1::screenOrder) {
            const Screen& s = program->app.screen(name);
            EXPECT_EQ(s.visible(), name == target) << item->text() << " -> " << name;
            if (auto* v = program->window->viewOf(s)) {
                EXPECT_EQ(v->isVisible(), name == target) << name;
            }
        }
    }
    EXPECT_TRUE(program->window->windowTitle().contains("太阳能系统水力计算"));
}

// The design screen as drawn: one panel at a time in the place beside the
// shared left column, whose groups keep their natural height however tall
// the panel is; the shrunk area block of the semi-centralized arrangement
// draws no rows below its height.
TEST(DesignScreenOnScreen, OnePanelBesideTheSharedColumnAtItsNaturalHeight)
{
    auto program = ui::makeProgram();
    ASSERT_EQ(program->startResult.outcome, Outcome::Done);
    program->window->resize(1366, 768);
    program->window->show();
    QApplication::processEvents();
    Screen& form = program->app.screen("Form1");
    ui::ScreenView* view = program->window->viewOf(form);
    ASSERT_NE(view, nullptr);
    const auto control = [&](const char* name, std::optional<std::int16_t> index = std::nullopt) -> Control& {
        Control* c = form.find(name, index);
        EXPECT_NE(c, nullptr) << name;
        return *c;
    };
    const auto widget = [&](const char* name, std::optional<std::int16_t> index = std::nullopt) {
        return view->widgetFor(control(name, index));
    };
    const auto natural = [&](const char* name) {
        QWidget* w = widget(name);
        EXPECT_EQ(w->height(), w->sizeHint().height()) << name;
    };

    EXPECT_TRUE(widget("Frame4")->isVisible());
    EXPECT_FALSE(widget("Frame5")->isVisible());
    EXPECT_GT(widget("Frame4")->height(), widget("Frame1")->height() + widget("Frame2")->height());
    natural("Frame1");
    natural("Frame2");

    ASSERT_TRUE(program->app.click(control("Command2")).ok());
    QApplication::processEvents();
    EXPECT_FALSE(widget("Frame4")->isVisible());
    EXPECT_TRUE(widget("Frame5")->isVisible());
    EXPECT_EQ(widget("Frame5")->geometry().topLeft(), widget("Frame4")->geometry().topLeft());
    natural("Frame1");
    natural("Frame2");
    EXPECT_TRUE(widget("Text16", 3)->isVisible());

    ASSERT_TRUE(program->app.click(control("Option4", 1)).ok());
    QApplication::processEvents();
    EXPECT_TRUE(widget("Frame3")->isVisible());
    EXPECT_TRUE(widget("Text16", 2)->isVisible());
    for (std::int16_t k = 8; k <= 11; ++k) EXPECT_FALSE(widget("Label8", k)->isVisible()) << k;
    EXPECT_FALSE(widget("Text16", 3)->isVisible());
    EXPECT_FALSE(widget("Text16", 4)->isVisible());
    EXPECT_FALSE(widget("Picture8")->isVisible());
}

// A reference document keeps its scroll position, and the tank screen its
// chosen tab, while another screen is shown.
TEST(MainWindowMenus, ReferenceDocumentsKeepTheirPlaceWhileHidden)
{
    auto program = ui::makeProgram();
    program->window->show();
    auto& main = program->app.screen<shell::MDIForm1>("MDIForm1");
    auto menu = [&](Control& item) {
        program->window->actionFor(item)->trigger();
        QApplication::processEvents();
    };
    menu(main.E11(4));
    Screen& tanks = program->app.screen("Form11");
    auto* doc = qobject_cast<QTextBrowser*>(program->window->viewOf(tanks)->widgetFor(*tanks.find("OLE1")));
    ASSERT_NE(doc, nullptr);
    QScrollBar* bar = doc->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100) << "the engineering tank table is longer than its view";
    bar->setValue(100);
    menu(main.E11(0));
    menu(main.D11(0));
    menu(main.E11(4));
    EXPECT_TRUE(doc->isVisible());
    EXPECT_EQ(bar->value(), 100);

    program->app.click(*tanks.find("Command2"));
    QApplication::processEvents();
    menu(main.B11(0));
    menu(main.E11(4));
    auto* household = program->window->viewOf(tanks)->widgetFor(*tanks.find("OLE2"));
    EXPECT_TRUE(household->isVisible());
    EXPECT_FALSE(doc->isVisible());
    EXPECT_EQ(program->window->viewOf(tanks)->widgetFor(*tanks.find("Command2"))->palette().color(QPalette::Button),
              QColor(0x80, 0xff, 0xff));
}

// "退出" ends the program at once: the event loop returns, no handler runs
// after it, and nothing is asked.
TEST(MainWindowMenus, ExitEndsTheEventLoopAtOnce)
{
    auto program = ui::makeProgram();
    program->window->show();
    auto& main = program->app.screen<shell::MDIForm1>("MDIForm1");
    QTimer::singleShot(0, [&] { program->window->actionFor(main.A11(1))->trigger(); });
    QTimer guard; // not ended: fail instead of hanging
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(7); });
    guard.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    guard.stop();
    EXPECT_TRUE(program->app.ended());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // later actions are refused
    program->window->actionFor(main.B11(1))->trigger();
    EXPECT_TRUE(program->app.screen("Form1").visible());
    EXPECT_FALSE(program->app.screen("Form2").visible());
}

// On a 1366 x 768 display, or a smaller free area, the window starts
// maximized so that its frame does not push it beyond the screen; on a larger
// one at its own size, never larger than the screen's free area.
TEST(MainWindowSize, FitsA1366By768Display)
{
    EXPECT_TRUE(ui::startsMaximized({1366, 768}));
    EXPECT_TRUE(ui::startsMaximized({1366, 736})); // below a panel
    EXPECT_TRUE(ui::startsMaximized({1280, 1024}));
    EXPECT_FALSE(ui::startsMaximized({1920, 1040}));
    EXPECT_FALSE(ui::startsMaximized({1600, 860}));
    auto program = ui::makeProgram();
    const QSize free = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(program->window->width(), free.width());
    EXPECT_LE(program->window->height(), free.height());
    EXPECT_LE(program->window->width(), 1366);
    EXPECT_LE(program->window->height(), 768);
}

// The menu bar holds the five menus in order with their items in order: no
// separators, no shortcut keys, no other entries.
TEST(MainWindowMenus, MenuBarAsTheMenuTableGivesIt)
{
    auto program = ui::makeProgram();
    const std::vector<std::pair<QString, QStringList>> expected = {
        {"菜单", {"编著说明", "退出"}},
        {"太阳能设计计算", {"太阳能系统设计计算", "太阳能系统水力计算"}},
        {"供水管网水力计算", {"宿舍等水力计算", "工程量计算"}},
        {"游泳池加热计算", {"游泳池加热计算"}},
        {"设计参数",
         {"用水量标准<50015-2003>", "太阳能保证率", "太阳能集热器技术参数", "空气源热泵技术参数", "水箱技术参数"}},
    };
    const QList<QAction*> menus = program->window->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
        QAction* menu = menus[static_cast<qsizetype>(m)];
        EXPECT_EQ(menu->text(), expected[m].first);
        EXPECT_TRUE(menu->shortcut().isEmpty());
        ASSERT_NE(menu->menu(), nullptr);
        QStringList items;
        for (QAction* a : menu->menu()->actions()) {
            EXPECT_FALSE(a->isSeparator()) << menu->text().toStdString();
            EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
            items << a->text();
        }
        EXPECT_EQ(items, expected[m].second);
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qa(argc, argv);
    ui::setUpApplication(qa);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Desktop habits, offscreen: Tab follows the reading order on every screen
// and reaches its buttons, Enter presses the focused button, every read-only
// result can be selected and copied with Ctrl+C, the fields keep their
// colours and every text stays legible under a dark palette (also when the
// palette changes while the program runs), and the menus keep their captions
// and carry no shortcut keys.
#include "shell/mdiform1.h"
#include "shell/qt/application.h"
#include "shell/qt/main_window.h"
#include "shell/qt/screen_view.h"
#include "shell/qt/tab_order.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

using namespace model;

namespace {

// --- reading order of one grid

std::vector<std::size_t> order(std::initializer_list<Cell> cells) { return ui::readingOrder(cells); }
using Order = std::vector<std::size_t>;

TEST(ReadingOrder, LabelsAndFieldsAreReadRowByRowWhateverTheDeclarationOrder)
{
    // a field declared before its label, a later row declared first
    EXPECT_EQ(order({{1, 1}, {0, 0}, {1, 0}, {0, 1}}), (Order{1, 3, 2, 0}));
    // a button across both columns under them
    EXPECT_EQ(order({{2, 0, 1, 2}, {0, 0}, {0, 1}, {1, 0}, {1, 1}}), (Order{1, 2, 3, 4, 0}));
}

TEST(ReadingOrder, AGroupSpanningRowsIsReadAfterTheColumnOfGroupsBesideIt)
{
    // three buttons on top; three groups stacked on the left and one panel
    // over rows 1 to 4 on the right, declared between them
    const Order read = order({{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1, 4, 2}, {2, 0}, {3, 0}});
    EXPECT_EQ(read, (Order{0, 1, 2, 3, 5, 6, 4}));
}

TEST(ReadingOrder, ATableBesideItsInputsComesAfterThemAndTheButtonUnderThem)
{
    // check boxes and quantities in two columns, a button across them, the
    // table in a third column over all their rows
    const Order read = order({{0, 2, 8, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1}, {6, 0, 1, 2}, {7, 0}, {7, 1}});
    EXPECT_EQ(read, (Order{1, 2, 3, 4, 5, 6, 7, 0}));
}

TEST(ReadingOrder, ControlsSharingACellKeepTheirDeclarationOrder)
{
    // two panels in the same cells (one shown at a time) under a heading
    EXPECT_EQ(order({{1, 0, 2, 2}, {1, 0, 2, 2}, {0, 0}}), (Order{2, 0, 1}));
    EXPECT_EQ(order({{0, 0}, {0, 0}, {0, 0}}), (Order{0, 1, 2}));
    EXPECT_TRUE(order({}).empty());
}

// --- the real program

struct Shown {
    const char* screen;
    const char* menuArray;
    std::int16_t index;
};
constexpr Shown kScreens[] = {{"Form1", "B11", 0}, {"Form2", "B11", 1},  {"Form3", "C11", 0}, {"Form4", "C11", 1},
                              {"Form5", "D11", 0}, {"Form6", "A11", 0},  {"Form7", "E11", 0}, {"Form8", "E11", 1},
                              {"Form9", "E11", 2}, {"Form10", "E11", 3}, {"Form11", "E11", 4}};

// The real program in its window, active, with the helpers of these tests.
struct Harness {
    std::unique_ptr<ui::Program> program;

    void start()
    {
        program = ui::makeProgram();
        ASSERT_EQ(program->startResult.outcome, Outcome::Done);
        program->window->show();
        program->window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(program->window.get()));
    }
    Screen& screen(std::string_view name) { return program->app.screen(name); }
    Control& control(std::string_view screenName, std::string_view name, std::optional<std::int16_t> index = {})
    {
        Control* c = screen(screenName).find(name, index);
        EXPECT_NE(c, nullptr) << name;
        return *c;
    }
    ui::ScreenView* show(const Shown& s)
    {
        program->window->actionFor(control("MDIForm1", s.menuArray, s.index))->trigger();
        QApplication::processEvents();
        return program->window->viewOf(screen(s.screen));
    }
    // The control whose widget holds `w` (a combo box's edit field is the combo box's).
    static const Control* controlOf(const ui::ScreenView& view, QWidget* w)
    {
        for (; w; w = w->parentWidget())
            for (const Control* c : view.screen().controls())
                if (view.widgetFor(*c) == w) return c;
        return nullptr;
    }
    static QRect placeOf(const ui::ScreenView& view, const Control& c)
    {
        QWidget* w = view.widgetFor(c);
        return QRect(w->mapTo(&view, QPoint(0, 0)), w->size());
    }
    // The controls of the shown screen that Tab can stop at.
    static std::set<const Control*> tabStops(const ui::ScreenView& view)
    {
        std::set<const Control*> stops;
        for (const Control* c : view.screen().controls()) {
            QWidget* w = view.widgetFor(*c);
            if (w && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !c->isContainer())
                stops.insert(c);
        }
        return stops;
    }
    // Presses Tab from `first` until the focus comes back to it: the screen's
    // controls in the order Tab visits them (other widgets of the window left out).
    static std::vector<const Control*> tabCycle(const ui::ScreenView& view, const Control& first, int limit)
    {
        view.widgetFor(first)->setFocus(Qt::OtherFocusReason);
        std::vector<const Control*> cycle{&first};
        for (int i = 0; i < limit; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const Control* c = controlOf(view, QApplication::focusWidget());
            if (c == &first) return cycle;
            if (c) cycle.push_back(c);
        }
        ADD_FAILURE() << "Tab did not come back to " << first.address() << " in " << limit << " steps";
        return cycle;
    }
};

struct Desktop : ::testing::Test, Harness {
    void SetUp() override { start(); }
};

TEST_F(Desktop, TabVisitsEveryFieldAndButtonOfEachScreenInReadingOrder)
{
    for (const Shown& s : kScreens) {
        ui::ScreenView* view = show(s);
        ASSERT_NE(view, nullptr) << s.screen;
        const std::set<const Control*> stops = tabStops(*view);
        if (stops.empty()) continue;
        const std::vector<const Control*> cycle =
            tabCycle(*view, **stops.begin(), 3 * static_cast<int>(stops.size()) + 20);
        // every stop once
        EXPECT_EQ(std::set<const Control*>(cycle.begin(), cycle.end()), stops) << s.screen;
        EXPECT_EQ(cycle.size(), stops.size()) << s.screen;
        // each step goes right or down; only the step from the last control
        // back to the first goes up and left
        std::string backwards;
        for (std::size_t i = 0; i < cycle.size(); ++i) {
            const Control& a = *cycle[i];
            const Control& b = *cycle[(i + 1) % cycle.size()];
            const QPoint p = placeOf(*view, a).topLeft();
            const QPoint q = placeOf(*view, b).topLeft();
            if (q.x() <= p.x() && q.y() <= p.y()) backwards += " " + a.address() + "->" + b.address();
        }
        std::string visited;
        for (const Control* c : cycle) visited += " " + c->address();
        EXPECT_EQ(std::count(backwards.begin(), backwards.end(), '>'), 1)
            << s.screen << " goes back:" << backwards << "\nTab visits:" << visited;
        // every button that is shown and enabled is among the stops
        for (const Control* c : view->screen().controls())
            if (c->kind() == Kind::CommandButton && c->shown() && c->effectivelyEnabled()) {
                EXPECT_TRUE(stops.count(c)) << s.screen << "." << c->address();
            }
    }
}

TEST_F(Desktop, ACalculationRunsFromTheKeyboardAlone)
{
    ui::ScreenView* view = show(kScreens[0]);
    auto* users = qobject_cast<QLineEdit*>(view->widgetFor(control("Form1", "Text13", 0)));
    ASSERT_NE(users, nullptr);
    users->setFocus(Qt::TabFocusReason);
    QTest::keyClick(users, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(users, "100");
    EXPECT_EQ(control("Form1", "Text13", 0).text(), "100");
    const Control& calculate = control("Form1", "Command3");
    for (int i = 0; i < 20 && controlOf(*view, QApplication::focusWidget()) != &calculate; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(controlOf(*view, QApplication::focusWidget()), &calculate) << "Tab does not reach 计 算";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(control("Form1", "Text14", 2).text(), "66.1");
    EXPECT_EQ(control("Form1", "Text14", 3).text(), "5999");
    // Space presses it as well; a second run gives the same
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(program->app.lastResult().outcome, Outcome::Done);
    EXPECT_EQ(control("Form1", "Text14", 2).text(), "66.1");
}

TEST_F(Desktop, EveryReadOnlyResultCanBeSelectedAndCopiedWithCtrlC)
{
    int copied = 0;
    for (const Shown& s : kScreens) {
        ui::ScreenView* view = show(s);
        for (Control* c : view->screen().controls()) {
            if (c->kind() != Kind::TextBox || !c->readOnly() || !c->shown()) continue;
            auto* edit = qobject_cast<QLineEdit*>(view->widgetFor(*c));
            ASSERT_NE(edit, nullptr) << s.screen << "." << c->address();
            EXPECT_TRUE(edit->isEnabled()) << s.screen << "." << c->address();
            EXPECT_TRUE(edit->focusPolicy() & Qt::ClickFocus) << s.screen << "." << c->address();
            // a result as a calculation writes it
            const std::string result = std::to_string(1000 + copied) + ".25";
            program->app.start([&] { c->setText(result); });
            QApplication::clipboard()->clear();
            edit->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QApplication::clipboard()->text().toStdString(), result) << s.screen << "." << c->address();
            EXPECT_EQ(c->text(), result) << "copying changed " << c->address();
            ++copied;
        }
    }
    EXPECT_GT(copied, 100); // the result fields and table cells of the five calculation screens
}

// Restores the application palette when a test changed it.
struct PaletteGuard {
    QPalette before = QApplication::palette();
    ~PaletteGuard() { QApplication::setPalette(before); }
};

// The colour the text of `c` is painted in, and the colour it is read against.
std::pair<QColor, QColor> textAndBackground(const ui::ScreenView& view, const Control& c)
{
    QWidget* w = view.widgetFor(c);
    const QPalette& p = w->palette();
    switch (c.kind()) {
    case Kind::TextBox:
    case Kind::ComboBox: return {p.color(QPalette::Text), p.color(QPalette::Base)};
    case Kind::CommandButton: return {p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    default: break;
    }
    // labels, frames, options and check boxes: on their own colour when they
    // fill it, else on that of the nearest container that does
    for (QWidget* v = w; v && v != &view; v = v->parentWidget())
        if (v->autoFillBackground()) return {p.color(QPalette::WindowText), v->palette().color(QPalette::Window)};
    return {p.color(QPalette::WindowText), view.palette().color(QPalette::Window)};
}

bool light(const QColor& c) { return ui::textOn(c) == QColor(Qt::black); }

// Every shown, enabled text of the shown screen reads: 4.5:1 against what it
// is painted on, 3:1 for a text colour the screen gives (red warnings, as
// designed on the light window); fields, buttons and labels of a colour of
// their own show that colour; the box of an option button or check box is as
// light or dark as the panel it sits on, and its mark reads in it.
void expectScreenLegibleAndColoured(const ui::ScreenView& view, const std::string& when)
{
    const std::string& name = view.screen().name();
    for (const Control* c : view.screen().controls()) {
        if (!c->shown() || !c->effectivelyEnabled() || c->kind() == Kind::PictureBox || c->kind() == Kind::Document)
            continue;
        if (c->kind() == Kind::Label && c->text().find_first_not_of(' ') == std::string::npos) continue;
        const auto [text, back] = textAndBackground(view, *c);
        EXPECT_GE(ui::contrastRatio(text, back), colors::isSystem(c->foreColor()) ? 4.5 : 3.0)
            << when << ": " << name << "." << c->address() << " " << text.name().toStdString() << " on "
            << back.name().toStdString();
        // fields and buttons keep the colours the screen gives them
        const bool own = !colors::isSystem(c->backColor());
        if (own && (c->kind() == Kind::TextBox || c->kind() == Kind::ComboBox || c->kind() == Kind::CommandButton ||
                    c->kind() == Kind::Label)) {
            EXPECT_EQ(back, ui::toQColor(c->backColor())) << when << ": " << name << "." << c->address();
        }
        if (c->kind() == Kind::OptionButton || c->kind() == Kind::CheckBox) {
            const QPalette& p = view.widgetFor(*c)->palette();
            const QColor box = p.color(QPalette::Base);
            EXPECT_EQ(light(box), light(back)) << when << ": " << name << "." << c->address() << " box "
                                               << box.name().toStdString() << " on " << back.name().toStdString();
            EXPECT_GE(ui::contrastRatio(p.color(QPalette::Text), box), 4.5)
                << when << ": " << name << "." << c->address() << " mark in its box";
        }
    }
}

// Every screen as it opens, and the design screen's residential panel.
void expectEverythingLegibleAndColoured(Harness& t, const char* when)
{
    for (const Shown& s : kScreens) expectScreenLegibleAndColoured(*t.show(s), when);
    ui::ScreenView* design = t.show(kScreens[0]);
    t.program->app.click(t.control("Form1", "Command2"));
    QApplication::processEvents();
    ASSERT_TRUE(t.control("Form1", "Check1", 0).shown());
    expectScreenLegibleAndColoured(*design, std::string(when) + ", residential panel");
    t.program->app.click(t.control("Form1", "Command1"));
    QApplication::processEvents();
}

// The colour at the centre of the box of an option button or check box, as
// the style paints it (#rrggbb).
std::string indicatorCentre(QWidget* w)
{
    QStyleOptionButton option;
    option.initFrom(w);
    const bool radio = qobject_cast<QRadioButton*>(w) != nullptr;
    const QRect box =
        w->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, w);
    const QImage image = w->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QPoint centre(static_cast<int>(box.center().x() * ratio), static_cast<int>(box.center().y() * ratio));
    return image.pixelColor(centre).name().toStdString();
}

TEST_F(Desktop, UnderADarkPaletteFieldsKeepTheirColoursAndEveryTextIsLegible)
{
    PaletteGuard guard;
    // the program started under the light palette; the desktop turns dark
    expectEverythingLegibleAndColoured(*this, "light");
    QApplication::setPalette(ui::darkPalette());
    QApplication::processEvents();
    expectEverythingLegibleAndColoured(*this, "turned dark");

    // a field without a colour of its own follows the system
    ui::ScreenView* view = show(kScreens[0]);
    auto* plain = view->widgetFor(control("Form1", "Text3"));
    EXPECT_EQ(plain->palette().color(QPalette::Base), ui::darkPalette().color(QPalette::Base));
    // a red warning stays red where it sits on the dark window
    Control& warning = control("Form2", "Label6");
    show(kScreens[1]);
    const QColor red =
        program->window->viewOf(screen("Form2"))->widgetFor(warning)->palette().color(QPalette::WindowText);
    EXPECT_GE(ui::contrastRatio(red, ui::darkPalette().color(QPalette::Window)), 4.5);
    EXPECT_EQ(red.hslHue(), 0);
    EXPECT_GT(red.redF(), red.greenF() + 0.3);
    // on the white panels an unselected option and an unticked box are drawn
    // white, as under the light palette, not as black discs and squares
    show(kScreens[0]);
    const std::string white = "#ffffff";
    EXPECT_EQ(indicatorCentre(view->widgetFor(control("Form1", "Option1", 1))), white);
    EXPECT_EQ(indicatorCentre(view->widgetFor(control("Form1", "Option3", 0))), white);
    program->app.click(control("Form1", "Command2"));
    QApplication::processEvents();
    EXPECT_EQ(indicatorCentre(view->widgetFor(control("Form1", "Option4", 1))), white);
    EXPECT_EQ(indicatorCentre(view->widgetFor(control("Form1", "Check1", 1))), white);
    program->app.click(control("Form1", "Command1"));
    QApplication::processEvents();

    QApplication::setPalette(guard.before);
    QApplication::processEvents();
    EXPECT_EQ(plain->palette().color(QPalette::Base), guard.before.color(QPalette::Base));
    EXPECT_EQ(program->window->viewOf(screen("Form2"))->widgetFor(warning)->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
}

TEST(DarkPalette, AProgramStartedUnderItShowsEveryScreenLegibly)
{
    PaletteGuard guard;
    QApplication::setPalette(ui::darkPalette());
    Harness t;
    t.start();
    expectEverythingLegibleAndColoured(t, "dark from the start");
}

TEST(Legibility, ColoursAreKeptOnLightBackgroundsAndLightenedOnDarkOnes)
{
    const QColor red(255, 0, 0);
    const QColor white(Qt::white);
    const QColor window(53, 53, 53);
    EXPECT_EQ(ui::textOn(QColor(255, 255, 0)), QColor(Qt::black)); // yellow field
    EXPECT_EQ(ui::textOn(QColor(255, 0, 255)), QColor(Qt::black)); // magenta key result
    EXPECT_EQ(ui::textOn(QColor(35, 35, 35)), white);
    EXPECT_DOUBLE_EQ(ui::contrastRatio(QColor(Qt::black), white), 21.0);
    EXPECT_EQ(ui::legibleOn(red, white), red);
    EXPECT_EQ(ui::legibleOn(red, QColor(239, 239, 239)), red); // as designed on the light window
    const QColor lighter = ui::legibleOn(red, window);
    EXPECT_GE(ui::contrastRatio(lighter, window), 4.5);
    EXPECT_EQ(lighter.hslHue(), 0);
    EXPECT_EQ(ui::legibleOn(white, window), white);
}

TEST_F(Desktop, MenusKeepTheirCaptionsAndCarryNoShortcutKeys)
{
    QStringList captions;
    for (const Control* c : screen("MDIForm1").controls())
        if (c->kind() == Kind::Menu || c->kind() == Kind::MenuItem) captions << QString::fromStdString(c->caption());
    QStringList shown;
    for (QAction* menu : program->window->menuBar()->actions()) {
        ASSERT_NE(menu->menu(), nullptr);
        std::vector<QAction*> all{menu};
        for (QAction* item : menu->menu()->actions()) all.push_back(item);
        for (QAction* a : all) {
            shown << a->text();
            EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
            EXPECT_TRUE(QKeySequence::mnemonic(a->text()).isEmpty()) << a->text().toStdString();
            EXPECT_FALSE(a->isSeparator());
        }
    }
    captions.sort();
    shown.sort();
    EXPECT_EQ(shown, captions);
    EXPECT_EQ(shown.size(), 17); // 5 menus, 12 items
}

} // namespace

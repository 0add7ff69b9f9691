#pragma once
// Qt start-up shared by the program, its tests, benchmarks and tools: the
// application style and CJK font, the model with every screen, and the main
// window, sized to fit a 1366 x 768 display.

#include "model/app.h"
#include "shell/qt/main_window.h"

#include <QSize>

#include <memory>

class QApplication;
class QPalette;

namespace ui {

// Style and fonts of the application; call once after QApplication exists
// (the settings are the class's own, the argument says that it does).
void setUpApplication(QApplication& qa);

// A dark palette for the Fusion style, as a desktop's dark theme gives it:
// the program takes whatever palette the system has; the tests and the
// screenshot tool use this one to see the screens under a dark theme.
QPalette darkPalette();

struct Program {
    model::App app;
    std::unique_ptr<MainWindow> window;
    model::ActionResult startResult;
};

// Builds the model and the main window and runs the program's start (the main
// window loads every screen, Form1 is shown). The window is not shown yet.
std::unique_ptr<Program> makeProgram();

// Whether the main window, 1366 x 740 inside its frame, would not fit a
// screen whose free area (without panels) is `available`: then it starts
// maximized, so that nothing of it lies beyond the screen's edge.
bool startsMaximized(QSize available);

// Shows the main window as the program starts: at its own size where that fits
// the screen with the window frame, maximized where it does not.
void showMainWindow(MainWindow& window);

// How long after the window is shown the program begins to prepare the views
// of the other screens: the start-up screen is painted long before, and no
// user reaches a menu item sooner.
constexpr int kPrepareViewsAfterMs = 250;

} // namespace ui

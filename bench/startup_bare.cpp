// The floor for start-up: a bare main window with a menu bar and an empty
// workspace, with the program's Qt set-up (style, fonts, icon), sized and
// shown as the program's main window is, then events until the workspace is
// painted, and the end.
#include "bench/first_paint.h"
#include "shell/qt/application.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication qa(argc, argv);
    ui::setUpApplication(qa);
    QMainWindow w;
    w.menuBar()->addMenu("菜单");
    auto* mdi = new QMdiArea;
    w.setCentralWidget(mdi);
    QSize size(1366, 740); // as ui::makeProgram sizes the main window
    QScreen* s = QGuiApplication::primaryScreen();
    if (s != nullptr) size = size.boundedTo(s->availableGeometry().size());
    w.resize(size);
    bench::PaintLog paint;
    // as ui::showMainWindow shows it
    if (s != nullptr && ui::startsMaximized(s->availableGeometry().size())) w.showMaximized();
    else w.show();
    if (!paint.waitFor(mdi)) {
        std::fprintf(stderr, "startup_bare: the workspace was not painted\n");
        return 1;
    }
    return 0;
}

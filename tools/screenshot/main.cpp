// screenshot [--full] [--dark] [--prepared] SCRIPT OUT.png: starts the real main window
// at 1366 x 768 (on the display it is given, such as a virtual one under
// xvfb-run; offscreen where there is none), performs the script's actions (type, pick, click)
// through the user-action path, and saves a picture of the main window (with
// --full, of the whole shown screen, beyond what the window can show without
// scrolling; with --dark, under a dark system palette; with --prepared, after
// the views the program prepares while it waits for the user). QT_SCALE_FACTOR=2
// in the environment gives the picture of a HiDPI display.
// A developer's tool for the documentation; the program itself has no
// command line.
#include "shell/qt/application.h"
#include "shell/qt/screen_view.h"
#include "tools/formscript/script.h"

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qa(argc, argv);
    ui::setUpApplication(qa);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    const bool full = args.removeAll("--full") > 0;
    if (args.removeAll("--dark") > 0) QApplication::setPalette(ui::darkPalette());
    const bool prepared = args.removeAll("--prepared") > 0;
    if (args.size() != 2) {
        std::cerr << "usage: screenshot [--full] [--dark] [--prepared] SCRIPT OUT.png\n";
        return 2;
    }
    std::ifstream in(args[0].toStdString());
    if (!in) {
        std::cerr << args[0].toStdString() << ": cannot read the file\n";
        return 2;
    }
    auto program = ui::makeProgram();
    program->window->resize(1366, 768);
    program->window->show();
    QApplication::processEvents();
    if (prepared) {
        program->window->prepareViewsWhenIdle(0);
        while (!program->window->viewsPrepared()) QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        try {
            formscript::perform(program->app, formscript::parseLine(line));
        } catch (const std::exception& e) {
            std::cerr << args[0].toStdString() << ":" << n << ": error: " << e.what() << "\n";
            return 1;
        }
        QApplication::processEvents();
    }
    // combo boxes fit themselves to their items on a timer of their own and are
    // placed again by their layout a pass later: the picture after both
    QEventLoop settle;
    QTimer::singleShot(100, &settle, &QEventLoop::quit);
    settle.exec();
    QApplication::processEvents();
    QPixmap shot = program->window->grab();
    if (full) {
        for (const auto& name : program->app.screenNames()) {
            const model::Screen* s = program->app.existing(name);
            if (s && s->visible() && name != "MDIForm1")
                if (auto* v = program->window->viewOf(*s)) {
                    v->adjustSize();
                    shot = v->grab();
                }
        }
    }
    if (!shot.save(args[1])) {
        std::cerr << "cannot write " << args[1].toStdString() << "\n";
        return 1;
    }
    return 0;
}

// Start-up of the real program: main() of the application step by step (the
// application's set-up, the model with every screen loaded and the main
// window, shown as the program shows it), then events until the start-up
// screen Form1 is painted, and the end. With --prepared it goes on until the
// views the program prepares while it waits for the user are made (what the
// program holds from then on: its memory is measured so).
#include "bench/first_paint.h"
#include "shell/qt/application.h"
#include "shell/qt/screen_view.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QApplication qa(argc, argv);
    ui::setUpApplication(qa);
    auto program = ui::makeProgram();
    if (!program->startResult.ok()) {
        std::fprintf(stderr, "startup_full: the program's start failed\n");
        return 1;
    }
    QWidget* form1 = bench::childWindowOf(program->window->viewOf(program->app.screen("Form1")));
    if (form1 == nullptr) {
        std::fprintf(stderr, "startup_full: the start-up screen has no window\n");
        return 1;
    }
    bench::PaintLog paint;
    ui::showMainWindow(*program->window);
    if (!paint.waitFor(form1)) {
        std::fprintf(stderr, "startup_full: the start-up screen was not painted\n");
        return 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "--prepared") == 0 && !bench::prepareViews(*program->window)) {
        std::fprintf(stderr, "startup_full: the views were not prepared\n");
        return 1;
    }
    return 0;
}

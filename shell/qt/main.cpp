// 太阳能系统计算: the desktop program.
#include "shell/qt/application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qa(argc, argv);
    ui::setUpApplication(qa);
    auto program = ui::makeProgram();
    ui::showMainWindow(*program->window);
    // the other screens made ready while the user reads the first one
    program->window->prepareViewsWhenIdle(ui::kPrepareViewsAfterMs);
    return QApplication::exec();
}

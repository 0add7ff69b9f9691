// 太阳能系统计算: the desktop program.
#include "shell/qt/application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qa(argc, argv);
    ui::setUpApplication(qa);
    auto program = ui::makeProgram();
    ui::showMainWindow(*program->window);
    return QApplication::exec();
}

#include "shell/qt/application.h"

#include "shell/mdiform1.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QStyleFactory>

namespace ui {

void setUpApplication(QApplication& qa)
{
    qa.setStyle(QStyleFactory::create("Fusion"));
    QFont f = qa.font();
    // Latin letters, digits and signs such as ℃ from DejaVu Sans (WenQuanYi Micro
    // Hei claims ℃ but draws nothing), Chinese from the first CJK font found
    f.setFamilies({"DejaVu Sans", "Noto Sans CJK SC", "WenQuanYi Micro Hei", "Source Han Sans SC",
                   "WenQuanYi Zen Hei", "Droid Sans Fallback", "sans-serif"});
    f.setPointSize(10);
    qa.setFont(f);
    qa.setApplicationName("solar-calc");
    // no application display name: the window system would append it to the
    // title, which already reads "太阳能系统计算 - [screen caption]"
    qa.setDesktopFileName("solar-calc");
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) icon.addFile(QString(":/icons/solar-calc-%1.png").arg(size));
    qa.setWindowIcon(icon);
}

std::unique_ptr<Program> makeProgram()
{
    auto p = std::make_unique<Program>();
    shell::registerScreens(p->app);
    p->window = std::make_unique<MainWindow>(p->app);
    p->startResult = shell::startProgram(p->app);
    QSize size(1366, 740);
    if (QScreen* s = QGuiApplication::primaryScreen()) size = size.boundedTo(s->availableGeometry().size());
    p->window->resize(size);
    return p;
}

} // namespace ui

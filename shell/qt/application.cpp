#include "shell/qt/application.h"

#include "shell/mdiform1.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QScreen>
#include <QStyleFactory>

namespace ui {

void setUpApplication(QApplication& /*qa*/)
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QFont f = QApplication::font();
    // Latin letters, digits and signs such as ℃ from DejaVu Sans (WenQuanYi Micro
    // Hei claims ℃ but draws nothing), Chinese from the first CJK font found
    f.setFamilies({"DejaVu Sans", "Noto Sans CJK SC", "WenQuanYi Micro Hei", "Source Han Sans SC", "WenQuanYi Zen Hei",
                   "Droid Sans Fallback", "sans-serif"});
    f.setPointSize(10);
    QApplication::setFont(f);
    QApplication::setApplicationName("solar-calc");
    // no application display name: the window system would append it to the
    // title, which already reads "太阳能系统计算 - [screen caption]"
    QApplication::setDesktopFileName("io.github.solarcalc.SolarCalc");
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) icon.addFile(QString(":/icons/solar-calc-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
}

namespace {
// The main window's own size, and room for a window manager's frame around it
// (title bar and borders), which is not known before the window is shown.
constexpr QSize kWindowSize(1366, 740);
constexpr QSize kFrameRoom(16, 48);
} // namespace

bool startsMaximized(QSize available)
{
    return available.width() < kWindowSize.width() + kFrameRoom.width() ||
           available.height() < kWindowSize.height() + kFrameRoom.height();
}

void showMainWindow(MainWindow& window)
{
    QScreen* s = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (s != nullptr && startsMaximized(s->availableGeometry().size())) window.showMaximized();
    else window.show();
}

QPalette darkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    const QColor text(230, 230, 230);
    const QColor disabled(127, 127, 127);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(QPalette::Mid, QColor(40, 40, 40));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Shadow, QColor(20, 20, 20));
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

std::unique_ptr<Program> makeProgram()
{
    auto p = std::make_unique<Program>();
    shell::registerScreens(p->app);
    p->window = std::make_unique<MainWindow>(p->app);
    p->startResult = shell::startProgram(p->app);
    QSize size = kWindowSize;
    if (QScreen* s = QGuiApplication::primaryScreen()) size = size.boundedTo(s->availableGeometry().size());
    p->window->resize(size);
    return p;
}

} // namespace ui

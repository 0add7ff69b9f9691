// The floor for start-up: a bare main window with a menu bar and an empty
// workspace, with the same Qt set-up as the program.
#include "shell/qt/application.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QTimer>

namespace {
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* /*watched*/, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !done) {
            done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
    bool done = false;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication qa(argc, argv);
    ui::setUpApplication(qa);
    QMainWindow w;
    w.menuBar()->addMenu("菜单");
    w.setCentralWidget(new QMdiArea);
    w.resize(1366, 740);
    FirstPaint paint;
    w.installEventFilter(&paint);
    w.show();
    return QApplication::exec();
}

// Start-up of the real program: builds the main window with every screen
// exactly as the application does, shows it, processes events until the
// first paint of the start-up screen, and exits.
#include "shell/qt/application.h"

#include <QApplication>
#include <QEvent>
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
    auto program = ui::makeProgram();
    FirstPaint paint;
    program->window->installEventFilter(&paint);
    program->window->show();
    return QApplication::exec();
}

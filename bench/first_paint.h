#pragma once
// Waiting for a part of the window to be painted, shared by the start-up and
// screen-switch benchmarks. An event filter on the application notes every
// Paint event from its construction on. Qt paints a window's widgets in one
// pass, and skips a widget that opaque children cover entirely, so a part
// counts as painted as soon as it or any widget inside it is; the event loop
// returns only after the whole pass. Also: the program's preparation of its
// views, run to its end.

#include "shell/qt/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace bench {

class PaintLog : public QObject {
public:
    PaintLog() { qApp->installEventFilter(this); }
    ~PaintLog() override { qApp->removeEventFilter(this); }
    PaintLog(const PaintLog&) = delete;
    PaintLog& operator=(const PaintLog&) = delete;

    // Processes events until `part` or a widget inside it was painted since
    // the log began; false after `ms` milliseconds without.
    bool waitFor(const QWidget* part, int ms = 10000)
    {
        awaited_ = part;
        for (const QPointer<QWidget>& w : before_)
            if (w && inside(w)) return true;
        QEventLoop loop;
        loop_ = &loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        if (!found_) loop.exec();
        loop_ = nullptr;
        return found_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(watched);
        if (awaited_ == nullptr) {
            before_.emplace_back(w);
        } else if (!found_ && inside(w)) {
            found_ = true;
            if (loop_ != nullptr) loop_->quit();
        }
        return false;
    }

private:
    bool inside(const QWidget* w) const { return w == awaited_ || awaited_->isAncestorOf(w); }

    std::vector<QPointer<QWidget>> before_; // painted before the wait began
    const QWidget* awaited_ = nullptr;
    QEventLoop* loop_ = nullptr;
    bool found_ = false;
};

// The workspace's child window holding `w` (nullptr for none).
inline QWidget* childWindowOf(QWidget* w)
{
    while (w != nullptr && qobject_cast<QMdiSubWindow*>(w) == nullptr) w = w->parentWidget();
    return w;
}

// The main window's preparation of the views of the screens not shown, begun
// now and run to its end; false after `ms` milliseconds without.
inline bool prepareViews(ui::MainWindow& window, int ms = 30000)
{
    window.prepareViewsWhenIdle(0);
    QElapsedTimer waited;
    waited.start();
    while (!window.viewsPrepared()) {
        if (waited.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QApplication::processEvents(); // the last step's own timers
    return true;
}

} // namespace bench

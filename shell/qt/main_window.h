#pragma once
// The main window: menu bar built from the main window's menu controls, a
// workspace holding each screen in its own child window with a scroll area,
// and a status bar where a failed calculation appears in red.

#include "model/app.h"

#include <QMainWindow>

#include <unordered_map>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QAction;
class QMenu;

namespace ui {

class ReportActions;
class ScreenView;

class MainWindow : public QMainWindow, public model::Observer {
    Q_OBJECT
public:
    explicit MainWindow(model::App& app);
    ~MainWindow() override;

    // The view of a screen, built when the screen is first shown (nullptr before).
    ScreenView* viewOf(const model::Screen& s) const;
    QAction* actionFor(const model::Control& menuItem) const;
    QMdiArea* workspace() const { return mdi_; }
    QString statusText() const;
    // The calculation report's toolbar and actions.
    ReportActions* reportActions() const { return report_; }
    // While the program waits for the user, `delayMs` after this call, the
    // views of the screens not shown yet are made, laid out at the size they
    // are shown at and drawn once off screen, one screen an event-loop step:
    // a screen's first showing then only paints it. Nothing the user sees or
    // does changes.
    void prepareViewsWhenIdle(int delayMs);
    // Every screen has its view (prepared or shown).
    bool viewsPrepared() const;

    // model::Observer
    void screenCreated(model::Screen& s) override;
    void screenChanged(model::Screen& s) override;
    void controlChanged(model::Control& c, model::Prop p) override;
    void actionFinished(const model::ActionResult& r) override;
    void programEnded() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void buildMenus(model::Screen& main);
    ScreenView* ensureView(model::Screen& s);
    model::Screen* nextWithoutView() const; // in registration order
    void prepareNextView();
    void updateTitle();

    model::App& app_;
    QMdiArea* mdi_ = nullptr;
    QLabel* status_ = nullptr;
    ReportActions* report_ = nullptr;
    struct Child {
        QMdiSubWindow* window = nullptr;
        ScreenView* view = nullptr;
    };
    std::unordered_map<const model::Screen*, Child> children_;
    std::unordered_map<const model::Control*, QMenu*> menus_;
    std::unordered_map<const model::Control*, QAction*> actions_;
};

} // namespace ui

#include "shell/qt/main_window.h"

#include "shell/qt/report_actions.h"
#include "shell/qt/screen_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

namespace ui {

using model::Control;
using model::Kind;

namespace {
QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
} // namespace

MainWindow::MainWindow(model::App& app) : app_(app)
{
    mdi_ = new QMdiArea(this);
    mdi_->setBackground(QApplication::palette().brush(QPalette::Dark)); // the application workspace
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(mdi_);
    status_ = new QLabel(this);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(status_, 1);
    report_ = new ReportActions(app_, *this);
    app_.setObserver(this);
    // the main window may already exist (created before this window)
    if (model::Screen* main = app_.existing("MDIForm1")) buildMenus(*main);
}

MainWindow::~MainWindow()
{
    if (app_.observer() == this) app_.setObserver(nullptr);
}

ScreenView* MainWindow::viewOf(const model::Screen& s) const
{
    auto it = children_.find(&s);
    return it == children_.end() ? nullptr : it->second.view;
}

QAction* MainWindow::actionFor(const Control& item) const
{
    auto it = actions_.find(&item);
    return it == actions_.end() ? nullptr : it->second;
}

QString MainWindow::statusText() const { return status_->text(); }

void MainWindow::buildMenus(model::Screen& main)
{
    if (!menus_.empty()) return;
    for (Control* c : main.controls()) {
        if (c->kind() == Kind::Menu) {
            QMenu* m = menuBar()->addMenu(qs(c->text()));
            m->menuAction()->setVisible(c->visible());
            menus_[c] = m;
        } else if (c->kind() == Kind::MenuItem && c->container()) {
            QMenu* m = menus_.at(c->container());
            QAction* a = m->addAction(qs(c->text()));
            a->setVisible(c->visible());
            a->setEnabled(c->enabled());
            connect(a, &QAction::triggered, this, [this, c] { app_.click(*c); });
            actions_[c] = a;
        }
    }
}

void MainWindow::screenCreated(model::Screen& s)
{
    if (s.name() == "MDIForm1") buildMenus(s);
}

ScreenView* MainWindow::ensureView(model::Screen& s)
{
    Child& child = children_[&s];
    if (child.view) return child.view;
    child.view = new ScreenView(app_, s);
    auto* scroll = new QScrollArea;
    scroll->setWidget(child.view);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    child.window = mdi_->addSubWindow(scroll, Qt::FramelessWindowHint);
    child.window->setWindowTitle(qs(s.caption()));
    child.window->setAttribute(Qt::WA_DeleteOnClose, false);
    return child.view;
}

void MainWindow::prepareViewsWhenIdle(int delayMs)
{
    QTimer::singleShot(delayMs, this, [this] { prepareNextView(); });
}

model::Screen* MainWindow::nextWithoutView() const
{
    for (const std::string& name : app_.screenNames()) {
        model::Screen* s = app_.existing(name);
        if (s != nullptr && name != "MDIForm1" && viewOf(*s) == nullptr) return s;
    }
    return nullptr;
}

bool MainWindow::viewsPrepared() const { return nextWithoutView() == nullptr; }

void MainWindow::prepareNextView()
{
    model::Screen* s = app_.ended() ? nullptr : nextWithoutView();
    if (s == nullptr) return;
    ensureView(*s);
    QMdiSubWindow* w = children_[s].window;
    w->hide(); // stays hidden when the main window is shown again
    // Drawing it off screen at the size of the workspace, where it is shown
    // maximized, polishes it, lays it and a document out and puts the glyphs
    // of its texts in the glyph cache.
    w->setGeometry(mdi_->viewport()->rect());
    // in strips, not in one image of the whole window: memory of a strip only
    constexpr int kStrip = 128;
    QImage scratch(w->width(), kStrip, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < w->height(); y += kStrip) w->render(&scratch, QPoint(), QRegion(0, y, w->width(), kStrip));
    // the next screen in a step of its own: the user's input comes between
    QTimer::singleShot(0, this, [this] { prepareNextView(); });
}

void MainWindow::screenChanged(model::Screen& s)
{
    if (s.name() == "MDIForm1") {
        updateTitle();
        return;
    }
    auto it = children_.find(&s);
    if (s.visible()) {
        ensureView(s);
        Child& child = children_[&s];
        child.window->setWindowTitle(qs(s.caption()));
        child.window->showMaximized();
        mdi_->setActiveSubWindow(child.window);
        child.view->applyFocus();
    } else if (it != children_.end() && it->second.window != nullptr) {
        it->second.window->setWindowTitle(qs(s.caption()));
        it->second.window->hide();
    }
    updateTitle();
    report_->update();
}

void MainWindow::updateTitle()
{
    QString title;
    if (model::Screen* main = app_.existing("MDIForm1")) title = qs(main->caption());
    for (auto& [screen, child] : children_)
        if (screen->visible()) title += " - [" + qs(screen->caption()) + "]";
    setWindowTitle(title);
}

void MainWindow::controlChanged(Control& c, model::Prop p)
{
    if (c.kind() == Kind::Menu || c.kind() == Kind::MenuItem) {
        if (auto m = menus_.find(&c); m != menus_.end()) {
            m->second->setTitle(qs(c.text()));
            m->second->menuAction()->setVisible(c.visible());
        }
        if (auto a = actions_.find(&c); a != actions_.end()) {
            a->second->setText(qs(c.text()));
            a->second->setVisible(c.visible());
            a->second->setEnabled(c.enabled());
        }
        return;
    }
    if (ScreenView* v = viewOf(c.screen())) v->controlChanged(c, p);
}

void MainWindow::actionFinished(const model::ActionResult& r)
{
    for (auto& [screen, child] : children_)
        if (child.view) child.view->settleLayouts();
    if (r.outcome == model::Outcome::Failed && r.failure) {
        // red, and still legible on a dark system palette
        const QColor red = legibleOn(QColor(0xd0, 0, 0), status_->palette().color(QPalette::Window));
        status_->setStyleSheet(QString("color: %1; font-weight: bold;").arg(red.name()));
        status_->setText(qs(r.failure->message()));
    } else if (r.outcome == model::Outcome::Done) {
        status_->setStyleSheet({});
        status_->clear();
    }
}

void MainWindow::programEnded()
{
    // leave the handler that ended the program first, then close
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void MainWindow::changeEvent(QEvent* e)
{
    // the workspace keeps the system's colour when the system palette changes
    if (e->type() == QEvent::PaletteChange && mdi_) mdi_->setBackground(palette().brush(QPalette::Dark));
    QMainWindow::changeEvent(e);
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    // closing the main window ends the program; nothing is kept
    e->accept();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

} // namespace ui

#pragma once
// The one generic renderer: turns any model screen into widgets and binds
// them both ways. User edits become model user actions; model property
// changes update the widgets. It knows no screen by name.

#include "model/app.h"
#include "model/control.h"
#include "model/screen.h"

#include <QWidget>

#include <unordered_map>
#include <unordered_set>
#include <vector>

class QGridLayout;

namespace ui {

class ScreenView : public QWidget {
    Q_OBJECT
public:
    ScreenView(model::App& app, model::Screen& screen, QWidget* parent = nullptr);

    model::Screen& screen() const { return screen_; }
    // The widget that renders a control; nullptr for none, and until it is
    // first shown for a hidden text box and the controls of a hidden
    // container (made on their first showing).
    QWidget* widgetFor(const model::Control& c) const;
    // A model property changed: bring its widget up to date.
    void controlChanged(model::Control& c, model::Prop p);
    // Keyboard focus follows the model's focused control.
    void applyFocus();
    // Where the control stood when the view was made: the grids are packed
    // and the Tab order is read from these cells.
    const model::Cell& designCell(const model::Control& c) const;
    // At the end of a user action: lays out at once the widgets made for
    // containers the action showed for the first time.
    void settleLayouts();

signals:
    // A control got its widget: when the view is made, or the first time it
    // (a hidden text box) or its container is shown.
    void widgetCreated(QWidget* w, const model::Control& c);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    static bool needed(const model::Control& c); // visible and not clipped
    bool built(const model::Control* container) const;
    void build(model::Control* container);
    static bool deferred(const model::Control& c);
    void shownFirst(model::Control& c);
    void applyPendingTabOrder();
    QWidget* ensure(model::Control& c);
    QWidget* create(model::Control& c, QWidget* parent);
    QGridLayout* gridOf(const model::Control* container) const;
    void place(model::Control& c, QWidget* w);
    void packGrid(QGridLayout* grid, const model::Control* container);
    void syncVisible(model::Control& c);
    void syncText(model::Control& c);
    void syncValue(model::Control& c);
    void syncList(model::Control& c);
    void syncColors(model::Control& c);
    // The colour a control's text is read against.
    static QColor backgroundOf(const model::Control& c);
    void changeEvent(QEvent* e) override;

    model::App& app_;
    model::Screen& screen_;
    QGridLayout* rootGrid_ = nullptr;
    std::unordered_map<const model::Control*, QWidget*> widgets_;
    std::unordered_map<const model::Control*, QGridLayout*> grids_;
    std::unordered_map<const model::Control*, std::vector<model::Control*>> children_; // nullptr: the screen's own
    std::unordered_map<const model::Control*, model::Cell> designCells_;
    std::unordered_set<const model::Control*> builtContainers_; // their controls have widgets
    bool tabOrderPending_ = false;
    bool layoutsPending_ = false;
};

// OLE colour (r + 256 g + 65536 b) to a Qt colour; system colours are not
// mapped here (the widget keeps its palette's own colour).
QColor toQColor(std::uint32_t ole);

// Contrast of two colours as the WCAG measure it, 1 (none) to 21.
double contrastRatio(const QColor& a, const QColor& b);
// Black or white, whichever reads better on `back`.
QColor textOn(const QColor& back);
// `fore` as it is, or on a dark background lightened (keeping its hue) until
// it reads at 4.5:1.
QColor legibleOn(const QColor& fore, const QColor& back);

} // namespace ui

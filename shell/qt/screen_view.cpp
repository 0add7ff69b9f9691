#include "shell/qt/screen_view.h"

#include "shell/qt/tab_order.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {

using model::Control;
using model::Kind;
using model::Prop;

namespace {

constexpr int kTwipsPerPixel = 15;

// More than containers are nested on any screen, with the view and its window.
constexpr int kLayoutRounds = 12;

// A command button that Enter and Return press too, as Space does: a user
// who tabbed to "计 算" presses it with the key at hand.
class CommandButtonWidget : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(e);
    }
};

// The edit field of a combo box. When editing finishes (Return, or the
// field losing focus) with a text that is one of the list's items, Qt's
// combo box makes that item current and reports it as activated, as if it
// had been picked. Only a pick from the list is a Click; typing is a Change.
// The field says while it is finishing, so that activation is not passed on.
class ComboEditField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    bool finishing() const { return finishing_; }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        finishing_ = enter;
        QLineEdit::keyPressEvent(e);
        finishing_ = false;
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        finishing_ = true;
        QLineEdit::focusOutEvent(e);
        finishing_ = false;
    }

private:
    bool finishing_ = false;
};

// A document view that shows only the text it is given: nothing is loaded
// from outside, no link is followed.
class DocumentView : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int /*type*/, const QUrl& /*name*/) override { return {}; }
};

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The palette role a control's BackColor paints.
QPalette::ColorRole backRole(Kind k)
{
    switch (k) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::Document: return QPalette::Base;
    case Kind::CommandButton:
    case Kind::OptionButton:
    case Kind::CheckBox: return QPalette::Button;
    default: return QPalette::Window;
    }
}

QPalette::ColorRole foreRole(Kind k)
{
    switch (k) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::Document: return QPalette::Text;
    case Kind::CommandButton: return QPalette::ButtonText;
    default: return QPalette::WindowText;
    }
}

// The nearest container of `c` that paints a colour of its own, if any.
const Control* paintedContainer(const Control& c)
{
    for (const Control* p = c.container(); p; p = p->container())
        if (!model::colors::isSystem(p->backColor())) return p;
    return nullptr;
}

// The indicator colours of an option button or check box as a light palette
// has them: a white box with a black mark, a grey one when disabled; its text
// black (a text colour of the control's own replaces it).
void setLightIndicator(QPalette& pal)
{
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Disabled, QPalette::Base, QColor(239, 239, 239));
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(190, 190, 190));
}

} // namespace

QColor toQColor(std::uint32_t ole)
{
    return QColor(static_cast<int>(ole & 0xff), static_cast<int>((ole >> 8) & 0xff),
                  static_cast<int>((ole >> 16) & 0xff));
}

double contrastRatio(const QColor& a, const QColor& b)
{
    // relative luminance of sRGB colours, as the WCAG define it
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor textOn(const QColor& back)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, back) >= contrastRatio(white, back) ? black : white;
}

QColor legibleOn(const QColor& fore, const QColor& back)
{
    constexpr double kReadable = 4.5;
    // on light backgrounds the colours stay exactly as designed
    if (textOn(back) == QColor(Qt::black) || contrastRatio(fore, back) >= kReadable) return fore;
    QColor c = fore.toHsl();
    for (int l = c.lightness(); l <= 255; l += 5) {
        c.setHsl(c.hslHue(), c.hslSaturation(), l);
        if (contrastRatio(c, back) >= kReadable) return c.toRgb();
    }
    return QColor(Qt::white);
}

ScreenView::ScreenView(model::App& app, model::Screen& screen, QWidget* parent)
    : QWidget(parent), app_(app), screen_(screen)
{
    rootGrid_ = new QGridLayout(this);
    rootGrid_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    rootGrid_->setContentsMargins(8, 8, 8, 8);
    for (Control* c : screen_.controls()) {
        children_[c->container()].push_back(c);
        designCells_[c] = c->cell();
    }
    build(nullptr);
    applyTabOrder(*this);
    applyFocus();
}

void ScreenView::packGrid(QGridLayout* grid, const Control* container)
{
    // Controls keep their natural sizes, packed to the top left as designed:
    // whatever room is left goes to an empty row and column after the last.
    // A control spanning several rows that is taller than the controls beside
    // it gives its extra height to the rows it spans that hold no control of
    // their own, so the controls beside it keep their natural height. All
    // from the cells the controls had when the view was made.
    int rows = 0;
    int cols = 0;
    const auto it = children_.find(container);
    const std::vector<Control*> none;
    const std::vector<Control*>& kids = it == children_.end() ? none : it->second;
    for (const Control* c : kids) {
        const model::Cell& cell = designCells_.at(c);
        rows = std::max(rows, cell.row + cell.rowSpan);
        cols = std::max(cols, cell.col + cell.colSpan);
    }
    std::vector<bool> own(static_cast<std::size_t>(rows), false);
    std::vector<bool> spanned(own.size(), false);
    for (const Control* c : kids) {
        const model::Cell& cell = designCells_.at(c);
        if (cell.rowSpan == 1) own[static_cast<std::size_t>(cell.row)] = true;
        for (int r = cell.row + 1; r < cell.row + cell.rowSpan; ++r) spanned[static_cast<std::size_t>(r)] = true;
    }
    for (std::size_t r = 0; r < own.size(); ++r)
        if (spanned[r] && !own[r]) grid->setRowStretch(static_cast<int>(r), 1);
    grid->setRowStretch(rows, 1);
    grid->setColumnStretch(cols, 1);
}

QWidget* ScreenView::widgetFor(const Control& c) const
{
    auto it = widgets_.find(&c);
    return it == widgets_.end() ? nullptr : it->second;
}

const model::Cell& ScreenView::designCell(const Control& c) const { return designCells_.at(&c); }

QGridLayout* ScreenView::gridOf(const Control* container) const { return container ? grids_.at(container) : rootGrid_; }

bool ScreenView::needed(const Control& c) { return c.visible() && !c.clipped(); }

bool ScreenView::built(const Control* container) const
{
    return container == nullptr || builtContainers_.contains(container);
}

void ScreenView::build(Control* container)
{
    if (container != nullptr) builtContainers_.insert(container);
    const auto it = children_.find(container);
    if (it != children_.end())
        for (Control* c : it->second)
            if (!deferred(*c)) ensure(*c);
    packGrid(gridOf(container), container);
}

bool ScreenView::deferred(const Control& c)
{
    // a hidden text box, most often a cell of a table row that only a
    // calculation shows, is made when it is first shown
    return c.kind() == Kind::TextBox && !needed(c);
}

QWidget* ScreenView::ensure(Control& c)
{
    if (auto it = widgets_.find(&c); it != widgets_.end()) return it->second;
    QGridLayout* grid = gridOf(c.container());
    QWidget* parent = c.container() ? widgets_.at(c.container()) : this;
    QWidget* w = create(c, parent);
    widgets_[&c] = w;
    if (c.isContainer()) {
        auto* g = new QGridLayout(w);
        g->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        g->setContentsMargins(6, c.kind() == Kind::Frame && !c.borderless() ? 4 : 2, 6, 4);
        g->setHorizontalSpacing(6);
        g->setVerticalSpacing(3);
        grids_[&c] = g;
    }
    const model::Cell& cell = c.cell();
    grid->addWidget(w, cell.row, cell.col, cell.rowSpan, cell.colSpan);
    syncColors(c);
    w->setEnabled(c.enabled());
    // a container's controls are made once it is shown: most screens keep
    // panels, tabs and tables of data hidden that many users never open
    if (c.isContainer() && needed(c)) build(&c);
    syncVisible(c);
    emit widgetCreated(w, c);
    return w;
}

void ScreenView::shownFirst(Control& c)
{
    // A container's controls on its first showing, or a deferred text box's
    // widget; either in the place, stacking and Tab order it would have had.
    if (!needed(c) || !built(c.container())) return;
    Control* f = screen_.focus();
    const bool focusMade = f != nullptr && widgetFor(*f) == nullptr;
    if (QWidget* w = widgetFor(c)) {
        if (!c.isContainer() || built(&c)) return;
        build(&c);
    } else {
        w = ensure(c);
        // beneath the next control of its container, as if made in order
        const std::vector<Control*>& siblings = children_.at(c.container());
        for (auto it = std::find(siblings.begin(), siblings.end(), &c) + 1; it != siblings.end(); ++it)
            if (QWidget* next = widgetFor(**it)) {
                w->stackUnder(next);
                break;
            }
    }
    layoutsPending_ = true;
    if (focusMade && widgetFor(*f) != nullptr) applyFocus();
    if (!tabOrderPending_) {
        tabOrderPending_ = true;
        QTimer::singleShot(0, this, [this] { applyPendingTabOrder(); });
    }
}

void ScreenView::settleLayouts()
{
    // New widgets lay themselves out in rounds, one container level a round;
    // done now, nothing is painted half laid out.
    if (!layoutsPending_) return;
    layoutsPending_ = false;
    for (int round = 0; round < kLayoutRounds; ++round)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void ScreenView::applyPendingTabOrder()
{
    if (!tabOrderPending_) return;
    tabOrderPending_ = false;
    applyTabOrder(*this);
}

bool ScreenView::focusNextPrevChild(bool next)
{
    // Tab pressed before the controls made last took their place in the order
    applyPendingTabOrder();
    return QWidget::focusNextPrevChild(next);
}

QWidget* ScreenView::create(Control& c, QWidget* parent)
{
    switch (c.kind()) {
    case Kind::Label: {
        auto* l = new QLabel(qs(c.text()), parent);
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(c.wordWrap());
        if (c.width() > 0) l->setMinimumWidth(c.width() / kTwipsPerPixel);
        return l;
    }
    case Kind::TextBox: {
        // read-only before the text: a text laid out once, not twice
        auto* e = new QLineEdit(parent);
        e->setReadOnly(c.readOnly());
        e->setText(qs(c.text()));
        e->setCursorPosition(0);
        if (c.width() > 0) e->setFixedWidth(c.width() / kTwipsPerPixel);
        connect(e, &QLineEdit::textEdited, this, [this, &c](const QString& t) { app_.type(c, t.toStdString()); });
        return e;
    }
    case Kind::ComboBox: {
        auto* b = new QComboBox(parent);
        auto* field = new ComboEditField(b);
        b->setLineEdit(field);
        b->setInsertPolicy(QComboBox::NoInsert);
        b->setCompleter(nullptr);
        if (c.width() > 0) {
            b->setFixedWidth(c.width() / kTwipsPerPixel);
        } else {
            // as wide as its longest item or text, at least a short number
            b->setMinimumContentsLength(std::max<int>(6, static_cast<int>(QString::fromStdString(c.text()).size())));
            b->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        }
        widgets_[&c] = b;
        syncList(c);
        connect(b, &QComboBox::activated, this, [this, &c, field](int k) {
            if (field->finishing()) return; // typed, not picked: the model has had its Change
            app_.pick(c, k);
            syncText(c);
        });
        connect(b->lineEdit(), &QLineEdit::textEdited, this,
                [this, &c](const QString& t) { app_.type(c, t.toStdString()); });
        return b;
    }
    case Kind::OptionButton: {
        auto* r = new QRadioButton(qs(c.text()), parent);
        r->setAutoExclusive(false);
        r->setChecked(c.value() != 0);
        connect(r, &QRadioButton::clicked, this, [this, &c] {
            app_.click(c);
            syncValue(c); // a click on the selected button changes nothing
        });
        return r;
    }
    case Kind::CheckBox: {
        auto* k = new QCheckBox(qs(c.text()), parent);
        k->setChecked(c.value() != 0);
        connect(k, &QCheckBox::clicked, this, [this, &c] {
            app_.click(c);
            syncValue(c);
        });
        return k;
    }
    case Kind::CommandButton: {
        auto* p = new CommandButtonWidget(qs(c.text()), parent);
        p->setAutoDefault(false);
        if (c.width() > 0) p->setMinimumWidth(c.width() / kTwipsPerPixel);
        connect(p, &QPushButton::clicked, this, [this, &c] { app_.click(c); });
        return p;
    }
    case Kind::Frame: {
        if (c.borderless()) {
            auto* f = new QFrame(parent);
            f->setFrameShape(QFrame::NoFrame);
            return f;
        }
        return new QGroupBox(qs(c.text()), parent);
    }
    case Kind::PictureBox: {
        auto* f = new QFrame(parent);
        f->setFrameShape(QFrame::NoFrame);
        return f;
    }
    case Kind::Document: {
        auto* d = new DocumentView(parent);
        d->setOpenLinks(false);
        d->setOpenExternalLinks(false);
        d->setReadOnly(true);
        d->setHtml(qs(c.text()));
        if (c.width() > 0) d->setMinimumWidth(c.width() / kTwipsPerPixel);
        if (c.height() > 0) d->setMinimumHeight(c.height() / kTwipsPerPixel);
        return d;
    }
    case Kind::Menu:
    case Kind::MenuItem: break;
    }
    // menus are rendered by the main window's menu bar
    auto* none = new QWidget(parent);
    none->hide();
    return none;
}

void ScreenView::place(Control& c, QWidget* w)
{
    QGridLayout* grid = gridOf(c.container());
    grid->removeWidget(w);
    const model::Cell& cell = c.cell();
    grid->addWidget(w, cell.row, cell.col, cell.rowSpan, cell.colSpan);
}

void ScreenView::syncVisible(Control& c)
{
    QWidget* w = widgetFor(c);
    if (!w || c.kind() == Kind::Menu || c.kind() == Kind::MenuItem) return;
    w->setVisible(c.visible() && !c.clipped());
}

void ScreenView::syncText(Control& c)
{
    QWidget* w = widgetFor(c);
    const QString t = qs(c.text());
    switch (c.kind()) {
    case Kind::Label: static_cast<QLabel*>(w)->setText(t); break;
    case Kind::TextBox: {
        auto* e = static_cast<QLineEdit*>(w);
        if (e->text() != t) {
            e->setText(t);
            e->setCursorPosition(0);
        }
        break;
    }
    case Kind::ComboBox: {
        auto* b = static_cast<QComboBox*>(w);
        if (b->currentText() != t) b->setEditText(t);
        break;
    }
    case Kind::OptionButton:
    case Kind::CheckBox:
    case Kind::CommandButton: static_cast<QAbstractButton*>(w)->setText(t); break;
    case Kind::Frame:
        if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(t);
        break;
    case Kind::Document: static_cast<QTextBrowser*>(w)->setHtml(t); break;
    default: break;
    }
}

void ScreenView::syncValue(Control& c)
{
    if (auto* b = qobject_cast<QAbstractButton*>(widgetFor(c))) b->setChecked(c.value() != 0);
}

void ScreenView::syncList(Control& c)
{
    auto* b = qobject_cast<QComboBox*>(widgetFor(c));
    if (!b) return;
    const QSignalBlocker block(b);
    b->clear();
    for (const auto& item : c.list()) b->addItem(qs(item));
    b->setEditText(qs(c.text()));
}

void ScreenView::syncColors(Control& c)
{
    QWidget* w = widgetFor(c);
    if (!w) return;
    // Only the colours the control sets become the widget's own; every other
    // role follows the system palette, also when that changes (to a dark one,
    // say). A control's own background gets black or white text, whichever
    // reads; its own text colour is lightened where it sits on a dark
    // background it does not paint itself.
    const Kind k = c.kind();
    const bool ownBack = !model::colors::isSystem(c.backColor());
    const bool ownFore = !model::colors::isSystem(c.foreColor());
    const bool paintsBack = k != Kind::OptionButton && k != Kind::CheckBox;
    QPalette pal; // the application's, with no role of its own yet
    if (ownBack) pal.setColor(backRole(k), toQColor(c.backColor()));
    if (!paintsBack) {
        // An option button or check box draws its indicator in Base and the
        // mark in Text. On a light panel of the screen's own colour both are
        // those of a light palette, whatever the system's: a dark Base would
        // show every unselected option as a black disc.
        const Control* panel = paintedContainer(c);
        if (panel != nullptr && textOn(toQColor(panel->backColor())) == QColor(Qt::black)) setLightIndicator(pal);
    }
    if (ownFore) pal.setColor(foreRole(k), legibleOn(toQColor(c.foreColor()), backgroundOf(c)));
    else if (ownBack && paintsBack) pal.setColor(foreRole(k), textOn(toQColor(c.backColor())));
    w->setPalette(pal);
    w->setAutoFillBackground(ownBack && (k == Kind::PictureBox || k == Kind::Label || k == Kind::Frame));
}

QColor ScreenView::backgroundOf(const Control& c)
{
    const Kind k = c.kind();
    if (!model::colors::isSystem(c.backColor()) && k != Kind::OptionButton && k != Kind::CheckBox)
        return toQColor(c.backColor());
    if (const Control* panel = paintedContainer(c)) return toQColor(panel->backColor());
    const QPalette system = QApplication::palette();
    return system.color(k == Kind::OptionButton || k == Kind::CheckBox ? QPalette::Window : backRole(k));
}

void ScreenView::changeEvent(QEvent* e)
{
    // the system palette changed: the text colours chosen against it follow
    if (e->type() == QEvent::PaletteChange)
        for (Control* c : screen_.controls())
            if (!model::colors::isSystem(c->foreColor())) syncColors(*c);
    QWidget::changeEvent(e);
}

void ScreenView::controlChanged(Control& c, Prop p)
{
    QWidget* w = widgetFor(c);
    if (!w) {
        // a deferred text box shown now; its other changes it takes when made
        if (p == Prop::Visible || p == Prop::Geometry) shownFirst(c);
        return;
    }
    switch (p) {
    case Prop::Text: syncText(c); break;
    case Prop::Visible:
        shownFirst(c);
        syncVisible(c);
        break;
    case Prop::Enabled: w->setEnabled(c.enabled()); break;
    case Prop::BackColor:
    case Prop::ForeColor: syncColors(c); break;
    case Prop::Value: syncValue(c); break;
    case Prop::List: syncList(c); break;
    case Prop::ListIndex: break;
    case Prop::Geometry:
        shownFirst(c);
        syncVisible(c);
        if (built(&c))
            if (auto it = children_.find(&c); it != children_.end())
                for (Control* child : it->second) {
                    shownFirst(*child);
                    syncVisible(*child);
                }
        break;
    case Prop::Cell: place(c, w); break;
    case Prop::Focus: applyFocus(); break;
    }
}

void ScreenView::applyFocus()
{
    if (Control* f = screen_.focus())
        if (QWidget* w = widgetFor(*f)) w->setFocus(Qt::OtherFocusReason);
}

} // namespace ui

#include "shell/qt/table_copy.h"

#include "screens/reports.h"
#include "shell/qt/screen_view.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace ui {

using model::Control;
using model::report::Grid;

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string trimmed(const std::string& s)
{
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

QString escaped(const std::string& s) { return qs(s).toHtmlEscaped(); }

} // namespace

TableCopy::TableCopy(ScreenView& view, std::function<void(const QString&)> notify)
    : QObject(&view), view_(view), notify_(std::move(notify)), declaration_(screens::reportOf(view.screen()))
{
    if (!declaration_) return;
    // every text box: which of them belong to a table is asked when it matters,
    // since rows and columns come and go
    auto watch = [this](QWidget* w, const Control& c) {
        if (c.kind() != model::Kind::TextBox) return;
        cells_[w] = &c;
        w->installEventFilter(this);
    };
    for (const Control* c : view.screen().controls())
        if (QWidget* w = view.widgetFor(*c)) watch(w, *c);
    // and those made later, the first time they or their containers are shown
    connect(&view, &ScreenView::widgetCreated, this, watch);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (!cells_.contains(now)) return;
        const auto it = cells_.find(old);
        before_ = it == cells_.end() ? nullptr : it->second;
    });
}

TableCopy::~TableCopy() = default;

bool TableCopy::locate(const Control& cell, std::vector<Grid>& grids, Place& at) const
{
    grids = declaration_->grids();
    for (std::size_t g = 0; g < grids.size(); ++g)
        for (std::size_t r = 0; r < grids[g].rows.size(); ++r) {
            const auto& row = grids[g].rows[r];
            const auto it = std::find(row.begin(), row.end(), &cell);
            if (it != row.end()) {
                at = {g, r, static_cast<std::size_t>(it - row.begin())};
                return true;
            }
        }
    return false;
}

void TableCopy::highlight(const Control& c)
{
    auto* e = qobject_cast<QLineEdit*>(view_.widgetFor(c));
    if (!e) return;
    if (!highlighted_.contains(e)) highlighted_[e] = e->palette();
    QPalette p = e->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Highlight));
    p.setColor(QPalette::Text, p.color(QPalette::HighlightedText));
    e->setPalette(p);
}

void TableCopy::clearSelection()
{
    for (auto& [e, palette] : highlighted_) e->setPalette(palette);
    highlighted_.clear();
    from_ = to_ = nullptr;
}

void TableCopy::select(const Control& from, const Control& to)
{
    clearSelection();
    std::vector<Grid> grids;
    Place a;
    Place b;
    if (!locate(from, grids, a) || !locate(to, grids, b) || a.grid != b.grid) return;
    from_ = &from;
    to_ = &to;
    const Grid& g = grids[a.grid];
    for (std::size_t r = std::min(a.row, b.row); r <= std::max(a.row, b.row); ++r)
        for (std::size_t c = std::min(a.col, b.col); c <= std::max(a.col, b.col); ++c) highlight(*g.rows[r][c]);
}

QString TableCopy::selectedText() const
{
    if (!from_) return {};
    std::vector<Grid> grids;
    Place a;
    Place b;
    if (!locate(*from_, grids, a) || !locate(*to_, grids, b)) return {};
    QStringList lines;
    for (std::size_t r = std::min(a.row, b.row); r <= std::max(a.row, b.row); ++r) {
        QStringList cells;
        for (std::size_t c = std::min(a.col, b.col); c <= std::max(a.col, b.col); ++c)
            cells << qs(trimmed(grids[a.grid].rows[r][c]->text()));
        lines << cells.join('\t');
    }
    return lines.join('\n');
}

QMimeData* TableCopy::cellsMime(const std::vector<std::vector<std::string>>& cells)
{
    QStringList lines;
    QString html = "<html><head><meta charset=\"utf-8\"></head><body><table border=\"1\" cellspacing=\"0\">";
    for (const auto& row : cells) {
        QStringList text;
        html += "<tr>";
        for (const auto& c : row) {
            text << qs(c);
            html += "<td>" + escaped(c) + "</td>";
        }
        html += "</tr>";
        lines << text.join('\t');
    }
    html += "</table></body></html>";
    auto* mime = new QMimeData;
    mime->setText(lines.join('\n') + '\n');
    mime->setHtml(html);
    return mime;
}

bool TableCopy::copyFrom(const Control& cell)
{
    std::vector<Grid> grids;
    Place at;
    if (!declaration_ || !locate(cell, grids, at)) return false;
    const Grid& g = grids[at.grid];
    std::vector<std::vector<std::string>> cells;
    Place a{at.grid, 0, 0};
    Place b{at.grid, g.rows.size() - 1, g.headerText.size() - 1};
    bool whole = true;
    if (from_ && to_) {
        std::vector<Grid> again;
        Place p;
        Place q;
        if (locate(*from_, again, p) && locate(*to_, again, q) && p.grid == at.grid) {
            a = {at.grid, std::min(p.row, q.row), std::min(p.col, q.col)};
            b = {at.grid, std::max(p.row, q.row), std::max(p.col, q.col)};
            whole = false;
        }
    }
    if (whole) cells.push_back(g.headerText);
    for (std::size_t r = a.row; r <= b.row && r < g.rows.size(); ++r) {
        std::vector<std::string> row;
        for (std::size_t c = a.col; c <= b.col; ++c) row.push_back(trimmed(g.rows[r][c]->text()));
        cells.push_back(std::move(row));
    }
    QApplication::clipboard()->setMimeData(cellsMime(cells));
    const std::size_t rows = cells.size() - (whole ? 1 : 0);
    if (notify_)
        notify_(whole ? QString("已复制整个表格（%1 行）到剪贴板，可粘贴到电子表格").arg(rows)
                      : QString("已复制 %1 行 × %2 列到剪贴板，可粘贴到电子表格").arg(rows).arg(b.col - a.col + 1));
    return true;
}

bool TableCopy::eventFilter(QObject* watched, QEvent* event)
{
    const auto it = cells_.find(watched);
    if (it == cells_.end()) return false;
    const Control& cell = *it->second;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() != Qt::LeftButton) break;
        // the press has already moved the focus here: the first corner is the
        // selection's, or the cell that had the focus before
        const Control* anchor = from_ ? from_ : before_;
        if (m->modifiers().testFlag(Qt::ShiftModifier) && anchor != nullptr && anchor != &cell) {
            std::vector<Grid> grids;
            Place p;
            Place q;
            if (locate(*anchor, grids, p) && locate(cell, grids, q) && p.grid == q.grid) {
                select(*anchor, cell);
                return true; // no text selection in the cell
            }
        }
        clearSelection();
        break;
    }
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->matches(QKeySequence::Copy)) {
            if (edit && edit->hasSelectedText() && !from_) break; // the selected text, as usual
            if (copyFrom(cell)) return true;
            break;
        }
        if (k->key() == Qt::Key_Escape && from_) {
            clearSelection();
            return true;
        }
        if (from_ != nullptr && !(k->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) &&
            k->key() != Qt::Key_Shift && k->key() != Qt::Key_Control)
            clearSelection();
        break;
    }
    default: break;
    }
    return false;
}

} // namespace ui

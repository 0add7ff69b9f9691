#include "shell/qt/tab_order.h"

#include "shell/qt/screen_view.h"

#include <QWidget>

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace ui {

using model::Cell;
using model::Control;

namespace {

using Items = std::vector<std::size_t>;

int startOf(const Cell& c, bool rows) { return rows ? c.row : c.col; }
int endOf(const Cell& c, bool rows) { return startOf(c, rows) + std::max(1, rows ? c.rowSpan : c.colSpan); }

// Splits the items into bands along rows (or columns): a band closes where
// the next item starts at or after the farthest row (column) reached so far.
std::vector<Items> bands(const std::vector<Cell>& cells, Items items, bool rows)
{
    std::stable_sort(items.begin(), items.end(),
                     [&](std::size_t a, std::size_t b) { return startOf(cells[a], rows) < startOf(cells[b], rows); });
    std::vector<Items> out;
    int reach = INT_MIN;
    for (std::size_t i : items) {
        if (out.empty() || startOf(cells[i], rows) >= reach) {
            out.emplace_back();
            reach = endOf(cells[i], rows);
        } else {
            reach = std::max(reach, endOf(cells[i], rows));
        }
        out.back().push_back(i);
    }
    return out;
}

void read(const std::vector<Cell>& cells, Items items, Items& order)
{
    if (items.size() > 1) {
        for (bool rows : {true, false}) {
            std::vector<Items> cut = bands(cells, items, rows);
            if (cut.size() > 1) {
                for (Items& band : cut) read(cells, std::move(band), order);
                return;
            }
        }
        std::stable_sort(items.begin(), items.end(), [&](std::size_t a, std::size_t b) {
            return cells[a].row != cells[b].row ? cells[a].row < cells[b].row : cells[a].col < cells[b].col;
        });
    }
    order.insert(order.end(), items.begin(), items.end());
}

} // namespace

std::vector<std::size_t> readingOrder(const std::vector<Cell>& cells)
{
    Items items(cells.size());
    for (std::size_t i = 0; i < items.size(); ++i) items[i] = i;
    Items order;
    order.reserve(cells.size());
    read(cells, std::move(items), order);
    return order;
}

void applyTabOrder(ScreenView& view)
{
    std::unordered_map<const Control*, std::vector<Control*>> children;
    for (Control* c : view.screen().controls())
        if (c->kind() != model::Kind::Menu && c->kind() != model::Kind::MenuItem) children[c->container()].push_back(c);

    std::vector<QWidget*> chain;
    auto walk = [&](auto& self, const Control* container) -> void {
        const auto it = children.find(container);
        if (it == children.end()) return;
        const std::vector<Control*>& kids = it->second;
        std::vector<Cell> cells;
        cells.reserve(kids.size());
        for (const Control* c : kids) cells.push_back(view.designCell(*c));
        for (std::size_t k : readingOrder(cells)) {
            Control* c = kids[k];
            QWidget* w = view.widgetFor(*c);
            if (!w) continue;
            if (c->isContainer()) self(self, c);
            else if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
        }
    };
    walk(walk, nullptr);
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace ui

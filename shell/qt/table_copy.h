#pragma once
// Copying the cells of a screen's tables to a spreadsheet. The tables are
// those the screen's report declares; their cells are text boxes.
//
// In a table cell, Ctrl+C copies the whole table (its header and the rows on
// view) unless text is selected inside the cell, which copies as usual.
// Shift+click on another cell of the same table selects the rectangle of
// cells between the cell that had the keyboard focus and the clicked one
// (highlighted; a further Shift+click moves the second corner); Ctrl+C then
// copies just those cells. A plain click, typing
// or Esc ends the selection. The clipboard gets tab-separated text (one line
// per row), which a spreadsheet pastes into rows and columns, and the same
// cells as an HTML table for a word processor.

#include "model/report.h"

#include <QObject>
#include <QPalette>
#include <QString>

#include <functional>
#include <memory>
#include <unordered_map>

class QLineEdit;
class QMimeData;

namespace ui {

class ScreenView;

class TableCopy : public QObject {
    Q_OBJECT
public:
    TableCopy(ScreenView& view, std::function<void(const QString&)> notify);
    ~TableCopy() override;

    // The cells selected now, by row and column ("" when none is).
    QString selectedText() const;
    // Puts the table or selection around `cell` on the clipboard; false when
    // `cell` is in no table.
    bool copyFrom(const model::Control& cell);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Place {
        std::size_t grid = 0;
        std::size_t row = 0, col = 0;
    };
    bool locate(const model::Control& cell, std::vector<model::report::Grid>& grids, Place& at) const;
    void select(const model::Control& from, const model::Control& to);
    void clearSelection();
    void highlight(const model::Control& c);
    static QMimeData* cellsMime(const std::vector<std::vector<std::string>>& cells);

    ScreenView& view_;
    std::function<void(const QString&)> notify_;
    std::unique_ptr<model::report::Declaration> declaration_;
    std::unordered_map<QObject*, const model::Control*> cells_;
    // the selection: two corner cells of one table
    const model::Control* from_ = nullptr;
    const model::Control* to_ = nullptr;
    const model::Control* before_ = nullptr; // the cell that had the focus before the one that has it
    std::unordered_map<QLineEdit*, QPalette> highlighted_;
};

} // namespace ui

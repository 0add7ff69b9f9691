#pragma once
// The calculation report (计算书) of the shown screen from the main window's
// toolbar: print (打印计算书, Ctrl+P), export as PDF (导出PDF, a file the user
// chooses: the only file the program ever writes), and copy (复制, HTML with
// ruled tables for a word processor and tab-separated text). The actions are
// disabled while the shown screen has no report. Also gives each shown
// screen's result tables their copying of cells to a spreadsheet.

#include "model/app.h"
#include "model/report.h"

#include <QObject>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QPagedPaintDevice;
class QPrinter;
class QTextDocument;
class QToolBar;

namespace ui {

class MainWindow;

// Lays the report out on the A4 portrait pages of `device` and paints them:
// no table row or paragraph cut across two pages, no heading left at the foot
// of a page without what it heads, a table going on to the next page with its
// header row again, the title and the page number at the foot of each page
// ("第 1 页 / 共 2 页"). Returns the number of pages, 0 when the device could
// not be painted on.
int paintReport(const model::report::Document& report, QPagedPaintDevice& device);

// One page of a report laid out as a single long page: the stretch from
// `top` to `bottom`, under the table header row `header` (empty: none).
struct ReportPage {
    qreal top = 0, bottom = 0;
    QRectF header;
    bool endsInTable = false; // cut between two rows of a table
};
// Cuts a document laid out without pages into pages of `pageHeight`.
std::vector<ReportPage> reportPages(QTextDocument& doc, qreal pageHeight);

class ReportActions : public QObject {
    Q_OBJECT
public:
    ReportActions(model::App& app, MainWindow& window);

    QToolBar* toolBar() const { return toolBar_; }
    QAction* printAction() const { return print_; }
    QAction* pdfAction() const { return pdf_; }
    QAction* copyAction() const { return copy_; }

    // The shown screen changed: enable the actions for a screen with a report.
    void update();

    // The dialogs, replaceable for tests: set up the printer and say whether
    // to print; the PDF file to write ("" to write none).
    std::function<bool(QPrinter&)> choosePrinter;
    std::function<QString(const QString& suggested)> choosePdfFile;

    bool printReport();
    bool exportPdf();
    bool copyReport();

private:
    model::Screen* shownScreen() const;
    void status(const QString& message);

    model::App& app_;
    MainWindow& window_;
    QToolBar* toolBar_ = nullptr;
    QAction* print_ = nullptr;
    QAction* pdf_ = nullptr;
    QAction* copy_ = nullptr;
};

} // namespace ui

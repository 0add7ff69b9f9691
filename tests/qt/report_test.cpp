// The calculation report from the main window, offscreen: the toolbar's
// actions follow the shown screen, the PDF goes only to the file chosen and
// has its pages, Chinese text and numbers, printing lays out the same pages,
// copying puts HTML and text on the clipboard, and Ctrl+C in a result table
// copies its cells for a spreadsheet.
#include "model/report.h"
#include "shell/mdiform1.h"
#include "shell/qt/application.h"
#include "shell/qt/main_window.h"
#include "shell/qt/report_actions.h"
#include "shell/qt/screen_view.h"
#include "shell/qt/table_copy.h"
#include "shell/report.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>

using namespace model;

namespace {

struct ReportWindow : ::testing::Test {
    std::unique_ptr<ui::Program> program;
    ui::ReportActions* report = nullptr;
    QTemporaryDir dir;
    void SetUp() override
    {
        program = ui::makeProgram();
        ASSERT_EQ(program->startResult.outcome, Outcome::Done);
        program->window->show();
        program->window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(program->window.get()));
        report = program->window->reportActions();
        ASSERT_NE(report, nullptr);
        ASSERT_TRUE(dir.isValid());
        QApplication::processEvents();
    }
    Screen& screen(std::string_view name) { return program->app.screen(name); }
    Control& control(std::string_view screenName, std::string_view name, std::optional<std::int16_t> index = {})
    {
        Control* c = screen(screenName).find(name, index);
        EXPECT_NE(c, nullptr) << name;
        return *c;
    }
    void menu(std::string_view array, std::int16_t index)
    {
        program->window->actionFor(control("MDIForm1", array, index))->trigger();
        QApplication::processEvents();
    }
    void calculateCentralized()
    {
        program->app.type(control("Form1", "Text13", 0), "100");
        program->app.click(control("Form1", "Command3"));
    }
    static QString pdfText(const QString& pdf)
    {
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        if (!p.waitForFinished(20000)) return {};
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    static QStringList filesIn(const QString& path) { return QDir(path).entryList(QDir::Files | QDir::NoDotAndDotDot); }
    // The lines of text on page `n` of a PDF, in reading order, without the
    // page's foot (the title and 第 n 页 / 共 m 页).
    static QStringList pageLines(const QString& pdf, int n)
    {
        QProcess p;
        p.start("pdftotext", {"-f", QString::number(n), "-l", QString::number(n), pdf, "-"});
        if (!p.waitForFinished(20000)) return {};
        QStringList lines;
        for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
            const QString t = QString(l).remove('\f').trimmed();
            if (!t.isEmpty()) lines << t;
        }
        if (!lines.isEmpty() && QString(lines.back()).remove(' ').startsWith("第")) lines.removeLast(); // page number
        if (!lines.isEmpty()) lines.removeLast();                                                       // title
        return lines;
    }
};

TEST_F(ReportWindow, TheToolbarOffersTheReportOfCalculationScreensOnly)
{
    QToolBar* bar = report->toolBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 3);
    EXPECT_EQ(bar->actions()[0]->text(), QString("打印计算书"));
    EXPECT_EQ(bar->actions()[1]->text(), QString("导出PDF"));
    EXPECT_EQ(bar->actions()[2]->text(), QString("复制"));
    EXPECT_EQ(report->printAction()->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_FALSE(report->pdfAction()->shortcut().isEmpty());
    EXPECT_FALSE(report->copyAction()->shortcut().isEmpty());
    EXPECT_NE(report->copyAction()->shortcut(), QKeySequence(QKeySequence::Copy)); // Ctrl+C stays with the fields

    const std::pair<std::pair<const char*, std::int16_t>, bool> items[] = {
        {{"B11", 0}, true},  {{"A11", 0}, false}, {{"B11", 1}, true},  {{"E11", 0}, false}, {{"C11", 0}, true},
        {{"E11", 4}, false}, {{"C11", 1}, true},  {{"E11", 2}, false}, {{"D11", 0}, true},
    };
    for (auto [item, enabled] : items) {
        menu(item.first, item.second);
        for (QAction* a : bar->actions()) EXPECT_EQ(a->isEnabled(), enabled) << item.first << item.second;
    }
    // the menus keep their own captions and items
    EXPECT_EQ(program->window->actionFor(control("MDIForm1", "B11", 0))->text(), QString("太阳能系统设计计算"));
}

TEST_F(ReportWindow, ThePdfGoesOnlyToTheFileChosenWithItsPagesAndNumbers)
{
    calculateCentralized();
    const QString path = dir.filePath("计算书"); // the suffix is added
    QString suggested;
    report->choosePdfFile = [&](const QString& s) {
        suggested = s;
        return QString(path); // a copy for each export
    };
    ASSERT_TRUE(report->exportPdf());
    EXPECT_TRUE(suggested.endsWith("太阳能系统计算计算书.pdf")) << suggested.toStdString();
    EXPECT_EQ(filesIn(dir.path()), QStringList{"计算书.pdf"});
    QFile pdf(path + ".pdf");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    pdf.close();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/FontFile2")) << "fonts embedded";
    EXPECT_TRUE(program->window->statusBar()->currentMessage().contains("计算书已导出"));

    const QString text = pdfText(path + ".pdf");
    ASSERT_FALSE(text.isEmpty()) << "pdftotext (poppler-utils) reads the PDF";
    for (const char* s : {"太阳能系统计算 计算书", "GB 50015-2003", "用水人数m", "66.1", "5999", "106331", "46520",
                          "设计：", "校对：", "审核："})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;
    // the page numbers, as the text comes out without their blanks
    EXPECT_TRUE(QString(text).remove(' ').contains("第1页/共2页"));
    EXPECT_TRUE(QString(text).remove(' ').contains("第2页/共2页"));

    // cancelling the dialog writes nothing
    report->choosePdfFile = [](const QString&) { return QString(); };
    EXPECT_FALSE(report->exportPdf());
    EXPECT_EQ(filesIn(dir.path()), QStringList{"计算书.pdf"});
    // a name without the suffix never replaces the file with the suffix,
    // which nobody was asked about
    report->choosePdfFile = [&](const QString&) { return QString(path); };
    EXPECT_FALSE(report->exportPdf());
    EXPECT_TRUE(program->window->statusBar()->currentMessage().contains("已存在"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll(), bytes);
    pdf.close();
    // a file that cannot be written is reported, not thrown
    report->choosePdfFile = [](const QString&) { return QString("/dev/null/计算书.pdf"); };
    EXPECT_FALSE(report->exportPdf());
    EXPECT_TRUE(program->window->statusBar()->currentMessage().contains("无法写入"));
}

// The program's own save dialog: a save dialog for PDF files that adds the
// suffix itself, so that the file it asks about replacing is the one written.
TEST_F(ReportWindow, TheSaveDialogAddsTheSuffixBeforeAskingAboutReplacing)
{
    calculateCentralized();
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen = true;
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->defaultSuffix(), QString("pdf"));
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog->selectedFiles().value(0).endsWith("太阳能系统计算计算书.pdf"))
            << dialog->selectedFiles().value(0).toStdString();
        dialog->reject();
    });
    poll.start(20);
    QTimer guard; // a dialog the poll did not recognise: close it instead of hanging
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    guard.start(10000);
    EXPECT_FALSE(report->exportPdf()); // cancelled: nothing written
    poll.stop();
    guard.stop();
    EXPECT_TRUE(seen);
}

TEST_F(ReportWindow, PrintingLaysOutTheSamePagesOnThePrinterChosen)
{
    calculateCentralized();
    const QString out = dir.filePath("printed.pdf");
    int asked = 0;
    report->choosePrinter = [&](QPrinter& printer) {
        ++asked;
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        return true;
    };
    ASSERT_TRUE(report->printReport());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(pdfText(out).remove(' ').contains("第2页/共2页"));
    // a cancelled print dialog prints nothing
    report->choosePrinter = [](QPrinter&) { return false; };
    QFile::remove(out);
    EXPECT_FALSE(report->printReport());
    EXPECT_FALSE(QFile::exists(out));
}

// The keystroke itself, typed while a field of the screen has the focus:
// Ctrl+P goes through the print dialog to the printer; on a screen without
// a report it does nothing.
TEST_F(ReportWindow, CtrlPInAFieldPrintsTheReportOfTheShownScreen)
{
    calculateCentralized();
    const QString out = dir.filePath("ctrl-p.pdf");
    int asked = 0;
    report->choosePrinter = [&](QPrinter& printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        return true;
    };
    ui::ScreenView* view = program->window->viewOf(screen("Form1"));
    ASSERT_NE(view, nullptr);
    QWidget* field = view->widgetFor(control("Form1", "Text13", 0));
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(program->window->statusBar()->currentMessage().contains("计算书已送打印"));
    const QString text = pdfText(out).remove(' ');
    EXPECT_TRUE(text.contains("太阳能系统计算计算书"));
    EXPECT_TRUE(text.contains("第2页/共2页"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(field)->text(), QString("100")) << "the keystroke typed nothing";

    // a reference table has no report: the keystroke prints nothing
    menu("E11", 0);
    ASSERT_FALSE(report->printAction()->isEnabled());
    QFile::remove(out);
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : program->window.get();
    QTest::keyClick(focus, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(ReportWindow, CopyingPutsTheReportOnTheClipboardAsHtmlAndText)
{
    menu("C11", 0);
    program->app.click(control("Form3", "Command1"));
    report->copyAction()->trigger();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_TRUE(mime->hasHtml());
    EXPECT_TRUE(mime->html().contains("<table class=\"grid\" border=\"1\""));
    EXPECT_TRUE(mime->html().contains("宿舍等水力计算 计算书"));
    EXPECT_TRUE(mime->text().contains("1\t3\t1\t0.5\tDe25\t1.31\t1.03\t0.3\t1.14\n")) << mime->text().toStdString();
    // nothing was written anywhere on the way
    EXPECT_TRUE(filesIn(dir.path()).isEmpty());
}

TEST_F(ReportWindow, PagesAreCutBetweenRowsAndTablesGoOnWithTheirHeader)
{
    // a long report: the insulation take-off of 12 floors and 12 risers
    menu("C11", 1);
    program->app.pick(control("Form4", "Combo3"), 10);
    program->app.pick(control("Form4", "Combo4"), 11);
    program->app.click(control("Form4", "Command1"));
    const auto doc = shell::calculationReport(screen("Form4"));
    ASSERT_TRUE(doc);
    QPdfWriter writer(dir.filePath("long.pdf"));
    writer.setResolution(300);
    QTextDocument td;
    td.documentLayout()->setPaintDevice(&writer);
    td.setDocumentMargin(0);
    td.setTextWidth(2000);
    td.setHtml(QString::fromStdString(model::report::toHtml(*doc)));
    const qreal height = 900;
    const auto pages = ui::reportPages(td, height);
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(pages.front().top, 0);
    int continued = 0;
    for (std::size_t k = 0; k < pages.size(); ++k) {
        EXPECT_LE(pages[k].bottom - pages[k].top + pages[k].header.height(), height + 0.5) << "page " << k;
        if (k > 0) {
            EXPECT_DOUBLE_EQ(pages[k].top, pages[k - 1].bottom) << "nothing is left out between pages";
        }
        if (!pages[k].header.isEmpty()) ++continued;
    }
    EXPECT_GT(continued, 0) << "a table runs on over a page with its header";
    // no page cuts through a line of text
    for (QTextBlock b = td.begin(); b.isValid(); b = b.next()) {
        if (b.text().trimmed().isEmpty()) continue; // the empty blocks between tables show nothing
        const QRectF r = td.documentLayout()->blockBoundingRect(b);
        for (const auto& p : pages) {
            EXPECT_FALSE(r.top() < p.bottom - 0.5 && r.bottom() > p.bottom + 0.5 && r.height() < height)
                << b.text().toStdString() << " " << r.top() << "-" << r.bottom() << " page bottom " << p.bottom;
        }
    }
    const int painted = ui::paintReport(*doc, writer);
    EXPECT_GE(painted, 2);
}

// Each page of the PDF holds only the text shown on it: nothing of the block
// just above or below its stretch of the report, written there out of view,
// which a reader of the PDF's text (search, copy, pdftotext) would find twice.
TEST_F(ReportWindow, EachPageOfThePdfHoldsOnlyTheTextShownOnIt)
{
    struct Case {
        const char* file;
        const char* screen;
        std::function<void()> calculate;
    };
    const Case cases[] = {
        {"design.pdf", "Form1", [&] { calculateCentralized(); }},
        {"supply_network.pdf", "Form3",
         [&] {
             menu("C11", 0);
             program->app.type(control("Form3", "Text5"), "3");
             program->app.click(control("Form3", "Command1"));
             program->app.click(control("Form3", "Command2"));
             program->app.type(control("Form3", "Text9"), "0.005");
             program->app.click(control("Form3", "Command3"));
         }},
        // tables running on over pages with their header repeated
        {"insulation.pdf", "Form4",
         [&] {
             menu("C11", 1);
             program->app.pick(control("Form4", "Combo3"), 10);
             program->app.pick(control("Form4", "Combo4"), 11);
             program->app.click(control("Form4", "Command1"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        c.calculate();
        const QString path = dir.filePath(c.file);
        report->choosePdfFile = [&](const QString&) { return QString(path); };
        ASSERT_TRUE(report->exportPdf());
        const auto match = QRegularExpression("（(\\d+) 页）").match(program->window->statusBar()->currentMessage());
        ASSERT_TRUE(match.hasMatch());
        const int count = match.captured(1).toInt();
        ASSERT_GE(count, 2);
        std::vector<QStringList> pages;
        for (int n = 1; n <= count; ++n) {
            pages.push_back(pageLines(path, n));
            ASSERT_FALSE(pages.back().isEmpty()) << "page " << n;
        }
        // no page begins with the lines its predecessor ends with
        for (std::size_t n = 1; n < pages.size(); ++n) {
            const QStringList& before = pages[n - 1];
            const QStringList& page = pages[n];
            for (qsizetype m = 1; m <= std::min<qsizetype>({5, before.size(), page.size()}); ++m)
                EXPECT_NE(before.mid(before.size() - m).join(" | ").toStdString(),
                          page.mid(0, m).join(" | ").toStdString())
                    << "page " << n + 1 << " begins with the last " << m << " line(s) of page " << n;
        }
        // and each heading of the report is in the PDF once
        const auto doc = shell::calculationReport(screen(c.screen));
        ASSERT_TRUE(doc);
        int headings = 0;
        for (const auto& b : doc->blocks) {
            if (b.kind != model::report::Block::Kind::Heading && b.kind != model::report::Block::Kind::SubHeading)
                continue;
            ++headings;
            const QString heading = QString::fromStdString(b.text);
            qsizetype found = 0;
            for (const QStringList& page : pages) found += page.count(heading);
            EXPECT_EQ(found, 1) << b.text;
        }
        EXPECT_GE(headings, 3);
    }
}

TEST_F(ReportWindow, CtrlCInAResultTableCopiesItsCellsForASpreadsheet)
{
    menu("C11", 0);
    program->app.type(control("Form3", "Text5"), "3");
    program->app.click(control("Form3", "Command1"));
    QApplication::processEvents();
    ui::ScreenView* view = program->window->viewOf(screen("Form3"));
    ASSERT_NE(view, nullptr);
    auto* copier = view->findChild<ui::TableCopy*>();
    ASSERT_NE(copier, nullptr);
    auto* cell = qobject_cast<QLineEdit*>(view->widgetFor(control("Form3", "Text13", 1)));
    ASSERT_NE(cell, nullptr);
    cell->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), cell);

    // nothing selected: the whole table with its header
    QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
    const QString all = QApplication::clipboard()->text();
    EXPECT_EQ(all, "管段编号\t层高h(m)\tΣNg\tq(l/s)\tDe(mm)\tv(m/s)\ti(kPa/m)\t管段i(m/m)\t管道容量V(l)\n"
                   "1\t3\t1\t0.5\tDe25\t1.31\t1.03\t0.3\t1.14\n"
                   "2\t3\t2\t0.7\tDe32\t1.31\t0.85\t0.25\t1.59\n"
                   "3\t3\t3\t0.86\tDe40\t1.06\t0.45\t0.13\t2.41\n")
        << all.toStdString();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->html().contains("<td>De32</td>"));

    // Shift+click on another cell: the rectangle between the two
    auto* corner = view->widgetFor(control("Form3", "Text15", 2));
    QTest::mouseClick(corner, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 4));
    EXPECT_EQ(copier->selectedText(), "0.7\tDe32\t1.31\n0.86\tDe40\t1.06");
    QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "0.7\tDe32\t1.31\n0.86\tDe40\t1.06\n");
    EXPECT_NE(cell->palette().color(QPalette::Base),
              view->widgetFor(control("Form3", "Text13", 0))->palette().color(QPalette::Base))
        << "the selected cells are highlighted";

    // Esc ends the selection; text selected inside a cell copies as usual
    QTest::keyClick(cell, Qt::Key_Escape);
    EXPECT_TRUE(copier->selectedText().isEmpty());
    cell->setSelection(0, 2);
    QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "0.");
    // a field outside the tables keeps its own Ctrl+C
    auto* field = qobject_cast<QLineEdit*>(view->widgetFor(control("Form3", "Text1")));
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "2.5");
}

} // namespace

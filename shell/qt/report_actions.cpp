#include "shell/qt/report_actions.h"

#include "screens/reports.h"
#include "shell/qt/main_window.h"
#include "shell/qt/screen_view.h"
#include "shell/qt/table_copy.h"
#include "shell/report.h"
#include "shell/version.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ui {

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Digits, Latin letters and signs such as ℃ and − from DejaVu Sans, Chinese
// from the first CJK font found; both are embedded in a PDF.
QFont reportFont(qreal points)
{
    QFont f;
    f.setFamilies({"DejaVu Sans", "Noto Sans CJK SC", "WenQuanYi Micro Hei", "Source Han Sans SC", "WenQuanYi Zen Hei",
                   "Droid Sans Fallback", "sans-serif"});
    f.setPointSizeF(points);
    return f;
}

QPageLayout a4()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 15, 12),
                       QPageLayout::Millimeter);
}

} // namespace

namespace {

// A piece of the laid-out report that a page either holds whole or not at
// all: a paragraph, or a row of a table (cut halfway through the padding
// between its text and the next row's).
struct Unit {
    qreal top = 0, bottom = 0;
    QTextTable* table = nullptr;
    int row = -1;       // in `table`; 0 is its header row
    bool leads = false; // a heading or caption, kept with what follows
    bool group = false; // a row heading a group of inputs
};

bool allBold(const QTextBlock& b)
{
    bool any = false;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        if (it.fragment().text().trimmed().isEmpty()) continue;
        if (it.fragment().charFormat().fontWeight() < QFont::Bold) return false;
        any = true;
    }
    return any;
}

std::vector<Unit> unitsOf(QTextDocument& doc)
{
    // first where each unit's text lies
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    std::vector<Unit> units;
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* f = it.currentFrame()) {
            auto* t = qobject_cast<QTextTable*>(f);
            if (!t) {
                const QRectF frame = layout->frameBoundingRect(f);
                units.push_back({frame.top(), frame.bottom()});
                continue;
            }
            for (int r = 0; r < t->rows(); ++r) {
                Unit u;
                u.table = t;
                u.row = r;
                u.top = 1e12;
                u.bottom = -1e12;
                for (int c = 0; c < t->columns(); ++c) {
                    const QTextTableCell cell = t->cellAt(r, c);
                    u.top = std::min(u.top, layout->blockBoundingRect(cell.firstCursorPosition().block()).top());
                    u.bottom =
                        std::max(u.bottom, layout->blockBoundingRect(cell.lastCursorPosition().block()).bottom());
                }
                u.group = r > 0 && t->columns() > 1 && t->cellAt(r, 0).columnSpan() == t->columns();
                units.push_back(u);
            }
        } else {
            const QTextBlock b = it.currentBlock();
            if (b.text().trimmed().isEmpty()) continue; // the empty blocks between tables hold nothing
            const QRectF rect = layout->blockBoundingRect(b);
            Unit u{rect.top(), rect.bottom()};
            u.leads = b.blockFormat().headingLevel() > 0 || allBold(b);
            units.push_back(u);
        }
    }
    // then where they meet: the rules and padding around a table belong to
    // it, two rows (or two tables) meet halfway between their texts
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        Unit& a = units[i];
        Unit& b = units[i + 1];
        qreal edge;
        if (a.table && b.table) edge = (a.bottom + b.top) / 2;
        else if (b.table) edge = a.bottom;
        else edge = b.top;
        a.bottom = edge;
        b.top = edge;
    }
    return units;
}

} // namespace

std::vector<ReportPage> reportPages(QTextDocument& doc, qreal pageHeight)
{
    const std::vector<Unit> units = unitsOf(doc);
    std::vector<ReportPage> pages;
    ReportPage page;
    std::size_t first = 0; // the page's first unit
    auto headerOf = [&](const Unit& u) {
        for (const Unit& h : units)
            if (h.table == u.table && h.row == 0) return QRectF(0, h.top, 1, h.bottom - h.top);
        return QRectF();
    };
    for (std::size_t i = 0; i < units.size(); ++i) {
        const qreal room = pageHeight - page.header.height();
        if (units[i].bottom - page.top <= room || i == first) continue;
        // the page ends before unit i, or before what must go with it
        std::size_t b = i;
        if (units[b].table && units[b].row == 1) --b;                                   // no header without a row
        if (b > first && units[b].table && units[b].row > 1 && units[b - 1].group) --b; // a group with its first line
        if (!units[b].table || units[b].row == 0)
            while (b > first && units[b - 1].leads) --b; // headings and captions with what they head
        if (b <= first) b = i;
        page.bottom = units[b].top;
        page.endsInTable = units[b].table != nullptr && units[b].table == units[b - 1].table;
        pages.push_back(page);
        page = ReportPage{};
        page.top = units[b].top;
        if (units[b].table && units[b].row > 0) page.header = headerOf(units[b]);
        first = b;
        i = b; // the loop goes on with the unit after the new page's first
    }
    page.bottom = units.empty() ? 0 : std::max(page.top, units.back().bottom);
    pages.push_back(page);
    return pages;
}

int paintReport(const model::report::Document& report, QPagedPaintDevice& device)
{
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&device);
    doc.setDefaultFont(reportFont(10));
    doc.setDocumentMargin(0);

    // the painter's origin is the top left corner of the page inside its margins
    const QRect body = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QFont footFont = reportFont(8);
    const qreal footHeight = QFontMetricsF(footFont, &device).height() * 2;
    const qreal height = body.height() - footHeight;
    // laid out as one long page, then cut into pages between rows and paragraphs
    doc.setTextWidth(body.width());
    doc.setHtml(QString::fromStdString(model::report::toHtml(report)));
    const auto pages = reportPages(doc, height);
    const QString title = QString::fromStdString(report.title);

    QPainter p;
    if (!p.begin(&device)) return 0;
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage()) return i;
        const ReportPage& page = pages[static_cast<std::size_t>(i)];
        // a row's rules lie on its edges: the painter's clip takes a hair
        // more than the stretch. The layout, though, is given the stretch
        // less a hair at either end: it draws every block its clip touches,
        // and the block just above or below the stretch ends or starts on
        // its edge; painted outside the clip, its text would still be
        // written into the PDF, out of view.
        const qreal hair = device.logicalDpiY() / 150.0;
        auto draw = [&](qreal top, qreal bottom, qreal above, qreal below, qreal at) {
            if (bottom - top <= 2 * hair) return; // holds nothing (and an empty clip would draw everything)
            const QRectF area(-hair, top - above, body.width() + 2 * hair, bottom - top + above + below);
            p.save();
            p.translate(0, at - top);
            p.setClipRect(area);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(area.left(), top + hair, area.width(), bottom - top - 2 * hair);
            doc.documentLayout()->draw(&p, context);
            p.restore();
        };
        qreal at = 0;
        if (!page.header.isEmpty()) { // a table going on from the page before repeats its header
            draw(page.header.top(), page.header.bottom(), hair, hair, 0);
            at = page.header.height();
        }
        draw(page.top, page.bottom, page.header.isEmpty() ? 0 : hair, page.endsInTable ? hair : 0, at);
        p.setFont(footFont);
        p.setPen(Qt::black);
        const QRectF foot(0, height, body.width(), footHeight);
        p.drawLine(foot.topLeft() + QPointF(0, footHeight * 0.25), foot.topRight() + QPointF(0, footHeight * 0.25));
        p.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, title);
        p.drawText(foot, Qt::AlignRight | Qt::AlignBottom, QString("第 %1 页 / 共 %2 页").arg(i + 1).arg(count));
    }
    p.end();
    return count;
}

ReportActions::ReportActions(model::App& app, MainWindow& window) : QObject(&window), app_(app), window_(window)
{
    toolBar_ = new QToolBar("计算书", &window);
    toolBar_->setObjectName("reportToolBar");
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    window.addToolBar(Qt::TopToolBarArea, toolBar_);

    print_ = toolBar_->addAction("打印计算书");
    print_->setShortcut(QKeySequence::Print);
    print_->setToolTip("打印本页的计算书 (Ctrl+P)");
    pdf_ = toolBar_->addAction("导出PDF");
    pdf_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    pdf_->setToolTip("把本页的计算书存为 PDF 文件 (Ctrl+Shift+E)");
    copy_ = toolBar_->addAction("复制");
    copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy_->setToolTip("把本页的计算书复制到剪贴板，可粘贴到 Word、WPS (Ctrl+Shift+C)；"
                      "表格中按 Ctrl+C 复制表格单元格");
    connect(print_, &QAction::triggered, this, [this] { printReport(); });
    connect(pdf_, &QAction::triggered, this, [this] { exportPdf(); });
    connect(copy_, &QAction::triggered, this, [this] { copyReport(); });

    choosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, &window_);
        dialog.setWindowTitle("打印计算书");
        return dialog.exec() == QDialog::Accepted;
    };
    choosePdfFile = [this](const QString& suggested) {
        QFileDialog dialog(&window_, "导出计算书", suggested, "PDF 文件 (*.pdf)");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // the dialog adds ".pdf" itself, so that it asks before replacing the
        // file that will really be written
        dialog.setDefaultSuffix("pdf");
        dialog.selectFile(suggested);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().front();
    };
    update();
}

model::Screen* ReportActions::shownScreen() const
{
    for (const auto& name : app_.screenNames()) {
        model::Screen* s = app_.existing(name);
        if (s && s->visible() && name != "MDIForm1") return s;
    }
    return nullptr;
}

void ReportActions::update()
{
    model::Screen* s = shownScreen();
    const bool report = s != nullptr && screens::hasReport(s->name()) && !app_.ended();
    for (QAction* a : {print_, pdf_, copy_}) a->setEnabled(report);
    if (!s) return;
    // the shown screen's tables copy their cells
    if (ScreenView* view = window_.viewOf(*s))
        if (view->findChild<TableCopy*>() == nullptr && screens::hasReport(s->name()))
            new TableCopy(*view, [this](const QString& m) { status(m); });
}

void ReportActions::status(const QString& message) { window_.statusBar()->showMessage(message, 8000); }

bool ReportActions::printReport()
{
    model::Screen* s = shownScreen();
    if (!s) return false;
    const auto doc = shell::calculationReport(*s);
    if (!doc) return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(a4());
    printer.setDocName(qs(doc->title));
    printer.setCreator(qs(std::string(shell::kProgramName)));
    if (!choosePrinter(printer)) return false;
    if (paintReport(*doc, printer) == 0) {
        status("无法打印计算书：打印机不可用");
        return false;
    }
    status("计算书已送打印");
    return true;
}

bool ReportActions::exportPdf()
{
    model::Screen* s = shownScreen();
    if (!s) return false;
    const auto doc = shell::calculationReport(*s);
    if (!doc) return false;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) dir = QDir::homePath();
    QString path = choosePdfFile(QDir(dir).filePath(qs(doc->title).remove(' ') + ".pdf"));
    if (path.isEmpty()) return false;
    if (!path.endsWith(".pdf", Qt::CaseInsensitive)) {
        path += ".pdf";
        // nobody was asked about replacing a file of the name with the suffix
        if (QFileInfo::exists(path)) {
            status("未导出：" + QDir::toNativeSeparators(path) + " 已存在，请另选文件名");
            return false;
        }
    }
    int pages = 0;
    {
        QPdfWriter writer(path);
        writer.setPageLayout(a4());
        writer.setResolution(300);
        writer.setTitle(qs(doc->title));
        writer.setCreator(qs(std::string(shell::kProgramName) + " " + std::string(shell::kVersion)));
        pages = paintReport(*doc, writer);
    }
    if (pages == 0) {
        status("无法写入 " + QDir::toNativeSeparators(path));
        return false;
    }
    status(QString("计算书已导出（%1 页）：").arg(pages) + QDir::toNativeSeparators(path));
    return true;
}

bool ReportActions::copyReport()
{
    model::Screen* s = shownScreen();
    if (!s) return false;
    const auto doc = shell::calculationReport(*s);
    if (!doc) return false;
    auto* mime = new QMimeData;
    mime->setHtml(qs(model::report::toHtml(*doc)));
    mime->setText(qs(model::report::toText(*doc)));
    QGuiApplication::clipboard()->setMimeData(mime);
    status("计算书已复制到剪贴板");
    return true;
}

} // namespace ui

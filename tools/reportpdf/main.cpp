// report-pdf SCRIPT OUT.pdf: starts the real main window offscreen, performs
// the script's actions (type, pick, click) through the user-action path and
// exports the shown screen's calculation report to OUT.pdf exactly as the
// toolbar's 导出PDF does. A developer's tool for checking and documenting
// the reports; the program itself has no command line.
#include "shell/qt/application.h"
#include "shell/qt/report_actions.h"
#include "tools/formscript/script.h"

#include <QApplication>

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qa(argc, argv);
    ui::setUpApplication(qa);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    if (args.size() != 2) {
        std::cerr << "usage: report-pdf SCRIPT OUT.pdf\n";
        return 2;
    }
    std::ifstream in(args[0].toStdString());
    if (!in) {
        std::cerr << args[0].toStdString() << ": cannot read the file\n";
        return 2;
    }
    auto program = ui::makeProgram();
    program->window->show();
    QApplication::processEvents();
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        try {
            const auto st = formscript::parseLine(line);
            if (!formscript::perform(program->app, st)) continue; // checks are formscript's business
        } catch (const std::exception& e) {
            std::cerr << args[0].toStdString() << ":" << n << ": error: " << e.what() << "\n";
            return 1;
        }
        QApplication::processEvents();
    }
    ui::ReportActions& report = *program->window->reportActions();
    const QString out = args[1];
    report.choosePdfFile = [out](const QString& /*suggested*/) { return QString(out); };
    if (!report.exportPdf()) {
        std::cerr << "no report written (the shown screen has none, or " << out.toStdString()
                  << " cannot be written)\n";
        return 1;
    }
    return 0;
}

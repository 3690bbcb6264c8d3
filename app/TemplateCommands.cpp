#include "app/TemplateCommands.h"

#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "app/Help.h"
#include "app/RunResources.h"
#include "plot/qt/PagedSurface.h"
#include "print/RibTemplates.h"
#include "ui/RibTemplateDialog.h"
#include "ui/toolkit/BusyCursor.h"

namespace aerolune {

namespace {

void showRefusal(QWidget* owner, const std::string& problem) {
    QMessageBox::warning(owner, "Print Templates", QString::fromStdString("Nothing was printed: " + problem));
}

}  // namespace

std::string printTemplates(QPrinter& printer, const AppState& state, const print::TemplateFields& fields) {
    const print::TemplateRequest request = print::readTemplateFields(fields);
    if (!request.ok()) return request.problem;
    const ui::BusyCursor busy;
    // The painter's origin at the paper's corner and the margins kept here:
    // every length is then the device's own resolution times inches.
    printer.setFullPage(true);
    const QPageLayout layout = printer.pageLayout();
    const int dpi = printer.resolution();
    const QRectF printable =
        QRectF(layout.fullRectPixels(dpi)).marginsRemoved(QMarginsF(layout.marginsPixels(dpi)));
    plot::PagedSurface page(printer, dpi, printable);
    std::string problem = print::printRibTemplates(page, print::templateJob(state, request.settings));
    if (!page.finish() && problem.empty()) problem = "the printer did not accept the job.";
    return problem;
}

void showTemplateDialog(const AppState& state, RunResources& run, QWidget* window) {
    ui::RibTemplateDialog form(QString::fromStdString(state.texts.sectionName), window);
    form.setHelpHandler([&form, &run] { showHelp(run, &form, {"aerolune2.hlp", kHelpShowContext, 70}); });
    form.setPrintHandler([&state, &form, &run](const print::TemplateFields& fields) {
        const print::TemplateRequest request = print::readTemplateFields(fields);
        if (!request.ok()) {
            showRefusal(&form, request.problem);
            return false;
        }
        QPrinter& printer = run.templatePrinter();
        QPrintDialog dialog(&printer, &form);
        if (dialog.exec() != QDialog::Accepted) return false;
        const std::string problem = printTemplates(printer, state, fields);
        if (!problem.empty()) showRefusal(&form, problem);
        return problem.empty();
    });
    form.exec();
}

namespace {

QtMessageHandler forwardedMessages = nullptr;

// The page setup dialog warns on standard error whenever the printer prints
// into a PDF file (the only printer of a machine without a print system, and
// the one chosen by a user who printed into a file), though it sets up the
// pages of that printer as well as of any other: that one text is not passed on.
void dropPdfPrinterNotice(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.contains("Cannot be used on non-native printers")) return;
    if (forwardedMessages) forwardedMessages(type, context, text);
}

}  // namespace

void showPrinterSetup(QPrinter& printer, QWidget* window) {
    forwardedMessages = qInstallMessageHandler(dropPdfPrinterNotice);
    QPageSetupDialog dialog(&printer, window);
    qInstallMessageHandler(forwardedMessages);
    dialog.exec();
}

}  // namespace aerolune

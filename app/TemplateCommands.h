#pragma once
// The rib-template commands: "Print Airfoil Template" (printRibTemplates, also the
// picture bar's print button) shows the template dialog and prints the ribs
// at true scale on a printer or into a PDF file; "Printer Setup" (printerSetup)
// chooses the paper and orientation the templates are printed on.

#include <string>

#include "analysis/AppState.h"
#include "print/TemplateSettings.h"

class QPrinter;
class QWidget;

namespace aerolune {

class RunResources;

/// Prints the templates the dialog's fields describe for the current
/// section on the printer (a real one or a PDF file), 1 inch on the page
/// being 1 inch on paper, inside the page layout's margins. A job that
/// cannot be printed draws nothing (no page, no file).
/// \param printer the printer, its page layout and output already chosen
/// \param state the state after the last recomputation
/// \param fields the template dialog's fields
/// \return empty when printed, else why nothing was printed
std::string printTemplates(QPrinter& printer, const AppState& state, const print::TemplateFields& fields);

/// printRibTemplates: the template dialog over the window; its OK checks the fields,
/// opens the print dialog and prints; a refusal is shown and the dialog stays
/// open for a correction.
void showTemplateDialog(const AppState& state, RunResources& run, QWidget* window);

/// printerSetup: the page-setup dialog on the templates' printer; cancelling it
/// changes nothing.
void showPrinterSetup(QPrinter& printer, QWidget* window);

}  // namespace aerolune

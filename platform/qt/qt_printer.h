// Qt side of the printer: a print document of one page on a QPrinter, drawn through a PainterSurface.
#pragma once

#include "platform/printer.h"

#include <memory>
#include <string>

class QWidget;

namespace quintaro::platform {

// Starts a document of that name on the default printer at its full resolution; when no printer is set
// up, on the one the player picks in the print dialog (which also offers a PDF file). The printer is
// null unless the status is Started: Cancelled when the player cancels the dialog, Failed when the
// printer cannot begin.
std::unique_ptr<Printer> startQtPrinting(QWidget* owner, const std::string& documentName, PrintStart& status);

// Starts a document written to the PDF file `fileName`, without asking anything.
std::unique_ptr<Printer> startPdfPrinting(const std::string& documentName, const std::string& fileName,
                                          PrintStart& status);

} // namespace quintaro::platform

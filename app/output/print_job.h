// Printing on the user's default printer, without a print dialog: the printer's
// device context, the print unit and paper size, and the drawing steps of a
// layout played on it. Failures end the print silently.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "print_layout.h"

namespace output {

// The print unit of a device in its pixels, one eightieth of an inch, at
// least 1.
int PrintUnit(int pixelsPerInch);

// The default printer's device, driver and port as the user's profile names
// them
// ("device" of the "windows" section); false when there is none.
bool DefaultPrinter(std::wstring* device, std::wstring* driver, std::wstring* port);

// Plays the steps on a DC prepared for a page (after StartPage): fonts, pen,
// texts and ruled cells; a page break ends the page and starts the next.
void PlaySteps(HDC dc, const PrintDocument& document, int unitX, int unitY);

// Opens the default printer, measures its paper, lays the document out with
// `layout` and prints it. False when nothing was printed.
bool PrintOnDefaultPrinter(const std::function<PrintDocument(const PaperSize&)>& layout);

// The same on a given device context (a printer's, or a metafile's in tests):
// the paper is the DC's, the document one print job.
bool PrintOnDc(HDC dc, const std::function<PrintDocument(const PaperSize&)>& layout);

}  // namespace output

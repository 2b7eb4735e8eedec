#pragma once
// Paints a PrintDocument on a printer, a print preview or a PDF writer: the page header (file name, model,
// date) and the page number on every page, the tables between them with lines of one height.
#include "print/document/PrintDocument.h"

class QPagedPaintDevice;

// Paints pages fromPage..toPage (1-based; 0 and 0 for all) and returns how many pages the document has,
// 0 when the device cannot be painted on (a file that cannot be written).
int PaintPrintDocument(const PrintDocument &doc, QPagedPaintDevice *device, int fromPage = 0, int toPage = 0);
// How many pages the document takes on the device (its page size and margins), without painting.
int PrintPageCount(const PrintDocument &doc, QPagedPaintDevice *device);

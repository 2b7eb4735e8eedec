#pragma once
// Reads a PDF back with poppler's pdfinfo and pdftotext.
#include <QString>
#include <QStringList>

// True when pdfinfo and pdftotext are installed.
bool HavePoppler();
// The standard output of a poppler tool, or "" when it failed.
QString Poppler(const QString &tool, const QStringList &args);
// The page count pdfinfo gives, or -1.
int PdfPageCount(const QString &pdf);

#pragma once
// kt-m40-cli print: painting needs Qt Gui, which the other commands should not load at every start. So the
// command lives in a program of its own, kt-m40-cli-print, and kt-m40-cli print runs that in its place.
#include <QString>
#include <QStringList>

inline const QString PrintSummary = QStringLiteral("print a clone file's channels, settings and VFOs to PDF");
inline const QString PrintUsage =
    QStringLiteral("Usage: kt-m40-cli print FILE.M40 -o OUT.pdf [--page-size A4|Letter|Legal|A3|A5]\n"
                   "Opens FILE.M40 as File > Open does and writes the document File > Print\n"
                   "prints: the used channels with every field, the settings and the VFOs, with\n"
                   "the file name, model and date on top of every page and page numbers beneath.\n"
                   "OUT.pdf '-' is standard output. Needs no display.\n");
inline const QString PrintProgramName = QStringLiteral("kt-m40-cli-print");

// The print command itself (in kt-m40-cli-print): the arguments after "print"; the exit status.
int RunPrintCommand(const QStringList &args);

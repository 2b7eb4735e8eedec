#pragma once
// What an import of the full or the CHIRP layout (and a CHIRP export) did line by line: how many lines
// were taken, taken with a change, refused, and the list of every change and refusal by row and field.
// The list keeps its first MaxItems entries and counts the rest, so that a huge file of refused lines
// cannot grow memory without bound.
#include "image/Messages.h"
#include <QList>
#include <QString>

struct CsvReportItem {
    enum Kind { Changed, Refused, NotCarried };
    Kind kind = Changed;
    QString row;   // row label ("A  0", "VFO B"), CHIRP Location, or "line N" when the line names none
    QString field; // column title, "" for the whole line
    QString reason;
    // compiler-made member by member: not every member's early out is met
    bool operator==(const CsvReportItem &) const = default;
};

struct CsvReport {
    static constexpr int MaxItems = 2000;

    FileStatus status = FileStatus::Ok;
    QString detail;  // the system's reason when the file could not be read
    int taken = 0;   // lines stored (with or without changes)
    int changed = 0; // of those, lines stored with a change
    int refused = 0; // lines left out: nothing from them was stored
    int records = 0; // channels and VFOs whose record the import changed (a line may store what was there)
    QList<CsvReportItem> items;
    qint64 itemsLeftOut = 0; // items beyond MaxItems, counted only

    void add(CsvReportItem::Kind kind, const QString &row, const QString &field, const QString &reason);
    qint64 itemCount() const { return items.size() + itemsLeftOut; }
};

// "Changed", "Refused", "Not carried" (English and Japanese by the window's language).
QString CsvReportKindText(CsvReportItem::Kind kind);
// One line of the list: "A  0  Frequency  refused: outside the range (1.6MHz - 30MHz)".
QString CsvReportItemText(const CsvReportItem &item);

// Why a line whose quote was left open is refused: where the quote opened and where it ran to.
QString CsvOpenQuoteReason(qint64 openedLine, qint64 endLine, const QString &column);

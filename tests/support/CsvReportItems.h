#pragma once
// Looks up the lines of a CSV import's or export's report.
#include "csv/CsvImportReport.h"

// True when the report lists an item of this kind for this row and field.
inline bool hasItem(const CsvReport &r, CsvReportItem::Kind kind, const QString &row, const QString &field) {
    for (const CsvReportItem &i : r.items)
        if (i.kind == kind && i.row == row && i.field == field) return true;
    return false;
}

#pragma once
// A clone image as a printed document, in texts only: a page header (file name, model, date), then three
// tables: the used channels as the memory grid shows them, the settings page's lists with their values,
// and the VFOs. The printer (print/) measures and paints it; PaginateTables decides what goes on each page.
#include "image/CloneImage.h"
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

struct PrintTable {
    QString title;           // e.g. "Memory channels (12 of 604 used)"
    QStringList columns;     // the heading line; empty when the table has none
    QList<int> columnWidths; // relative widths, one per column (twips of the window's grids)
    QList<QStringList> rows; // one text per column
    QString emptyText;       // printed in place of the rows when there are none
};

struct PrintDocument {
    QString fileName; // the clone file's name without its folder, or "(untitled)"
    QString model;    // "KT-M40J (1.6MHz - 30MHz)"
    QString date;     // the day of printing, yyyy-MM-dd
    std::vector<PrintTable> tables;
};

enum PrintTableIndex { PrintChannels = 0, PrintSettings = 1, PrintVfos = 2 };

// filePath is the image's clone file ("" when it has none yet); texts in the current UiText language,
// the image's own texts (labels, fields, list items) as the window shows them.
PrintDocument BuildPrintDocument(const CloneImage &image, const QString &filePath, const QDate &date);
// "Page 2 of 5" (in the current language).
QString PageNumberText(int page, int pageCount);

// One piece of a table on one page: its title line (first piece only), the heading line (every piece of a
// table that has one), then rows [firstRow, firstRow + rowCount); a table without rows prints its
// emptyText line instead.
struct PageSlice {
    int table = 0;
    int firstRow = 0;
    int rowCount = 0;
    bool withTitle = true;
    // compiler-made member by member: not every member's early out is met
    bool operator==(const PageSlice &) const = default;
};
using PrintPage = std::vector<PageSlice>;

// Lines each page holds below its header, every line the same height; tables are separated by one blank
// line. A table that fits on a page is never split; a longer one starts where its title, heading and first
// row fit and repeats its heading on every page it continues on. At least one page, even without tables.
std::vector<PrintPage> PaginateTables(const std::vector<PrintTable> &tables, int linesPerPage);

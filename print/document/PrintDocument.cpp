#include "print/document/PrintDocument.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "image/SettingsLists.h"
#include "image/Startup.h"
#include "settings/SettingsPageLayout.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace {
// The first count column headers, in the window's language.
QStringList shownFieldNames(int count) {
    QStringList names;
    for (int f = 0; f < count; ++f)
        names << ShownFieldName(f);
    return names;
}

// The grids' column widths: the label column, then one per field.
QList<int> gridWidths(int fieldCount) {
    const auto &widths = ColumnWidths();
    return QList<int>(widths.begin(), widths.begin() + 1 + fieldCount);
}

PrintTable channelTable(const CloneImage &image) {
    PrintTable table;
    table.columns = QStringList{QString()} + shownFieldNames(ChannelFieldNames().size());
    table.columnWidths = gridWidths(ChannelFieldCount);
    for (int k = 0; k < ChannelCount; ++k) {
        if (!image.ChannelUsed[k]) continue;
        QStringList row{RowLabel(k)};
        for (const FieldSlot &slot : image.ChannelTable[k].field)
            row << ShownFieldValue(slot.text); // the words in the page's language
        table.rows << row;
    }
    table.title = QCoreApplication::translate("PrintDocument", "Memory channels (%1 of %2 used)")
                      .arg(table.rows.size())
                      .arg(ChannelCount);
    table.emptyText = QCoreApplication::translate("PrintDocument", "No channel is in use.");
    return table;
}

// The settings as the page shows them: three columns of label and value, each read top to bottom.
PrintTable settingsTable(const CloneImage &image) {
    PrintTable table;
    table.title = QCoreApplication::translate("PrintDocument", "Settings");
    const auto &lists = SettingsLists();
    std::vector<QStringList> columns(3);
    for (const SettingsPlace &place : SettingsPagePlaces()) {
        const int i = SettingsListIndex(QLatin1String(place.name));
        columns[place.column] << ShownSettingsText(lists[i].label)
                              << ShownSettingsText(lists[i].items.value(image.Settings[i]));
    }
    int rows = 0;
    for (const QStringList &column : columns)
        rows = std::max(rows, int(column.size() / 2));
    for (int r = 0; r < rows; ++r) {
        QStringList row;
        for (const QStringList &column : columns)
            row << column.value(2 * r) << column.value(2 * r + 1);
        table.rows << row;
    }
    for (int c = 0; c < 3; ++c)
        table.columnWidths << 1800 << 1000;
    return table;
}

PrintTable vfoTable(const CloneImage &image) {
    PrintTable table;
    table.title = QCoreApplication::translate("PrintDocument", "VFO");
    table.columns = QStringList{QString()} + shownFieldNames(VfoFieldCount);
    table.columnWidths = gridWidths(VfoFieldCount);
    for (int n = 0; n < VfoCount; ++n) {
        QStringList row{VfoLabel(n)};
        for (const FieldSlot &slot : image.VfoTable[n].field)
            row << ShownFieldValue(slot.text); // the words in the page's language
        table.rows << row;
    }
    return table;
}

int headingLines(const PrintTable &table) {
    return table.columns.isEmpty() ? 0 : 1;
}
int bodyLines(const PrintTable &table) {
    return std::max(1, int(table.rows.size())); // the empty text takes a line
}
} // namespace

PrintDocument BuildPrintDocument(const CloneImage &image, const QString &filePath, const QDate &date) {
    PrintDocument doc;
    doc.fileName = filePath.isEmpty() ? QCoreApplication::translate("PrintDocument", "(untitled)")
                                      : QFileInfo(filePath).fileName();
    doc.model = VariantCaption(image.Variant) + QLatin1Char(' ') + FrequencyRangeFor(image.WideRange).text;
    doc.date = date.toString(Qt::ISODate);
    doc.tables = {channelTable(image), settingsTable(image), vfoTable(image)};
    return doc;
}

QString PageNumberText(int page, int pageCount) {
    return QCoreApplication::translate("PrintDocument", "Page %1 of %2").arg(page).arg(pageCount);
}

std::vector<PrintPage> PaginateTables(const std::vector<PrintTable> &tables, int linesPerPage) {
    // The least a page must hold: a title, a heading and one row.
    const int lines = std::max(3, linesPerPage);
    std::vector<PrintPage> pages(1);
    int used = 0;
    for (int t = 0; t < int(tables.size()); ++t) {
        const PrintTable &table = tables[size_t(t)];
        const int heading = headingLines(table);
        const int whole = 1 + heading + bodyLines(table);
        const int gap = used > 0 ? 1 : 0;
        const int room = lines - used - gap;
        // A table that would fit on a page of its own is not split; a longer one needs room to start.
        const bool fits = whole <= room;
        const bool canStart = whole > lines && 1 + heading + 1 <= room;
        if (used > 0 && !fits && !canStart) {
            pages.emplace_back();
            used = 0;
        } else {
            used += gap;
        }
        used += 1 + heading;
        if (table.rows.isEmpty()) {
            pages.back().push_back({t, 0, 0, true});
            used += 1;
            continue;
        }
        int row = 0;
        bool first = true;
        while (row < table.rows.size()) {
            const int take = std::min(lines - used, int(table.rows.size()) - row);
            pages.back().push_back({t, row, take, first});
            row += take;
            used += take;
            first = false;
            if (row < table.rows.size()) {
                pages.emplace_back();
                used = heading;
            }
        }
    }
    return pages;
}

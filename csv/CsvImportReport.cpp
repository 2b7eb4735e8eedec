#include "csv/CsvImportReport.h"
#include <QCoreApplication>

void CsvReport::add(CsvReportItem::Kind kind, const QString &row, const QString &field,
                    const QString &reason) {
    if (items.size() < MaxItems)
        items.append({kind, row, field, reason});
    else
        ++itemsLeftOut;
}

QString CsvReportKindText(CsvReportItem::Kind kind) {
    // a case for every value: the way past the switch is for a value outside the enum
    switch (kind) {
    case CsvReportItem::Changed:
        return QCoreApplication::translate("CsvImportReport", "changed");
    case CsvReportItem::Refused:
        return QCoreApplication::translate("CsvImportReport", "refused");
    case CsvReportItem::NotCarried:
        return QCoreApplication::translate("CsvImportReport", "not carried");
    }
    return QString();
}

QString CsvReportItemText(const CsvReportItem &item) {
    QString text = item.row;
    if (!item.field.isEmpty()) text += QStringLiteral("  ") + item.field;
    return text + QStringLiteral("  ") + CsvReportKindText(item.kind) + QStringLiteral(": ") + item.reason;
}

QString CsvOpenQuoteReason(qint64 openedLine, qint64 endLine, const QString &column) {
    return QCoreApplication::translate(
               "CsvImportReport",
               "a quote opened on line %1 is still open at the end of line %2, where a %3 cannot go on: "
               "the line is left out and reading goes on with the next line")
        .arg(openedLine)
        .arg(endLine)
        .arg(column);
}

#include "csv/CsvImportReport.h"
#include "image/UiText.h"

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
        return UiText("changed", "変更");
    case CsvReportItem::Refused:
        return UiText("refused", "拒否");
    case CsvReportItem::NotCarried:
        return UiText("not carried", "未転送");
    }
    return QString();
}

QString CsvReportItemText(const CsvReportItem &item) {
    QString text = item.row;
    if (!item.field.isEmpty()) text += QStringLiteral("  ") + item.field;
    return text + QStringLiteral("  ") + CsvReportKindText(item.kind) + QStringLiteral(": ") + item.reason;
}

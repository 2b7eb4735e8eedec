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

QString CsvOpenQuoteReason(qint64 openedLine, qint64 endLine, const QString &column) {
    return UiText("a quote opened on line %1 is still open at the end of line %2, where a %3 cannot go on: "
                  "the line is left out and reading goes on with the next line",
                  "%1行目で始まった引用符が%2行目の終わりでも閉じていません（%3は改行を含めません）: "
                  "この行は使わず、次の行から読み続けます")
        .arg(openedLine)
        .arg(endLine)
        .arg(column);
}

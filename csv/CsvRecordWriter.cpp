#include "csv/CsvRecordWriter.h"

QByteArray CsvQuotedField(const QString &value) {
    const QByteArray bytes = value.toUtf8();
    const bool quote =
        bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') || bytes.contains('\n') ||
        (!bytes.isEmpty() &&
         (bytes.front() == ' ' || bytes.back() == ' ' || bytes.front() == '\t' || bytes.back() == '\t'));
    if (!quote) return bytes;
    QByteArray out = bytes;
    out.replace("\"", "\"\"");
    return '"' + out + '"';
}

QByteArray CsvRecordLine(const QStringList &values) {
    QByteArray line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0) line += ',';
        line += CsvQuotedField(values[i]);
    }
    return line + "\r\n";
}

#pragma once
// Writes CSV records the way spreadsheets read them (RFC 4180): a field that holds a comma, a double
// quote, a line break or a blank at either end goes in double quotes with its quotes doubled; the others
// are written as they are. UTF-8, every record ended by CR LF.
#include <QByteArray>
#include <QStringList>

QByteArray CsvQuotedField(const QString &value);
QByteArray CsvRecordLine(const QStringList &values);

#pragma once
// Whole-file reads and writes for tests, and the tables under tests/corpus/.
#include "support/TestPaths.h"
#include <QByteArray>
#include <QFile>
#include <QStringList>

inline QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// False when the file cannot be written.
inline bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The rows of tests/corpus/<name>: a row a line, its cells apart by tabs, a cell written '' empty (no
// editor strips it); lines starting with '#' are notes.
inline QList<QStringList> corpusRows(const QString &name) {
    QList<QStringList> rows;
    for (const QByteArray &line :
         readFile(sourceDir() + QStringLiteral("/tests/corpus/") + name).split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        rows << QString::fromUtf8(line).split(QLatin1Char('\t'));
        for (QString &cell : rows.last())
            if (cell == QLatin1String("''")) cell.clear();
    }
    return rows;
}

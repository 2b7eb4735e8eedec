#include "cli/DifferenceReport.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

void PrintDifferences(const QList<ImageDifference> &diffs, bool json, const DifferenceWording &wording) {
    QTextStream out(stdout);
    if (json) {
        QJsonArray list;
        for (const ImageDifference &d : diffs)
            list.append(QJsonObject{{"record", d.record},
                                    {"field", d.field},
                                    {wording.firstKey, d.first},
                                    {wording.secondKey, d.second}});
        out << QJsonDocument(QJsonObject{{"equal", diffs.isEmpty()}, {"differences", list}})
                   .toJson(QJsonDocument::Compact)
            << "\n";
        return;
    }
    for (const ImageDifference &d : diffs)
        out << wording.lineFormat.arg(d.record, d.field, d.first, d.second) << "\n";
    out << (diffs.isEmpty() ? wording.sameText : wording.countFormat.arg(diffs.size())) << "\n";
}

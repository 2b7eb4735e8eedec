#include "cli/DifferenceReport.h"
#include "cli/CliSupport.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

QString DifferencesText(const QList<ImageDifference> &diffs, bool json, const DifferenceWording &wording) {
    QString text;
    QTextStream out(&text);
    if (json) {
        QJsonArray list;
        for (const ImageDifference &d : diffs) {
            QJsonObject entry{{"record", d.record},
                              {"field", d.field},
                              {wording.firstKey, d.first},
                              {wording.secondKey, d.second}};
            if (!d.content.isEmpty()) {
                // a channel on one side only: its fields, on the side whose text is not "empty"
                QJsonObject channel;
                for (const auto &[name, text] : d.content)
                    channel[name] = text;
                entry[QStringLiteral("channel")] = channel;
            }
            list.append(entry);
        }
        QJsonObject object{{"equal", diffs.isEmpty()}, {"differences", list}};
        if (wording.retries >= 0) object[QStringLiteral("retries")] = wording.retries;
        out << QJsonDocument(object).toJson(QJsonDocument::Compact) << "\n";
        out.flush();
        return text;
    }
    for (const ImageDifference &d : diffs)
        out << wording.lineFormat.arg(d.record, d.field, d.first, d.second) << "\n";
    out << (diffs.isEmpty() ? wording.sameText : wording.countFormat.arg(diffs.size())) << "\n";
    out.flush();
    return text;
}

void PrintDifferences(const QList<ImageDifference> &diffs, bool json, const DifferenceWording &wording) {
    Out() << DifferencesText(diffs, json, wording);
}

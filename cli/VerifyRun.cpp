#include "cli/VerifyRun.h"
#include "cli/CliSupport.h"
#include "cli/LinkOptions.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

int VerifyAgainstRadio(RadioSession &session, const CloneImage &image, bool settings, bool memory,
                       bool json) {
    const int status = RunSession(
        session, {[settings, memory](RadioSession &s) { return s.startVerify(settings, memory); }});
    if (status != ExitOk) return status;
    const QList<ImageDifference> diffs = CompareWithRadio(image, session.radioRecords());
    QTextStream out(stdout);
    if (json) {
        QJsonArray list;
        for (const ImageDifference &d : diffs)
            list.append(QJsonObject{
                {"record", d.record}, {"field", d.field}, {"file", d.first}, {"radio", d.second}});
        out << QJsonDocument(QJsonObject{{"equal", diffs.isEmpty()}, {"differences", list}})
                   .toJson(QJsonDocument::Compact)
            << "\n";
    } else {
        for (const ImageDifference &d : diffs)
            out << d.record << "  " << d.field << ": file " << d.first << ", radio " << d.second << "\n";
        out << (diffs.isEmpty()
                    ? QStringLiteral("The radio holds what the file would write.")
                    : QStringLiteral("%1 difference(s) between the file and the radio.").arg(diffs.size()))
            << "\n";
    }
    return diffs.isEmpty() ? ExitOk : ExitDifferent;
}

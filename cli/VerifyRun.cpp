#include "cli/VerifyRun.h"
#include "cli/CliSupport.h"
#include "cli/DifferenceReport.h"
#include "cli/LinkOptions.h"

int VerifyAgainstRadio(RadioSession &session, const CloneImage &image, bool settings, bool memory,
                       bool json) {
    const int status = RunSession(
        session, {[settings, memory](RadioSession &s) { return s.startVerify(settings, memory); }});
    if (status != ExitOk) return status;
    const QList<ImageDifference> diffs = CompareWithRadio(image, session.radioRecords());
    PrintDifferences(diffs, json,
                     {"file", "radio", QStringLiteral("%1  %2: file %3, radio %4"),
                      QStringLiteral("The radio holds what the file would write."),
                      QStringLiteral("%1 difference(s) between the file and the radio."),
                      int(session.retriesInRun().size())});
    return diffs.isEmpty() ? ExitOk : ExitDifferent;
}

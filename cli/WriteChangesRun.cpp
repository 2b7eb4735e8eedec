#include "cli/WriteChangesRun.h"
#include "cli/CliSupport.h"
#include "cli/LinkOptions.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {
// One line on a terminal, rewritten in place, across the three phases.
class ChangesProgressLine {
  public:
    explicit ChangesProgressLine(RadioSession &session) {
        if (isatty(fileno(stderr)) == 0) return;
        QObject::connect(&session, &RadioSession::changesProgress, &guard_,
                         [this](const WriteChangesProgress &p) {
                             const QByteArray line = p.text().toLocal8Bit();
                             std::fprintf(stderr, "\r%-*s", width_, line.constData());
                             width_ = std::max(width_, int(line.size()));
                             std::fflush(stderr);
                             shown_ = true;
                         });
    }
    ~ChangesProgressLine() {
        if (shown_) std::fputs("\n", stderr);
    }

  private:
    QObject guard_;
    int width_ = 0;
    bool shown_ = false;
};

QJsonArray recordList(const QList<ChangedRecord> &records) {
    QJsonArray list;
    for (const ChangedRecord &r : records)
        list.append(QJsonObject{{"address", RecordAddressText(r.address)}, {"record", r.label}});
    return list;
}
} // namespace

int WriteChangesToRadio(RadioSession &session, const CloneImage &image, bool settings, bool memory, bool json,
                        const QString &backupFolder) {
    int status = ExitOk;
    {
        ChangesProgressLine line(session);
        status = RunSession(
            session, {[&](RadioSession &s) { return s.startWriteChanges(settings, memory, backupFolder); }});
    }
    const WriteChangesRun &run = session.writeChangesRun();
    if (!run.backupPath.isEmpty()) PrintMessage(QStringLiteral("Backup: %1").arg(run.backupPath));
    if (status != ExitOk) return status; // the failure's message says it all: nothing is claimed
    const QList<ChangedRecord> notHeld = run.notHeld(session.radioRecords());
    const QList<ImageDifference> diffs = run.stillDiffering(image, session.radioRecords());
    QTextStream out(stdout);
    if (json) {
        QJsonArray differences;
        for (const ImageDifference &d : diffs)
            differences.append(QJsonObject{
                {"record", d.record}, {"field", d.field}, {"file", d.first}, {"radio", d.second}});
        out << QJsonDocument(QJsonObject{{"differed", int(run.changed.size())},
                                         {"written", run.written},
                                         {"verified", notHeld.isEmpty()},
                                         {"backup", run.backupPath},
                                         {"records", recordList(run.changed)},
                                         {"notHeld", recordList(notHeld)},
                                         {"differences", differences},
                                         {"retries", int(session.retriesInRun().size())}})
                   .toJson(QJsonDocument::Compact)
            << "\n";
    } else {
        for (const ChangedRecord &r : run.changed)
            out << QStringLiteral("%1  %2  written%3\n")
                       .arg(RecordAddressText(r.address), r.label,
                            notHeld.contains(r) ? QStringLiteral(", reads back differently") : QString());
        for (const ImageDifference &d : diffs)
            out << QStringLiteral("%1  %2: file %3, radio %4\n").arg(d.record, d.field, d.first, d.second);
    }
    out.flush();
    PrintMessage(WriteChangesSummary(int(run.changed.size()), run.written, int(notHeld.size())));
    return notHeld.isEmpty() ? ExitOk : ExitDifferent;
}

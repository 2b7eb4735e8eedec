// Write Changes against the virtual radio, in process and through QSerialPort on a pseudo-terminal: the
// reads, then only the differing writes, then the reads of what was written; nothing written when nothing
// differs (through the command line); a radio that stores a record wrong; a fault in each phase; a second run
// after an interrupted one; the advice when the system refuses the port.
#include "channels/ChannelRecord.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "files/ImageDiff.h"
#include "image/HexText.h"
#include "settings/SettingsCodec.h"
#include "support/CliRun.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"
#include "support/VirtualRadioRig.h"
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Write Changes on the demo radio over either line, recording the progress.
struct Rig : VirtualRadioRig {
    QList<WriteChangesProgress> phases; // the progress of Write Changes
    QTemporaryDir backups;

    explicit Rig(Line line) : VirtualRadioRig(VirtualRadio::withDemoContents(), line) {
        image = VirtualRadio::demoImage(); // the "file": what the radio holds, until edited
        if (!open()) qFatal("no pseudo-terminal");
        session.setCommandPauseMs(0); // what goes out is checked here; the pause between commands elsewhere
        QObject::connect(&session, &RadioSession::changesProgress,
                         [this](const WriteChangesProgress &p) { phases.append(p); });
    }
    // Runs Write Changes of both halves (or the given ones) to its end; the last procedure's ending.
    Ending run(bool settings = true, bool memory = true, const QString &folder = {}) {
        const QString into = folder.isEmpty() ? backups.path() : folder;
        return VirtualRadioRig::run(
            [&](RadioSession &s) { return s.startWriteChanges(settings, memory, into); }, 60000);
    }
    const WriteChangesRun &result() const { return session.writeChangesRun(); }
};

// The reads of every record address in order, written out from the memory map: 0300, 0320, 0400, 0500,
// 0600 + 20 k.
QStringList reads(bool settings, bool memory) {
    QList<int> addresses;
    if (settings) addresses = {0x300, 0x320, 0x400, 0x500};
    if (memory)
        for (int a = 0x600; a <= 0x5160; a += 0x20)
            addresses << a;
    QStringList out;
    for (int a : addresses)
        out << QString::asprintf("RZ~F%04XR", a);
    return out;
}

// Command lines with each write's 64 digits shown as "<64>".
QStringList shortWrites(const QStringList &lines) {
    QStringList out;
    for (const QString &l : lines)
        out << (l.size() == 9 + 64 && l.startsWith("RZ~F") && l[8] == 'W' ? l.left(9) + "<64>" : l);
    return out;
}

// Three edits: the beep setting (block 0300), channel 2's name (0640), channel 200's frequency (1F00).
void editThree(CloneImage &image) {
    image.Settings.byName("cmbBeep") = image.Settings.byName("cmbBeep") == 0 ? 1 : 0;
    image.ChannelTable[2].field[FieldName].text = "CHANGED";
    RecordBytes b{};
    b[0] = 0x80;
    b[1] = 1;
    WriteLe32(b, 16, 7123000);
    WriteLe32(b, 28, 7123000);
    QVERIFY(UpdateMemData(image, RecordText(b), 200));
}

} // namespace

class TestWriteChanges : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (!QFile::exists("/dev/ptmx")) QSKIP("this system has no pseudo-terminals");
    }

    void theExactSequence_data() {
        QTest::addColumn<Line>("line");
        QTest::newRow("in process") << Line::InProcess;
        QTest::newRow("serial port") << Line::SerialPort;
    }
    void theExactSequence() {
        QFETCH(Line, line);
        Rig rig(line);
        editThree(rig.image);
        const QByteArray radioBefore = rig.radio->cloneFileBytes();
        QCOMPARE(rig.run(), Ending::Success);

        QCOMPARE(shortWrites(rig.commands()),
                 reads(true, true) +
                     QStringList({"RZ~E", "KTM40", "RZ~F0300W<64>", "RZ~F0640W<64>", "RZ~F1F00W<64>", "RZ~E",
                                  "RZ~F0300R", "RZ~F0640R", "RZ~F1F00R", "RZ~E"}));

        // the radio now holds exactly what the file holds, and the backup exactly what the radio held
        CloneImage file = rig.image;
        QCOMPARE(rig.radio->cloneFileBytes(), CloneFileBytes(file));
        const QStringList saved = ListBackups(rig.backups.path());
        QCOMPARE(saved.size(), 1);
        QCOMPARE(readFile(saved.first()), radioBefore);
        QCOMPARE(rig.result().backupPath, saved.first());

        const WriteChangesRun &r = rig.result();
        QCOMPARE(r.changed.size(), 3);
        QCOMPARE(r.changed[0].label, QString("Settings block 0300"));
        QCOMPARE(r.changed[1].label, QString("2"));
        QCOMPARE(r.changed[2].label, QString("A  0"));
        QCOMPARE(r.written, 3);
        QVERIFY(r.notHeld(rig.session.radioRecords()).isEmpty());

        // progress runs through the three phases to the whole run's end
        QVERIFY(!rig.phases.isEmpty());
        QCOMPARE(rig.phases.first().phase, WriteChangesProgress::Phase::Reading);
        QCOMPARE(rig.phases.first().total, 608);
        const WriteChangesProgress last = rig.phases.last();
        QCOMPARE(last.phase, WriteChangesProgress::Phase::Checking);
        QCOMPARE(last.done, 3);
        QCOMPARE(last.workDone, last.workTotal);
        qint64 previous = 0;
        for (const WriteChangesProgress &p : rig.phases) {
            QVERIFY(p.workDone >= previous); // never backwards across the phases
            QVERIFY(p.workDone <= p.workTotal);
            previous = p.workDone;
        }
    }

    void onlyTheSettingsHalf() {
        Rig rig(Line::InProcess);
        editThree(rig.image);
        QCOMPARE(rig.run(true, false), Ending::Success);
        QCOMPARE(shortWrites(rig.commands()),
                 reads(true, false) +
                     QStringList({"RZ~E", "KTM40", "RZ~F0300W<64>", "RZ~E", "RZ~F0300R", "RZ~E"}));
        // the channels edited in the file stay as the radio held them
        QCOMPARE(rig.radio->block(0x640), MakeMemData(VirtualRadio::demoImage(), 2));
    }

    void aRecordStoredWrongIsCaught() {
        Rig rig(Line::InProcess);
        editThree(rig.image);
        rig.radio->faults.corruptAt.insert("0640");
        QCOMPARE(rig.run(), Ending::Success); // every exchange went well...
        const QList<ChangedRecord> wrong = rig.result().notHeld(rig.session.radioRecords());
        QCOMPARE(wrong.size(), 1); // ...but the check read finds what the radio really holds
        QCOMPARE(wrong.first().address, 0x640);
        const QList<ImageDifference> d = rig.result().stillDiffering(rig.image, rig.session.radioRecords());
        QCOMPARE(d.size(), 1);
        QCOMPARE(d.first().record, QString("2"));
        QCOMPARE(d.first().field, QString("Frequency"));
    }

    // Each phase failing: the ending, where the commands stop, no end command after the failure.
    void aFaultInEachPhase_data() {
        QTest::addColumn<Line>("line");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("lastCommand");
        QTest::addColumn<int>("written");
        QTest::addColumn<bool>("backup");
        // the replies are judged alike on either line: the real port adds only its hang-up
        const Line in = Line::InProcess;
        const int comm = int(Ending::CommunicationError);
        QTest::newRow("read times out") << in << "timeout@1000" << comm << "RZ~F1000R" << 0 << false;
        QTest::newRow("read one short") << in << "short@0400" << comm << "RZ~F0400R" << 0 << false;
        QTest::newRow("access refused") << in << "deny-access" << comm << "KTM40" << 0 << true;
        QTest::newRow("write not OK") << in << "notok@0640" << comm << "RZ~F0640W" << 1 << true;
        QTest::newRow("check read times out") << in << "check" << comm << "RZ~F0640R" << 3 << true;
        for (Line line : {Line::InProcess, Line::SerialPort})
            QTest::addRow("%s: line dropped at a write", line == in ? "in process" : "serial port")
                << line << "drop-write" << int(Ending::ComPortError) << "RZ~F1F00W" << 2 << true;
    }
    void aFaultInEachPhase() {
        QFETCH(Line, line);
        QFETCH(QString, fault);
        QFETCH(int, ending);
        QFETCH(QString, lastCommand);
        QFETCH(int, written);
        QFETCH(bool, backup);
        Rig rig(line);
        editThree(rig.image);
        int ends = 0; // counted by the observer while the run goes on, so it lives as long as the run
        if (fault == "drop-write") {
            // once the writes begin, the line goes at the write of 1F00 (its read went well)
            VirtualRadio *radio = rig.radio.get();
            radio->commandObserver = [radio](const QByteArray &l) {
                if (l == "KTM40") radio->faults.dropAt.insert("1F00");
            };
        } else if (fault == "check") {
            // the second end command closes the writes: from then on 0640 stays silent
            VirtualRadio *radio = rig.radio.get();
            radio->commandObserver = [radio, &ends](const QByteArray &l) {
                if (l == "RZ~E" && ++ends == 2) radio->faults.timeoutAt.insert("0640");
            };
        } else {
            QString error;
            QVERIFY2(ParseFaultSpec(fault, rig.radio->faults, &error), qPrintable(error));
        }
        QCOMPARE(int(rig.run()), ending);
        const QStringList sent = rig.commands();
        QCOMPARE(sent.last().left(9), lastCommand.left(9));
        QCOMPARE(sent.count("RZ~E"), written > 0 ? 1 + (fault == "check") : backup ? 1 : 0);
        QCOMPARE(rig.result().written, written);
        QCOMPARE(ListBackups(rig.backups.path()).size(), backup ? 1 : 0);
        QCOMPARE(rig.result().backupPath.isEmpty(), !backup);
        rig.radio->commandObserver = nullptr;
    }

    void noBackupNoWrite() {
        Rig rig(Line::InProcess);
        editThree(rig.image);
        const QByteArray radioBefore = rig.radio->cloneFileBytes();
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath("file");
        QVERIFY(writeFile(notAFolder, ""));
        QCOMPARE(rig.run(true, true, notAFolder + "/backups"), Ending::FileError);
        QVERIFY(!rig.commands().contains("KTM40"));
        QCOMPARE(rig.commands().last(), QString("RZ~E")); // the reads ended as a read does
        QCOMPARE(rig.radio->cloneFileBytes(), radioBefore);
        QVERIFY(rig.lastDetail().contains("nothing was written"));
    }

    // A write stopped half-way: running again writes only what still differs, and then all is there.
    void resumingAfterAnInterruptedWrite() {
        Rig rig(Line::InProcess);
        editThree(rig.image);
        rig.radio->faults.notOkAt.insert("1F00");
        QCOMPARE(rig.run(), Ending::CommunicationError);
        QCOMPARE(rig.result().written, 2);
        rig.radio->faults.notOkAt.clear();
        const qsizetype from = rig.radio->commandLog().size();
        QCOMPARE(rig.run(), Ending::Success);
        QCOMPARE(shortWrites(rig.commands(from)).filter("W<64>"), QStringList{"RZ~F1F00W<64>"});
        QCOMPARE(rig.result().changed.size(), 1);
        CloneImage file = rig.image;
        QCOMPARE(rig.radio->cloneFileBytes(), CloneFileBytes(file));
        QCOMPARE(ListBackups(rig.backups.path()).size(), 2);
    }

    // kt-m40-cli write --changed against 'kt-m40-cli sim': the closing line,
    // --json, exit 5 for a record stored wrong, a failure's message and status with nothing claimed.
    void theCommandLine() {
        QTemporaryDir dir;
        CloneImage edited = VirtualRadio::demoImage();
        editThree(edited);
        const QString file = dir.filePath("edited.M40"), log = dir.filePath("log.txt");
        QCOMPARE(SaveCloneFile(file, edited), FileStatus::Ok);
        auto loggedCommands = [&log] {
            QStringList out;
            for (const QByteArray &line : readFile(log).split('\n'))
                if (!line.isEmpty()) out << QString::fromLatin1(line.mid(line.indexOf(' ') + 1));
            return out;
        };
        {
            Sim sim({"--demo", "--log", log});
            QVERIFY(!sim.port().isEmpty());
            CliResult r = runCli({"write", "--port", sim.port(), file, "--changed", "--json"});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY2(r.err.contains("3 records differed, 3 written, all verified\n"), r.err.constData());
            QVERIFY(r.err.contains("Backup: "));
            const QJsonObject o = QJsonDocument::fromJson(r.out).object();
            QCOMPARE(o["differed"].toInt(), 3);
            QCOMPARE(o["written"].toInt(), 3);
            QCOMPARE(o["verified"].toBool(), true);
            QStringList records;
            for (const QJsonValue &v : o["records"].toArray())
                records << v["address"].toString() + " " + v["record"].toString();
            QCOMPARE(records, QStringList({"0300 Settings block 0300", "0640 2", "1F00 A  0"}));
            QVERIFY(QFile::exists(o["backup"].toString()));

            // a second run finds nothing left to write and sends no write at all
            const qsizetype before = loggedCommands().size();
            r = runCli({"write", "--port", sim.port(), file, "--changed", "--settings"});
            QCOMPARE(r.exitCode, 0);
            QVERIFY(r.err.contains("0 records differed, 0 written, all verified"));
            QVERIFY(r.err.contains("Backup: ")); // kept even when nothing is written
            QCOMPARE(loggedCommands().mid(before), reads(true, false) + QStringList({"RZ~E"}));
        }

        {
            Sim sim({"--demo", "--fault", "corrupt@0640"});
            const CliResult r = runCli({"write", "--port", sim.port(), file, "--changed", "--memory"});
            QCOMPARE(r.exitCode, 5);
            QVERIFY2(r.err.contains("2 records differed, 2 written, 1 differ after writing"),
                     r.err.constData());
            QVERIFY(r.out.contains("0640  2  written, reads back differently"));
            QVERIFY(r.out.contains("2  Frequency: file 7.074.000, radio 7.074.001"));
        }
        {
            Sim sim({"--demo", "--fault", "timeout@0400"});
            const CliResult r = runCli({"write", "--port", sim.port(), file, "--changed"});
            QCOMPARE(r.exitCode, 1);
            QVERIFY(r.err.startsWith("Communication Error\n"));
            QVERIFY(!r.err.contains("written"));
            QVERIFY(!r.err.contains("Backup"));
        }
        {
            Sim sim({"--demo", "--fault", "notok@0300"});
            const CliResult r =
                runCli({"write", "--port", sim.port(), file, "--changed", "--settings", "--json"});
            QCOMPARE(r.exitCode, 1);
            QVERIFY(r.err.contains("Communication Error\n"));
            QVERIFY(r.err.contains("Backup: ")); // what the radio held was kept before the write began
            QVERIFY(r.out.isEmpty());
        }
        const CliResult usage = runCli({"write", "--port", "/dev/null", file, "--json"});
        QCOMPARE(usage.exitCode, 64);
    }

    void theTimeLeftAcrossThePhases() {
        WriteChangesRun run;
        run.addresses = WriteChangesAddresses(false, true);
        QCOMPARE(run.addresses.size(), 604);
        run.read = 302;
        WriteChangesProgress p = run.progress(WriteChangesProgress::Phase::Reading);
        p.elapsedMs = 30000;
        // half the reads and nothing differing yet: as long again, plus the end command (26 of 98 * 302)
        QVERIFY(qAbs(p.remainingMs() - 30000) < 100);
        QCOMPARE(p.text(), QString("Write Changes: reading 302 of 604 records, 0:30 elapsed, 0:30 left"));
        // 10 records to write once all is read: each write weighs 164, each check read 98
        run.read = 604;
        run.changed.resize(10);
        run.written = 5;
        p = run.progress(WriteChangesProgress::Phase::Writing);
        QCOMPARE(p.workTotal, 604 * 98 + 26 + 28 + 10 * 164 + 26 + 10 * 98 + 26);
        QCOMPARE(p.workDone, 604 * 98 + 26 + 28 + 5 * 164);
        QCOMPARE(p.total, 10);
        QCOMPARE(WriteChangesProgress{}.remainingMs(), -1);
    }

    void recordsAndLabels() {
        CloneImage image = VirtualRadio::demoImage();
        RadioRecords radio = RecordsToWrite(image, WriteChangesAddresses(true, true));
        QCOMPARE(radio.size(), 608);
        QVERIFY(ChangedRecords(image, radio).isEmpty());
        radio[0x5160] = radio[0x5160].toLower(); // case of the digits is no difference
        QVERIFY(ChangedRecords(image, radio).isEmpty());
        radio[0x500] = QString(64, '0');
        radio[0x5160] = QString(64, 'F');
        const QList<ChangedRecord> c = ChangedRecords(image, radio);
        QCOMPARE(c.size(), 2);
        QCOMPARE(c[0].label, QString("VFO B"));
        QCOMPARE(c[1].label, QString("B-P2"));
        QCOMPARE(c[1].digits, MakeMemData(image, 603));
        QCOMPARE(RecordAddressText(0xFE0), QString("0FE0"));
        QCOMPARE(RecordLabel(0x400), QString("VFO A"));
        QCOMPARE(RecordLabel(0x320), QString("Settings block 0320"));
    }
};

QTEST_GUILESS_MAIN(TestWriteChanges)
#include "tst_write_changes.moc"

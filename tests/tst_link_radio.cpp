// The virtual radio's side of the protocol, its faults and clone files, and the port settings.
#include "link/PortSettings.h"
#include "link/SerialLink.h"
#include "link/VirtualRadio.h"
#include "support/TestFiles.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <grp.h>
#include <unistd.h>

namespace {
QByteArray replyTo(VirtualRadio &radio, const QByteArray &line) {
    const auto replies = radio.receive(line);
    return replies.size() == 1 ? replies.front().echo + replies.front().answer : QByteArray("<none>");
}

QByteArray writeLine(const QByteArray &address, char fill) {
    return "RZ~F" + address + "W" + QByteArray(64, fill) + "\r\n";
}

} // namespace

class TestLinkRadio : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("kt-m40-tests");
        QCoreApplication::setApplicationName("tst_link_radio");
    }

    void repliesHaveTheRadiosLengths() {
        VirtualRadio radio;
        const QByteArray read = replyTo(radio, "RZ~F0600R\r\n");
        QCOMPARE(read.size(), 77);
        QVERIFY(read.startsWith("RZ~F0600R\r\n"));
        QCOMPARE(read.mid(11, 64), radio.block(0x600).toLatin1());
        QCOMPARE(replyTo(radio, "KTM40\r\n"), QByteArray("KTM40\r\nOK\r\n"));
        QCOMPARE(replyTo(radio, writeLine("5160", 'A')).size(), 79);
        radio.setIdentity(VariantE, true);
        QCOMPARE(replyTo(radio, "RZ~WHO\r\n"), QByteArray("RZ~WHO\r\nKTM409900AA\r\n"));
        QCOMPARE(replyTo(radio, "RZ~E\r\n"), QByteArray("RZ~E\r\nOK\r\n"));
        QCOMPARE(replyTo(radio, "RZ~F0610R\r\n"), QByteArray("RZ~F0610R\r\nNG\r\n")); // no block there
        // a command split over several deliveries is answered once complete
        QVERIFY(radio.receive("RZ~F03").empty());
        QCOMPARE(radio.receive("00R\r\n").size(), std::size_t(1));
    }

    void writesNeedTheAccessLine() {
        VirtualRadio radio;
        const QString before = radio.block(0x620);
        QVERIFY(replyTo(radio, writeLine("0620", 'B')).endsWith("NG\r\n"));
        QCOMPARE(radio.block(0x620), before);
        replyTo(radio, "KTM40\r\n");
        QVERIFY(replyTo(radio, writeLine("0620", 'B')).endsWith("OK\r\n"));
        QCOMPARE(radio.block(0x620), QString(64, 'B'));
        replyTo(radio, "RZ~E\r\n"); // the end command closes the access
        QVERIFY(replyTo(radio, writeLine("0620", 'C')).endsWith("NG\r\n"));
        QCOMPARE(radio.block(0x620), QString(64, 'B'));
    }

    void faultsChangeTheAnswer() {
        VirtualRadio radio;
        radio.faults.shortAt.insert("0600");
        radio.faults.longAt.insert("0620");
        radio.faults.timeoutAt.insert("WHO");
        radio.faults.notOkAt.insert("0640");
        radio.faults.dropAt.insert("0660");
        QCOMPARE(replyTo(radio, "RZ~F0600R\r\n").size(), 76);
        QCOMPARE(replyTo(radio, "RZ~F0620R\r\n").size(), 78);
        QCOMPARE(replyTo(radio, "RZ~WHO\r\n"), QByteArray("RZ~WHO\r\n")); // the echo only
        replyTo(radio, "KTM40\r\n");
        const QByteArray notOk = replyTo(radio, writeLine("0640", 'D'));
        QCOMPARE(notOk.size(), 79);
        QVERIFY(notOk.endsWith("NG\r\n"));
        const auto dropped = radio.receive("RZ~F0660R\r\n");
        QVERIFY(dropped.at(0).dropLine);
        radio.faults = {};
        radio.faults.denyAccess = true;
        QCOMPARE(replyTo(radio, "KTM40\r\n"), QByteArray("KTM40\r\nNG\r\n"));
        QVERIFY(!radio.writeAccess());
    }

    void faultSpecs_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<bool>("valid");
        QTest::newRow("timeout") << "timeout@0FE0" << true;
        QTest::newRow("lower-case address") << "short@0fe0" << true;
        QTest::newRow("access line") << "notok@KTM40" << true;
        QTest::newRow("everything") << "timeout@*" << true;
        QTest::newRow("delay") << "delay=250" << true;
        QTest::newRow("deny") << "deny-access" << true;
        QTest::newRow("no address") << "timeout@" << false;
        QTest::newRow("bad address") << "drop@06000" << false;
        QTest::newRow("bad delay") << "delay=soon" << false;
        QTest::newRow("unknown") << "explode@0600" << false;
    }

    void faultSpecs() {
        QFETCH(QString, spec);
        QFETCH(bool, valid);
        VirtualRadioFaults faults;
        QString error;
        QCOMPARE(ParseFaultSpec(spec, faults, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (spec == "short@0fe0") QVERIFY(faults.shortAt.contains("0FE0"));
        if (spec == "delay=250") QCOMPARE(faults.delayMs, 250);
    }

    void cloneFileRoundTrip() {
        QTemporaryDir dir;
        auto radio = VirtualRadio::withDemoContents();
        radio->setIdentity(VariantA, true);
        const QString path = dir.filePath("radio.M40");
        const QByteArray bytes = radio->cloneFileBytes();
        QVERIFY(writeFile(path, bytes));
        QVERIFY(bytes.startsWith("Korvan KT-M40A Clone A FileStart\r\n"));

        VirtualRadio copy;
        QString error;
        QVERIFY2(copy.loadCloneFile(path, &error), qPrintable(error));
        QCOMPARE(copy.cloneFileBytes(), bytes);
        QCOMPARE(copy.variantCode, QStringLiteral("CC"));
        CloneImage image;
        QVERIFY(copy.toImage(image));
        QVERIFY(image.ChannelTable == VirtualRadio::demoImage().ChannelTable);

        QVERIFY(writeFile(path, bytes.left(bytes.size() / 2)));
        QVERIFY(!copy.loadCloneFile(path, &error));
        QCOMPARE(copy.cloneFileBytes(), bytes); // a refused file changes nothing
    }

    void portFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("KT-M40.ini");
        QCOMPARE(ReadPortNumber(path), 1); // missing
        const std::pair<const char *, int> table[] = {{"14\r\n", 14}, {"15\r\n", 1}, {"0\r\n", 1},
                                                      {"  7\r\n", 7}, {"x\r\n", 1},  {"-3\r\n", 1}};
        for (const auto &[text, port] : table) {
            QVERIFY(writeFile(path, text));
            QCOMPARE(ReadPortNumber(path), port);
        }
        QVERIFY(WritePortNumber(path, 5));
        QCOMPARE(readFile(path), QByteArray("5\r\n"));
        QVERIFY(!WritePortNumber(dir.filePath("missing/KT-M40.ini"), 5));
        // the program's folder comes first, and this test's folder can be written
        QCOMPARE(QFileInfo(PortFileForWriting()).absolutePath(), QCoreApplication::applicationDirPath());
    }

    void portNames() {
        const std::pair<const char *, const char *> table[] = {{"3", "/dev/ttyS2"},
                                                               {"1", "/dev/ttyS0"},
                                                               {"0", ""},
                                                               {"/dev/ttyUSB0", "/dev/ttyUSB0"},
                                                               {"/dev/pts/3", "/dev/pts/3"},
                                                               {"ttyUSB0", "/dev/ttyUSB0"},
                                                               {"com17", "COM17"},
                                                               {"  ", ""},
                                                               {"tty USB0", ""}};
        for (const auto &[text, device] : table)
            QCOMPARE(ResolvePortName(text), QString(device));
    }

    void devicePathIsKeptPerUser() {
        StoreDevicePath("/dev/ttyUSB1");
        QCOMPARE(StoredDevicePath(), QStringLiteral("/dev/ttyUSB1"));
        QCOMPARE(CurrentPortDevice(4), QStringLiteral("/dev/ttyUSB1"));
        StoreDevicePath({});
        QCOMPARE(StoredDevicePath(), QString());
        QCOMPARE(CurrentPortDevice(4), PortDeviceName(4));
    }

    void openFailureNamesThePortAndItsGroup() {
        QTemporaryDir dir;
        const QString device = dir.filePath("ttyFAKE");
        QVERIFY(writeFile(device, ""));
        // serial devices belong to a group such as dialout; so does this stand-in where we may give it one
        if (const group *dialout = getgrnam("dialout")) [[maybe_unused]]
            const int changed = chown(QFile::encodeName(device).constData(), uid_t(-1), dialout->gr_gid);
        const QString reason = PortFailureReason(device, "Permission denied", PortProblem::AccessRefused,
                                                 QFileInfo(device).group());
        QVERIFY(reason.startsWith(device + ": Permission denied"));
        const QString owner = QFileInfo(device).group();
        if (owner != "root") {
            QVERIFY2(reason.contains("'" + owner + "'"), qPrintable(reason));
            QVERIFY(reason.contains("sudo usermod -aG " + owner + " $USER"));
        } else {
            QVERIFY(reason.contains("may not use"));
        }
        QCOMPARE(PortFailureReason(device, "No such file or directory", PortProblem::Other),
                 device + ": No such file or directory");

        SerialLink link("/dev/kt-m40-absent");
        QString why;
        QVERIFY(!link.open(&why));
        QVERIFY(why.startsWith("/dev/kt-m40-absent: "));
        QVERIFY(!link.isOpen());
        QVERIFY(!link.write("RZ~E\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestLinkRadio)
#include "tst_link_radio.moc"

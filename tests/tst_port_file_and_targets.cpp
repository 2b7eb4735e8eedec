// The port: its file and how it survives a restart, its names, the device path kept per user, the reasons
// it cannot be opened. Where files are written: checked before long work, never replacing what must not be
// replaced, with the system's reason on failure.
#include "files/CloneFile.h"
#include "files/FileTarget.h"
#include "files/LocalName.h"
#include "link/PortSettings.h"
#include "link/SerialLink.h"
#include "link/SerialPortList.h"
#include "support/CliRun.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
// One start of the program: reads the port number, the user picks `choice`, the program exits and writes
// it. Returns the number read at the start.
int startPickExit(const QString &programFile, const QString &userFile, int choice) {
    const int atStart = ReadPortNumber(PortFileForReading(programFile, userFile));
    const QString target = PortFileForWriting(programFile, userFile);
    QDir().mkpath(QFileInfo(target).absolutePath());
    WritePortNumber(target, choice);
    return atStart;
}

// Runs f as an ordinary user: in a child process that gives up root (root writes read-only files), or
// right here when the tests do not run as root. f returns 0 for success, else a code to report.
int asOrdinaryUser(const std::function<int()> &f) {
    if (geteuid() != 0) return f();
    const pid_t pid = fork();
    if (pid < 0) return 100;
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(101);
        _exit(f());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 102;
}

// Reads everything written to a FIFO by someone else, on a thread of its own.
struct FifoReader {
    QByteArray got;
    std::thread thread;
    explicit FifoReader(const QString &path) {
        thread = std::thread([this, path] {
            QFile f(path);
            if (f.open(QIODevice::ReadOnly)) got = f.readAll();
        });
    }
    QByteArray finish() {
        thread.join();
        return got;
    }
};
} // namespace

class TestPortFileAndTargets : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("kt-m40-tests");
        QCoreApplication::setApplicationName("tst_port_file_and_targets");
        QVERIFY(dir_.isValid());
        // the ordinary user of asOrdinaryUser must reach the files
        QVERIFY(QFile::setPermissions(dir_.path(), QFileDevice::Permissions(0x7777)));
    }

    // The port chosen survives a restart wherever the program's own file and folder may or may not be
    // written: beside the program where it can be, else in the per-user folder.
    void choiceSurvivesARestart() {
        struct Case {
            const char *name;
            bool programFileExists, programFileWritable, programFolderWritable;
        };
        const Case cases[] = {{"program-folder-writable-no-file", false, true, true},
                              {"program-folder-file-writable", true, true, true},
                              {"program-folder-file-read-only", true, false, true},
                              {"program-folder-read-only-file-read-only", true, false, false},
                              {"program-folder-read-only-no-file", false, false, false}};
        for (const auto &[name, programFileExists, programFileWritable, programFolderWritable] : cases) {
            const QString base = dir_.filePath(name);
            const QString program = base + "/program", user = base + "/config/kt-m40";
            QVERIFY(QDir().mkpath(program));
            QVERIFY(QDir().mkpath(base + "/config"));
            QFile::setPermissions(base, QFileDevice::Permissions(0x7777));
            QFile::setPermissions(base + "/config", QFileDevice::Permissions(0x7777));
            const QString programFile = program + "/KT-M40.ini", userFile = user + "/KT-M40.ini";
            if (programFileExists) QVERIFY(WritePortNumber(programFile, 3)); // set up by whoever installed it
            QFile::setPermissions(programFile, programFileWritable ? QFileDevice::Permissions(0x6666)
                                                                   : QFileDevice::Permissions(0x4444));
            QFile::setPermissions(program, programFolderWritable ? QFileDevice::Permissions(0x7777)
                                                                 : QFileDevice::Permissions(0x5555));
            const bool existed = programFileExists;
            const int code = asOrdinaryUser([&] {
                // the first start finds the installed choice (or the default), the user picks 5, then 9
                if (startPickExit(programFile, userFile, 5) != (existed ? 3 : 1)) return 1;
                if (startPickExit(programFile, userFile, 9) != 5) return 2;
                if (startPickExit(programFile, userFile, 9) != 9) return 3;
                return 0;
            });
            QFile::setPermissions(program, QFileDevice::Permissions(0x7777));
            QVERIFY2(code == 0, name);
            // where the program's folder took the choice, nothing went to the per-user folder
            if (programFolderWritable && programFileWritable) {
                QCOMPARE(readFile(programFile), QByteArray("9\r\n"));
                QVERIFY(!QFile::exists(userFile));
            } else {
                QCOMPARE(readFile(userFile), QByteArray("9\r\n"));
                if (programFileExists) QCOMPARE(readFile(programFile), QByteArray("3\r\n"));
            }
        }
    }

    void checkWritableFindsWhatCannotBeWritten() {
        QVERIFY(writeFile(dir_.filePath("plain.txt"), "x"));
        const std::tuple<QString, bool, QString> table[] = {
            {dir_.filePath("new.M40"), true, ""}, // a new file in a folder
            {dir_.filePath("plain.txt"), true, ""},
            {dir_.filePath("no/such/dir/x.M40"), false, "No such file or directory"},
            {dir_.filePath("plain.txt/x.M40"), false, "Not a directory"},
            {dir_.path(), false, "Is a directory"},
            {QString(), false, "No such file or directory"}}; // no name (-o "")
        for (const auto &[path, writable, reason] : table) {
            QString why;
            QVERIFY2(CheckWritable(path, &why) == writable && why == reason, qPrintable(path));
        }
        QVERIFY(!QFile::exists(dir_.filePath("new.M40"))); // nothing is created by the check
    }

    void ordinaryFileReplacedAtomically() {
        const QString path = dir_.filePath("atomic.M40");
        QVERIFY(writeFile(path, "old"));
        QVERIFY(QFile::link(path, dir_.filePath("atomic-link")));
        struct stat before {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
        QString reason;
        QVERIFY(WriteFileBytes(path, "new contents", &reason));
        QCOMPARE(readFile(path), QByteArray("new contents"));
        struct stat after {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        QVERIFY(before.st_ino != after.st_ino); // a new file took the old one's place in one step
        // through a symbolic link: the link stays, its target is replaced, keeping its permissions
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup));
        QVERIFY(WriteFileBytes(dir_.filePath("atomic-link"), "through the link", &reason));
        QCOMPARE(QFileInfo(dir_.filePath("atomic-link")).symLinkTarget(), path);
        QCOMPARE(readFile(path), QByteArray("through the link"));
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        QCOMPARE(after.st_mode & 07777, mode_t(0640));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Hidden | QDir::Files).filter("atomic").size(), 2);
    }

    // A name is the system's bytes: any bytes come back exactly, valid UTF-8 reads as text, every other byte
    // stands for itself (never as U+FFFD, which two different names would share).
    void namesAreBytes() {
        const std::pair<QByteArray, std::u16string> table[] = {
            {"lat\xe4.M40", u"lat\xdce4.M40"},
            {"lat\xc3\xa4.M40", u"lat\u00e4.M40"},                   // UTF-8 is text
            {"\xed\xb2\x80", u"\xdced\xdcb2\xdc80"},                 // an encoded surrogate is no UTF-8
            {"\xc0\xaf", u"\xdcc0\xdcaf"},                           // nor an overlong "/"
            {"\xf0\x9f\x93\xbb\xe2\x82", u"\U0001f4fb\xdce2\xdc82"}, // a sequence cut short
            {"\xef\xbf\xbd", u"\xfffd"}};                            // U+FFFD itself is text
        for (const auto &[bytes, units] : table) {
            const QString name = FileNameFromBytes(bytes);
            QCOMPARE(name, QString::fromStdU16String(units));
            QCOMPARE(FileNameBytes(name), bytes);
        }
        std::mt19937 rng(19);
        const char alphabet[] = "a./\x80\xbf\xc3\xa4\xe2\x82\xac\xed\xf0\x9f\xff";
        for (int i = 0; i < 20000; ++i) {
            QByteArray bytes;
            for (int n = int(rng() % 9); n > 0; --n)
                bytes += alphabet[rng() % (sizeof alphabet - 1)];
            const QString name = FileNameFromBytes(bytes);
            QCOMPARE(FileNameBytes(name), bytes);
            if (QString::fromUtf8(bytes).toUtf8() == bytes) QCOMPARE(name, QString::fromUtf8(bytes));
            QVERIFY(!name.contains(QChar::ReplacementCharacter) || bytes.contains("\xef\xbf\xbd"));
        }
    }

    // A native file dialog hands over such a name as it shows it (U+FFFD for each stray byte): the one file
    // of that folder shown so is meant; with two candidates, or none, the name stays as it was.
    void nameShownByADialog() {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        QCOMPARE(::mkdir(folder + "/d\xfc", 0755), 0);
        auto create = [](const QByteArray &path) {
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT, 0644);
            return fd >= 0 && ::close(fd) == 0;
        };
        QVERIFY(create(folder + "/d\xfc/lat\xe4.M40"));
        const QString shown = dir.path() + QString::fromUtf8("/d\uFFFD/lat\uFFFD.M40");
        QCOMPARE(FileNameBytes(FileNameFromShownName(shown)), folder + "/d\xfc/lat\xe4.M40");
        QVERIFY(create(folder + "/d\xfc/lat\xf6.M40"));
        QCOMPARE(FileNameFromShownName(shown), shown);
        const QString plain = dir.filePath("plain.M40");
        QCOMPARE(FileNameFromShownName(plain), plain);
        // Qt's own removal of the folder cannot reach these names
        for (const char *name : {"/d\xfc/lat\xe4.M40", "/d\xfc/lat\xf6.M40"})
            QCOMPARE(::unlink(folder + name), 0);
        QCOMPARE(::rmdir(folder + "/d\xfc"), 0);
    }

    // An installed program's folder keeps no port file, even for root: the per-user file is written, and an
    // existing file beside the program is still read when the user has none. So it is where the program's
    // folder is missing, and where a folder stands in place of its file.
    void systemFolderKeepsNoPortFile() {
        QTemporaryDir dir;
        const QString user = dir.filePath("user/KT-M40.ini"), absent = dir.filePath("absent/KT-M40.ini");
        QCOMPARE(PortFileForWriting(absent, user), user);
        QCOMPARE(PortFileForReading(absent, user), QString());
        for (const char *folder :
             {"/usr/bin", "/usr/local/bin", "/bin", "/opt/kt-m40/bin", "/usr/lib/kt-m40"})
            QCOMPARE(PortFileForWriting(QString(folder) + "/KT-M40.ini", user), user);
        QCOMPARE(PortFileForWriting(dir.filePath("KT-M40.ini"), user), dir.filePath("KT-M40.ini"));
        for (const char *folder : {"/usr2", "/optical", "/home/usr"})
            QVERIFY2(!IsSystemFolder(folder), folder);
        // any file that exists in a system folder stands for a port file an administrator put there
        const QString installed = QStandardPaths::findExecutable("sh", {"/usr/bin", "/bin"});
        QVERIFY(!installed.isEmpty());
        QCOMPARE(PortFileForReading(installed, user), installed);
        QVERIFY(QDir().mkpath(dir.filePath("user")));
        QVERIFY(WritePortNumber(user, 7));
        QCOMPARE(PortFileForReading(installed, user), user);
        QCOMPARE(PortFileForReading(absent, user), user);
        const QString folderInTheWay = dir.filePath("KT-M40.ini");
        QVERIFY(QDir().mkpath(folderInTheWay));
        QCOMPARE(PortFileForWriting(folderInTheWay, user), folderInTheWay);
        QCOMPARE(PortFileForReading(folderInTheWay, user), user);
        // a program's folder whose name is no UTF-8: its port file is written and read there, byte for byte
        const QByteArray program = QFile::encodeName(dir.path()) + "/b\xe4n";
        QCOMPARE(::mkdir(program.constData(), 0755), 0);
        const QString programFile = FileNameFromBytes(program) + "/KT-M40.ini";
        QCOMPARE(PortFileForWriting(programFile, user), programFile);
        QVERIFY(WritePortNumber(programFile, 4));
        QCOMPARE(PortFileForReading(programFile, user), programFile);
        QCOMPARE(ReadPortNumber(programFile), 4);
        const int fd = ::open(program + "/KT-M40.ini", O_RDONLY);
        char text[8] = {};
        QCOMPARE(fd >= 0 ? ::read(fd, text, sizeof text) : -1, 3);
        ::close(fd);
        QCOMPARE(QByteArray(text), QByteArray("4\r\n"));
        QCOMPARE(::unlink(program + "/KT-M40.ini"), 0);
        QCOMPARE(::rmdir(program.constData()), 0);
    }

    void writableFileInAFolderThatRefusesNewFiles() {
        const QString folder = dir_.filePath("closed");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/kept.M40";
        QVERIFY(writeFile(path, "old contents, longer than the new"));
        QFile::setPermissions(path, QFileDevice::Permissions(0x6666));
        QFile::setPermissions(folder, QFileDevice::Permissions(0x5555)); // no new files in it
        const int code = asOrdinaryUser([&] {
            QString reason;
            if (!WriteFileBytes(path, "new", &reason)) return 1;
            return readFile(path) == "new" ? 0 : 2;
        });
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
        QCOMPARE(code, 0);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"kept.M40"});
    }

    // Every command that writes a file refuses an output it cannot write with the system's reason, and the
    // radio commands do so before the radio hears anything.
    void cliRefusesAnOutputBeforeAnyWork_data() {
        QTest::addColumn<QStringList>("args");
        const QString bad = dir_.filePath("no/such/dir/x.M40"), good = dir_.filePath("good.M40");
        QCOMPARE(runCli({"new", "-o", good}).exitCode, 0);
        QVERIFY(writeFile(dir_.filePath("list.csv"), ""));
        QTest::newRow("read") << QStringList{"read", "--port", "%PORT%", "-o", bad};
        QTest::newRow("read --identify") << QStringList{"read", "--identify", "--port", "%PORT%", "-o", bad};
        QTest::newRow("sim --save") << QStringList{"sim", "--save", bad};
        QTest::newRow("new") << QStringList{"new", "-o", bad};
        QTest::newRow("save-as") << QStringList{"save-as", good, "-o", bad};
        QTest::newRow("import-csv") << QStringList{
            "import-csv", dir_.filePath("list.csv"), "--into", good, "-o", bad};
        QTest::newRow("export-csv") << QStringList{"export-csv", good, "-o", bad};
    }

    void cliRefusesAnOutputBeforeAnyWork() {
        QFETCH(QStringList, args);
        const QString log = dir_.filePath(QStringLiteral("early-%1.log").arg(QTest::currentDataTag()));
        Sim sim({"--log", log});
        QVERIFY(sim.port().startsWith("/dev/"));
        args.replaceInStrings("%PORT%", sim.port());
        const CliResult r = runCli(args, {}, 10000);
        QCOMPARE(r.exitCode, 4);
        QCOMPARE(r.err, "File Open Error\n  " + dir_.filePath("no/such/dir/x.M40").toUtf8() +
                            ": No such file or directory\n");
        QVERIFY(!r.out.startsWith("PORT")); // the simulator did not start serving
        sim.stop();
        QCOMPARE(readFile(log), QByteArray()); // nothing reached the radio
    }

    // a pipe is written in place, not replaced by an ordinary file
    void cliSaveAsToAPipe() {
        const QString in = dir_.filePath("source.M40"), fifo = dir_.filePath("out-pipe");
        QCOMPARE(runCli({"new", "--variant", "E", "-o", in}).exitCode, 0);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        FifoReader reader(fifo);
        const CliResult r = runCli({"save-as", in, "-o", fifo});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(reader.finish(), readFile(in));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(fifo).constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
    }

    void portFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("KT-M40.ini");
        QCOMPARE(ReadPortNumber(path), 1); // missing
        QCOMPARE(ReadPortNumber(QString()), 1);
        // the number is read from its first nine digits at most
        const std::pair<const char *, int> table[] = {{"14\r\n", 14},       {"15\r\n", 1}, {"0\r\n", 1},
                                                      {"  7\r\n", 7},       {"x\r\n", 1},  {"-3\r\n", 1},
                                                      {"0000000003\r\n", 1}};
        for (const auto &[text, port] : table) {
            QVERIFY(writeFile(path, text));
            QCOMPARE(ReadPortNumber(path), port);
        }
        QVERIFY(WritePortNumber(path, 5));
        QCOMPARE(readFile(path), QByteArray("5\r\n"));
        QVERIFY(!WritePortNumber(dir.filePath("missing/KT-M40.ini"), 5));
        QVERIFY(!WritePortNumber(QString(), 5));
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
                                                               {"tty USB0", ""},
                                                               {"99999999999", ""},
                                                               {"COM", "/dev/COM"},
                                                               {"COM1A", "/dev/COM1A"}};
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

    // The other-port list: stable names from a folder of links, USB ports first, numbers counted, and what
    // the system knows of each port in its line. No device is opened: the names are only compared.
    void portListing() {
        QTemporaryDir dir;
        const QString byId = dir.filePath("serial/by-id");
        QVERIFY(QDir().mkpath(byId));
        QVERIFY(QFile::link("../../ttyUSB10", byId + "/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"));
        QVERIFY(QFile::link("../../ttyUSB2", byId + "/usb-Prolific_2303-if00-port0"));
        QVERIFY(QFile::link("../../ttyUSB2", byId + "/usb-zz-second-name"));
        QVERIFY(writeFile(byId + "/not-a-link", ""));
        const QString d = dir.path() + "/";
        const QHash<QString, QString> stable = StableNamesIn(byId);
        QCOMPARE(stable.size(), 2);
        QCOMPARE(stable.value(d + "ttyUSB2"), byId + "/usb-Prolific_2303-if00-port0");

        const QList<SerialPortFacts> facts = {
            {d + "ttyS10", {}, {}, {}, false},
            {d + "ttyUSB10", "FT232R USB UART", "FTDI", "A50285BI", false},
            {d + "ttyS2", "", "", "", false},
            {d + "ttyACM0", "KT-M40 cable", "Korvan", "", true},
            {d + "ttyUSB2", "FTDI USB Serial", "ftdi", "", false},
        };
        const QList<SerialPortEntry> entries = ArrangePorts(facts, stable);
        const QStringList labels = {
            d + "ttyACM0 - KT-M40 cable, Korvan",
            d + "ttyUSB2 - FTDI USB Serial",
            d + "ttyUSB10 - FT232R USB UART, FTDI, serial A50285BI",
            d + "ttyS2",
            d + "ttyS10",
        };
        const QStringList paths = {d + "ttyACM0", byId + "/usb-Prolific_2303-if00-port0",
                                   byId + "/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", d + "ttyS2",
                                   d + "ttyS10"};
        QCOMPARE(entries.size(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(PortLabel(entries[i]), labels[i]);
            QCOMPARE(entries[i].path(), paths[i]);
        }
        // a kept stable name, or the device, finds its port again; anything else none
        QCOMPARE(FindPortEntry(entries, byId + "/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"), 2);
        QCOMPARE(FindPortEntry(entries, d + "ttyUSB10"), 2);
        QCOMPARE(FindPortEntry(entries, d + "ttyUSB1"), -1);
        QCOMPARE(FindPortEntry(entries, ""), -1);

        // KT_M40_PORTS names the ports instead of the system, in the order they are asked
        qputenv("KT_M40_PORTS", QByteArray("/dev/pts/7::/dev/pts/3"));
        const QStringList named = AvailablePorts();
        const QList<SerialPortEntry> listed = ListSerialPorts();
        qunsetenv("KT_M40_PORTS");
        QCOMPARE(named, QStringList({"/dev/pts/7", "/dev/pts/3"}));
        QCOMPARE(listed.size(), 2);
        QCOMPARE(listed[0].path() + " " + listed[1].path(), QStringLiteral("/dev/pts/7 /dev/pts/3"));
    }

    void openFailureNamesThePortAndItsGroup() {
        // the advice to join the device's group only where joining it helps: never root's, never none
        const QString device = "/dev/ttyUSB0";
        const QString joinIt = "/dev/ttyUSB0: Permission denied (the port belongs to the group '%1': join it "
                               "with 'sudo usermod -aG %1 $USER', then log in again)";
        const QString mayNot = "/dev/ttyUSB0: Permission denied (your user may not use this port)";
        for (const auto &[group, reason] : {std::pair{"dialout", joinIt.arg("dialout")},
                                            {"uucp", joinIt.arg("uucp")},
                                            {"root", mayNot},
                                            {"", mayNot}})
            QCOMPARE(PortFailureReason(device, "Permission denied", PortProblem::AccessRefused, group),
                     reason);
        QCOMPARE(PortFailureReason(device, "No such file or directory", PortProblem::Other),
                 device + ": No such file or directory");

        SerialLink link("/dev/kt-m40-absent");
        QString why;
        QVERIFY(!link.open(&why));
        QVERIFY(why.startsWith("/dev/kt-m40-absent: "));
        QVERIFY(!link.isOpen());
        QVERIFY(!link.write("RZ~E\r\n"));
    }

  private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestPortFileAndTargets)
#include "tst_port_file_and_targets.moc"

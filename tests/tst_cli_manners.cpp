// What kt-m40-cli and kt-m40 share with the good command-line tools: --version, help COMMAND, one style of
// usage error, '-' for standard output and input, write errors on standard output, Ctrl+C, port-name hints;
// and new, show and save-as on clone files, with the messages and exit statuses of their failures.
#include "link/PortNameHint.h"
#include "support/CliRun.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// The version as the build file writes it, read independently of the generated header.
QString projectVersion() {
    const QByteArray cmake = readFile(sourceDir() + "/CMakeLists.txt");
    const QRegularExpressionMatch m =
        QRegularExpression(R"(project\(kt-m40 VERSION ([0-9.]+))").match(QString::fromLatin1(cmake));
    return m.captured(1);
}

QStringList commandNames() {
    const CliResult r = runCli({"--help"});
    QStringList names;
    bool inList = false;
    for (const QByteArray &line : r.out.split('\n')) {
        if (line == "Commands:")
            inList = true;
        else if (line.isEmpty())
            inList = false;
        else if (inList)
            names << QString::fromLatin1(line.trimmed().split(' ').first());
    }
    return names;
}

// Starts kt-m40-cli in folder with its arguments as bytes: a file name need not be UTF-8, and QProcess
// passes only text. The shell hands them over from the environment as they are.
void startBytes(QProcess &p, const QList<QByteArray> &args, const QByteArray &folder) {
    QString script = QStringLiteral("exec \"$0\"");
    for (qsizetype i = 0; i < args.size(); ++i) {
        qputenv("KT_ARG" + QByteArray::number(i), args[i]);
        script += QStringLiteral(" \"$KT_ARG%1\"").arg(i);
    }
    p.setWorkingDirectory(QFile::decodeName(folder));
    p.setStandardInputFile(QProcess::nullDevice());
    p.start("/bin/sh", {"-c", script, cliPath()});
}

CliResult finishBytes(QProcess &p) {
    CliResult r;
    if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit) r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

CliResult runBytes(const QList<QByteArray> &args, const QByteArray &folder) {
    QProcess p;
    startBytes(p, args, folder);
    return finishBytes(p);
}

// Reads, writes and lists files named by bytes, as the system takes them.
QByteArray rawRead(const QByteArray &path) {
    std::ifstream in(path.constData(), std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}

bool rawWrite(const QByteArray &path, const QByteArray &bytes) {
    std::ofstream out(path.constData(), std::ios::binary);
    return bool(out.write(bytes.constData(), bytes.size()));
}

QList<QByteArray> namesIn(const QByteArray &folder) {
    QList<QByteArray> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder.toStdString()))
        names << QByteArray::fromStdString(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// stderr without Qt's own note about the environment (the print program's Qt Gui says where no
// XDG_RUNTIME_DIR is set, as under ctest)
QByteArray programsOwn(const QByteArray &err) {
    QByteArray own;
    for (const QByteArray &line : err.split('\n'))
        if (!line.startsWith("QStandardPaths: ") && !line.isEmpty()) own += line + '\n';
    return own;
}

// The value at a path into a JSON document as text: keys and indexes apart by '/', "#" for the count.
QString jsonAt(QJsonValue v, const QString &path) {
    for (const QString &step : path.split('/')) {
        if (step == "#") return QString::number(v.isArray() ? v.toArray().size() : v.toObject().size());
        v = v.isArray() ? v.toArray()[step.toInt()] : v.toObject()[step];
    }
    return v.isDouble() ? QString::number(v.toDouble(), 'f', 0) : v.toVariant().toString();
}

// The one device the port-name tests' system has (a function, as a file system's check is).
QString existingDevice;
bool existsHere(const QString &path) {
    return path == existingDevice;
}
} // namespace

class TestCliManners : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;
    QString base;

  private slots:
    void initTestCase() {
        base = dir.filePath("base.M40");
        QCOMPARE(runCli({"new", "-o", base, "--variant", "T"}).exitCode, 0);
    }

    void versionFromTheBuild() {
        const QString version = projectVersion();
        QVERIFY(QRegularExpression(R"(^\d+\.\d+\.\d+$)").match(version).hasMatch());
        CliResult r = runCli({"--version"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, ("kt-m40-cli " + version + "\n").toLatin1());
#ifdef KT_M40_APP_PATH
        QProcess app;
        app.start(QStringLiteral(KT_M40_APP_PATH), {"--version"});
        QVERIFY(app.waitForFinished(30000));
        QCOMPARE(app.exitCode(), 0);
        QCOMPARE(app.readAllStandardOutput(), ("kt-m40 " + version + "\n").toLatin1());
        // bad usage of the window program: 64 as for the tool, before any display is needed
        app.start(QStringLiteral(KT_M40_APP_PATH), {"--bogus"});
        QVERIFY(app.waitForFinished(30000));
        QCOMPARE(app.exitCode(), 64);
        QVERIFY(app.readAllStandardError().startsWith("kt-m40: unknown option --bogus\n"));
#endif
    }

    void newAndShow() {
        const QString a = dir.filePath("a.M40");
        CliResult r = runCli({"new", "-o", a, "--variant", "E", "--wide"});
        QCOMPARE(r.exitCode, 0);

        r = runCli({"show", a, "--json"});
        QCOMPARE(r.exitCode, 0);
        const QJsonValue json = QJsonDocument::fromJson(r.out).object();
        for (const QStringList &row : corpusRows(QStringLiteral("core/show-json-new-E-wide.tsv")))
            QVERIFY2(jsonAt(json, row[0]) == row[1], qPrintable(row[0] + ": " + jsonAt(json, row[0])));
        r = runCli({"show", a});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("Tone Frequency      88.5Hz"));
        QVERIFY(r.out.contains("Channels (0 of 604 used)"));
    }

    void failuresSayTheirMessageAndStatus() {
        const QString bad = dir.filePath("bad.M40");
        QVERIFY(writeFile(bad, readFile(base).replace("KT-M40T Clone", "KT-M40Q Clone")));
        const CliResult r = runCli({"save-as", bad, "-o", dir.filePath("never.M40")});
        QCOMPARE(r.exitCode, 3);
        QCOMPARE(r.err, "Data Error\n  " + bad.toUtf8() + ": unknown header\n"); // the reader's reason
        QVERIFY(!QFile::exists(dir.filePath("never.M40")));
    }

    void helpCommandIsCommandHelp() {
        const QStringList names = commandNames();
        for (const char *name : {"read", "write", "show", "new", "save-as", "sim"})
            QVERIFY2(names.contains(name), name);
        for (const QString &name : names) {
            const CliResult viaHelp = runCli({"help", name});
            const CliResult viaOption = runCli({name, "--help"});
            QCOMPARE(viaHelp.exitCode, 0);
            QVERIFY(viaHelp.out.startsWith("Usage: kt-m40-cli " + name.toLatin1()));
            QCOMPARE(viaHelp.out, viaOption.out);
        }
        CliResult r = runCli({"help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith("Usage: kt-m40-cli COMMAND"));
        QVERIFY(runCli({"sim", "--help"}).out.contains("timeout@AT")); // the fault forms are listed
        QCOMPARE(runCli({}).exitCode, 64);
        QCOMPARE(runCli({"frobnicate"}).exitCode, 64);
        r = runCli({"help", "frobnicate"});
        QCOMPARE(r.exitCode, 64);
        QCOMPARE(r.err, QByteArray("kt-m40-cli: unknown command 'frobnicate'\n"
                                   "Try 'kt-m40-cli --help' for more information.\n"));
    }

    // The cases of tests/corpus/core/usage-errors.tsv: status 64, the reason and the Try line, nothing on
    // standard output.
    void usageErrorsInOneStyle() {
        const QList<QStringList> rows = corpusRows(QStringLiteral("core/usage-errors.tsv"));
        QVERIFY(rows.size() > 20);
        for (const QStringList &row : rows) {
            const QStringList args = row.mid(1);
            const CliResult r = runCli(args, dir.path());
            QVERIFY2(r.exitCode == 64 && r.out.isEmpty(), qPrintable(args.join(' ')));
            const QString err = QString::fromUtf8(programsOwn(r.err));
            const QString tryLine = "Try 'kt-m40-cli " + args.first() + " --help' for more information.\n";
            if (row[0].isEmpty())
                QVERIFY2(err.startsWith("kt-m40-cli: " + args.first() + ": ") && err.endsWith(tryLine),
                         r.err.constData());
            else
                QCOMPARE(err, "kt-m40-cli: " + row[0] + "\n" + tryLine);
        }
    }

    // "-o -" is standard output for every command, whichever way it writes (a CSV, one block, JSON, text,
    // the print program): the same bytes as into a file (the PDF aside: it carries its time) and no file
    // named "-". A reader that has gone away is no error: silent, with the status of a death by SIGPIPE
    // (128 + 13). A disk that takes no more (a file-size limit inside the temporary folder) is an error.
    void dashIsStandardOutputAndItsErrors() {
        const QString limited = dir.filePath("limited.out");
        const auto fullDisk = [] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{100, 100};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        };
        QList<QByteArray> out;
        for (const QStringList &command : QList<QStringList>{{"export-csv", base},
                                                             {"new", "--variant", "T"},
                                                             {"save-as", base},
                                                             {"show", base, "--json"},
                                                             {"show", base},
                                                             {"diff", base, base, "--json"},
                                                             {"print", base}}) {
            const QStringList args = command + QStringList{"-o", "-"};
            const QString file = dir.filePath("dash.out");
            QCOMPARE(runCli(command + QStringList{"-o", file}).exitCode, 0);
            const CliResult r = runCli(args, dir.path());
            QCOMPARE(r.exitCode, 0);
            if (command.first() != "print") QCOMPARE(r.out, readFile(file));
            out << r.out;
            int fds[2];
            QCOMPARE(::pipe(fds), 0);
            ::close(fds[0]);
            const int writeEnd = fds[1];
            const CliResult gone = runCli(args, {}, 60000, [writeEnd] { ::dup2(writeEnd, STDOUT_FILENO); });
            ::close(writeEnd);
            QVERIFY2(gone.exitCode == 141 && programsOwn(gone.err).isEmpty(), qPrintable(args.join(' ')));
            if (r.out.size() <= 100) continue; // fits the full disk
            const CliResult full = runCli(args, {}, 60000, fullDisk, limited);
            QVERIFY2(full.exitCode == 4 && QFileInfo(limited).size() == 100, qPrintable(args.join(' ')));
            // a coverage build's profiling data meets the same limit on the way out, and says so after
            const qsizetype profiling = full.err.indexOf("libgcov profiling error:");
            QCOMPARE(programsOwn(profiling < 0 ? full.err : full.err.left(profiling)),
                     QByteArray("File Open Error\n  standard output: File too large\n"));
        }
        QVERIFY(out[0].startsWith("\"MODEL\",\"BANK\""));
        QCOMPARE(out[1], readFile(base));
        QCOMPARE(runCli({"show", base, "--json"}).out, out[3]); // standard output without -o too
        QCOMPARE(out[5], QByteArray("{\"differences\":[],\"equal\":true}\n"));
        QVERIFY(out[6].startsWith("%PDF-"));
        QVERIFY(!QFile::exists(dir.filePath("-")));
        // -oFILE is -o FILE, as getopt reads it
        QCOMPARE(runCli({"new", "--variant", "T", "-o" + dir.filePath("joined.M40")}).exitCode, 0);
        QCOMPARE(readFile(dir.filePath("joined.M40")), readFile(base));
    }

    void dashIsStandardInputForImport() {
        const QByteArray csv =
            "\"KT-M40\",\"MEMORY\",\"12\",\"14.200000\",\"\",\"\",\"88.5\",\"88.5\",\"23\","
            "\"\",\"\",\"Hi\",\"\",\"\",\"\",\"\",\"PIPED\",\"\"\r\n";
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(cliPath(), {"import-csv", "-", "--into", base, "-o", "-"});
        QVERIFY(p.waitForStarted());
        p.write(csv);
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray out = p.readAllStandardOutput();
        // the clone file on stdout, the counts on stderr
        QCOMPARE(p.readAllStandardError(), QByteArray("1 records taken, 0 dropped\n"));
        // the same file as an import from a file gives
        const QString file = dir.filePath("piped.csv"), imported = dir.filePath("imported.M40");
        QVERIFY(writeFile(file, csv));
        QCOMPARE(runCli({"import-csv", file, "--into", base, "-o", imported}).exitCode, 0);
        QCOMPARE(out, readFile(imported));
        QVERIFY(out != readFile(base)); // with the channel taken
    }

    // A file name is bytes: every command reads and writes exactly the file named, also where the name is
    // no UTF-8 (here Latin-1, in a folder whose name is none either). A decoy under the name that a decoding
    // to text and back would reach holds another radio's file.
    void fileNamesAreBytesForEveryCommand() {
        const QByteArray top = QFile::encodeName(dir.filePath("bytes"));
        const QByteArray folder = "\xe4\xf6";
        QVERIFY(std::filesystem::create_directories((top + "/" + folder).toStdString()));
        const QByteArray file = folder + "/lat\xe4.M40", copy = folder + "/copy\xff.M40",
                         csv = "\xe9t\xe9.csv", pdf = "r\xe9sum\xe9.pdf", shown = "sh\xf6w.txt",
                         read = "r\xe4\x61\x64.M40", saved = "s\xe4ved.M40", log = "l\xf6g.txt";
        const QByteArray decoy = folder + "/lat\xef\xbf\xbd.M40";
        QVERIFY(rawWrite(top + "/" + decoy, readFile(base).replace("KT-M40T", "KT-M40A")));
        QVERIFY(rawWrite(top + "/" + csv,
                         "\"KT-M40\",\"MEMORY\",\"12\",\"14.200000\",\"\",\"\",\"88.5\",\"88.5\","
                         "\"23\",\"\",\"\",\"Hi\",\"\",\"\",\"\",\"\",\"BYTES\",\"\"\r\n"));
        // each written file is read back below
        for (const QList<QByteArray> &args :
             QList<QList<QByteArray>>{{"new", "-o", file, "--variant", "T"},
                                      {"import-csv", csv, "--into", file, "-o", file},
                                      {"save-as", file, "-o", copy},
                                      {"diff", file, copy},
                                      {"show", file, "-o", shown},
                                      {"export-csv", file, "-o", csv},
                                      {"print", file, "-o", pdf}}) {
            const CliResult r = runBytes(args, top);
            QVERIFY2(r.exitCode == 0, (args.first() + ": " + r.err).constData());
        }
        // what was read is the named file: the imported channel and the variant T, not the decoy's A
        const QByteArray clone = rawRead(top + "/" + file);
        QVERIFY(clone.startsWith("Korvan KT-M40T Clone 0 FileStart\r\n"));
        QCOMPARE(rawRead(top + "/" + copy), clone);
        QVERIFY(rawRead(top + "/" + shown).contains("Channels (1 of 604 used)"));
        QVERIFY(rawRead(top + "/" + csv).contains("\"BYTES\""));
        QVERIFY(rawRead(top + "/" + pdf).startsWith("%PDF"));
        // a name that does not exist is said to be missing, not taken for the decoy
        const CliResult missing = runBytes({"show", folder + "/n\xe4.M40"}, top);
        QCOMPARE(missing.exitCode, 4);
        QVERIFY(missing.err.contains(folder + "/n\xe4.M40")); // the name as it was typed

        // the radio commands and the virtual radio's own files
        QProcess sim;
        startBytes(sim, {"sim", "--image", file, "--save", saved, "--log", log}, top);
        QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), 10000);
        const QByteArray port = sim.readLine().mid(5).trimmed(); // "PORT /dev/pts/N"
        for (const QList<QByteArray> &args :
             {QList<QByteArray>{"read", "--settings", "--port", port, "-o", read},
              QList<QByteArray>{"write", "--settings", "--port", port, copy},
              QList<QByteArray>{"verify", "--settings", "--port", port, file}}) {
            const CliResult r = runBytes(args, top);
            QVERIFY2(r.exitCode == 0, (args.first() + ": " + r.err).constData());
        }
        sim.terminate();
        QCOMPARE(finishBytes(sim).exitCode, 0);
        QVERIFY(rawRead(top + "/" + read).startsWith("Korvan KT-M40J Clone 0 FileStart\r\n"));
        QCOMPARE(rawRead(top + "/" + saved).mid(34), clone.mid(34)); // what the radio held came from file
        QVERIFY(rawRead(top + "/" + log).contains("RZ~E"));
        // nothing was written under any other name
        QCOMPARE(namesIn(top + "/" + folder),
                 (QList<QByteArray>{"copy\xff.M40", "lat\xe4.M40", "lat\xef\xbf\xbd.M40"}));
        QList<QByteArray> expected{csv, folder, log, pdf, read, saved, shown};
        std::sort(expected.begin(), expected.end());
        QCOMPARE(namesIn(top), expected);
    }

    void cleanupTestCase() {
        // names Qt's own removal of the folder cannot reach
        std::filesystem::remove_all(QFile::encodeName(dir.filePath("bytes")).toStdString());
    }

    // An output that is one of the command's inputs (another name of it, a hard link or a symbolic link
    // too) is refused before any work; where replacing the input is the point it is allowed.
    void outputThatIsAnInput() {
        const QList<QStringList> rows = corpusRows(QStringLiteral("core/output-is-an-input.tsv"));
        QVERIFY(rows.size() > 5);
        const QByteArray clone = readFile(base), csv = "\"KT-M40\",\"MEMORY\",\"1\",\"7.000000\"\r\n";
        for (const QStringList &row : rows) {
            const QStringList args = row.mid(2);
            QTemporaryDir folder;
            QVERIFY(writeFile(folder.filePath("in.M40"), clone));
            QVERIFY(writeFile(folder.filePath("in.csv"), csv));
            QCOMPARE(::link(QFile::encodeName(folder.filePath("in.M40")),
                            QFile::encodeName(folder.filePath("hard.M40"))),
                     0);
            QVERIFY(QFile::link("in.M40", folder.filePath("soft.M40")));
            const CliResult r = runCli(args, folder.path());
            QVERIFY2(r.exitCode == row[0].toInt(), qPrintable(args.join(' ')));
            if (r.exitCode == 64) {
                QCOMPARE(QString::fromUtf8(programsOwn(r.err)),
                         "kt-m40-cli: " + args.first() + ": " + row[1] + "\nTry 'kt-m40-cli " + args.first() +
                             " --help' for more information.\n");
                QCOMPARE(readFile(folder.filePath("in.M40")), clone); // nothing was touched
            } else {
                QVERIFY2(r.err.isEmpty() || args.first() == "import-csv", r.err.constData());
                QVERIFY(readFile(folder.filePath("in.M40")).startsWith("Korvan KT-M40T"));
            }
            QCOMPARE(readFile(folder.filePath("in.csv")), csv);
        }
    }

    // The cases of tests/corpus/core/port-name-hints.tsv; where ports were found, the hint lists them.
    void portNamesOfAnotherSystem() {
        const QList<QStringList> rows = corpusRows(QStringLiteral("core/port-name-hints.tsv"));
        QVERIFY(rows.size() > 5);
        for (const QStringList &row : rows) {
            existingDevice = row[1];
            QCOMPARE(PortNameHint(row[0], {}, existsHere), row[2]);
            if (!row[2].isEmpty())
                QCOMPARE(PortNameHint(row[0], {"/dev/ttyS0", "/dev/ttyUSB1"}, existsHere),
                         row[2] + "; serial ports found: /dev/ttyS0, /dev/ttyUSB1");
        }
    }

    void portNameOfAnotherSystemOnTheCommandLine() {
        if (QFile::exists("/dev/COM3")) QSKIP("this system has a /dev/COM3");
        const QString out = dir.filePath("never.M40");
        const CliResult r = runCli({"read", "--port", "COM3", "-o", out});
        QCOMPARE(r.exitCode, 64);
        QVERIFY(r.err.startsWith("kt-m40-cli: read: --port COM3: no such port on this system\n"
                                 "  COM3 is a Windows port name: here port 3 is /dev/ttyS2 (--port 3), a USB "
                                 "cable is usually /dev/ttyUSB0"));
        QVERIFY(r.err.endsWith("Try 'kt-m40-cli read --help' for more information.\n"));
        QVERIFY(!QFile::exists(out));
    }

    void ctrlCEndsTheProgressLineAndSaysWhatWasLeft() {
        if (!QFile::exists("/dev/ptmx")) QSKIP("this system has no pseudo-terminals");
        Sim sim({"--demo", "--fault", "delay=20"});
        QVERIFY(sim.port().startsWith("/dev/"));
        int master = -1, slave = -1;
        QCOMPARE(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        const QString out = dir.filePath("interrupted.M40");
        QProcess read;
        read.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
        read.start(cliPath(), {"read", "--port", sim.port(), "--memory", "-o", out});
        QVERIFY(read.waitForStarted());
        ::close(slave);
        QByteArray terminal;
        auto drain = [&] {
            char buffer[4096];
            ssize_t n;
            while ((n = ::read(master, buffer, sizeof buffer)) > 0)
                terminal.append(buffer, n);
        };
        // wait until a few channels are through
        QTRY_VERIFY_WITH_TIMEOUT((drain(), terminal.contains("Reading memory [#")), 30000);
        QCOMPARE(read.state(), QProcess::Running);
        QVERIFY(read.processId() > 0); // kill(0) would interrupt the whole process group
        ::kill(pid_t(read.processId()), SIGINT);
        QVERIFY(read.waitForFinished(10000));
        QTest::qWait(100);
        drain();
        ::close(master);
        QCOMPARE(read.exitStatus(), QProcess::NormalExit);
        QCOMPARE(read.exitCode(), 130);
        QVERIFY(!QFile::exists(out));
        // the progress line ends before the message (the terminal turns \n into \r\n)
        const int at = terminal.indexOf("Interrupted");
        QVERIFY2(at > 0, terminal.constData());
        QCOMPARE(terminal.mid(at - 2, 2), QByteArray("\r\n"));
        QVERIFY(terminal.lastIndexOf("Reading memory [") < at);
        const QRegularExpressionMatch m =
            QRegularExpression(
                R"(Interrupted\r\n  Read Memory stopped at channel (\d+) of 604; nothing was written\r\n$)")
                .match(QString::fromLatin1(terminal));
        QVERIFY2(m.hasMatch(), terminal.mid(at).constData());
        QVERIFY(m.captured(1).toInt() > 0);
    }
};

QTEST_GUILESS_MAIN(TestCliManners)
#include "tst_cli_manners.moc"

// The radio commands of kt-m40-cli against virtual radios served by 'kt-m40-cli sim'.
#include "support/TestPaths.h"
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A running 'kt-m40-cli sim'; stopped (and its memory saved) by stop() or on destruction.
class Sim {
  public:
    explicit Sim(const QStringList &args) {
        process_.start(cliPath(), QStringList{"sim"} + args);
        if (!process_.waitForStarted(5000)) return;
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        const QByteArray first = process_.readLine().trimmed();
        if (first.startsWith("PORT ")) port_ = QString::fromLocal8Bit(first.mid(5));
    }
    ~Sim() { stop(); }
    QString port() const { return port_; }
    int stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate(); // SIGTERM: the simulator saves and ends
            if (!process_.waitForFinished(5000)) process_.kill();
        }
        return process_.exitCode();
    }

  private:
    QProcess process_;
    QString port_;
};

struct Result {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Result cli(const QStringList &args) {
    QProcess p;
    p.start(cliPath(), args);
    Result r;
    if (!p.waitForFinished(60000)) return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestLinkCli : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void readFromOneRadioWriteToAnother();
    void identifyAndReadWithIdentify();
    void failuresGiveTheirEndingAndWriteNothing();
    void usageErrors();

  private:
    QTemporaryDir dir_;
};

void TestLinkCli::initTestCase() {
    if (!QFile::exists("/dev/ptmx")) QSKIP("this system has no pseudo-terminals for the simulated radio");
}

void TestLinkCli::readFromOneRadioWriteToAnother() {
    const QString saved1 = dir_.filePath("one.M40"), saved2 = dir_.filePath("two.M40");
    const QString read = dir_.filePath("read.M40"), log = dir_.filePath("two.log");
    {
        Sim one({"--demo", "--save", saved1});
        Sim two({"--save", saved2, "--log", log});
        QVERIFY(one.port().startsWith("/dev/"));
        QVERIFY(two.port().startsWith("/dev/"));
        const Result r = cli({"read", "--port", one.port(), "-o", read});
        QVERIFY2(r.status == 0, r.err.constData());
        QVERIFY(!r.err.contains("Reading memory")); // no progress bar when stderr is not a terminal
        const Result w = cli({"write", "--port", two.port(), read});
        QVERIFY2(w.status == 0, w.err.constData());
        QCOMPARE(one.stop(), 0);
        QCOMPARE(two.stop(), 0);
    }
    const QByteArray first = contents(saved1);
    QCOMPARE(first.count('\n'), 610);
    QCOMPARE(contents(saved2), first);
    QCOMPARE(contents(read), first);
    const QList<QByteArray> lines = contents(log).split('\n');
    // Write Settings: access, four blocks, end; Write Memory: access, 604 blocks, end; then the empty tail
    QCOMPARE(lines.size(), 6 + 606 + 1);
    QVERIFY(lines[0].endsWith(" KTM40"));
    QVERIFY(lines[0].startsWith(QDate::currentDate().toString(Qt::ISODate).toLatin1()));
    QVERIFY(lines[1].endsWith(" RZ~F0300W" + contents(read).split('\n')[1].trimmed()));
}

void TestLinkCli::identifyAndReadWithIdentify() {
    Sim sim({"--variant-code", "66", "--range-code", "AA"});
    const Result r = cli({"identify", "--port", sim.port(), "--json"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("{\"variant\": \"T\", \"wideRange\": true}\n"));
    const QString out = dir_.filePath("identified.M40");
    const Result read = cli({"read", "--port", sim.port(), "--settings", "--identify", "-o", out});
    QVERIFY2(read.status == 0, read.err.constData());
    QVERIFY(contents(out).startsWith("Korvan KT-M40T Clone A FileStart\r\n"));

    Sim unknown({"--variant-code", "44"});
    const Result bad = cli({"identify", "--port", unknown.port()});
    QCOMPARE(bad.status, 1);
    QVERIFY(bad.err.startsWith("Communication Error\n"));
}

void TestLinkCli::failuresGiveTheirEndingAndWriteNothing() {
    const QString out = dir_.filePath("never.M40");
    {
        Sim sim({"--fault", "timeout@0620"});
        const Result r = cli({"read", "--port", sim.port(), "--memory", "-o", out});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.startsWith("Communication Error\n"));
        QVERIFY(r.err.contains("0620"));
    }
    {
        Sim sim({"--fault", "drop@0400"});
        const Result r = cli({"read", "--port", sim.port(), "-o", out});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.startsWith("COM Port Error\n"));
    }
    QVERIFY(!QFile::exists(out));
    {
        const QString log = dir_.filePath("denied.log");
        Sim sim({"--fault", "deny-access", "--log", log});
        const QString file = dir_.filePath("new.M40");
        QCOMPARE(cli({"new", "-o", file}).status, 0);
        const Result r = cli({"write", "--port", sim.port(), file});
        QCOMPARE(r.status, 1);
        sim.stop();
        QCOMPARE(contents(log).count('\n'), 1); // the access line only, no block write
    }
    const Result missing = cli({"identify", "--port", "/dev/kt-m40-absent"});
    QCOMPARE(missing.status, 2);
    QVERIFY(missing.err.startsWith("COM Port Error\n  /dev/kt-m40-absent: "));
}

void TestLinkCli::usageErrors() {
    QCOMPARE(cli({"read", "-o", dir_.filePath("x.M40")}).status, 64);
    QCOMPARE(cli({"read", "--port", "1", "--memory", "--settings", "-o", dir_.filePath("x.M40")}).status, 64);
    QCOMPARE(cli({"write", "--port", "1"}).status, 64);
    QCOMPARE(cli({"identify", "--port", ""}).status, 64);
    QCOMPARE(cli({"sim", "--fault", "explode"}).status, 64);
    const Result help = cli({"sim", "--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("timeout@AT"));
}

QTEST_GUILESS_MAIN(TestLinkCli)
#include "tst_link_cli.moc"

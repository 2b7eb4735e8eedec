// The procedures through a real serial port: QSerialPort on a pseudo-terminal served by a virtual radio.
#include "link/RadioSession.h"
#include "link/SerialLink.h"
#include "support/PtyRig.h"
#include <QFile>
#include <QSignalSpy>
#include <QTest>

class TestLinkPty : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void everyProcedureThroughASerialPort();
    void droppedLineIsAPortError();
    void missingPortIsTheProcedureFailure();
};

void TestLinkPty::initTestCase() {
    if (!QFile::exists("/dev/ptmx")) QSKIP("this system has no pseudo-terminals");
}

void TestLinkPty::everyProcedureThroughASerialPort() {
    auto source = VirtualRadio::withDemoContents();
    source->setIdentity(VariantT, true);
    PtyRig from(source);
    QVERIFY(from.open());
    QCOMPARE(from.run([](RadioSession &s) { return s.start(Procedure::Identify); }), Ending::Success);
    QCOMPARE(from.image.Variant, int(VariantT));
    QCOMPARE(from.image.WideRange, true);
    QCOMPARE(from.run([](RadioSession &s) { return s.start(Procedure::ReadSettings); }), Ending::Success);
    QCOMPARE(from.run([](RadioSession &s) { return s.start(Procedure::ReadMemory); }), Ending::Success);
    const CloneImage demo = VirtualRadio::demoImage();
    QVERIFY(from.image.ChannelTable == demo.ChannelTable);
    QVERIFY(from.image.ChannelUsed == demo.ChannelUsed);
    QCOMPARE(from.radio->commandLog().size(), 1 + 5 + ChannelCount + 1);

    PtyRig to(std::make_shared<VirtualRadio>());
    to.radio->setIdentity(VariantT, true);
    QVERIFY(to.open());
    to.image = from.image;
    QCOMPARE(to.run([](RadioSession &s) { return s.start(Procedure::WriteSettings); }), Ending::Success);
    QCOMPARE(to.run([](RadioSession &s) { return s.start(Procedure::WriteMemory); }), Ending::Success);
    QCOMPARE(to.radio->cloneFileBytes(), from.radio->cloneFileBytes());
}

void TestLinkPty::droppedLineIsAPortError() {
    auto radio = std::make_shared<VirtualRadio>();
    radio->faults.dropAt.insert("0320");
    PtyRig rig(radio);
    QVERIFY(rig.open());
    QCOMPARE(rig.run([](RadioSession &s) { return s.startReadAll(); }), Ending::ComPortError);
    QCOMPARE(rig.finished.size(), 1);
    QCOMPARE(radio->commandLog().size(), 2);
    QCOMPARE(rig.image.SetData1, radio->block(0x300)); // what came before the failure stays
}

void TestLinkPty::missingPortIsTheProcedureFailure() {
    CloneImage image;
    RadioSession session(&image);
    session.setLink(std::make_unique<SerialLink>(QStringLiteral("/dev/kt-m40-no-such-port")));
    QSignalSpy finished(&session, &RadioSession::procedureFinished);
    QVERIFY(session.start(Procedure::ReadMemory));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.last().at(1).value<Ending>(), Ending::ProcedureFailure);
    QVERIFY(finished.last().at(2).toString().startsWith("/dev/kt-m40-no-such-port: "));
}

QTEST_GUILESS_MAIN(TestLinkPty)
#include "tst_link_pty.moc"

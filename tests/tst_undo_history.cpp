// The window's document and its undo history: steps as differences of the image, their names, the file
// state they carry, and what DataChanged does around them.
#include "channels/ChannelRecord.h"
#include "files/NewImage.h"
#include "image/CloneDocument.h"
#include "image/UndoHistory.h"
#include <QSignalSpy>
#include <QtTest>

namespace {
void putChannel(CloneImage &image, int k, qint64 hz, const QString &name) {
    image.ChannelTable[k].field[FieldFrequency] = {FormatFrequencyText(hz), double(hz)};
    image.ChannelTable[k].field[FieldName] = {name, 0};
    image.ChannelUsed[k] = true;
}
} // namespace

class TestUndoHistory : public QObject {
    Q_OBJECT
  private slots:
    void stepsGoBackAndForthInOrder() {
        UndoHistory history;
        CloneImage a = NewCloneImage();
        CloneImage b = a;
        putChannel(b, 17, 7050000, QStringLiteral("ONE"));
        CloneImage c = b;
        c.VfoTable[1].field[FieldMode] = {QStringLiteral("AM"), 4};
        c.Variant = VariantE;
        QVERIFY(!history.record(QStringLiteral("Insert 250"), a, a)); // a step that changes nothing
        QVERIFY(!history.canUndo());
        QCOMPARE(history.undoName(), QString()); // the menu shows plain Undo and Redo
        QCOMPARE(history.redoName(), QString());
        QVERIFY(history.record(QStringLiteral("Modify 17"), a, b));
        QVERIFY(history.record(QStringLiteral("Model"), b, c));
        QCOMPARE(history.undoName(), QStringLiteral("Model"));
        QVERIFY(!history.canRedo());

        CloneImage image = c;
        QVERIFY(history.undo(image));
        QVERIFY(image == b);
        QCOMPARE(history.undoName(), QStringLiteral("Modify 17"));
        QCOMPARE(history.redoName(), QStringLiteral("Model"));
        QVERIFY(history.undo(image));
        QVERIFY(image == a);
        QVERIFY(!history.canUndo());
        QVERIFY(!history.undo(image)); // nothing left: nothing touched
        QVERIFY(image == a);
        QVERIFY(history.redo(image));
        QVERIFY(history.redo(image));
        QVERIFY(image == c);
        QVERIFY(!history.redo(image));
    }

    void recordingDropsTheRedoPartAndUndoTouchesOnlyTheStep() {
        UndoHistory history;
        CloneImage a = NewCloneImage(), b = a, c = a;
        putChannel(b, 0, 7000000, QStringLiteral("B"));
        putChannel(c, 1, 7100000, QStringLiteral("C"));
        history.record(QStringLiteral("b"), a, b);
        CloneImage image = b;
        history.undo(image);
        history.record(QStringLiteral("c"), a, c);
        QVERIFY(!history.canRedo());
        QCOMPARE(history.undoCount(), 1);
        QCOMPARE(history.undoName(), QStringLiteral("c"));
        // channels the step did not touch keep what they hold now
        image = c;
        putChannel(image, 6, 7200000, QStringLiteral("SIX"));
        QVERIFY(history.undo(image));
        QVERIFY(!image.ChannelUsed[1]);
        QVERIFY(image.ChannelUsed[6]);
        QCOMPARE(image.ChannelTable[6].field[FieldName].text, QStringLiteral("SIX"));
    }

    void fileStateTravelsOnlyWithStepsThatChangedIt() {
        UndoHistory history;
        CloneImage a = NewCloneImage(), b = a;
        putChannel(b, 0, 7000000, QStringLiteral("X"));
        const FileState one{QStringLiteral("/t/one.M40"), QStringLiteral("one.M40")};
        const FileState two{QStringLiteral("/t/two.M40"), QStringLiteral("two.M40")};
        history.record(QStringLiteral("Open two.M40"), a, b, one, two);
        CloneImage c = b;
        putChannel(c, 1, 7100000, QStringLiteral("Y"));
        history.record(QStringLiteral("Modify 1"), b, c, two, two);

        std::optional<FileState> file;
        CloneImage image = c;
        history.undo(image, &file);
        QVERIFY(!file); // an edit leaves the file named as it is
        history.undo(image, &file);
        QCOMPARE(file, std::optional<FileState>(one));
        history.redo(image, &file);
        QCOMPARE(file, std::optional<FileState>(two));
    }

    // The document around the history.
    void aCommittedChangeMarksAndCanBeUndone() {
        CloneDocument doc;
        doc.image() = NewCloneImage();
        doc.beginChange();
        putChannel(doc.image(), 3, 14195000, QStringLiteral("DX"));
        QVERIFY(doc.commitChange(QStringLiteral("Modify 3")));
        QVERIFY(doc.dataChanged());
        doc.setDataChanged(false);
        QSignalSpy restored(&doc, &CloneDocument::imageRestored);
        QVERIFY(doc.undo());
        QVERIFY(!doc.image().ChannelUsed[3]);
        QVERIFY(doc.dataChanged()); // undo changes the data the window holds
        QCOMPARE(restored.count(), 1);
        doc.setDataChanged(false);
        QVERIFY(doc.redo());
        QVERIFY(doc.dataChanged());
        QCOMPARE(doc.image().ChannelTable[3].field[FieldName].text, QStringLiteral("DX"));
    }

    // A command that changed nothing marks the data but leaves no step (gui_tst_editing's Insert that
    // moves nothing); Mark::Leave leaves the mark as it was.
    void leaveKeepsTheFlag() {
        CloneDocument doc;
        doc.beginChange();
        doc.image().Settings[0] = 1 - doc.image().Settings[0];
        QVERIFY(doc.commitChange(QStringLiteral("Setting"), CloneDocument::Mark::Leave));
        QVERIFY(!doc.dataChanged());
    }

    void saveBetweenStepsIsNoStepAndSurvivesUndo() {
        CloneDocument doc;
        QSignalSpy caption(&doc, &CloneDocument::captionChanged);
        doc.beginChange();
        putChannel(doc.image(), 0, 7000000, QStringLiteral("A"));
        doc.commitChange(QStringLiteral("Modify 0"));
        doc.setFileState({QStringLiteral("/t/saved.M40"), QStringLiteral("saved.M40")}); // Save As
        QVERIFY(doc.caption().startsWith(QStringLiteral("saved.M40 - ")));
        QCOMPARE(caption.count(), 1);
        QCOMPARE(doc.history().undoCount(), 1);
        doc.undo();
        QCOMPARE(doc.cloneFileName(), QStringLiteral("/t/saved.M40"));
        // A change begun and never committed (an edit dialog cancelled) takes no Save into the next step.
        doc.beginChange();
        doc.setFileState({QStringLiteral("/t/later.M40"), QStringLiteral("later.M40")}); // Save As
        doc.image().Variant = VariantA;                                                  // a model click
        doc.commitChange(QStringLiteral("Model"));
        doc.undo();
        QCOMPARE(doc.cloneFileName(), QStringLiteral("/t/later.M40"));
        QCOMPARE(doc.image().Variant, int(VariantJ));
    }

    void undoingAnOpenNamesTheFormerFileAgain() {
        CloneDocument doc;
        doc.setFileState({QStringLiteral("/t/a.M40"), QStringLiteral("a.M40")});
        doc.beginChange();
        putChannel(doc.image(), 9, 7000000, QStringLiteral("B"));
        doc.setFileState({QStringLiteral("/t/b.M40"), QStringLiteral("b.M40")},
                         CloneDocument::FileChange::PartOfStep);
        doc.commitChange(QStringLiteral("Open b.M40"), CloneDocument::Mark::Leave);
        doc.undo();
        QCOMPARE(doc.cloneFileName(), QStringLiteral("/t/a.M40"));
        QVERIFY(doc.caption().startsWith(QStringLiteral("a.M40 - ")));
        QVERIFY(!doc.image().ChannelUsed[9]);
    }

    void manyStepsStayUndoable() {
        // No depth limit: a thousand edits all come back.
        CloneDocument doc;
        const CloneImage start = doc.image();
        for (int i = 0; i < 1000; ++i) {
            doc.beginChange();
            putChannel(doc.image(), i % ChannelCount, 1600000 + i, QStringLiteral("N%1").arg(i));
            doc.commitChange(QStringLiteral("Modify"));
        }
        QCOMPARE(doc.history().undoCount(), 1000);
        while (doc.undo()) {
        }
        QVERIFY(doc.image() == start);
    }
};

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "tst_undo_history.moc"

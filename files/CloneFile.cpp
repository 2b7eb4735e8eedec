#include "files/CloneFile.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/FileTarget.h"
#include "files/LocalName.h"
#include "image/TextTables.h"
#include "settings/SettingsCodec.h"
#include <QCoreApplication>
#include <QFile>
#include <vector>

namespace {
constexpr int LineCount = 610;
// Longer lines are wrong anyway; keeping only their start bounds memory for any input.
constexpr int KeptPerLine = 80;

// Splits a byte stream into the first 610 lines (LF or CR LF ends), remembering each line's true length.
class LineCollector {
  public:
    struct Line {
        QByteArray head; // at most KeptPerLine bytes
        qint64 length = 0;
    };

    bool full() const { return int(lines_.size()) == LineCount; }

    void feed(const char *data, qint64 size) {
        for (qint64 i = 0; i < size && !full(); ++i) {
            if (data[i] == '\n') {
                finishLine();
                continue;
            }
            if (current_.length < KeptPerLine) current_.head.append(data[i]);
            ++current_.length;
        }
    }

    // The end of the input: a last line without its line end still counts.
    void finish() {
        if (!full() && current_.length > 0) finishLine();
    }

    const std::vector<Line> &lines() const { return lines_; }

  private:
    void finishLine() {
        if (current_.length > 0 && current_.length <= KeptPerLine && current_.head.endsWith('\r')) {
            current_.head.chop(1);
            --current_.length;
        } else if (current_.length > KeptPerLine) {
            --current_.length; // a CR there would not change a verdict on a line that long
        }
        lines_.push_back(current_);
        current_ = Line{};
    }

    std::vector<Line> lines_;
    Line current_;
};

QString text(const LineCollector::Line &line) {
    return QString::fromLatin1(line.head);
}

CloneFileLoad interpret(const LineCollector &collector, CloneImage &image) {
    const auto &lines = collector.lines();
    if (int(lines.size()) < LineCount)
        return {FileStatus::FileOpenError, false,
                QCoreApplication::translate("CloneFile", "the file ends before line 610")};
    if (lines[0].length != 32)
        return {FileStatus::DataError, false,
                QCoreApplication::translate("CloneFile", "line 1 (the header) is not 32 characters")};
    for (int i = 1; i < LineCount - 1; ++i)
        if (lines[i].length != 64)
            return {FileStatus::DataError, false,
                    QCoreApplication::translate("CloneFile", "line %1 is not 64 characters").arg(i + 1)};
    if (lines[LineCount - 1].length != 32)
        return {FileStatus::DataError, false,
                QCoreApplication::translate("CloneFile", "line 610 (the end line) is not 32 characters")};

    int variant = 0;
    bool wide = false;
    if (!MatchFileHeader(text(lines[0]), variant, wide))
        return {FileStatus::DataError, false, QCoreApplication::translate("CloneFile", "unknown header")};
    if (text(lines[LineCount - 1]) != Tables().FileEndLine) {
        image.Variant = variant; // the header has already selected its option button
        image.WideRange = wide;
        return {FileStatus::DataError, true, QCoreApplication::translate("CloneFile", "wrong end line")};
    }

    // decode into a scratch copy so that a record that cannot be decoded leaves the image as it was
    CloneImage scratch = image;
    scratch.Variant = variant;
    scratch.WideRange = wide;
    scratch.SetData1 = text(lines[1]);
    scratch.SetData2 = text(lines[2]);
    if (UpdateSetData(scratch) >= 0)
        return {FileStatus::DataError, false,
                QCoreApplication::translate("CloneFile", "a setting is beyond its list")};
    for (int n = 0; n < VfoCount; ++n)
        if (!UpdateVFORecord(scratch, text(lines[3 + n]), n))
            return {FileStatus::DataError, false,
                    QCoreApplication::translate("CloneFile", "%1 has no valid mode").arg(VfoLabel(n))};
    for (int k = 0; k < ChannelCount; ++k)
        if (!UpdateMemData(scratch, text(lines[5 + k]), k))
            return {FileStatus::DataError, false,
                    QCoreApplication::translate("CloneFile", "channel line %1 has no valid mode").arg(6 + k)};
    image = std::move(scratch);
    return {FileStatus::Ok, true, {}};
}
} // namespace

CloneFileLoad ParseCloneFile(const QByteArray &data, CloneImage &image) {
    LineCollector collector;
    collector.feed(data.constData(), data.size());
    collector.finish();
    return interpret(collector, image);
}

CloneFileLoad LoadCloneFile(const QString &path, CloneImage &image) {
    LocalFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {FileStatus::FileOpenError, false, file.errorString()};
    LineCollector collector;
    char buffer[65536];
    while (!collector.full()) {
        const qint64 n = file.read(buffer, sizeof buffer);
        // a read error on a file already open (a medium pulled out); not reached in tests
        if (n < 0) return {FileStatus::FileOpenError, false, file.errorString()};
        if (n == 0) break;
        collector.feed(buffer, n);
    }
    collector.finish();
    return interpret(collector, image);
}

QByteArray CloneFileBytes(CloneImage &image) {
    MakeSetData(image);
    QByteArray out;
    out.reserve(LineCount * 66);
    auto line = [&out](const QString &s) { out += s.toLatin1() + "\r\n"; };
    line(Tables().FileHeader[image.Variant & 3][image.WideRange ? 1 : 0]);
    line(image.SetData1);
    line(image.SetData2);
    for (int n = 0; n < VfoCount; ++n)
        line(MakeVFOData(image, n));
    for (int k = 0; k < ChannelCount; ++k)
        line(MakeMemData(image, k));
    line(Tables().FileEndLine);
    return out;
}

FileStatus SaveCloneFile(const QString &path, CloneImage &image, QString *detail) {
    return WriteFileBytes(path, CloneFileBytes(image), detail) ? FileStatus::Ok : FileStatus::FileOpenError;
}

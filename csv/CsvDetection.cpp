#include "csv/CsvDetection.h"
#include "csv/CsvChirp.h"
#include "csv/CsvExport.h"
#include "csv/CsvRecordReader.h"
#include "files/NewImage.h"
#include <QCoreApplication>
#include <QStringDecoder>

namespace {
constexpr char Separators[] = {',', ';', '\t'};

QStringList fieldsOf(const QByteArray &line, char separator) {
    QStringList out;
    for (const std::string &f : CsvSplitLine(line.toStdString(), separator))
        out << QString::fromUtf8(f.data(), qsizetype(f.size())).trimmed();
    return out;
}

bool is(const QString &text, const QString &name) {
    return text.compare(name, Qt::CaseInsensitive) == 0;
}

bool namesLayout(const QStringList &fields, CsvLayout &layout) {
    if (is(fields.first(), FullCsvTag)) {
        layout = CsvLayout::Full;
        return true;
    }
    if (is(fields.first(), QStringLiteral("MODEL"))) {
        layout = CsvLayout::Original;
        return true;
    }
    bool location = false, frequency = false, ownColumn = false;
    for (const QString &f : fields) {
        location = location || is(f, QStringLiteral("Location"));
        frequency = frequency || is(f, QStringLiteral("Frequency"));
        // columns no grid and no other layout has
        for (int c = 3; c < ChirpColumns().size(); ++c)
            if (c != 5 && c != 12 && c != 14 && c != 15 && is(f, ChirpColumns()[c])) ownColumn = true;
    }
    if (location || (frequency && ownColumn)) {
        layout = CsvLayout::Chirp;
        return true;
    }
    return false;
}

bool blankLine(const QByteArray &line) {
    for (char c : line)
        if (c != ' ' && c != '\t' && c != ',' && c != ';') return false;
    return true;
}

// UTF-16 (the BOM's byte order) read in chunks and handed on as UTF-8.
class Utf16Device : public QIODevice {
  public:
    Utf16Device(QIODevice &source, QStringConverter::Encoding encoding)
        : source_(source), decoder_(encoding) {
        open(ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return pending_.size() - at_ + QIODevice::bytesAvailable() + source_.bytesAvailable();
    }

  protected:
    qint64 readData(char *data, qint64 max) override {
        while (at_ == pending_.size()) {
            QByteArray raw(64 * 1024, Qt::Uninitialized);
            const qint64 got = source_.read(raw.data(), raw.size());
            if (got < 0) {
                setErrorString(source_.errorString());
                return -1;
            }
            if (got == 0) return 0;
            raw.resize(got);
            pending_ = QString(decoder_.decode(raw)).toUtf8();
            at_ = 0;
        }
        const qint64 n = std::min<qint64>(max, pending_.size() - at_);
        std::memcpy(data, pending_.constData() + at_, std::size_t(n));
        at_ += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

  private:
    QIODevice &source_;
    QStringDecoder decoder_;
    QByteArray pending_;
    qsizetype at_ = 0;
};
} // namespace

CsvDetection DetectCsvLine(const QByteArray &firstLine) {
    CsvDetection d;
    d.firstLine = firstLine;
    if (d.firstLine.startsWith("\xEF\xBB\xBF")) d.firstLine.remove(0, 3);
    for (char separator : Separators)
        if (namesLayout(fieldsOf(d.firstLine, separator), d.layout)) {
            d.recognised = true;
            d.separator = separator;
            return d;
        }
    d.layout = CsvLayout::Original;
    return d;
}

CsvDetection DetectCsv(QIODevice &device) {
    QByteArray head = device.peek(64 * 1024);
    if (head.startsWith("\xEF\xBB\xBF")) head.remove(0, 3);
    qsizetype from = 0;
    while (from < head.size()) {
        qsizetype end = from;
        while (end < head.size() && head[end] != '\n' && head[end] != '\r')
            ++end;
        const QByteArray line = head.mid(from, end - from);
        if (!blankLine(line)) return DetectCsvLine(line);
        from = end + 1;
    }
    return DetectCsvLine(QByteArray());
}

std::unique_ptr<QIODevice> CsvUtf8Device(QIODevice &device) {
    const QByteArray bom = device.peek(2);
    if (bom == QByteArrayView("\xFF\xFE"))
        return std::make_unique<Utf16Device>(device, QStringConverter::Utf16LE);
    if (bom == QByteArrayView("\xFE\xFF"))
        return std::make_unique<Utf16Device>(device, QStringConverter::Utf16BE);
    return nullptr;
}

QString CsvUnrecognisedReason(const CsvDetection &d) {
    if (d.firstLine.isEmpty())
        return QCoreApplication::translate("CsvDetection", "the file holds no line with text");
    QString line = QString::fromUtf8(d.firstLine);
    if (line.size() > 80) line = line.left(77) + QStringLiteral("...");
    QString reason =
        QCoreApplication::translate(
            "CsvDetection", "its first line “%1” names no layout: expected “KT-M40 full CSV” first (full "
                            "layout), a Location column (CHIRP CSV) or “MODEL” first (original layout), "
                            "separated by commas, semicolons or TABs")
            .arg(line);
    if (line.contains(QStringLiteral("Location"), Qt::CaseInsensitive) ||
        line.contains(FullCsvTag, Qt::CaseInsensitive))
        reason += QCoreApplication::translate(
            "CsvDetection", "; the names are there, but not separated by a comma, semicolon or TAB");
    else if (line.contains(QStringLiteral("Frequency"), Qt::CaseInsensitive))
        reason +=
            QCoreApplication::translate("CsvDetection", "; it has a Frequency column but no Location column");
    return reason;
}

bool IsOriginalExportHeader(const CsvDetection &d) {
    // one thread: the guard of this local static never waits for another
    static const QStringList header = fieldsOf(CsvExportBytes(NewCloneImage()).split('\r').constFirst(), ',');
    const QStringList fields = fieldsOf(d.firstLine, d.separator);
    if (fields.size() != header.size()) return false;
    for (int i = 0; i < header.size(); ++i)
        if (!is(fields[i], header[i])) return false;
    return true;
}

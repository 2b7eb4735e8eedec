#include "channels/ChannelEdit.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/FieldValueReader.h"
#include "channels/FrequencyEntry.h"
#include "channels/NameCharset.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvFullColumns.h"
#include "csv/CsvFullLayout.h"
#include "csv/CsvRecordReader.h"
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <bitset>
#include <optional>

namespace {
constexpr int VfoRow = -1; // row numbers: channels 0..603, VFO n as -1 - n

QString utf8(const std::string &s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// One line of the file and what is wrong with it.
class FullLine {
  public:
    FullLine(const std::vector<std::string> &fields, const std::vector<int> &columns, const QString &row,
             CsvReport &report, bool decimalComma)
        : decimalComma(decimalComma), fields_(fields), columns_(columns), row_(row), report_(report) {}
    const bool decimalComma; // the file is separated by semicolons or TABs

    // The text under a title (column index of FullCsvTitles), "" when the line or the file has none.
    QString text(int title) const {
        const int c = columns_[title];
        return c >= 0 && c < int(fields_.size()) ? utf8(fields_[c]) : QString();
    }
    void refuse(const QString &field, const QString &reason) {
        report_.add(CsvReportItem::Refused, row_, field, reason);
        refused_ = true;
    }
    void change(const QString &field, const QString &reason) { changes_.append({field, reason}); }
    bool refused() const { return refused_; }
    // The changes are reported only when the line is stored.
    void reportChanges() {
        for (const auto &c : changes_)
            report_.add(CsvReportItem::Changed, row_, c.first, c.second);
    }
    bool changed() const { return !changes_.isEmpty(); }

  private:
    const std::vector<std::string> &fields_;
    const std::vector<int> &columns_;
    QString row_;
    CsvReport &report_;
    bool refused_ = false;
    QList<QPair<QString, QString>> changes_;
};

QString title(ChannelField f) {
    return ChannelFieldNames()[f];
}

// Any frequency a record can hold: the full layout restores what the clone file held, in range or not.
qint64 frequencyOf(FullLine &line, ChannelField f) {
    const QString t = line.text(1 + f);
    const FrequencyReading r = ReadFrequencyText(t, PlainUnit::Hz, line.decimalComma);
    if (r.hz < 0)
        line.refuse(title(f),
                    t.trimmed().isEmpty()
                        ? QCoreApplication::translate("CsvFullImport", "empty")
                        : QCoreApplication::translate("CsvFullImport", "“%1” is not a frequency").arg(t));
    else if (r.rounded)
        line.change(title(f), QCoreApplication::translate("CsvFullImport", "“%1” rounded to %2")
                                  .arg(t, FormatFrequencyText(r.hz)));
    return r.hz;
}

int listIndexOf(FullLine &line, ChannelField f, const QStringList &items) {
    const QString t = line.text(1 + f);
    const int index = ReadListText(t, items);
    if (index < 0)
        line.refuse(title(f), QCoreApplication::translate("CsvFullImport", "“%1” is not one of %2")
                                  .arg(t, items.join(QStringLiteral(" "))));
    return index;
}

QString nameOf(FullLine &line) {
    const QString t = line.text(1 + FieldName);
    QString stored, bad;
    if (!ReadNameText(t, stored, &bad)) {
        line.refuse(
            title(FieldName),
            bad.isEmpty()
                ? QCoreApplication::translate("CsvFullImport", "“%1” is longer than 8 characters").arg(t)
                : QCoreApplication::translate("CsvFullImport", "the radio cannot store “%1”").arg(bad));
        return QString();
    }
    if (stored != t)
        line.change(title(FieldName),
                    QCoreApplication::translate("CsvFullImport", "“%1” stored as “%2”").arg(t, stored));
    return stored;
}

// The Codes column: field to code.
QHash<int, int> codesOf(FullLine &line) {
    // one thread: the guard of this local static never waits for another
    static const QRegularExpression entry(QStringLiteral("^([A-Za-z.]+)=(\\d{1,3})$"));
    QHash<int, int> codes;
    const QStringList parts = line.text(1 + ChannelFieldCount).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QRegularExpressionMatch m = entry.match(part);
        int field = -1; // the title in any letter case, as the titles line
        for (int f = 0; m.hasMatch() && f < ChannelFieldCount; ++f)
            if (m.captured(1).compare(ChannelFieldNames()[f], Qt::CaseInsensitive) == 0) field = f;
        const int code = m.hasMatch() ? m.captured(2).toInt() : -1;
        if (field < 0 || !CodedFields().contains(ChannelField(field)) || code > 255) {
            line.refuse(
                FullCsvCodesTitle,
                QCoreApplication::translate("CsvFullImport", "“%1” is not a code such as Gain=7").arg(part));
            continue;
        }
        codes.insert(field, code);
    }
    return codes;
}

bool allEmpty(const FullLine &line) {
    for (int t = 1; t < FullCsvTitles().size(); ++t)
        if (!line.text(t).isEmpty()) return false;
    return true;
}

// Takes one VFO or channel line through the edit dialog's rules; stores it only when nothing is broken.
void takeLine(FullLine &line, int row, CloneImage &image, CsvReport &report) {
    const bool vfo = row < 0;
    const EditSource source = vfo ? EditSource::Vfo : EditSource::Memory;
    const int index = vfo ? VfoRow - row : row;
    if (!vfo && allEmpty(line)) {
        EmptyChannel(image, index);
        ++report.taken;
        return;
    }
    EditFields e;
    e.frequency = SplitFrequency(frequencyOf(line, FieldFrequency));
    e.mode = listIndexOf(line, FieldMode, EditModeItems());
    e.gain = listIndexOf(line, FieldGain, EditGainItems());
    e.agc = listIndexOf(line, FieldAGC, EditAGCItems());
    e.power = listIndexOf(line, FieldPwr, EditPowerItems());
    e.filter = listIndexOf(line, FieldFilter, EditFilterItems());
    e.tone = listIndexOf(line, FieldTone, EditOnOffItems());
    e.nb = listIndexOf(line, FieldNB, EditOnOffItems());
    if (vfo) {
        for (ChannelField f : {FieldSplitFreq, FieldName, FieldSkip})
            if (!line.text(1 + f).isEmpty())
                line.refuse(title(f),
                            QCoreApplication::translate("CsvFullImport", "a VFO has no such field"));
    } else {
        e.split = SplitFrequency(frequencyOf(line, FieldSplitFreq));
        e.name = nameOf(line);
        const QString skip = line.text(1 + FieldSkip);
        const int skipped = ReadSkipText(skip);
        if (skipped < 0)
            line.refuse(title(FieldSkip),
                        QCoreApplication::translate("CsvFullImport", "“%1” is not empty or Skip").arg(skip));
        e.skip = skipped == 1;
    }
    const QHash<int, int> codes = codesOf(line);
    if (line.refused()) {
        ++report.refused;
        return;
    }
    StoreEditFields(image, source, index, e);
    FieldSlot *fields = vfo ? image.VfoTable[index].field.data() : image.ChannelTable[index].field.data();
    for (auto it = codes.cbegin(); it != codes.cend(); ++it) {
        FieldSlot &slot = fields[it.key()];
        if (CodedFieldText(ChannelField(it.key()), it.value()) == slot.text)
            slot.value = it.value();
        else
            line.change(FullCsvCodesTitle,
                        QCoreApplication::translate("CsvFullImport", "%1=%2 left out: the text now says %3")
                            .arg(title(ChannelField(it.key())))
                            .arg(it.value())
                            .arg(slot.text));
    }
    line.reportChanges();
    ++report.taken;
    if (line.changed()) ++report.changed;
    // the branches counted at this brace are the inlined destructors' checks of Qt's shared data
}

// The first line names the export's variant and range; the image keeps its own, a difference is noted.
void compareFirstLine(const std::vector<std::string> &fields, const CloneImage &image, CsvReport &report) {
    const QStringList own = FullCsvFirstLine(image.Variant, image.WideRange);
    const QString line1 = QCoreApplication::translate("CsvFullImport", "line 1");
    if (fields.size() < 2 || utf8(fields[1]).trimmed() != own[1])
        report.add(CsvReportItem::Changed, line1, QStringLiteral("variant"),
                   QCoreApplication::translate("CsvFullImport", "the file names %1; the image keeps %2")
                       .arg(fields.size() >= 2 ? utf8(fields[1]) : QString(), own[1]));
    if (fields.size() < 3 || utf8(fields[2]).trimmed() != own[2])
        report.add(CsvReportItem::Changed, line1, QStringLiteral("range"),
                   QCoreApplication::translate("CsvFullImport", "the file names %1; the image keeps %2")
                       .arg(fields.size() >= 3 ? utf8(fields[2]) : QString(), own[2]));
}
} // namespace

CsvReport ImportFullCsvDevice(QIODevice &device, CloneImage &image, int chunkBytes, char separator) {
    CsvReport report;
    CsvRecordReader reader(device, chunkBytes, separator);
    std::vector<std::string> fields;
    const auto nextLine = [&] { // blank lines (a spreadsheet's) are passed over
        while (reader.readRecord(fields))
            if (!CsvBlankRecord(fields)) return true;
        return false;
    };
    // defensive: the caller recognised this layout by the first line
    if (!nextLine()) return report;
    compareFirstLine(fields, image, report);
    // line 2: the titles, read by name in any letter case
    std::vector<int> columns(std::size_t(FullCsvTitles().size()), -1);
    std::vector<bool> singleLine;
    std::vector<QString> headers;
    if (nextLine()) {
        singleLine.assign(fields.size(), false);
        for (std::size_t c = 0; c < fields.size(); ++c) {
            const QString name = utf8(fields[c]).trimmed();
            headers.push_back(name);
            for (int t = 0; t < FullCsvTitles().size(); ++t)
                if (name.compare(FullCsvTitles()[t], Qt::CaseInsensitive) == 0) {
                    singleLine[c] = true; // no value of the layout holds a line break
                    if (columns[std::size_t(t)] < 0) columns[std::size_t(t)] = int(c);
                }
        }
    }
    reader.setSingleLineColumns(singleLine);
    bool titlesWhole = true;
    for (int t = 0; t + 1 < FullCsvTitles().size(); ++t) // Codes may be missing
        if (columns[std::size_t(t)] < 0) {
            report.add(CsvReportItem::Refused, QCoreApplication::translate("CsvFullImport", "line 2"),
                       FullCsvTitles()[t],
                       QCoreApplication::translate("CsvFullImport",
                                                   "the title line has no such column: nothing is taken"));
            titlesWhole = false;
        }
    const bool decimalComma = separator != ',';
    std::bitset<ChannelCount + VfoCount> seen;
    while (titlesWhole && reader.readRecord(fields)) {
        if (CsvBlankRecord(fields)) continue; // a spreadsheet's empty line
        const std::size_t rowColumn = std::size_t(columns[0]);
        const QString label = rowColumn < fields.size() ? utf8(fields[rowColumn]) : QString();
        const int row = ReadRowLabel(label);
        const bool known = row != RowLabelUnknown;
        const QString lineName =
            QCoreApplication::translate("CsvFullImport", "line %1").arg(reader.recordLine());
        FullLine line(fields, columns, known ? (row < 0 ? VfoLabel(VfoRow - row) : RowLabel(row)) : lineName,
                      report, decimalComma);
        if (reader.openQuoteColumn() >= 0) {
            const QString column = headers[std::size_t(reader.openQuoteColumn())]; // only titled ones

            line.refuse(column,
                        CsvOpenQuoteReason(reader.openQuoteLine(), reader.openQuoteEndLine(), column));
            ++report.refused;
            continue;
        }
        if (!known) {
            line.refuse(
                FullCsvRowTitle,
                QCoreApplication::translate("CsvFullImport", "“%1” is no row of the grids").arg(label));
            ++report.refused;
            continue;
        }
        const std::size_t bit = row < 0 ? std::size_t(ChannelCount + (VfoRow - row)) : std::size_t(row);
        if (seen.test(bit)) {
            line.refuse(FullCsvRowTitle,
                        QCoreApplication::translate(
                            "CsvFullImport", "the row came before in the file; this line is left out"));
            ++report.refused;
            continue;
        }
        seen.set(bit);
        const QString before = row < 0 ? MakeVFOData(image, VfoRow - row) : MakeMemData(image, row);
        takeLine(line, row, image, report);
        if (before != (row < 0 ? MakeVFOData(image, VfoRow - row) : MakeMemData(image, row)))
            ++report.records;
    }
    if (reader.readFailed()) {
        report.status = FileStatus::FileOpenError;
        report.detail = device.errorString();
    }
    return report;
}

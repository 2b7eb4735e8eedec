#include "channels/ChannelClipboard.h"
#include "channels/ChannelEdit.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/FieldValueReader.h"
#include "channels/NameCharset.h"
#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

QString ChannelsToTsv(const CloneImage &image, const QList<int> &channels) {
    QString out = ChannelFieldNames().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int k : channels) {
        QStringList cells;
        for (int f = 0; f < ChannelFieldCount; ++f)
            cells << (image.ChannelUsed[k] ? image.ChannelTable[k].field[f].text : QString());
        out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

QString ChannelsToLossless(const CloneImage &image, const QList<int> &channels) {
    QString out = LosslessHeader + QLatin1Char('\n');
    for (int k : channels)
        out += MakeMemData(image, k) + QLatin1Char('\n');
    return out;
}

qint64 ParseFrequencyText(const QString &input) {
    return ReadFrequencyText(input).hz;
}

namespace {
// Lines without their ends; trailing empty lines dropped.
QStringList linesOf(const QString &text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString rowMessage(int k, int line, int field, const QString &what) {
    return QCoreApplication::translate("ChannelClipboard", "Row %1 (pasted line %2), %3: %4")
        .arg(ShortRowLabel(k))
        .arg(line)
        .arg(ChannelFieldNames()[field], what);
}

// The index of `cell` in `items` (FieldValueReader's rules), the default for an empty cell, -1 when it is
// not there.
int listIndex(const QString &cell, const QStringList &items, int empty) {
    return cell.trimmed().isEmpty() ? empty : ReadListText(cell, items);
}

// The edit dialog's rules for one tab-separated line: the fields it would store, or a message.
bool fieldsOfLine(const QStringList &cells, int k, int line, const CloneImage &image, EditFields &out,
                  QString &message) {
    EditFields e = NewChannelFields(image.Variant);
    const FrequencyRange range = FrequencyRangeFor(image.WideRange);
    auto frequency = [&](int field, const QString &cell, FrequencyBoxes &boxes) {
        // tab-separated: a spreadsheet in many locales writes a decimal comma
        const qint64 hz = ReadFrequencyText(cell, PlainUnit::Hz, true).hz;
        if (hz < 0) {
            message = rowMessage(
                k, line, field,
                QCoreApplication::translate("ChannelClipboard", "\"%1\" is no frequency").arg(cell));
            return false;
        }
        if (!range.contains(hz)) {
            message = rowMessage(k, line, field, OutOfRangeMessage(image.WideRange));
            return false;
        }
        boxes = SplitFrequency(hz);
        return true;
    };
    if (!frequency(FieldFrequency, cells[FieldFrequency], e.frequency)) return false;
    if (cells[FieldSplitFreq].isEmpty())
        e.split = e.frequency;
    else if (!frequency(FieldSplitFreq, cells[FieldSplitFreq], e.split))
        return false;

    struct Choice {
        int field;
        const QStringList &items;
        int *target;
    };
    const Choice choices[] = {
        {FieldMode, EditModeItems(), &e.mode},       {FieldGain, EditGainItems(), &e.gain},
        {FieldAGC, EditAGCItems(), &e.agc},          {FieldPwr, EditPowerItems(), &e.power},
        {FieldFilter, EditFilterItems(), &e.filter}, {FieldTone, EditOnOffItems(), &e.tone},
        {FieldNB, EditOnOffItems(), &e.nb}};
    for (const Choice &c : choices) {
        const int index = listIndex(cells[c.field], c.items, *c.target);
        if (index < 0) {
            message = rowMessage(k, line, c.field,
                                 QCoreApplication::translate("ChannelClipboard", "\"%1\" is not one of %2")
                                     .arg(cells[c.field], c.items.join(QStringLiteral(", "))));
            return false;
        }
        *c.target = index;
    }

    QString name;
    if (!ReadNameText(cells[FieldName], name)) {
        message = rowMessage(k, line, FieldName,
                             QCoreApplication::translate(
                                 "ChannelClipboard",
                                 "\"%1\" is more than 8 characters or holds a character the radio cannot "
                                 "store (A-Z, 0-9, blank and # $ ( ) * + - / = \\ _ are stored)")
                                 .arg(cells[FieldName]));
        return false;
    }
    e.name = name;

    const QString skip = cells[FieldSkip];
    const int skipped = ReadSkipText(skip);
    if (skipped >= 0)
        e.skip = skipped == 1;
    else {
        message =
            rowMessage(k, line, FieldSkip,
                       QCoreApplication::translate("ChannelClipboard", "\"%1\" is neither \"Skip\" nor empty")
                           .arg(skip));
        return false;
    }
    out = e;
    return true;
}

bool isHeader(const QStringList &cells) {
    if (cells.size() != ChannelFieldCount) return false;
    for (int f = 0; f < ChannelFieldCount; ++f)
        if (cells[f].trimmed().compare(ChannelFieldNames()[f], Qt::CaseInsensitive) != 0) return false;
    return true;
}

ChannelPaste refuse(const QString &message) {
    ChannelPaste p;
    p.message = message;
    return p;
}
} // namespace

ChannelPaste PasteChannels(CloneImage &image, int first, const QString &text) {
    QStringList lines = linesOf(text);
    const bool lossless = !lines.isEmpty() && lines.first() == LosslessHeader;
    int firstLine = 1; // line numbers as the user sees them in the pasted text
    if (lossless || (!lines.isEmpty() && isHeader(lines.first().split(QLatin1Char('\t'))))) {
        lines.removeFirst();
        firstLine = 2;
    }
    if (lines.isEmpty())
        return refuse(QCoreApplication::translate("ChannelClipboard", "The clipboard holds no channels."));
    // first < 0 would be a caller's mistake: the grid passes one of its rows
    if (first < 0 || first + lines.size() > ChannelCount)
        return refuse(QCoreApplication::translate(
                          "ChannelClipboard", "%1 channels from row %2 do not fit: the list ends at row %3.")
                          .arg(lines.size())
                          .arg(ShortRowLabel(qMax(0, first)), ShortRowLabel(ChannelCount - 1)));

    CloneImage result = image; // written only when every channel passes
    const FrequencyRange range = FrequencyRangeFor(image.WideRange);
    for (int i = 0; i < lines.size(); ++i) {
        const int k = first + i, line = firstLine + i;
        if (lossless) {
            const QString record = lines[i].trimmed();
            // one thread: the guard of this local static never waits for another
            static const QRegularExpression recordText(QStringLiteral("^[0-9A-Fa-f]{64}$"));
            if (!recordText.match(record).hasMatch())
                return refuse(QCoreApplication::translate("ChannelClipboard",
                                                          "Row %1 (pasted line %2): not a channel record")
                                  .arg(ShortRowLabel(k))
                                  .arg(line));
            if (!UpdateMemData(result, record, k))
                return refuse(
                    rowMessage(k, line, FieldMode,
                               QCoreApplication::translate("ChannelClipboard",
                                                           "the mode code is none of the radio's modes")));
            if (!result.ChannelUsed[k]) continue;
            for (int field : {int(FieldFrequency), int(FieldSplitFreq)})
                if (!range.contains(qint64(result.ChannelTable[k].field[field].value)))
                    return refuse(rowMessage(k, line, field, OutOfRangeMessage(image.WideRange)));
            continue;
        }
        QStringList cells = lines[i].split(QLatin1Char('\t'));
        if (cells.size() > ChannelFieldCount)
            return refuse(
                QCoreApplication::translate("ChannelClipboard",
                                            "Row %1 (pasted line %2): %3 columns, at most %4 expected (%5)")
                    .arg(ShortRowLabel(k))
                    .arg(line)
                    .arg(cells.size())
                    .arg(ChannelFieldCount)
                    .arg(ChannelFieldNames().join(QStringLiteral(", "))));
        for (int f = 0; f < cells.size(); ++f)
            if (f != FieldName) cells[f] = cells[f].trimmed(); // blanks are name characters
        while (cells.size() < ChannelFieldCount)
            cells << QString();
        if (std::all_of(cells.begin(), cells.end(), [](const QString &c) { return c.trimmed().isEmpty(); })) {
            EmptyChannel(result, k);
            continue;
        }
        EditFields fields;
        QString message;
        if (!fieldsOfLine(cells, k, line, result, fields, message)) return refuse(message);
        // fieldsOfLine checked both frequencies: ApplyEditFields does not refuse here
        if (!ApplyEditFields(result, EditSource::Memory, k, fields, &message)) return refuse(message);
    }
    image = std::move(result);
    ChannelPaste done;
    done.ok = true;
    done.count = lines.size();
    return done;
}

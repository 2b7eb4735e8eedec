#include "csv/CsvRecordReader.h"
#include <QBuffer>
#include <algorithm>

CsvRecordReader::CsvRecordReader(QIODevice &device, int chunkBytes, char separator)
    : device_(device), chunkBytes_(chunkBytes > 0 ? chunkBytes : 64 * 1024), separator_(separator) {}

bool CsvRecordReader::fill() {
    if (pos_ < qsizetype(chunk_.size())) return true;
    if (failed_ || ended_) return false;
    if (!started_) {
        started_ = true;
        if (device_.peek(3) == QByteArrayView("\xEF\xBB\xBF")) device_.skip(3);
    }
    chunk_.resize(std::size_t(chunkBytes_));
    const qint64 got = device_.read(chunk_.data(), chunkBytes_);
    if (got < 0) failed_ = true;
    chunk_.resize(got > 0 ? std::size_t(got) : 0);
    ended_ = got <= 0;
    pos_ = 0;
    return !chunk_.empty();
}

void CsvRecordReader::append(std::string &field, const char *data, qsizetype n) {
    const qsizetype room = MaxFieldBytes - qsizetype(field.size());
    if (room > 0) field.append(data, std::size_t(std::min(n, room)));
}

bool CsvRecordReader::readRecord(std::vector<std::string> &fields) {
    fields.clear();
    if (peek() < 0) return false;
    recordLine_ = line_;
    openQuoteColumn_ = -1;
    std::string field;
    bool quoted = false;
    bool inQuotes = false;
    const auto endField = [&] {
        if (fields.size() < MaxFields) fields.push_back(std::move(field));
        field.clear();
        quoted = false;
    };
    for (;;) {
        if (!fill()) { // the end of the file ends the record, an open quote included
            endField();
            return true;
        }
        const char *data = chunk_.data();
        const qsizetype size = qsizetype(chunk_.size());
        if (inQuotes) {
            const std::size_t column = fields.size();
            const bool singleLine = column < singleLine_.size() && singleLine_[column];
            qsizetype i = pos_;
            while (i < size && data[i] != '"') {
                if (data[i] == '\n' || data[i] == '\r') {
                    if (singleLine) break;
                    if (data[i] == '\n') ++line_; // a line break inside quotes still starts a file line
                }
                ++i;
            }
            append(field, data + pos_, i - pos_);
            pos_ = i;
            if (i == size) continue;
            if (data[i] != '"') { // the quote was left open: the line ends the record
                ++pos_;
                if (data[i] == '\r' && peek() == '\n') ++pos_;
                ++line_;
                openQuoteColumn_ = int(column);
                endField();
                return true;
            }
            ++pos_; // the quote: a doubled one is a quote inside, else it closes
            if (peek() == '"') {
                append(field, "\"", 1);
                ++pos_;
            } else {
                inQuotes = false;
            }
            continue;
        }
        const int c = static_cast<unsigned char>(data[pos_]);
        // no quote comes right after a closing one (two are a doubled one): `quoted` is never met here
        if (c == '"' && field.empty() && !quoted) {
            quoted = inQuotes = true;
            openQuoteLine_ = line_;
            ++pos_;
            continue;
        }
        if (c == separator_) {
            ++pos_;
            endField();
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++pos_;
            if (c == '\r' && peek() == '\n') ++pos_;
            ++line_;
            endField();
            return true;
        }
        qsizetype i = pos_;
        while (i < size && data[i] != separator_ && data[i] != '\r' && data[i] != '\n' && data[i] != '"')
            ++i;
        if (i == pos_) { // a quote inside an unquoted field (or after a closing one) is kept as it is
            append(field, data + pos_, 1);
            ++pos_;
            continue;
        }
        append(field, data + pos_, i - pos_);
        pos_ = i;
    }
}

std::vector<std::string> CsvSplitLine(const std::string &line, char separator) {
    QByteArray bytes(line.data(), qsizetype(line.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvRecordReader reader(buffer, 64 * 1024, separator);
    std::vector<std::string> fields;
    if (!reader.readRecord(fields)) fields.assign(1, std::string());
    return fields;
}

bool CsvBlankRecord(const std::vector<std::string> &fields) {
    for (const std::string &f : fields)
        if (f.find_first_not_of(" \t") != std::string::npos) return false;
    return true;
}

#include "csv/CsvFieldReader.h"
#include <algorithm>

CsvFieldReader::CsvFieldReader(QIODevice &device, int chunkBytes, char separator)
    : device_(device), chunkBytes_(chunkBytes > 0 ? chunkBytes : DefaultChunkBytes), separator_(separator) {}

bool CsvFieldReader::fill() {
    if (pos_ < chunk_.size()) return true;
    if (failed_ || ended_) return false;
    if (!started_) {
        started_ = true;
        // a spreadsheet's UTF-8 mark is no text
        if (device_.peek(3) == QByteArrayView("\xEF\xBB\xBF")) device_.skip(3);
    }
    chunk_.resize(chunkBytes_);
    const qint64 got = device_.read(chunk_.data(), chunkBytes_);
    if (got < 0) failed_ = true;
    chunk_.resize(got > 0 ? got : 0);
    ended_ = got <= 0;
    pos_ = 0;
    return pos_ < chunk_.size();
}

int CsvFieldReader::peek() {
    return fill() ? static_cast<unsigned char>(chunk_[pos_]) : -1;
}

bool CsvFieldReader::atEnd() {
    return peek() < 0;
}

bool CsvFieldReader::readField(std::string &field) {
    field.clear();
    if (atEnd()) return false;
    int c = peek();
    while ((c == ' ' || c == '\t') && c != separator_) {
        ++pos_;
        c = peek();
    }
    qint64 length = 0; // the field's true length after the blanks, kept bytes or not
    int last = -1;
    c = -1; // the separator, or -1 at the end
    while (fill()) {
        const char *data = chunk_.constData();
        const qsizetype size = chunk_.size();
        qsizetype i = pos_;
        while (i < size && data[i] != separator_ && data[i] != '\n' && data[i] != '\r')
            ++i;
        if (i > pos_) {
            const qint64 keep = std::min<qint64>(i - pos_, MaxFieldBytes - length);
            if (keep > 0) field.append(data + pos_, std::size_t(keep));
            length += i - pos_;
            last = static_cast<unsigned char>(data[i - 1]);
        }
        pos_ = i;
        if (i < size) {
            c = static_cast<unsigned char>(data[i]);
            break;
        }
    }
    // consume the separator: the field separator, LF, CR or CR LF
    if (c >= 0) {
        ++pos_;
        if (c == '\r' && peek() == '\n') ++pos_;
    }
    const bool opened = length > 0 && field.front() == '"';
    if (opened && length >= 2 && last == '"' && length <= MaxFieldBytes) field.pop_back();
    if (opened) field.erase(0, 1);
    return true;
}

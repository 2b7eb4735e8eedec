#include "files/CsvFieldReader.h"

CsvFieldReader::CsvFieldReader(QIODevice &device, int chunkBytes)
    : device_(device), chunkBytes_(chunkBytes > 0 ? chunkBytes : DefaultChunkBytes) {}

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
    while (c == ' ' || c == '\t') {
        ++pos_;
        c = peek();
    }
    qint64 length = 0; // the field's true length after the blanks, kept bytes or not
    int last = -1;
    while (c >= 0 && c != ',' && c != '\n' && c != '\r') {
        if (length < MaxFieldBytes) field.push_back(static_cast<char>(c));
        ++length;
        last = c;
        ++pos_;
        c = peek();
    }
    // consume the separator: a comma, LF, CR or CR LF
    if (c >= 0) {
        ++pos_;
        if (c == '\r' && peek() == '\n') ++pos_;
    }
    const bool opened = length > 0 && field.front() == '"';
    if (opened && length >= 2 && last == '"' && length <= MaxFieldBytes) field.pop_back();
    if (opened) field.erase(0, 1);
    return true;
}

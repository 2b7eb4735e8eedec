#pragma once
// Reads a CSV file record by record the way spreadsheets write it (RFC 4180): fields separated by commas,
// a field in double quotes may hold commas, line breaks and doubled quotes ("" for one "), records end
// with CR LF, LF or a lone CR. A UTF-8 byte order mark at the very start is skipped.
// Reads the device in chunks, so memory stays bounded for any file size: a field keeps at most
// MaxFieldBytes bytes and a record at most MaxFields fields (the rest is read and left out).
#include <QIODevice>
#include <string>
#include <vector>

class CsvRecordReader {
  public:
    static constexpr int MaxFieldBytes = 4096;
    static constexpr int MaxFields = 256;

    explicit CsvRecordReader(QIODevice &device, int chunkBytes = 64 * 1024);

    // Reads the next record into fields (at least one field, possibly ""). False at the end of the file.
    bool readRecord(std::vector<std::string> &fields);
    // The file line the last record started on, counting from 1.
    qint64 recordLine() const { return recordLine_; }
    // True when the device failed while reading (as opposed to reaching its end).
    bool readFailed() const { return failed_; }

  private:
    bool fill();
    int peek() {
        return (pos_ < qsizetype(chunk_.size()) || fill()) ? static_cast<unsigned char>(chunk_[pos_]) : -1;
    }
    void append(std::string &field, const char *data, qsizetype n);

    QIODevice &device_;
    std::string chunk_;
    qsizetype pos_ = 0;
    qint64 chunkBytes_;
    qint64 line_ = 1;
    qint64 recordLine_ = 0;
    bool started_ = false;
    bool failed_ = false;
    bool ended_ = false;
};

// Splits one line of text (no line end) into its fields by the same rules.
std::vector<std::string> CsvSplitLine(const std::string &line);

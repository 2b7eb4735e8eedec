#pragma once
// Reads a CSV file record by record the way spreadsheets write it (RFC 4180): fields separated by commas
// (or the separator given: spreadsheets in many locales write semicolons, "Unicode text" TABs), a field in
// double quotes may hold separators, line breaks and doubled quotes ("" for one "), records end with
// CR LF, LF or a lone CR. A UTF-8 byte order mark at the very start is skipped.
// A quote left open would swallow every line up to the next quote into one field: in a column that
// cannot hold a line break (setSingleLineColumns) a line break inside quotes ends the record instead,
// openQuoteColumn() says so, and the next record starts on the next line.
// Reads the device in chunks, so memory stays bounded for any file size: a field keeps at most
// MaxFieldBytes bytes and a record at most MaxFields fields (the rest is read and left out).
#include <QIODevice>
#include <string>
#include <vector>

class CsvRecordReader {
  public:
    static constexpr int MaxFieldBytes = 4096;
    static constexpr int MaxFields = 256;

    explicit CsvRecordReader(QIODevice &device, int chunkBytes = 64 * 1024, char separator = ',');

    // singleLine[c] true: column c holds no line break. Columns past the end may hold them.
    void setSingleLineColumns(std::vector<bool> singleLine) { singleLine_ = std::move(singleLine); }

    // Reads the next record into fields (at least one field, possibly ""). False at the end of the file.
    bool readRecord(std::vector<std::string> &fields);
    // The file line the last record started on, counting from 1.
    qint64 recordLine() const { return recordLine_; }
    // The column whose quote the last record left open at a line break, -1 when none; the file line the
    // quote opened on.
    int openQuoteColumn() const { return openQuoteColumn_; }
    qint64 openQuoteLine() const { return openQuoteLine_; }
    // The file line at whose end the open quote was stopped.
    qint64 openQuoteEndLine() const { return line_ - 1; }
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
    char separator_;
    std::vector<bool> singleLine_;
    int openQuoteColumn_ = -1;
    qint64 openQuoteLine_ = 0;
    qint64 line_ = 1;
    qint64 recordLine_ = 0;
    bool started_ = false;
    bool failed_ = false;
    bool ended_ = false;
};

// True when every field is empty or blanks only: a spreadsheet's empty line.
bool CsvBlankRecord(const std::vector<std::string> &fields);

// Splits one line of text (no line end) into its fields by the same rules.
std::vector<std::string> CsvSplitLine(const std::string &line, char separator = ',');

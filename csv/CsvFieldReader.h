#pragma once
// Reads a CSV file field by field, not line by line: a field is the text up to the next comma (or the
// separator given, for a file a spreadsheet saved with semicolons or TABs) or line end
// (CR LF, LF or a lone CR), with leading blanks (spaces, tabs) skipped, then an opening double quote and a
// closing one removed. Commas inside quotes are not special and a line end is just another separator.
// Each byte is one character (Latin-1); a UTF-8 byte order mark at the very start is skipped.
// Reads the device in chunks, so memory stays bounded for any file size; a field keeps at most
// MaxFieldBytes bytes (longer ones are cut: no meaningful field comes near that).
#include <QByteArray>
#include <QIODevice>
#include <string>

class CsvFieldReader {
  public:
    static constexpr int MaxFieldBytes = 4096;
    static constexpr int DefaultChunkBytes = 64 * 1024;

    explicit CsvFieldReader(QIODevice &device, int chunkBytes = DefaultChunkBytes, char separator = ',');

    // True when no byte is left: the end of the file. A trailing comma at the very end gives no further
    // field.
    bool atEnd();
    // Reads the next field into field. False at the end of the file (field then "").
    bool readField(std::string &field);
    // True when the device failed while reading (as opposed to reaching its end).
    bool readFailed() const { return failed_; }

  private:
    bool fill();
    // The next byte, or -1 at the end.
    int peek();

    QIODevice &device_;
    QByteArray chunk_;
    qsizetype pos_ = 0;
    qint64 chunkBytes_;
    char separator_;
    bool started_ = false;
    bool failed_ = false;
    bool ended_ = false;
};

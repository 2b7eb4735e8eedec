#pragma once
// The clone file (.M40): 610 lines, header, two settings blocks, two VFO records, 604 channels, end line.
#include "image/CloneImage.h"
#include "image/Messages.h"
#include <QByteArray>
#include <QString>

struct CloneFileLoad {
    FileStatus status = FileStatus::Ok;
    // The header's variant and range were applied to the image. True on success and also when only
    // the end line was wrong: then the option button has moved although nothing else changed.
    bool variantSelected = false;
    QString detail; // the system's reason, for a status line beside the message
};

// Reads a clone file into image with every format check in order. A refused file leaves the image as it
// was, except for a wrong end line after a good header (variant and range follow the header).
CloneFileLoad LoadCloneFile(const QString &path, CloneImage &image);
// The same on bytes already read.
CloneFileLoad ParseCloneFile(const QByteArray &data, CloneImage &image);

// The file's bytes for the image (calls MakeSetData first, so the settings blocks follow the page).
QByteArray CloneFileBytes(CloneImage &image);
// Writes atomically where the target is an ordinary file (a failed save leaves any previous file whole), in
// place where it is not (a pipe, /dev/stdout) or where only the file itself may be written. detail gets
// the system's reason (the caller names the file).
FileStatus SaveCloneFile(const QString &path, CloneImage &image, QString *detail = nullptr);

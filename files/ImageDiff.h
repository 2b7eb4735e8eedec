#pragma once
// What differs between two clone images: per setting, per VFO field and per channel field, by label.
#include "image/CloneImage.h"
#include <QList>
#include <QPair>
#include <QString>

struct ImageDifference {
    ImageDifference() = default;
    ImageDifference(QString record, QString field, QString first, QString second,
                    QList<QPair<QString, QString>> content = {})
        : record(std::move(record)), field(std::move(field)), first(std::move(first)),
          second(std::move(second)), content(std::move(content)) {}

    QString record; // "Model", "Settings", "VFO A", "VFO B", or a channel's grid row label
    QString field;  // a list's label, a grid column header, "Used", "Variant", "Range"
    QString first;  // the text in the first image
    QString second; // the text in the second image
    // For "Used" (a channel on one side only): the channel's fields on the side that holds it, by grid
    // column header; first/second are then "empty" and the same fields as one line.
    QList<QPair<QString, QString>> content;
    // compiler-made member by member: not every member's early out is met
    bool operator==(const ImageDifference &) const = default;
};

// Differences in variant and range ("Model").
QList<ImageDifference> DiffModel(const CloneImage &a, const CloneImage &b);
// Differences in the 29 settings ("Settings").
QList<ImageDifference> DiffSettings(const CloneImage &a, const CloneImage &b);
// Differences in VFO n's eight fields.
QList<ImageDifference> DiffVfo(const CloneImage &a, const CloneImage &b, int n);
// Differences in channel k: "Used" when only one side holds a channel (with its whole content on that
// side), else each field that differs.
QList<ImageDifference> DiffChannel(const CloneImage &a, const CloneImage &b, int k);
// All of the above, model first, channels in index order.
QList<ImageDifference> DiffImages(const CloneImage &a, const CloneImage &b);

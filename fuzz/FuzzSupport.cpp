#include "FuzzSupport.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/NewImage.h"
#include "image/TextTables.h"

const CloneImage &FuzzBaseImage() {
    static const CloneImage base = [] {
        BuildTextTables();
        CloneImage image;
        image.Variant = VariantT;
        image.WideRange = true;
        NewImage(image);
        const QString record = QStringLiteral("88010201010001850001000000000000"
                                              "3899D8003C4A543A3B583900B0A96D00");
        for (int k : {0, 1, 300, 603})
            UpdateMemData(image, record, k);
        UpdateVFORecord(image,
                        QStringLiteral("80050000000000000000000000000000") + QStringLiteral("3899D800") +
                            QString(24, QLatin1Char('0')),
                        1);
        return image;
    }();
    return base;
}

// kt-m40-render-icon: writes the program's icon as PNG files for the desktop's icon theme, drawn by the
// same code as the window's icon. Used by the build only (not installed).
#include "app/AppIcon.h"
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fputs("Usage: kt-m40-render-icon FOLDER\n", stderr);
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen"); // no display needed
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        if (!folder.mkpath(dir) || !AppIconPixmap(size).save(folder.filePath(dir + "/kt-m40.png"), "PNG")) {
            std::fprintf(stderr, "kt-m40-render-icon: cannot write %s\n", qPrintable(folder.filePath(dir)));
            return 4;
        }
    }
    return 0;
}

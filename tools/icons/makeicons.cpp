// Writes the program icon as the PNG files of an icon theme, so the desktop
// menu shows the same picture as the program: FOLDER/NxN/apps/NAME.png.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "gui/kit/radioart.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tavrin-makeicons FOLDER NAME\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString apps = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = folder.filePath(apps + QStringLiteral("/") + name + ".png");
        if (!folder.mkpath(apps) || !DrawProgramIcon(QSize(size, size)).save(file, "PNG")) {
            std::fprintf(stderr, "tavrin-makeicons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

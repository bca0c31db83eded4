// Writes the program icon as a PNG of the given size, for the menu entry:
//     oxel_make_icon 256 io.github.oxelium.Oxelium.png
#include "app/Glyphs.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int pixels = args.value(1).toInt();
    if (args.size() != 3 || pixels <= 0) {
        std::fputs("usage: oxel_make_icon SIZE FILE.png\n", stderr);
        return 2;
    }
    QDir().mkpath(QFileInfo(args[2]).path());
    return Glyphs::ProgramIconPixmap(pixels).save(args[2], "PNG") ? 0 : 1;
}

// Draws the program's pictures into a folder (normally resources/):
//   zel_make_pictures <folder>
// The pictures are committed; run this again after changing their drawing code.
#include <QGuiApplication>
#include <cstdio>

#include "qt/common/PictureArt.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zel_make_pictures <folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto failed = zel::qt::WriteProgramPictures(argv[1]);
    for (const std::string& name : failed)
        std::fprintf(stderr, "zel_make_pictures: could not write %s\n", name.c_str());
    return failed.empty() ? 0 : 1;
}

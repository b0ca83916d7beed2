// tarvik-artgen: makes every picture, sound, cursor and page the program shows.
//
//   tarvik-artgen GAME_DIR STORE_DIR ICON_PNG
//       writes GAME_DIR/{Backgrounds/*.jpg, tick.wav, harrow.cur, hnwse.cur,
//       instructions.htm}, STORE_DIR/pictures/N.bmp with STORE_DIR/pictures.qrc
//       (for rcc, which names each N.png, as the program asks for it), and the
//       icon.
//   tarvik-artgen --icons ICON_DIR
//       writes the icon at the desktop's sizes, ICON_DIR/NxN/apps/*.png.
//   tarvik-artgen --contact-sheet OUT_DIR GAME_DIR
//       draws every picture of GAME_DIR/resources.rcc with its id, and the
//       backgrounds, into OUT_DIR/store.png and OUT_DIR/backgrounds.png.
//   tarvik-artgen --windows GAME_DIR RES_DIR
//       writes the Windows build's files: the same GAME_DIR files as above, and
//       RES_DIR/{bitmaps/N.bmp, resources.rc, tarvik.ico}, from which windres
//       makes the picture library resources.dll and the program's icon.
//
// The output depends on nothing but this code and the fonts, so two runs give
// the same bytes.
#include "art.h"
#include "contact_sheet.h"
#include "file_writers.h"
#include "icons.h"
#include "instructions_page.h"
#include "store.h"
#include "web_files.h"
#include "windows_files.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

int Fail(const QString& what)
{
    std::fprintf(stderr, "tarvik-artgen: %s\n", qPrintable(what));
    return 1;
}

int WriteText(const QString& path, const QByteArray& text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    return f.write(text) == text.size() ? 1 : 0;
}

// The store's pictures are uncompressed bitmaps: the program reads them by
// their content, and a bitmap decodes several times faster than a PNG (no
// inflating, no checksums, no row filters), which start-up feels. The store
// file is about 9 MB instead of 0.6; the program frees it after start-up.
int WriteStore(const QString& storeDir)
{
    QDir().mkpath(storeDir + "/pictures");
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/pictures\">\n";
    for (const StorePicture& pic : MakeStore()) {
        const QString file = QString::number(pic.id) + ".bmp";
        const QString alias = QString::number(pic.id) + ".png";
        if (!pic.image.save(storeDir + "/pictures/" + file, "BMP")) return Fail("cannot write " + file);
        qrc += "  <file alias=\"" + alias.toUtf8() + "\">pictures/" + file.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    return WriteText(storeDir + "/pictures.qrc", qrc) ? 0 : Fail("cannot write pictures.qrc");
}

int WriteGameFolder(const QString& gameDir)
{
    QDir().mkpath(gameDir + "/Backgrounds");
    for (const Background& bg : Backgrounds())
        if (!bg.draw().save(gameDir + "/Backgrounds/" + bg.fileName, "JPEG", 90))
            return Fail(QString("cannot write ") + bg.fileName);
    if (!WriteWav(gameDir + "/tick.wav", MakeTick(), TICK_RATE)) return Fail("cannot write tick.wav");
    if (!WriteCursor(gameDir + "/harrow.cur", DrawArrowCursor(), ARROW_HOT_X, ARROW_HOT_Y))
        return Fail("cannot write harrow.cur");
    if (!WriteCursor(gameDir + "/hnwse.cur", DrawMoveCursor(), MOVE_HOT_X, MOVE_HOT_Y))
        return Fail("cannot write hnwse.cur");
    if (!WriteText(gameDir + "/instructions.htm", InstructionsPage())) return Fail("cannot write instructions.htm");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--contact-sheet") return WriteContactSheets(args[2], args[3]) ? 0 : 1;
    if (args.size() == 4 && args[1] == "--windows") {
        if (!WriteWindowsResources(args[3])) return Fail("cannot write the Windows resources");
        return WriteGameFolder(args[2]);
    }
    if (args.size() == 3 && args[1] == "--web") {
        if (!WriteWebFiles(args[2])) return Fail("cannot write the web files");
        return WriteGameFolder(args[2]);
    }
    if (args.size() == 3 && args[1] == "--icons") return WriteIcons(args[2]) ? 0 : Fail("cannot write the icons");
    if (args.size() != 4) return Fail("usage: tarvik-artgen GAME_DIR STORE_DIR ICON_PNG");
    if (int rc = WriteStore(args[2])) return rc;
    if (int rc = WriteGameFolder(args[1])) return rc;
    QDir().mkpath(QFileInfo(args[3]).absolutePath());
    if (!MakeIcon().save(args[3], "PNG")) return Fail("cannot write the icon");
    return 0;
}

// The picture store and the Backgrounds folder, cut, damaged or oversized:
// the store is refused before Qt reads it, a bad picture leaves its slot
// empty, and a huge photograph never needs a full-size buffer.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <QBuffer>
#include <QImage>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bad_files.h"
#include "gfx/texture_build.h"
#include "gfx/texture_pixels.h"
#include "gfx/textures.h"
#include "platform/platform.h"
#include "qt/resident_memory.h"
#include "support/gui_application.h"

namespace fs = std::filesystem;

namespace {

const fs::path GAME_STORE = fs::path(TARVIK_GAME_DIR) / "resources.rcc";

uint32_t Big32(const std::string& bytes, size_t at)
{
    return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
           uint32_t(uint8_t(bytes[at + 2])) << 8 | uint8_t(bytes[at + 3]);
}

void PutBig32(std::string* bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        (*bytes)[at + i] = static_cast<char>(value >> (24 - 8 * i));
    }
}

int OpenStoreBytes(const std::string& bytes)
{
    WriteBytes("resources.rcc", bytes);
    return SysOpenPictureStore();
}

// Every store picture's size is read and each that has one decoded at its
// texture size, as the graphics start does: under the sanitizers this shows
// that nothing outside the bundle is touched.
void ReadEveryPicture()
{
    SysImage image;
    for (int id = 4000; id <= 4072; ++id) {
        int width = 0, height = 0;
        if (SysStorePictureSize(id, &width, &height)) {
            SysDecodeStorePicture(id, TextureDimension(width, 2048), TextureDimension(height, 2048), &image);
        }
    }
}

// Builds a store with rcc from files written into the working directory: each
// id holds the bytes given (a picture, or anything else).
bool MakeStore(const std::map<int, std::string>& files)
{
    fs::create_directories("store_source");
    std::ofstream qrc("store_source/pictures.qrc");
    qrc << "<RCC><qresource prefix=\"/pictures\">\n";
    for (const auto& [id, bytes] : files) {
        const std::string name = std::to_string(id) + ".png";
        WriteBytes("store_source/" + name, bytes);
        qrc << "<file>" << name << "</file>\n";
    }
    qrc << "</qresource></RCC>\n";
    qrc.close();
    // A fixed date in place of the files' times, so the same files make the same bytes.
    const std::string command = "QT_RCC_SOURCE_DATE_OVERRIDE=1 " + std::string(TARVIK_RCC) +
                                " --binary -o resources.rcc store_source/pictures.qrc";
    return std::system(command.c_str()) == 0;
}

std::string PngBytes(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, (x + y) % 3 == 0 ? qRgb(0, 0, 255) : qRgb(40 * x % 256, 30 * y % 256, 90));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes.toStdString();
}

// A small store of known pictures, the same bytes on every machine whatever
// the build's own art: two JPEGs and two PNGs (rcc packs some of them).
std::string KnownStore()
{
    if (!MakeStore({{4000, GreyJpeg(64, 64)}, {4001, GreyJpeg(16, 48)}, {4056, PngBytes(32, 32)},
                    {4068, PngBytes(8, 8)}})) {
        return "";
    }
    return ReadBytes("resources.rcc");
}

class BadStore : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureGuiApplication();  // Qt's picture readers
        store = ReadBytes(GAME_STORE);
        ASSERT_GT(store.size(), 1000u);
    }
    void TearDown() override { SysClosePictureStore(); }

    ScratchFolder folder{"tarvik-bad"};
    std::string store;
};

class BadPictures : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureGuiApplication();  // Qt's picture readers
        gl = &GlTestContext::Get();
        ASSERT_TRUE(gl->Valid()) << "no GL context";
        g_textureSizeLimitOverride = 0;
        g_backgroundTexture = 0;
        g_backgroundSearch = BackgroundSearch();
    }

    GlTestContext* gl = nullptr;
    ScratchFolder folder{"tarvik-bad"};
};

}  // namespace

TEST_F(BadStore, TheGameStoreOpensAndItsPicturesRead)
{
    ASSERT_EQ(OpenStoreBytes(store), 1);
    int width = 0, height = 0;
    EXPECT_EQ(SysStorePictureSize(4056, &width, &height), 1);
    SysClosePictureStore();
    EXPECT_EQ(SysStorePictureSize(4056, &width, &height), 0);
}

TEST_F(BadStore, MissingEmptyOrGarbageIsRefused)
{
    EXPECT_EQ(SysOpenPictureStore(), 0);
    EXPECT_EQ(OpenStoreBytes(""), 0);
    EXPECT_EQ(OpenStoreBytes(RandomBytes(store.size(), 21)), 0);
    EXPECT_EQ(OpenStoreBytes("qres" + RandomBytes(4096, 22)), 0);
    fs::remove("resources.rcc");
    fs::create_directory("resources.rcc");
    EXPECT_EQ(SysOpenPictureStore(), 0);
}

TEST_F(BadStore, CutAnywhereIsRefused)
{
    const size_t tree = Big32(store, 8), data = Big32(store, 12), names = Big32(store, 16);
    const size_t cuts[] = {3, 10, 20, 23, data + 2, data + 5000, names + 3, names + 100, tree + 7, tree + 30,
                           store.size() - 1};
    for (size_t cut : cuts) {
        SCOPED_TRACE(cut);
        EXPECT_EQ(OpenStoreBytes(store.substr(0, cut)), 0);
    }
}

TEST_F(BadStore, OffsetsPointingOutsideAreRefused)
{
    const size_t tree = Big32(store, 8);
    struct Damage {
        const char* what;
        size_t at;
        uint32_t value;
    };
    // The root is node 0: flags at +4, child count at +6, first child at +10.
    const Damage damages[] = {
        {"version 4", 4, 4},
        {"tree past the end", 8, 0xFFFFFFF0u},
        {"data past the end", 12, 0xFFFFFFF0u},
        {"names past the end", 16, 0xFFFFFFF0u},
        {"root with countless children", tree + 6, 0x7FFFFFFFu},
        {"root's children past the tree", tree + 10, 0x00FFFFFFu},
        {"root read inside a file node (tree offset 160 bytes on)", 8, static_cast<uint32_t>(tree + 160)},
        {"root on the first file node", 8, static_cast<uint32_t>(tree + 2 * 22)},
        {"root's children start at the root", tree + 10, 0},
        {"folder holding itself", tree + 22 + 10, 1},
        {"version 3 flags naming an unknown packing", 20, 0x08},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        std::string bytes = store;
        PutBig32(&bytes, damage.at, damage.value);
        EXPECT_EQ(OpenStoreBytes(bytes), 0);
    }
}

TEST_F(BadStore, EntryClaimingAHugeUnpackedSizeIsRefused)
{
    ASSERT_TRUE(MakeStore({{4056, RandomBytes(64, 23)}}));
    std::string bytes = ReadBytes("resources.rcc");
    ASSERT_EQ(OpenStoreBytes(bytes), 1);
    SysClosePictureStore();
    // Nodes are 22 bytes: root, "pictures", then the one file node.
    const size_t fileNode = Big32(bytes, 8) + 2 * 22;
    const size_t entry = Big32(bytes, 12) + Big32(bytes, fileNode + 10);
    bytes[fileNode + 5] = '\x01';            // now zlib-packed...
    PutBig32(&bytes, entry + 4, 0xF0000000u);  // ...to nearly 4 GB
    EXPECT_EQ(OpenStoreBytes(bytes), 0);
}

// A store of known bytes, damaged in its header, names and tree: every value
// of the tree offset's last byte, every byte in turn set to values that move
// offsets and flip flags and counts, then random bytes four at a time. Each
// is refused or, when it opens, every picture reads and decodes without
// touching memory outside it.
TEST_F(BadStore, ScrambledTablesNeverReadOutside)
{
    const std::string known = KnownStore();
    ASSERT_GT(known.size(), 100u);
    ASSERT_EQ(OpenStoreBytes(known), 1);
    SysClosePictureStore();
    const size_t tree = Big32(known, 8), names = Big32(known, 16);
    ASSERT_LT(names, tree);  // rcc writes data, names, then the tree
    int tried = 0, opened = 0;
    auto tryBytes = [&](const std::string& bytes) {
        ++tried;
        if (OpenStoreBytes(bytes) == 1) {
            ++opened;
            ReadEveryPicture();
        }
        SysClosePictureStore();
    };
    // The tree offset moved 160 bytes on (its last byte 0x15 -> 0xb5 in a
    // store that crashed): the root then reads as part of a file node.
    std::string moved = known;
    PutBig32(&moved, 8, static_cast<uint32_t>(tree + 160));
    EXPECT_EQ(OpenStoreBytes(moved), 0);
    SysClosePictureStore();
    for (int value = 0; value < 256; ++value) {
        std::string bytes = known;
        bytes[11] = static_cast<char>(value);
        tryBytes(bytes);
    }
    std::vector<size_t> places;
    for (size_t at = 4; at < 24; ++at) {
        places.push_back(at);
    }
    for (size_t at = names; at < known.size(); ++at) {
        places.push_back(at);
    }
    for (size_t at : places) {
        const uint8_t old = static_cast<uint8_t>(known[at]);
        for (uint8_t value : {uint8_t(0xFF), uint8_t(old ^ 0x80), uint8_t(old + 0xA0), uint8_t(old ^ 0x02)}) {
            std::string bytes = known;
            bytes[at] = static_cast<char>(value);
            tryBytes(bytes);
        }
    }
    std::mt19937 generator(24);
    for (int round = 0; round < 200; ++round) {
        std::string bytes = known;
        for (int flips = 0; flips < 4; ++flips) {
            bytes[places[generator() % places.size()]] = static_cast<char>(generator());
        }
        tryBytes(bytes);
    }
    std::printf("damaged stores that still opened: %d of %d\n", opened, tried);
    EXPECT_EQ(OpenStoreBytes(known), 1) << "the store is readable again after all that";
}

TEST_F(BadPictures, RefusedStoreStopsTheGraphicsStart)
{
    WriteBytes("resources.rcc", ReadBytes(GAME_STORE).substr(0, 5000));
    EXPECT_EQ(InitializeGraphics(), 0);
}

TEST_F(BadPictures, UndecodablePicturesLeaveOnlyTheirSlotsEmpty)
{
    ASSERT_TRUE(MakeStore({{4000, GreyJpeg(64, 64)},
                           {4001, RandomBytes(300, 25)},
                           {4056, std::string("\x89PNG\r\n\x1a\n", 8) + RandomBytes(100, 26)},
                           {4068, ""},
                           {4071, GreyJpeg(128, 32)}}));
    ASSERT_EQ(InitializeGraphics(), 1);
    EXPECT_TRUE(glIsTexture(g_cardTextures[1]));
    EXPECT_TRUE(glIsTexture(g_menuButtonTextures[0]));
    EXPECT_EQ(g_cardTextures[2], 0u);
    EXPECT_EQ(g_cardTextures[0], 0u);
    EXPECT_EQ(g_textTexture, 0u);
    EXPECT_EQ(g_menuTileTexture, 0u);
}

TEST_F(BadPictures, BadBackgroundsLeaveTheTableBareOrThePreviousPicture)
{
    ASSERT_TRUE(MakeStore({{4000, GreyJpeg(64, 64)}}));
    ASSERT_EQ(InitializeGraphics(), 1);  // no folder at all
    EXPECT_EQ(g_backgroundTexture, 0u);
    fs::create_directory("Backgrounds");
    AdvanceBackground();  // an empty folder
    EXPECT_EQ(g_backgroundTexture, 0u);

    const std::string good = GreyJpeg(64, 64);
    WriteBytes("Backgrounds/a-cut.jpg", good.substr(0, 40));
    WriteBytes("Backgrounds/b-good.jpg", good);
    WriteBytes("Backgrounds/c-not-a-jpeg.jpg", "<html>a page under a picture's name</html>");
    WriteBytes("Backgrounds/d-garbage.jpg", RandomBytes(5000, 27));
    WriteBytes("Backgrounds/e-empty.jpg", "");
    AdvanceBackground();  // a-cut
    EXPECT_EQ(g_backgroundTexture, 0u);
    AdvanceBackground();  // b-good
    const TextureSlot shown = g_backgroundTexture;
    EXPECT_TRUE(glIsTexture(shown));
    for (int i = 0; i < 4; ++i) {  // c, d, e, then a again
        AdvanceBackground();
        EXPECT_EQ(g_backgroundTexture, shown);
    }
}

TEST_F(BadPictures, HugePhotographDecodesStraightToTheTextureSize)
{
    WriteBytes("huge.jpg", GreyJpeg(12000, 12000));
    int width = 0, height = 0;
    ASSERT_EQ(SysPictureFileSize("huge.jpg", &width, &height), 1);
    EXPECT_EQ(width, 12000);
    ResetPeakResident();
    const long before = PeakResidentKilobytes();
    TextureSlot slot = 0;
    ASSERT_EQ(BuildTextureFromFile("huge.jpg", &slot, 0, 0, 0, 0), 1);
    const long growth = PeakResidentKilobytes() - before;
    std::printf("peak memory growth decoding a 12000 x 12000 JPEG: %ld KiB\n", growth);
    GLint side = 0;
    glBindTexture(GL_TEXTURE_2D, slot);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &side);
    EXPECT_EQ(side, 2048);
    // A full-size decode needs at least 12000 x 12000 x 4 bytes (549 MiB);
    // the sanitizers keep freed blocks a while, hence their larger bound.
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(growth, 300 * 1024);
#else
    EXPECT_LT(growth, 100 * 1024);
#endif
    glDeleteTextures(1, &slot);
}

// A pipe under the store's name has no writer to wait for.
TEST_F(BadStore, PipeIsRefusedAtOnce)
{
    ASSERT_EQ(::mkfifo("resources.rcc", 0644), 0);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ::alarm(10);
            std::_Exit(SysOpenPictureStore() == 0 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

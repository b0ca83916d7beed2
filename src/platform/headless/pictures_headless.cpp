// The headless platform's pictures: binary netpbm files a test writes. The
// store is a folder of "<id>.pam"; a picture file (a background) is read the
// same way whatever its name ends in. PAM (P7) with depth 3 (RGB) or 4
// (RGB_ALPHA) and PPM (P6), both with a largest value of 255. A picture is
// read whole before it is stretched: the tests' pictures are small.

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/headless/headless.h"

namespace {
constexpr const char* DEFAULT_STORE_FOLDER = "pictures";
constexpr int LARGEST_SIDE = 16384;

std::string s_storeFolder = DEFAULT_STORE_FOLDER;
bool s_storeOpen = false;

struct Netpbm {
    int width = 0;
    int height = 0;
    int depth = 0;              // 3 or 4 bytes a pixel
    std::streamoff pixels = 0;  // where the top row starts
};

// One header token: skips blanks and '#' comments.
bool Token(std::istream& in, std::string* token)
{
    token->clear();
    int c = in.get();
    while (c != EOF && (std::isspace(c) || c == '#')) {
        if (c == '#') {
            while (c != EOF && c != '\n') {
                c = in.get();
            }
        }
        c = in.get();
    }
    while (c != EOF && !std::isspace(c)) {
        token->push_back(static_cast<char>(c));
        c = in.get();
    }
    return !token->empty();  // the one blank after the last token is consumed
}

bool Number(std::istream& in, int* value)
{
    std::string token;
    if (!Token(in, &token) || token.size() > 6 || token.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    *value = std::stoi(token);
    return true;
}

bool ReadHeader(std::ifstream& in, Netpbm* picture)
{
    std::string token;
    if (!Token(in, &token)) {
        return false;
    }
    int largest = 0;
    if (token == "P6") {
        picture->depth = 3;
        if (!Number(in, &picture->width) || !Number(in, &picture->height) || !Number(in, &largest)) {
            return false;
        }
    } else if (token == "P7") {
        while (Token(in, &token) && token != "ENDHDR") {
            if (token == "WIDTH" && !Number(in, &picture->width)) {
                return false;
            } else if (token == "HEIGHT" && !Number(in, &picture->height)) {
                return false;
            } else if (token == "DEPTH" && !Number(in, &picture->depth)) {
                return false;
            } else if (token == "MAXVAL" && !Number(in, &largest)) {
                return false;
            } else if (token == "TUPLTYPE" && !Token(in, &token)) {
                return false;
            }
        }
        if (token != "ENDHDR") {
            return false;
        }
    } else {
        return false;
    }
    picture->pixels = in.tellg();
    return largest == 255 && (picture->depth == 3 || picture->depth == 4) && picture->width > 0 &&
           picture->height > 0 && picture->width <= LARGEST_SIDE && picture->height <= LARGEST_SIDE &&
           picture->pixels > 0;
}

// Only a regular file: a pipe of that name would wait for a writer.
bool OpenPicture(const std::string& path, std::ifstream* in, Netpbm* picture)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    in->open(path, std::ios::binary);
    return in->is_open() && ReadHeader(*in, picture);
}

int Size(const std::string& path, int* width, int* height)
{
    std::ifstream in;
    Netpbm picture;
    if (!width || !height || !OpenPicture(path, &in, &picture)) {
        return 0;
    }
    *width = picture.width;
    *height = picture.height;
    return 1;
}

// Stretched texel by texel (the nearest source texel), bottom row first.
int Decode(const std::string& path, int width, int height, SysImage* out)
{
    std::ifstream in;
    Netpbm picture;
    if (!out || width <= 0 || height <= 0 || !OpenPicture(path, &in, &picture)) {
        return 0;
    }
    const size_t rowBytes = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.depth);
    std::vector<uint8_t> source(rowBytes * static_cast<size_t>(picture.height));
    if (!in.read(reinterpret_cast<char*>(source.data()), static_cast<std::streamsize>(source.size()))) {
        return 0;
    }
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    for (int row = 0; row < height; ++row) {
        const int sourceRow = picture.height - 1 - static_cast<int>(int64_t(row) * picture.height / height);
        for (int column = 0; column < width; ++column) {
            const int sourceColumn = static_cast<int>(int64_t(column) * picture.width / width);
            const uint8_t* from = source.data() + rowBytes * static_cast<size_t>(sourceRow) +
                                  static_cast<size_t>(sourceColumn) * static_cast<size_t>(picture.depth);
            uint8_t* to = rgba.data() + (static_cast<size_t>(row) * static_cast<size_t>(width) + column) * 4;
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
            to[3] = picture.depth == 4 ? from[3] : 255;
        }
    }
    out->width = width;
    out->height = height;
    out->rgba = std::move(rgba);
    return 1;
}

std::string StorePath(int id)
{
    return s_storeFolder + "/" + std::to_string(id) + ".pam";
}
}  // namespace

void HeadlessSetPictureStore(const char* folder)
{
    s_storeFolder = folder ? folder : DEFAULT_STORE_FOLDER;
    s_storeOpen = false;
}

int SysOpenPictureStore()
{
    std::error_code error;
    s_storeOpen = std::filesystem::is_directory(s_storeFolder, error);
    return s_storeOpen ? 1 : 0;
}

void SysClosePictureStore() { s_storeOpen = false; }

int SysStorePictureSize(int id, int* width, int* height)
{
    return s_storeOpen ? Size(StorePath(id), width, height) : 0;
}

int SysDecodeStorePicture(int id, int width, int height, SysImage* out)
{
    return s_storeOpen ? Decode(StorePath(id), width, height, out) : 0;
}

int SysPictureFileSize(const char* path, int* width, int* height)
{
    return path ? Size(path, width, height) : 0;
}

int SysDecodePictureFile(const char* path, int width, int height, SysImage* out)
{
    return path ? Decode(path, width, height, out) : 0;
}

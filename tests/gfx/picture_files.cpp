#include "picture_files.h"

#include <fstream>

namespace fs = std::filesystem;

namespace {
constexpr const char* STORE_FOLDER = "pictures";  // the headless store's own folder

bool WriteNetpbm(const TestPicture& picture, const std::string& path, bool pam)
{
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) {
        fs::create_directories(parent);
    }
    std::ofstream file(path, std::ios::binary);
    if (pam) {
        file << "P7\nWIDTH " << picture.width << "\nHEIGHT " << picture.height
             << "\nDEPTH 3\nMAXVAL 255\nTUPLTYPE RGB\nENDHDR\n";
    } else {
        file << "P6\n" << picture.width << " " << picture.height << "\n255\n";
    }
    file.write(reinterpret_cast<const char*>(picture.rgb.data()), static_cast<std::streamsize>(picture.rgb.size()));
    return static_cast<bool>(file);
}
}  // namespace

void TestPicture::SetPixel(int x, int y, Colour colour)
{
    uint8_t* p = rgb.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    p[0] = static_cast<uint8_t>(colour.r);
    p[1] = static_cast<uint8_t>(colour.g);
    p[2] = static_cast<uint8_t>(colour.b);
}

TestPicture FilledPicture(int width, int height, Colour colour)
{
    TestPicture picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.SetPixel(x, y, colour);
        }
    }
    return picture;
}

bool SavePicture(const TestPicture& picture, const std::string& path)
{
    return WriteNetpbm(picture, path, false);
}

bool SaveDamagedPicture(const std::string& path)
{
    std::ofstream file(path, std::ios::binary);
    // A netpbm start followed by garbage: recognised, then undecodable.
    file << "P7\nWIDTH this is not a picture at all";
    return static_cast<bool>(file);
}

bool MakePictureStore(const std::map<int, TestPicture>& pictures)
{
    fs::create_directories(STORE_FOLDER);
    for (const auto& [id, picture] : pictures) {
        if (!WriteNetpbm(picture, std::string(STORE_FOLDER) + "/" + std::to_string(id) + ".pam", true)) {
            return false;
        }
    }
    return true;
}

void RemovePictureStore()
{
    std::error_code error;
    fs::remove_all(STORE_FOLDER, error);
}

#pragma once
// Pictures and picture stores made by the gfx tests, in the
// headless platform's plain formats: binary PPM files, and a store that is a
// folder of "<id>.pam" files.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct Colour {
    int r, g, b;  // 0..255 each
};
constexpr Colour WHITE = {255, 255, 255};
constexpr Colour GREY = {160, 160, 164};
constexpr Colour RED = {255, 0, 0};
constexpr Colour DARK_RED = {128, 0, 0};
constexpr Colour GREEN = {0, 255, 0};
constexpr Colour BLUE = {0, 0, 255};
constexpr Colour YELLOW = {255, 255, 0};

// RGB pixels, top row first.
struct TestPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    void SetPixel(int x, int y, Colour colour);
};

// A picture of one colour.
TestPicture FilledPicture(int width, int height, Colour colour);
// Writes a picture as binary PPM, whatever the name ends in, relative to the
// working directory (folders made as needed).
bool SavePicture(const TestPicture& picture, const std::string& path);
// Writes bytes that no picture decoder accepts under this name.
bool SaveDamagedPicture(const std::string& path);
// Makes the headless picture store in the working directory holding each
// picture as "<id>.pam"; RemovePictureStore takes it away again.
bool MakePictureStore(const std::map<int, TestPicture>& pictures);
void RemovePictureStore();

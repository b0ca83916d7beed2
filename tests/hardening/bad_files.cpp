#include "bad_files.h"

#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::string RandomBytes(size_t size, uint32_t seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

std::string BytesWithoutNul(size_t size, uint32_t seed)
{
    std::string bytes = RandomBytes(size, seed);
    for (char& byte : bytes) {
        if (byte == '\0') {
            byte = 'x';
        }
    }
    return bytes;
}

namespace {
void Put16(std::string* out, int value)
{
    out->push_back(static_cast<char>((value >> 8) & 0xFF));
    out->push_back(static_cast<char>(value & 0xFF));
}

void PutLittle16(std::string* out, uint32_t value)
{
    out->push_back(static_cast<char>(value & 0xFF));
    out->push_back(static_cast<char>((value >> 8) & 0xFF));
}

// A table with one symbol of code length 1: the code "0".
void PutOneCodeTable(std::string* out, int tableClass)
{
    out->append("\xFF\xC4", 2);
    Put16(out, 2 + 1 + 16 + 1);
    out->push_back(static_cast<char>(tableClass << 4));
    out->push_back('\x01');
    out->append(15, '\0');
    out->push_back('\0');  // the symbol: DC difference 0, or the AC end of block
}
}  // namespace

std::string GreyJpeg(int width, int height)
{
    std::string out("\xFF\xD8", 2);
    out.append("\xFF\xDB", 2);  // quantisation table of ones
    Put16(&out, 2 + 1 + 64);
    out.push_back('\0');
    out.append(64, '\x01');
    out.append("\xFF\xC0", 2);  // baseline frame, one component
    Put16(&out, 11);
    out.push_back('\x08');
    Put16(&out, height);
    Put16(&out, width);
    out.append("\x01\x01\x11\x00", 4);
    PutOneCodeTable(&out, 0);
    PutOneCodeTable(&out, 1);
    out.append("\xFF\xDA", 2);  // scan of component 1 with tables 0 and 0
    Put16(&out, 8);
    out.append("\x01\x01\x00\x00\x3F\x00", 6);
    // Every block is DC difference 0 and an end of block: two 0 bits.
    const uint64_t blocks = uint64_t((width + 7) / 8) * uint64_t((height + 7) / 8);
    out.append(static_cast<size_t>(blocks / 4), '\0');
    const int rest = static_cast<int>(blocks % 4);
    if (rest > 0) {
        out.push_back(static_cast<char>(0xFF >> (2 * rest)));  // padded with 1 bits
    }
    out.append("\xFF\xD9", 2);
    return out;
}

std::string CursorHeader(uint32_t claimedSize, uint32_t offset, const std::string& tail)
{
    std::string out;
    PutLittle16(&out, 0);  // reserved
    PutLittle16(&out, 2);  // a cursor
    PutLittle16(&out, 1);  // one picture
    out.push_back('\x20');  // 32 x 32
    out.push_back('\x20');
    out.push_back('\0');  // colours
    out.push_back('\0');
    PutLittle16(&out, 4);  // hot spot
    PutLittle16(&out, 4);
    PutLittle16(&out, claimedSize & 0xFFFF);
    PutLittle16(&out, claimedSize >> 16);
    PutLittle16(&out, offset & 0xFFFF);
    PutLittle16(&out, offset >> 16);
    return out + tail;
}

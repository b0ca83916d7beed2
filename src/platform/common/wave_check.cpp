#include "platform/common/wave_check.h"

#include <cstring>

namespace {

constexpr uint16_t FORMAT_PCM = 1;
constexpr uint16_t FORMAT_FLOAT = 3;
constexpr uint16_t FORMAT_EXTENSIBLE = 0xFFFE;

uint16_t Little16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Little32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

struct WaveFormat {
    uint16_t blockBytes = 0;  // 0 until a good format chunk was read
};

// The format chunk's first 16 bytes (and, for the extensible form, the
// sample type in its sub-format): only plain samples a player needs no codec for.
bool ReadFormat(const uint8_t* p, uint32_t length, WaveFormat* format)
{
    if (length < 16) {
        return false;
    }
    uint16_t tag = Little16(p);
    const uint16_t channels = Little16(p + 2);
    const uint32_t rate = Little32(p + 4);
    const uint32_t byteRate = Little32(p + 8);
    const uint16_t blockBytes = Little16(p + 12);
    const uint16_t bits = Little16(p + 14);
    if (tag == FORMAT_EXTENSIBLE) {
        // cbSize, valid bits, channel mask, then the sub-format's GUID, whose
        // first two bytes are the plain tag.
        if (length < 40) {
            return false;
        }
        tag = Little16(p + 24);
    }
    const bool pcm = tag == FORMAT_PCM && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool real = tag == FORMAT_FLOAT && bits == 32;
    if (!(pcm || real) || channels < 1 || channels > 8 || rate < 1000 || rate > 384000) {
        return false;
    }
    if (blockBytes != channels * (bits / 8) || byteRate != rate * blockBytes) {
        return false;
    }
    format->blockBytes = blockBytes;
    return true;
}

}  // namespace

int IsPlayableWave(const uint8_t* bytes, size_t size)
{
    if (!bytes || size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        return 0;
    }
    // The RIFF size is not trusted (writers often get it wrong); each chunk's is.
    WaveFormat format;
    size_t at = 12;
    while (size - at >= 8) {
        const uint8_t* chunk = bytes + at;
        const uint32_t length = Little32(chunk + 4);
        if (length > size - at - 8) {
            return 0;
        }
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (format.blockBytes != 0 || !ReadFormat(chunk + 8, length, &format)) {
                return 0;
            }
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            // The samples come after their format, as players read them.
            return format.blockBytes != 0 && length >= format.blockBytes ? 1 : 0;
        }
        // Chunks are padded to an even length.
        at += 8 + size_t(length) + (length & 1);
        if (at > size) {
            return 0;
        }
    }
    return 0;
}

#pragma once
// libFuzzer sees coverage only of our own code, not of Qt's picture readers
// it calls. These extra counters, which libFuzzer reads as coverage too, mark
// what a reader made of an input (the format it found, the size it read,
// whether it decoded), so inputs that reach another reader or another outcome
// are kept and mutated further.

#include <QByteArray>
#include <QImageReader>
#include <QString>

#include <cstddef>
#include <cstdint>

__attribute__((used, section("__libfuzzer_extra_counters"))) inline uint8_t g_outcomeCounters[512];

// Counts one outcome: `what` is a small number of the caller's (0..7).
inline void MarkOutcome(int what, uint32_t value)
{
    const uint32_t mixed = (value * 2654435761u) >> 26;  // 0..63
    ++g_outcomeCounters[(static_cast<uint32_t>(what) & 7) * 64 + mixed];
}

// The reader's format for a picture at `path`, by content as QImageReader
// decides it, and the rough size (powers of two) it reports.
inline void MarkPicture(const QString& path, int width, int height, bool decoded)
{
    const QByteArray format = QImageReader(path).format();
    MarkOutcome(0, qHash(format));
    MarkOutcome(1, (width > 0 ? 32 - __builtin_clz(static_cast<uint32_t>(width)) : 0) * 64 +
                       (height > 0 ? 32 - __builtin_clz(static_cast<uint32_t>(height)) : 0));
    MarkOutcome(2, qHash(format) + (decoded ? 1 : 0));
}

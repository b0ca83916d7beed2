#include "support/start_values.h"

#include <cstring>

void StartValues::Keep(void* at, size_t size)
{
    const auto* bytes = static_cast<const uint8_t*>(at);
    m_kept.push_back({at, std::vector<uint8_t>(bytes, bytes + size)});
}

void StartValues::Restore() const
{
    for (const Kept& kept : m_kept) {
        std::memcpy(kept.at, kept.bytes.data(), kept.bytes.size());
    }
}

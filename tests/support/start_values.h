#pragma once
// The shared half's globals put back to their start values as their own
// definitions give them: the bytes of each are copied as the test program is
// loaded, before any of its code runs, so no reset helper restates a value.

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

// Copies of globals, taken when this is made.
class StartValues {
public:
    template <typename... T>
    explicit StartValues(T&... globals)
    {
        static_assert((std::is_trivially_copyable_v<T> && ...), "a global is copied as bytes");
        (Keep(&globals, sizeof globals), ...);
    }
    // Puts every global back to the bytes it had then.
    void Restore() const;

private:
    struct Kept {
        void* at;
        std::vector<uint8_t> bytes;
    };
    void Keep(void* at, size_t size);

    std::vector<Kept> m_kept;
};

// The rules core's, the store's and the high-score check's globals (the
// generator's state through SeedRandom).
void RestoreRulesStartValues();
// The scene's globals.
void RestoreSceneStartValues();

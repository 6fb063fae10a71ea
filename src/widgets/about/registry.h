#pragma once
// Read access to the Windows registry, reduced to the three calls the About window needs.
// Plain C++ on purpose: the Windows implementation (registry_windows.cpp) links no Qt, and
// tests substitute a fake. Status codes and constants carry the Win32 values.

#include <cstdint>
#include <memory>
#include <string>

namespace vkp2 {

namespace reg {

inline constexpr std::int32_t kSuccess = 0;       // ERROR_SUCCESS
inline constexpr std::int32_t kFileNotFound = 2;  // ERROR_FILE_NOT_FOUND
inline constexpr std::int32_t kAccessDenied = 5;  // ERROR_ACCESS_DENIED
inline constexpr std::int32_t kMoreData = 234;    // ERROR_MORE_DATA

// HKEY_LOCAL_MACHINE as its 32-bit handle value.
inline constexpr std::uint32_t kLocalMachine = 0x80000002u;

// KEY_READ: enough to query values. Asking for more (KEY_ALL_ACCESS-like masks with write
// rights) is refused for standard users on HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t kKeyRead = 0x20019u;

inline constexpr std::uint32_t kTypeString = 1;  // REG_SZ
inline constexpr std::uint32_t kTypeDword = 4;   // REG_DWORD (little-endian)

} // namespace reg

class Registry {
public:
    // An opened key; meaningful only after a successful openKey.
    using KeyHandle = std::uintptr_t;

    virtual ~Registry() = default;

    // RegOpenKeyExA: opens `subKey` under the predefined key `root` with the `access` mask.
    virtual std::int32_t openKey(std::uint32_t root, const std::string &subKey,
                                 std::uint32_t access, KeyHandle &key) = 0;

    // RegQueryValueExA: reads value `name` into `data`, which holds `byteCount` bytes. On return
    // `byteCount` is the value's size; a value larger than the buffer gives reg::kMoreData.
    virtual std::int32_t queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                                    std::uint8_t *data, std::uint32_t &byteCount) = 0;

    // RegCloseKey.
    virtual std::int32_t closeKey(KeyHandle key) = 0;
};

// The platform's registry: the real one on Windows; elsewhere one in which no key exists.
std::unique_ptr<Registry> makeSystemRegistry();

} // namespace vkp2

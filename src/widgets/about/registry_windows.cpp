// The registry through the Win32 API. Windows only; links no Qt (CI cross-compiles this file
// alone with MinGW-w64, see scripts/check-windows-registry.sh).

#include "widgets/about/registry.h"

#include <windows.h>

namespace vkp2 {

namespace {

// Predefined root keys are 32-bit values sign-extended to pointer width
// (HKEY_LOCAL_MACHINE is (HKEY)(ULONG_PTR)(LONG)0x80000002).
HKEY rootKey(std::uint32_t root)
{
    const auto value = static_cast<LONG_PTR>(static_cast<LONG>(root));
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(value));
}

HKEY opened(Registry::KeyHandle key) { return reinterpret_cast<HKEY>(key); }

class WindowsRegistry final : public Registry {
public:
    std::int32_t openKey(std::uint32_t root, const std::string &subKey, std::uint32_t access,
                         KeyHandle &key) override
    {
        HKEY result = nullptr;
        const LONG status = RegOpenKeyExA(rootKey(root), subKey.c_str(), 0,
                                          static_cast<REGSAM>(access), &result);
        key = status == ERROR_SUCCESS ? reinterpret_cast<KeyHandle>(result) : 0;
        return static_cast<std::int32_t>(status);
    }

    std::int32_t queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                            std::uint8_t *data, std::uint32_t &byteCount) override
    {
        DWORD valueType = 0;
        DWORD size = byteCount;
        const LONG status =
            RegQueryValueExA(opened(key), name.c_str(), nullptr, &valueType, data, &size);
        type = valueType;
        byteCount = size;
        return static_cast<std::int32_t>(status);
    }

    std::int32_t closeKey(KeyHandle key) override
    {
        return static_cast<std::int32_t>(RegCloseKey(opened(key)));
    }
};

} // namespace

std::unique_ptr<Registry> makeSystemRegistry() { return std::make_unique<WindowsRegistry>(); }

} // namespace vkp2

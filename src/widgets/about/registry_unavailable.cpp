// Platforms without a registry: no key can be opened, so every look-up fails and the
// About window reports the system-information tool as unavailable.

#include "widgets/about/registry.h"

namespace vkp2 {

namespace {

class NoRegistry final : public Registry {
public:
    std::int32_t openKey(std::uint32_t, const std::string &, std::uint32_t,
                         KeyHandle &key) override
    {
        key = 0;
        return reg::kFileNotFound;
    }

    std::int32_t queryValue(KeyHandle, const std::string &, std::uint32_t &, std::uint8_t *,
                            std::uint32_t &) override
    {
        return reg::kFileNotFound;
    }

    std::int32_t closeKey(KeyHandle) override { return reg::kFileNotFound; }
};

} // namespace

std::unique_ptr<Registry> makeSystemRegistry() { return std::make_unique<NoRegistry>(); }

} // namespace vkp2

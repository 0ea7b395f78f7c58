#include "core/InstallRegistration.h"

#include "core/RegistryKey.h"
#include "core/Trace.h"

namespace core {

void RegisterInstall(platform::Registry& store, const std::string& installKey,
                     const std::string& gamePath, const std::string& version,
                     const std::string& gameId, const std::string& gameIcon) {
    RegistryKey key(store);
    if (key.Open(installKey, true) == RegistryResult::Ok) {
        return;
    }
    if (key.Open(installKey, false) != RegistryResult::Ok) {
        return;
    }
    Trace("开始写注册表\n");
    key.SetString("GamePath", gamePath);
    key.SetString("Version", version);
    key.SetString("GameID", gameId);
    key.SetString("GameIcon", gameIcon);
}

} // namespace core

#pragma once

#include <array>
#include <string>

namespace game {

// The three web addresses of the settings file ("web1".."web3" in section "website"), read
// afresh each time the player asks for one, so an edited set.ini counts at once.
class WebLinks {
public:
    static constexpr int kCount = 3;

    // Reads every address from the settings file at `settingsPath`; an absent key gives "1",
    // which opens nothing anywhere.
    void Read(const std::string& settingsPath);
    // Address n, 1..kCount.
    const std::string& Address(int n) const;

private:
    std::array<std::string, kCount> addresses{};
};

} // namespace game

#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets (or, with nullopt, removes) an environment variable for a test's lifetime and restores
// the old value afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name(name) {
        if (const char* old = std::getenv(name)) {
            saved = old;
        }
        Apply(value);
    }
    ~ScopedEnv() { Apply(saved); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Apply(const std::optional<std::string>& value) const {
#ifdef _WIN32
        // An empty value removes the variable.
        ::_putenv_s(name.c_str(), value ? value->c_str() : "");
#else
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
#endif
    }

    std::string name;
    std::optional<std::string> saved;
};

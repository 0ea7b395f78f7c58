#include "TempDir.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "tovak-test-XXXXXX").string();
    const char* made = ::mkdtemp(pattern.data());
    EXPECT_NE(made, nullptr) << "cannot create a temporary folder";
    path = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

void TempDir::Write(std::string_view name, std::string_view bytes) const {
    const fs::path file = fs::path(path) / name;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << "cannot write " << file;
}

std::string TempDir::Read(std::string_view name, bool* exists) const {
    std::ifstream in(fs::path(path) / name, std::ios::binary);
    if (exists != nullptr) {
        *exists = in.is_open();
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempDir::Exists(std::string_view name) const {
    return fs::exists(fs::path(path) / name);
}

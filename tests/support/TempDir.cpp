#include "TempDir.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TempDir::TempDir() {
    // A name no other folder has: creating the folder is what claims it.
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder =
            fs::temp_directory_path() / ("tovak-test-" + std::to_string(random() % 1000000007));
        if (fs::create_directory(folder, error)) {
            path = folder.string() + "/";
            return;
        }
    }
    ADD_FAILURE() << "cannot create a temporary folder";
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

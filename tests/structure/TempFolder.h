// A temporary folder for tests that write files; removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace zn::structure::test {

class TTempFolder {
public:
    TTempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("znackar-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::string file = File(name);
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return file;
    }

private:
    std::filesystem::path path_;
};

inline std::vector<uint8_t> ReadAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), {});
}

} // namespace zn::structure::test

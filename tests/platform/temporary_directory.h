// A fresh folder under the system's temporary directory, removed with all it
// holds when the test ends.
#pragma once

#include <atomic>
#include <filesystem>
#include <set>
#include <string>

#include <unistd.h>

namespace orvane::platform::test_support
{

class TemporaryDirectory
{
public:
    TemporaryDirectory()
    {
        static std::atomic<int> counter{0};
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = base / ("orvane-platform-" + std::to_string(::getpid()) + "-" +
                            std::to_string(counter++));
            if (std::filesystem::create_directory(path_)) {
                break;
            }
        }
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    ~TemporaryDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] std::filesystem::path operator/(const std::filesystem::path& name) const
    {
        return path_ / name;
    }
    /// Names of the entries directly inside, sorted.
    [[nodiscard]] std::set<std::string> entries() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

private:
    std::filesystem::path path_;
};

} // namespace orvane::platform::test_support

#include "platform/file_lookup.h"

#include "platform/text.h"

#include <optional>
#include <string>

namespace orvane::platform
{

namespace fs = std::filesystem;

namespace
{

bool entry_exists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

/// The first name of `directory` (in byte order) equal to `name` but for case.
std::optional<std::string> first_match(const fs::path& directory, std::string_view name)
{
    const std::string wanted = to_lower(name);
    std::optional<std::string> best;
    std::error_code error;
    fs::directory_iterator it(directory, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        std::string candidate = it->path().filename().string();
        if ((!best || candidate < *best) && to_lower(candidate) == wanted) {
            best = std::move(candidate);
        }
    }
    return best;
}

bool is_special(const fs::path& component)
{
    return component == "." || component == ".." || component.empty();
}

} // namespace

fs::path entry_ignoring_case(const fs::path& directory, std::string_view name)
{
    const fs::path folder = directory.empty() ? fs::path(".") : directory;
    if (entry_exists(folder / name)) {
        return fs::path(name);
    }
    if (const std::optional<std::string> match = first_match(folder, name)) {
        return fs::path(*match);
    }
    return fs::path(name);
}

fs::path lookup_ignoring_case(const fs::path& directory, const fs::path& relative)
{
    fs::path result = relative.is_absolute() ? relative.root_path() : directory;
    bool searching = true;
    for (const fs::path& component : relative.relative_path()) {
        if (!searching || is_special(component)) {
            result /= component;
            continue;
        }
        const fs::path found = entry_ignoring_case(result, component.string());
        result /= found;
        searching = entry_exists(result);
    }
    return result;
}

} // namespace orvane::platform

// Opening a document (text file, HTML page, workbook) with the program the
// desktop associates with its type. The window layer supplies the real
// opener; libraries and tests take this interface.
#pragma once

#include <filesystem>
#include <vector>

namespace orvane::platform
{

/// Opens documents in the user's desktop programs without waiting for them.
class DocumentOpener
{
public:
    virtual ~DocumentOpener() = default;
    /// Hands `path` to the desktop; false when it could not be opened.
    [[nodiscard]] virtual bool open(const std::filesystem::path& path) = 0;
};

/// An opener that only records what it was asked to open; for tests.
class RecordingDocumentOpener final : public DocumentOpener
{
public:
    /// `succeeds`: what every call to open() answers.
    explicit RecordingDocumentOpener(bool succeeds = true) : succeeds_(succeeds) {}
    [[nodiscard]] bool open(const std::filesystem::path& path) override
    {
        opened_.push_back(path);
        return succeeds_;
    }
    /// The paths asked for, in order.
    [[nodiscard]] const std::vector<std::filesystem::path>& opened() const noexcept
    {
        return opened_;
    }
    void set_succeeds(bool succeeds) noexcept { succeeds_ = succeeds; }

private:
    bool succeeds_;
    std::vector<std::filesystem::path> opened_;
};

} // namespace orvane::platform

#include "platform/document_opener.h"

#include <gtest/gtest.h>

namespace orvane::platform
{
namespace
{

/// What a caller does with an opener: open, and tell whether it worked.
bool open_all(DocumentOpener& opener, const std::vector<std::filesystem::path>& documents)
{
    bool all = true;
    for (const auto& document : documents) {
        all = opener.open(document) && all;
    }
    return all;
}

TEST(RecordingDocumentOpener, RecordsEveryRequestInOrder)
{
    RecordingDocumentOpener opener;
    EXPECT_TRUE(open_all(opener, {"Orvanew/paris.htm", "HORAIRES/zemanim.txt"}));
    EXPECT_EQ(opener.opened(),
              (std::vector<std::filesystem::path>{"Orvanew/paris.htm", "HORAIRES/zemanim.txt"}));
}

TEST(RecordingDocumentOpener, CanPlayAFailure)
{
    RecordingDocumentOpener opener(false);
    EXPECT_FALSE(open_all(opener, {"cal_exl.xls", "autre.xls"}));
    EXPECT_EQ(opener.opened().size(), 2u);
    opener.set_succeeds(true);
    EXPECT_TRUE(opener.open("cal_exl.xls"));
}

} // namespace
} // namespace orvane::platform

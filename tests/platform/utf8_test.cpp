#include "platform/utf8.h"

#include <gtest/gtest.h>
#include <string>

namespace scrivel::platform {
namespace {

TEST(Utf8, MalformedSequencesBecomeOneQuestionMarkAndTitlesKeepLatin1) {
    const struct {
        std::string text;
        std::string sanitised;
        std::string latin1;
    } cases[] = {
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9", "\xE9t\xE9"}, // été
        {"\xE2\x82\xAC!", "\xE2\x82\xAC!", "?!"},                // a euro sign is not Latin-1
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80", "?"},           // four bytes
        {"\xC3(", "?(", "?("},                                   // missing continuation
        {"\xC0\x80x", "??x", "?x"},                              // overlong NUL
        {"\xED\xA0\x80", "???", "?"},                            // a surrogate
        {"\xF4\x90\x80\x80", "????", "?"},                       // above U+10FFFF
        {"a\xE2\x82", "a??", "a?"},                              // cut off at the end
        {"\x80\xFF", "??", "??"},                                // stray bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SanitiseUtf8(c.text), c.sanitised);
        EXPECT_EQ(Utf8ToLatin1(c.text), c.latin1);
    }
}

} // namespace
} // namespace scrivel::platform

#include "text/codepage.hpp"

#include <gtest/gtest.h>

namespace quimbo::codepage {
namespace {

TEST(Codepage, RoundTripsEveryWindows1252Character) {
    std::string all;
    for (int c = 1; c < 256; ++c) {
        all += static_cast<char>(c);
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Codepage, MapsTheCharactersSpanishTextNeeds) {
    EXPECT_EQ(utf8ToCp1252("Educación Ñ €"), "Educaci\xF3n \xD1 \x80");
    EXPECT_EQ(cp1252ToUtf8("\xBA\xAA"), "ºª");
}

TEST(Codepage, UnmappableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("a\u4E2Db"), "a?b");      // a character outside the code page
    EXPECT_EQ(utf8ToCp1252("a\U0001F600b"), "a?b");  // outside the basic plane
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");          // truncated sequence
    EXPECT_EQ(utf8ToCp1252("\xFFz"), "?z");          // invalid lead byte
}

}  // namespace
}  // namespace quimbo::codepage

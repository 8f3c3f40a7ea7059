#include <gtest/gtest.h>

#include "CheckList.h"

TEST(CheckLine, ParsesBothForms) {
    struct Row {
        const char* line;
        const char* tag;
        const char* digest;
        const char* file;
    };
    const Row rows[] = {
        {"900150983cd24fb0d6963f7d28e17f72  abc.txt", "", "900150983cd24fb0d6963f7d28e17f72", "abc.txt"},
        {"900150983CD24FB0D6963F7D28E17F72 *abc.txt", "", "900150983cd24fb0d6963f7d28e17f72", "abc.txt"},
        {"0a1b  name with  spaces", "", "0a1b", "name with  spaces"},
        {"MD5 (abc.txt) = 900150983cd24fb0d6963f7d28e17f72", "MD5", "900150983cd24fb0d6963f7d28e17f72", "abc.txt"},
        {"SHA256 (a (b) = c) = 00ff", "SHA256", "00ff", "a (b) = c"},
        {"\\0a1b  new\\nline\\\\x", "", "0a1b", "new\nline\\x"},
        {"0a1b  windows\r", "", "0a1b", "windows"},
    };
    for (const Row& row : rows) {
        const auto line = ParseCheckLine(row.line);
        ASSERT_TRUE(line) << row.line;
        EXPECT_EQ(line->tag, row.tag);
        EXPECT_EQ(line->digest, row.digest);
        EXPECT_EQ(line->file, row.file);
    }
}

TEST(CheckLine, RejectsMalformedLines) {
    for (const char* line : {"", "0a1b", "0a1b file", "0a1b  ", "zz11  file", "\\0a1b  bad\\qescape", "MD5 (x) = "})
        EXPECT_FALSE(ParseCheckLine(line)) << line;
}

TEST(CheckLine, EscapesRoundTrip) {
    for (const char* name : {"plain", "back\\slash", "line\nbreak", "cr\rname"}) {
        const std::string line = std::string(NeedsEscape(name) ? "\\" : "") + "00  " + EscapeFileName(name);
        const auto parsed = ParseCheckLine(line);
        ASSERT_TRUE(parsed) << line;
        EXPECT_EQ(parsed->file, name);
    }
    EXPECT_FALSE(NeedsEscape("plain name"));
}

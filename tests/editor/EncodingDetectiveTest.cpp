// The encoding detective on the generated corpus of Czech pages, and repairs of mixed text.
#include "editor/EncodingDetective.h"
#include "base/Cp1250.h"
#include "editor/CharsetCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace zn::editor {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(EncodingDetective, CorpusIsReadRightAtLeast99Percent) {
    const std::map<std::string, PageEncoding> folders = {
        {"windows-1250", PageEncoding::Windows1250},
        {"iso-8859-2", PageEncoding::Iso8859_2},
        {"cp852", PageEncoding::Cp852},
        {"kamenicky", PageEncoding::Kamenicky},
        {"utf-8", PageEncoding::Utf8},
        {"double-utf-8", PageEncoding::DoubleUtf8}};
    int pages = 0;
    int right = 0;
    std::string misses;
    for (const auto& [folder, truth] : folders) {
        for (const auto& file : std::filesystem::directory_iterator(std::string(ZN_TEST_DATA) +
                                                                    "/encodings/" + folder)) {
            const std::string bytes = ReadAll(file.path());
            const OpenChoice open = ChooseOpenEncoding(bytes);
            const PageEncoding found = DetectEncoding(bytes, open.utf8);
            // Right when the page reads the same as in its true encoding.
            const bool same = found == truth || RepairText(bytes, found, open.utf8) ==
                                                    RepairText(bytes, truth, open.utf8);
            right += same ? 1 : 0;
            ++pages;
            if (!same) {
                misses += file.path().string() + " read as " + PageEncodingName(found) + "\n";
            }
        }
    }
    ASSERT_GE(pages, 300);
    EXPECT_GE(right * 100, pages * 99) << misses;
}

TEST(EncodingDetective, OpenChoiceAndCharset) {
    struct Row {
        std::string bytes;
        bool utf8;
        bool bom;
    };
    const Row rows[] = {
        {"\xEF\xBB\xBF<p>a</p>", true, true},
        {"<meta charset=\"UTF-8\"><p>plain</p>", true, false},
        {"<?xml version=\"1.0\" encoding='utf-8'?><p>x</p>", true, false},
        {"<p>\xC5\x99\xC3\xA1"
         "d</p>",
         true, false}, // řád, no charset
        {"<meta charset=iso-8859-2><p>\xC5\x99\xC3\xA1"
         "d</p>",
         false, false},                        // the page says so
        {"<p>\xF8\xE1\x64</p>", false, false}, // řád in Windows-1250
        {"<p>ascii only</p>", false, false},
    };
    for (const Row& row : rows) {
        const OpenChoice choice = ChooseOpenEncoding(row.bytes);
        EXPECT_EQ(choice.utf8, row.utf8) << row.bytes;
        EXPECT_EQ(choice.bom, row.bom) << row.bytes;
    }
}

TEST(EncodingDetective, RepairKeepsWhatDoesNotDecodeAndWordsShowBothWays) {
    // UTF-8 "ř" beside a Windows-1250 "ř" in a Windows-1250 document: only the first changes.
    const std::string mixed = "k\xC5\x99i\xC5\xBE \xF8";
    EXPECT_EQ(RepairText(mixed, PageEncoding::Utf8, false), "k\xF8i\x9E \xF8");
    // Twice-saved UTF-8 in a UTF-8 document becomes plain UTF-8; "€" has no place in it.
    const std::string twice = base::Cp1250ToUtf8("\xC5\x99"
                                                 "e\xC4\x8D \xE2\x82\xAC");
    EXPECT_EQ(RepairText(twice, PageEncoding::DoubleUtf8, true), "\xC5\x99"
                                                                 "e\xC4\x8D \xE2\x82\xAC");
    const auto words =
        SuspiciousWords("<b>\xB9\xEDp</b> \xB9\xEDp \xBE\xE1k", PageEncoding::Iso8859_2, false);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].repaired, "šíp");
    EXPECT_EQ(words[1].repaired, "žák");
}

} // namespace
} // namespace zn::editor

namespace zn::editor {
namespace {

TEST(CharsetCheck, Iso8859_2PageListsWhatItCannotHoldAndOffersSubstitutes) {
    // Windows-1250: „Šíp“ – on line 2; … € — on line 3; š and í fit ISO 8859-2.
    const std::string page = "<meta charset=\"iso-8859-2\">\r\n"
                             "\x84\x8A\xEDp\x93 \x96\r\n"
                             "\x85 \x80 \x97 \x84";
    ASSERT_EQ(ForeignCharset(page, false), PageEncoding::Iso8859_2);
    EXPECT_FALSE(ForeignCharset("<meta charset=\"windows-1250\">\x84", false).has_value());
    const auto unfit = CharactersOutsideCharset(page, false, PageEncoding::Iso8859_2);
    std::string listed;
    for (const UnfitCharacter& u : unfit) {
        listed += u.text + ":";
        for (Position line : u.lines) {
            listed += std::to_string(line) + ",";
        }
        listed += " ";
    }
    EXPECT_EQ(listed, "„:2,3, “:2, –:2, …:3, €:3, —:3, ");
    struct Row {
        Substitute how;
        std::string line3;
    };
    const Row rows[] = {
        {Substitute::NamedEntities, "&hellip; &euro; &mdash; &bdquo;"},
        {Substitute::NumericEntities, "&#8230; &#8364; &#8212; &#8222;"},
        {Substitute::Ascii, "... EUR - \""},
    };
    for (const Row& row : rows) {
        const std::string fixed =
            SubstituteCharacters(page, false, PageEncoding::Iso8859_2, row.how);
        EXPECT_EQ(fixed.substr(fixed.rfind('\n') + 1), row.line3);
        EXPECT_TRUE(CharactersOutsideCharset(fixed, false, PageEncoding::Iso8859_2).empty());
    }
}

} // namespace
} // namespace zn::editor

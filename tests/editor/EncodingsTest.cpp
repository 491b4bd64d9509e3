// Encoding definition files: the acceptance rules, translation tables, conversions of text and
// of documents, and round trips through the shipped files.
#include "editor/Encodings.h"
#include "base/Cp1250.h"
#include "base/TempFolder.h"
#include "editor/EncChanger.h"
#include "editor/THTMLRichEdit.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zn::editor {
namespace {

using base::Utf8ToCp1250;

std::string Shipped(const std::string& name) {
    return std::string(ZN_DATA_DIR) + "/encodings/" + name;
}

TEncodings ShippedEncodings() {
    TEncodings encodings;
    encodings.Load({Shipped("windows-1250.enc"), Shipped("iso-8859-2.enc"), Shipped("ascii.enc"),
                    Shipped("cp852.enc"), Shipped("kamenicky.enc"), Shipped("koi8-cs.enc"),
                    Shipped("mac-ce.enc")});
    return encodings;
}

struct FileCase {
    const char* text;
    bool accepted;
    std::size_t entries;
};

class EncodingFileRules : public ::testing::TestWithParam<FileCase> {};

TEST_P(EncodingFileRules, AcceptsWhatTheFormatAllows) {
    const FileCase& c = GetParam();
    const std::optional<TEncoding> parsed = ParseEncodingFile(c.text);
    ASSERT_EQ(parsed.has_value(), c.accepted);
    if (parsed) {
        EXPECT_EQ(parsed->Codes.size(), c.entries);
        EXPECT_EQ(parsed->CharNames.size(), c.entries);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, EncodingFileRules,
    ::testing::Values(FileCase{"ENCODING FILE\r\nX\r\n65 A\r\n", true, 1},
                      FileCase{"encoding file\nX\n65 A", true, 1},     // any case
                      FileCase{"ENCODING FILE\r\nX\r\n", false, 0},    // two lines only
                      FileCase{"ENCODING FILE\r\nX", false, 0},        //
                      FileCase{"ENCODING FILES\nX\n65 A\n", false, 0}, // other header
                      FileCase{"\x7f"
                               "ELF\x01\x02\x00\x00",
                               false, 0},
                      FileCase{"ENCODING FILE\nX\n\n   \n\t\n65 A\n", true, 1}, // blank lines
                      FileCase{"ENCODING FILE\nX\n6x5 A\n", false, 0},          // code not decimal
                      FileCase{"ENCODING FILE\nX\n-1 A\n", false, 0}, FileCase{"", false, 0}));

TEST(EncodingFile, CodeIsTakenModulo256AndTheNameKeepsInnerAndTrailingBlanks) {
    const std::optional<TEncoding> e =
        ParseEncodingFile("ENCODING FILE\nName\n  321   LETTER  A  \n99999999999999999999 B\n");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Name, "Name");
    EXPECT_EQ(e->Codes, (std::vector<std::uint8_t>{321 % 256, 255}));
    EXPECT_EQ(e->CharNames[0], "LETTER  A  ");
    EXPECT_EQ(e->CharNames[1], "B");
}

TEST(EncodingFile, FirstEntryOfACodeIsTheSourceAndFirstEntryOfANameTheTarget) {
    TEncoding from = *ParseEncodingFile("ENCODING FILE\nF\n1 one\n1 two\n2 two\n");
    TEncoding to = *ParseEncodingFile("ENCODING FILE\nT\n7 two\n8 two\n9 one\n");
    const TranslationTable table = BuildTranslation(from, to);
    EXPECT_EQ(table[1], 9); // "one", not the later "two"
    EXPECT_EQ(table[2], 7); // the first "two" of the target
    EXPECT_EQ(table[3], 3); // not listed: unchanged
}

TEST(EncodingFile, UnreadableHugeAndMissingFilesAddNothing) {
    test::TempFolder folder;
    const std::string good = folder.Write("good.enc", "ENCODING FILE\nG\n65 A\n");
    const std::string huge =
        folder.Write("huge.enc", "ENCODING FILE\nH\n" + std::string(kMaxEncodingFileSize, ' '));
    EXPECT_EQ(ReadEncodingFile(folder.File("none.enc")), EncodingFileKind::Unreadable);
    EXPECT_EQ(ReadEncodingFile(folder.Path()), EncodingFileKind::Unreadable);
    EXPECT_EQ(ReadEncodingFile(huge), EncodingFileKind::NotEncoding);
    TEncodings encodings;
    encodings.Load({folder.File("none.enc"), huge, good, folder.Path()});
    ASSERT_EQ(encodings.Items().size(), 1u);
    EXPECT_EQ(encodings.Items()[0].Name, "G");
}

TEST(EncodingFile, LastLoadedOfTwoEqualNamesWins) {
    TEncodings encodings;
    encodings.Add(*ParseEncodingFile("ENCODING FILE\nX\n65 A\n"));
    encodings.Add(*ParseEncodingFile("ENCODING FILE\nX\n66 A\n"));
    encodings.Add(*ParseEncodingFile("ENCODING FILE\nY\n67 A\n"));
    EXPECT_EQ(encodings.Translation("Y", "X")->at(67), 66);
}

TEST(Convert, MessagesWithoutEncodingsOrWithAnUnknownName) {
    base::ScriptedPrompter prompter;
    TEncodings none;
    TEncChanger empty(&prompter, none);
    EXPECT_EQ(empty.Convert("abc"), 0);
    EXPECT_EQ(empty.Convert(""), 0); // an empty text returns at once, without a message
    const TEncodings shipped = ShippedEncodings();
    TEncChanger changer(&prompter, shipped);
    changer.FromEnc = "Windows-1250";
    changer.ToEnc = "windows-1250"; // names are compared exactly
    EXPECT_EQ(changer.Convert("abc"), 0);
    EXPECT_EQ(changer.Result(), "abc");
    EXPECT_EQ(prompter.shown,
              (std::vector<std::string>{
                  "V systému nejsou naistalovány žádné\ndefiniční soubory s kódováním!",
                  "Nebyla nalezena definice kódování!"}));
}

TEST(Convert, CzechLettersBetweenWindows1250AndIso88592) {
    const TEncodings shipped = ShippedEncodings();
    TEncChanger changer(nullptr, shipped);
    changer.FromEnc = "Windows-1250";
    changer.ToEnc = "ISO Latin2 (ISO 8859-2)";
    const std::string text = Utf8ToCp1250("Šťastný žluťoučký kůň\r\n");
    EXPECT_EQ(changer.Convert(text), 4); // š ť ž ť differ; ý ů ň č ú agree
    EXPECT_EQ(changer.Result(), "\xA9\xBB"
                                "astn\xFD \xBElu\xBBou\xE8k\xFD k\xF9\xF2\r\n");
}

// Every Czech and Slovak letter and every byte of Windows-1250 that the other encoding also
// carries comes back unchanged after a trip there and back.
TEST(Convert, RoundTripOfEveryByteThroughEachShippedPair) {
    const TEncodings shipped = ShippedEncodings();
    ASSERT_EQ(shipped.Items().size(), 7u);
    for (const TEncoding& a : shipped.Items()) {
        for (const TEncoding& b : shipped.Items()) {
            if (a.Name == "ASCII" || b.Name == "ASCII") {
                continue; // ASCII drops diacritics on purpose
            }
            const TranslationTable there = *shipped.Translation(a.Name, b.Name);
            const TranslationTable back = *shipped.Translation(b.Name, a.Name);
            const std::vector<std::string>& bNames = b.CharNames;
            for (std::size_t j = 0; j < a.Codes.size(); ++j) {
                const bool shared =
                    std::find(bNames.begin(), bNames.end(), a.CharNames[j]) != bNames.end();
                if (shared) {
                    EXPECT_EQ(back[there[a.Codes[j]]], a.Codes[j])
                        << a.Name << " -> " << b.Name << " " << a.CharNames[j];
                }
            }
        }
    }
}

TEST(Convert, ShippedAsciiDropsTheDiacriticsOfCzechAndSlovakLetters) {
    const TEncodings shipped = ShippedEncodings();
    TEncChanger changer(nullptr, shipped);
    changer.FromEnc = "Windows-1250";
    changer.ToEnc = "ASCII";
    changer.Convert(Utf8ToCp1250("Příliš žluťoučký kůň úpěl ďábelské ódy; Ľ ĺ ŕ ä ô ö €"));
    EXPECT_EQ(changer.Result(),
              Utf8ToCp1250("Prilis zlutoucky kun upel dabelske ody; L l r a o ö €"));
}

// KOI8-CS2 as its chart places the letters: clearing the eighth bit leaves most of them as the
// same letter without its diacritic, in the other case; ů, é, ĺ, ŕ, ä, ô and ö sit elsewhere.
TEST(Convert, Koi8Cs2PlacesTheLettersAsItsChart) {
    const TEncodings shipped = ShippedEncodings();
    TEncChanger changer(nullptr, shipped);
    changer.FromEnc = "Windows-1250";
    changer.ToEnc = "KOI8-CS2";
    changer.Convert(Utf8ToCp1250("Příliš žluťoučký kůň úpěl ďábelské ódy; Ľ ĺ ŕ ä ô ö"));
    std::string seven = changer.Result();
    for (char& c : seven) {
        c = static_cast<char>(c & 0x7F);
    }
    EXPECT_EQ(seven, "PRIliS ZluTouCkY kJN UpEl DAbelskW Ody; l K F Q P M");
}

class ConvertDocumentTest : public ::testing::Test {
protected:
    ConvertDocumentTest() : shipped_(ShippedEncodings()), changer_(&prompter_, shipped_) {
        changer_.FromEnc = "ISO Latin2 (ISO 8859-2)";
        changer_.ToEnc = "Windows-1250";
    }
    TEncodings shipped_;
    base::ScriptedPrompter prompter_;
    TEncChanger changer_;
    THTMLRichEdit edit_;
};

TEST_F(ConvertDocumentTest, WholeTextIsOneUndoStepAndTheSelectionStays) {
    edit_.Model().Load("<P>\xA9\xBB"
                       "astn\xFD</P>\r\n\xA9");
    edit_.Model().Select(3, 2);
    changer_.OnlySelected = false;
    EXPECT_EQ(ConvertDocument(edit_, changer_, true, true, prompter_), 3);
    EXPECT_EQ(edit_.Model().Text(), Utf8ToCp1250("<P>Šťastný</P>\r\nŠ"));
    EXPECT_EQ(edit_.Model().SelStart(), 3);
    EXPECT_EQ(edit_.Model().SelLength(), 2);
    EXPECT_TRUE(edit_.Model().Modified());
    EXPECT_EQ(prompter_.shown.back(), "Bylo provedeno 3 změn");
    edit_.Undo();
    EXPECT_EQ(edit_.Model().Text(), "<P>\xA9\xBB"
                                    "astn\xFD</P>\r\n\xA9");
    EXPECT_FALSE(edit_.Model().CanUndo());
}

TEST_F(ConvertDocumentTest, OnlySelectedWithNothingSelectedChangesNothing) {
    edit_.Model().Load("\xA9\xBB");
    edit_.Model().SetCaret(1);
    changer_.OnlySelected = true;
    EXPECT_EQ(ConvertDocument(edit_, changer_, true, true, prompter_), 0);
    EXPECT_EQ(edit_.Model().Text(), "\xA9\xBB");
    EXPECT_FALSE(edit_.Model().Modified());
    EXPECT_EQ(prompter_.shown, (std::vector<std::string>{"Nebyla provedena žádná změna"}));
}

TEST_F(ConvertDocumentTest, ToolButtonsConvertTheSelectionWhenThereIsOne) {
    edit_.Model().Load("\xA9\xA9\xA9");
    edit_.Model().Select(1, 1);
    changer_.OnlySelected = false; // ignored without the dialog's choice
    EXPECT_EQ(ConvertDocument(edit_, changer_, false, false, prompter_), 1);
    EXPECT_EQ(edit_.Model().Text(), "\xA9\x8A\xA9");
    EXPECT_TRUE(prompter_.shown.empty());
}

} // namespace
} // namespace zn::editor

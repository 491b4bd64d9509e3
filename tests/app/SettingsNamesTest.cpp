// Key paths and name folding of the settings store.
#include "app/SettingsNames.h"

#include <gtest/gtest.h>

using namespace zn::app;

TEST(SettingsNames, KeyPathsHaveOneNormalForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"Software\\KVHTML", "Software\\KVHTML"},
        {"\\Software\\KVHTML", "Software\\KVHTML"},
        {"\\Software\\KVHTML\\", "Software\\KVHTML"},
        {"Software\\\\KVHTML\\\\\\HREF", "Software\\KVHTML\\HREF"},
        {"", ""},
        {"\\", ""},
        {"\\\\\\", ""},
        {"A", "A"},
        {"Software\\KVHTML\\Filesy.Items", "Software\\KVHTML\\Filesy.Items"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(NormalizeKeyPath(in), out) << in;
}

TEST(SettingsNames, FoldingIgnoresLetterCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"Software\\KVHTML", "software\\kvhtml"},
        {"WRAPTAGS", "wraptags"},
        {"Plug-ins", "plug-ins"},
        // Czech capitals in UTF-8: Š Č Ř Ž Ý Á Í É Ů Ú Ď Ť Ň Ě Ó.
        {"\xC5\xA0\xC4\x8C\xC5\x98\xC5\xBD\xC3\x9D\xC3\x81\xC3\x8D\xC3\x89",
         "\xC5\xA1\xC4\x8D\xC5\x99\xC5\xBE\xC3\xBD\xC3\xA1\xC3\xAD\xC3\xA9"},
        {"\xC5\xAE\xC3\x9A\xC4\x8E\xC5\xA4\xC5\x87\xC4\x9A\xC3\x93",
         "\xC5\xAF\xC3\xBA\xC4\x8F\xC5\xA5\xC5\x88\xC4\x9B\xC3\xB3"},
        // Small letters, the multiplication sign and dotless i stay.
        {"\xC5\xA1\xC3\x97\xC4\xB1", "\xC5\xA1\xC3\x97\xC4\xB1"},
        // Ÿ pairs with ÿ outside its block.
        {"\xC5\xB8", "\xC3\xBF"},
        // Windows-1250 bytes and broken sequences are left alone, never misread.
        {"\x8A\xE8", "\x8A\xE8"},
        {"\xC5", "\xC5"},
        {"\xC5Z", "\xC5z"},
        // An overlong encoding of "A" is not a letter.
        {"\xC1\x81", "\xC1\x81"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(FoldName(in), out) << in;
}

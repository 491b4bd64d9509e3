// The link database takes each address once and is fed when the focus leaves the address fields.
#include "app/LinkDatabase.h"

#include <gtest/gtest.h>

using namespace zn::app;

namespace {
using Names = std::vector<std::string>;
}

TEST(LinkDatabase, EntersEachAddressOnce) {
    Names db{"http://www.seznam.cz/"};
    const std::pair<const char*, bool> cases[] = {
        {"", false},
        {"   ", false},
        {"\t \r\n", false},
        {"HTTP://WWW.SEZNAM.CZ/", false},
        {"obrázky/Žluť.gif", true},
        {"OBRÁZKY/žluť.GIF", false},
        {" mezera.html", true},
    };
    for (const auto& [text, added] : cases)
        EXPECT_EQ(AddToLinkDatabase(db, text), added) << text;
    EXPECT_EQ(db, (Names{"http://www.seznam.cz/", "obrázky/Žluť.gif", " mezera.html"}));
}

TEST(LinkDatabase, FieldsAreReadOnceWhenTheFocusLeaves) {
    UrlFieldWatch watch;
    Names db;
    int asked = 0;
    const auto texts = [&] {
        ++asked;
        return Names{"a.html", "", "c.html"};
    };
    watch.Tick(false, db, texts);
    EXPECT_EQ(asked, 0);
    watch.Tick(true, db, texts);
    watch.Tick(true, db, texts);
    EXPECT_TRUE(watch.FieldWasFocused());
    EXPECT_TRUE(db.empty());
    watch.Tick(false, db, texts);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(db, (Names{"a.html", "c.html"}));
    watch.Tick(false, db, texts);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(watch.FieldWasFocused());
}

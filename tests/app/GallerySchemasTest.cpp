// Gallery schemas in the settings store: saved and loaded whole, defaults for missing values.
#include "app/GallerySchemas.h"

#include "app/SettingsKeys.h"

#include <gtest/gtest.h>

using namespace zn::app;
using zn::structure::TGallerySchema;

TEST(GallerySchemasTest, SaveLoadAndDelete) {
    SettingsStore store(":memory:");
    TGallerySchema schema;
    schema.SirkaRamecku = 200;
    schema.PocetSloupcu = 5;
    schema.NahledOdkaz = false;
    schema.Italic = true;
    schema.FontSize = 6;
    schema.Font = "DejaVu Sans";
    schema.BackGround = zn::base::RGBColor(1, 2, 3);
    ASSERT_NE(schema, TGallerySchema{});
    ASSERT_TRUE(SaveGallerySchema(store, "Modrá", schema));
    ASSERT_TRUE(SaveGallerySchema(store, "Výchozí", TGallerySchema{}));
    EXPECT_EQ(LoadGallerySchema(store, "modrá"), schema);
    EXPECT_EQ(store.ReadString(std::string(SchemaKey) + "\\Modrá", "BackGround"), "#010203");
    EXPECT_EQ(GallerySchemaNames(store), (std::vector<std::string>{"Modrá", "Výchozí"}));
    EXPECT_FALSE(SaveGallerySchema(store, "a\\b", schema));
    EXPECT_FALSE(SaveGallerySchema(store, "", schema));
    EXPECT_TRUE(DeleteGallerySchema(store, "Modrá"));
    EXPECT_EQ(GallerySchemaNames(store), (std::vector<std::string>{"Výchozí"}));
}

TEST(GallerySchemasTest, MissingOrWrongValuesKeepTheDefaults) {
    SettingsStore store(":memory:");
    const std::string key = std::string(SchemaKey) + "\\Stará";
    store.WriteInteger(key, "HVR", 33);
    store.WriteString(key, "VVR", "40");
    store.WriteString(key, "Ramecek", "navy");
    TGallerySchema expected;
    expected.HVR = 33;
    expected.Ramecek = zn::base::RGBColor(0, 0, 0x80);
    EXPECT_EQ(LoadGallerySchema(store, "Stará"), expected);
    EXPECT_EQ(LoadGallerySchema(store, "Žádná"), TGallerySchema{});
}

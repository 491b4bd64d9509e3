// Reading and writing gallery schemas: one value per member, named after the member.
#include "app/GallerySchemas.h"

#include "app/SettingsKeys.h"
#include "base/HtmlColor.h"

#include <array>

namespace zn::app {

using structure::TGallerySchema;

namespace {

struct TIntValue {
    std::string_view Name;
    int TGallerySchema::*Field;
};

struct TBoolValue {
    std::string_view Name;
    bool TGallerySchema::*Field;
};

struct TColorValue {
    std::string_view Name;
    base::TColor TGallerySchema::*Field;
};

const std::array<TIntValue, 11> IntValues{{
    {"SirkaRamecku", &TGallerySchema::SirkaRamecku},
    {"VyskaRamecku", &TGallerySchema::VyskaRamecku},
    {"SirkaNahledu", &TGallerySchema::SirkaNahledu},
    {"VyskaNahledu", &TGallerySchema::VyskaNahledu},
    {"VyskaTitulku", &TGallerySchema::VyskaTitulku},
    {"HVR", &TGallerySchema::HVR},
    {"VVR", &TGallerySchema::VVR},
    {"HVO", &TGallerySchema::HVO},
    {"VVO", &TGallerySchema::VVO},
    {"PocetSloupcu", &TGallerySchema::PocetSloupcu},
    {"FontSize", &TGallerySchema::FontSize},
}};

const std::array<TBoolValue, 5> BoolValues{{
    {"NahledOdkaz", &TGallerySchema::NahledOdkaz},
    {"TitulekOdkaz", &TGallerySchema::TitulekOdkaz},
    {"NahledBorder", &TGallerySchema::NahledBorder},
    {"Bold", &TGallerySchema::Bold},
    {"Italic", &TGallerySchema::Italic},
}};

const std::array<TColorValue, 4> ColorValues{{
    {"FontColor", &TGallerySchema::FontColor},
    {"BackGround", &TGallerySchema::BackGround},
    {"Ramecek", &TGallerySchema::Ramecek},
    {"Titulek", &TGallerySchema::Titulek},
}};

std::string KeyOf(std::string_view name) {
    return std::string(SchemaKey) + "\\" + std::string(name);
}

} // namespace

std::vector<std::string> GallerySchemaNames(SettingsStore& store) {
    return store.SubKeyNames(SchemaKey);
}

bool IsGallerySchemaName(std::string_view name) {
    return !name.empty() && name.find('\\') == std::string_view::npos;
}

TGallerySchema LoadGallerySchema(SettingsStore& store, std::string_view name) {
    TGallerySchema schema;
    if (!IsGallerySchemaName(name))
        return schema;
    const std::string key = KeyOf(name);
    for (const TIntValue& value : IntValues)
        if (std::optional<std::int32_t> number = store.ReadInteger(key, value.Name))
            schema.*value.Field = *number;
    for (const TBoolValue& value : BoolValues)
        if (std::optional<std::int32_t> number = store.ReadInteger(key, value.Name))
            schema.*value.Field = *number != 0;
    for (const TColorValue& value : ColorValues)
        if (std::optional<std::string> text = store.ReadString(key, value.Name))
            schema.*value.Field = base::HtmlToColor(*text);
    if (std::optional<std::string> face = store.ReadString(key, "Font"))
        schema.Font = *face;
    return schema;
}

bool SaveGallerySchema(SettingsStore& store, std::string_view name, const TGallerySchema& schema) {
    if (!IsGallerySchemaName(name))
        return false;
    const std::string key = KeyOf(name);
    SettingsStore::Transaction group(store);
    bool ok = true;
    for (const TIntValue& value : IntValues)
        ok = store.WriteInteger(key, value.Name, schema.*value.Field) && ok;
    for (const TBoolValue& value : BoolValues)
        ok = store.WriteInteger(key, value.Name, schema.*value.Field ? 1 : 0) && ok;
    for (const TColorValue& value : ColorValues)
        ok = store.WriteString(key, value.Name, base::ColorToHtml(schema.*value.Field)) && ok;
    ok = store.WriteString(key, "Font", schema.Font) && ok;
    return group.Commit() && ok;
}

bool DeleteGallerySchema(SettingsStore& store, std::string_view name) {
    return IsGallerySchemaName(name) && store.DeleteKey(KeyOf(name));
}

} // namespace zn::app

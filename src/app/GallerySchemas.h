// Named gallery schemas in the settings store, one sub-key of `\Software\KVHTML\Schema` each.
#pragma once

#include "app/SettingsStore.h"
#include "structure/GalleryLayout.h"

#include <string>
#include <string_view>
#include <vector>

namespace zn::app {

/// Names of the stored schemas, in the order they were first saved.
std::vector<std::string> GallerySchemaNames(SettingsStore& store);

/// True for a name a schema can be saved under: not empty and without "\" (which would make it
/// a path of keys).
bool IsGallerySchemaName(std::string_view name);

/// The schema stored under the name. A value that is missing or of the wrong type keeps the
/// default, so a schema saved by an older version (or damaged by hand) still loads.
structure::TGallerySchema LoadGallerySchema(SettingsStore& store, std::string_view name);

/// Stores the schema under the name in one step (integers, booleans as 0 or 1, colours as
/// "#RRGGBB", the font face as text). False for a name refused by IsGallerySchemaName or when
/// the store cannot be written.
bool SaveGallerySchema(SettingsStore& store, std::string_view name,
                       const structure::TGallerySchema& schema);

/// Deletes the schema with the name; false when it cannot be deleted.
bool DeleteGallerySchema(SettingsStore& store, std::string_view name);

} // namespace zn::app

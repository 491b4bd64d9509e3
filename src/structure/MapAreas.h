// The areas of one map as the map editor handles them: listing, naming, storing, deleting, and
// the texts of the map wizard and the "Klikovací mapa..." command.
#pragma once

#include "base/Prompter.h"
#include "structure/DocumentStructure.h"
#include "structure/MapGeometry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::structure {

/// The map pair to choose for a map name handed in (without "#"): the last pair whose map
/// reference is "#" + the whole name; nothing when none is.
std::optional<std::size_t> FindMapPair(const MapList& pairs, std::string_view name);

/// The `Alt` of every area filed under the map reference, in list order.
std::vector<std::string> AreaNames(const AreaList& areas, std::string_view map);
/// The area of the map whose `Alt` is exactly the name; null when none is.
TArea* FindArea(AreaList& areas, std::string_view map, std::string_view name);

TAreaFields FieldsOf(const TArea& area);
void StoreFields(TArea& area, const TAreaFields& fields);

/// Asks for an area name with the one-line box "Jméno oblasti" until the name is not taken by
/// another area of the map (names compare without regard to letter case; `own`, when renaming,
/// is accepted). Nothing when the user cancels. Names are Windows-1250.
std::optional<std::string> AskAreaName(base::Prompter& prompter, const AreaList& areas,
                                       std::string_view map, std::string_view own);

/// Appends a new empty area of the shape to the map and returns it.
TArea& AddArea(AreaList& areas, std::string_view map, std::string name, int shape);
/// Removes the named area of the map; returns the list row to select afterwards (the same row,
/// else the last), or nothing when the map has no areas left.
std::optional<std::size_t> DeleteArea(AreaList& areas, std::string_view map, std::string_view name);

/// The text of the map wizard: a link around a picture that uses the map, then the empty map.
std::string MapWizardText(std::string_view picture, std::string_view width, std::string_view height,
                          std::string_view name, bool upperCaseTags);
/// The empty MAP element of "Klikovací mapa...", after a line break.
std::string EmptyMapText(std::string_view name, bool upperCaseTags);

/// The one stretch that turns `before` into `after`: common beginning and end left out.
TTextReplacement ChangedStretch(std::string_view before, std::string_view after);

} // namespace zn::structure

#pragma once
// The atlas's side of the hand-over files that the input windows read
// (core/input/atlas_hand_over.h): its two last lines, which the reader skips, name the place
// and the zone with the reason for the offset.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/atlas/place_list.h"
#include "core/atlas/place_offset.h"
#include "core/base/message.h"
#include "core/input/atlas_hand_over.h"

namespace helion {

// "New York City, New York, United States"; `name` is the place's name as shown, which may
// carry the other name that matched ("Mumbai (Bombay)").
std::string placeTitle(const PlaceList& list, const Place& place, std::string_view name);

std::string atlasResultText(const PlaceList& list, const Place& place, const PlaceOffset& offset);
std::string atlasPathText(const std::filesystem::path& resultFolder);

// Writes TSRTEMP.TXT into `atlasFolder` and then PCATPATH.TXT naming that folder, each
// replaced in one step. The message says which file could not be written.
std::optional<Message> writeAtlasResult(const std::filesystem::path& atlasFolder, const PlaceList& list,
                                        const Place& place, const PlaceOffset& offset);

}  // namespace helion

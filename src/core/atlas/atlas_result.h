#pragma once
// The hand-over files an atlas program leaves for the input windows. PCATPATH.TXT, in
// the atlas folder, names on its first line the folder of the result, ending with "/".
// TSRTEMP.TXT there holds five lines: the time zone in hours west-positive, the
// latitude as degrees, N or S, minutes ("40N43"), the longitude as degrees, W or E,
// minutes ("74W00"), then two lines the reader skips: the place and the zone with the
// reason for the offset.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/message.h"
#include "core/atlas/place_list.h"
#include "core/atlas/place_offset.h"

namespace helion {

inline constexpr std::string_view kAtlasPathFile = "PCATPATH.TXT";
inline constexpr std::string_view kAtlasResultFile = "TSRTEMP.TXT";

// "New York City, NY, United States".
std::string placeTitle(const PlaceList& list, const Place& place);

std::string atlasResultText(const PlaceList& list, const Place& place, const PlaceOffset& offset);
std::string atlasPathText(const std::filesystem::path& resultFolder);

// Writes TSRTEMP.TXT into `atlasFolder` and then PCATPATH.TXT naming that folder, each
// replaced in one step. The message says which file could not be written.
std::optional<Message> writeAtlasResult(const std::filesystem::path& atlasFolder, const PlaceList& list,
                                        const Place& place, const PlaceOffset& offset);

}  // namespace helion

#include "core/atlas/atlas_result.h"

#include "core/base/text_file.h"
#include "core/atlas/coordinate_text.h"
#include "core/atlas/offset_text.h"

namespace helion {

std::string placeTitle(const PlaceList& list, const Place& place) {
    std::string title = place.name;
    if (!place.region.empty()) title += ", " + place.region;
    return title + ", " + countryOf(list, place);
}

std::string atlasResultText(const PlaceList& list, const Place& place, const PlaceOffset& offset) {
    const std::string lines[] = {
        hoursText(offset.hoursWest),
        packedText(latitudeDegreesMinutes(place.latitudeDeg)),
        packedText(longitudeDegreesMinutes(place.longitudeDeg)),
        placeTitle(list, place),
        zoneOf(list, place) + ": " + reasonText(offset),
    };
    std::string text;
    for (const auto& line : lines) text += line + std::string(kLineBreak);
    return text;
}

std::string atlasPathText(const std::filesystem::path& resultFolder) {
    std::string folder = resultFolder.string();
    if (!folder.ends_with('/')) folder += '/';
    return folder + std::string(kLineBreak);
}

std::optional<Message> writeAtlasResult(const std::filesystem::path& atlasFolder, const PlaceList& list,
                                        const Place& place, const PlaceOffset& offset) {
    const auto failed = [](const std::filesystem::path& file) {
        return Message{kWarningCaption, "The file " + file.string() + " cannot be written."};
    };
    const auto result = atlasFolder / kAtlasResultFile;
    if (!writeFileAtomically(result, atlasResultText(list, place, offset))) return failed(result);
    const auto path = atlasFolder / kAtlasPathFile;
    if (!writeFileAtomically(path, atlasPathText(atlasFolder))) return failed(path);
    return std::nullopt;
}

}  // namespace helion

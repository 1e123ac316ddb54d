#include "core/atlas/atlas_result.h"

#include "core/atlas/coordinate_text.h"
#include "core/atlas/offset_text.h"
#include "core/base/text_file.h"

namespace helion {

std::string placeTitle(const PlaceList& list, const Place& place, std::string_view name) {
    std::string title(name);
    if (!place.region.empty()) title += ", " + regionOf(list, place);
    return title + ", " + countryOf(list, place);
}

std::string atlasResultText(const PlaceList& list, const Place& place, const PlaceOffset& offset) {
    const std::string lines[] = {
        hoursText(offset.hoursWest),
        packedText(latitudeDegreesMinutes(place.latitudeDeg)),
        packedText(longitudeDegreesMinutes(place.longitudeDeg)),
        placeTitle(list, place, place.name),
        zoneOf(list, place) + ": " + reasonText(offset),
    };
    std::string text;
    for (const auto& line : lines) text += line + std::string(kLineBreak);
    return text;
}

std::string atlasPathText(const std::filesystem::path& resultFolder) {
    return withFinalSlash(resultFolder.string()) + std::string(kLineBreak);
}

std::optional<Message> writeAtlasResult(const std::filesystem::path& atlasFolder, const PlaceList& list,
                                        const Place& place, const PlaceOffset& offset) {
    const auto written = [](const std::filesystem::path& file, std::string_view text) -> std::optional<Message> {
        const FileWrite result = writeFileAtomically(file, text);
        if (result) return std::nullopt;
        return warningMessage("The file " + file.string() + cannotBeWritten(result));
    };
    if (auto failure = written(atlasFolder / kAtlasAnswerFile, atlasResultText(list, place, offset))) return failure;
    return written(atlasFolder / kAtlasFolderFile, atlasPathText(atlasFolder));
}

}  // namespace helion

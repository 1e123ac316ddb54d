#pragma once
// The files an atlas program leaves for the input windows. PCATPATH.TXT, in the atlas
// folder, names on its first line the folder of the result, ending with "/". TSRTEMP.TXT
// there holds five lines: the time zone in hours west positive, the latitude as degrees,
// N or S, minutes ("42N21"), the longitude as degrees, W or E, minutes ("71W04"), and two
// lines of the atlas's own that are not read.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/message.h"
#include "core/input/chart_input.h"
#include "core/input/cities_file.h"

namespace helion {

inline constexpr std::string_view kAtlasFolderFile = "PCATPATH.TXT";
inline constexpr std::string_view kAtlasAnswerFile = "TSRTEMP.TXT";
inline constexpr std::string_view kAtlasProgram = "helion-atlas";
inline constexpr const char* kAtlasQuestionCaption = "Accept or Reject data";
inline constexpr const char* kAtlasFolderCaption = "Where do I find helion-atlas?";
inline constexpr const char* kAtlasFolderPrompt =
    "\n\nEnter the complete path for where helion-atlas resides: "
    "(Example: /opt/atlas OR /home/me/charts/atlas OR /usr/local/lib/atlas/)";

// A place as the atlas gives it: the texts it wrote and their values.
struct AtlasAnswer {
    double zone = 0;
    std::string latitude;
    std::string longitude;
    CityPlace place;
};

struct AtlasRead {
    std::optional<AtlasAnswer> answer;  // nothing when any line cannot be read
    std::optional<Message> message;
};

// The local moment of an input window for the atlas program:
// --date "dd mmm yyyy" --time H.MM --ampm A|P.
std::vector<std::string> atlasArguments(const InputWindowTexts& texts);

// A folder as the user types it, with the final "/" the folder names end with.
std::string withFinalSlash(std::string folder);

// TSRTEMP.TXT's text; `folder` names it in the message when a line cannot be read.
AtlasRead parseAtlasAnswer(std::string_view text, const std::string& folder);

// Both files, from the atlas folder (ending with "/").
AtlasRead readAtlasHandOver(const std::string& atlasFolder);

// The "Accept or Reject data" question.
Message atlasAcceptQuestion(const AtlasAnswer& answer);

}  // namespace helion

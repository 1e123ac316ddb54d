#pragma once
// Search keys for place names: lower case, with the diacritics of Latin letters taken
// off, so that "Sao Paulo", "SÃO PAULO" and "São Paulo" give the same key, and
// apostrophes and dashes as a keyboard types them: "Xi'an" finds "Xi’an".

#include <string>
#include <string_view>

namespace helion {

// Folds UTF-8 text: ASCII letters to lower case; Latin letters with diacritics (Latin-1,
// Latin Extended-A, the common letters of Latin Extended-B and Latin Extended
// Additional) to their base letters, ligatures and ß spelled out ("æ" -> "ae", "ß" ->
// "ss"); combining accents dropped; apostrophes (' ` ‘ ’ ʻ ʼ) dropped; hyphens and dashes
// made blanks. Letters of other scripts are kept as they are, and
// so are bytes that are not valid UTF-8.
std::string foldForSearch(std::string_view utf8);

}  // namespace helion

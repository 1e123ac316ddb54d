#pragma once
// The atlas look-up of the input windows: starts helion-atlas (or any atlas program of
// that name that leaves the same two files) in the atlas folder, waits for it with the
// windows still painting, and after the user accepts its answer writes the place into
// the input window.

namespace helion::ui {

struct Session;
class InputWindow;

// The atlas folder is the settings' AtlasDir, or the program folder while that is
// empty, in which case the program is the helion-atlas beside the running executable.
// When it cannot be started the user is asked for its folder, which becomes AtlasDir.
void lookUpInAtlas(Session& session, InputWindow& window);

}  // namespace helion::ui

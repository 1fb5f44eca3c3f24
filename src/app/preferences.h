#pragma once
// "Tamsel2001 Preferences": the settings dialog over a copy of the configuration; on "OK" the copy
// becomes the configuration, is stored, and the window takes it at once (line numbers, special
// characters, the browsers' commands, the editor's font size, the colours of the active document).
namespace tamsel {

class Session;

// True when the user confirmed.
bool open_preferences(Session& session);

}  // namespace tamsel

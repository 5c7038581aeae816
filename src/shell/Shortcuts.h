#pragma once
#include <string>

// The shortcut service: one process-wide shell link object, started once by the
// main dialog and stopped when it ends. While not started every call fails quietly.
void InitShortcuts(bool start);

// Loads and resolves a shortcut file without ever asking the user; true with the
// target in `target` when one was found, false with `target` empty otherwise.
bool ResolveShortcut(const std::string& linkPath, std::string& target);

// True when `path` names a shortcut (".lnk", any case) whose target is a folder or
// no longer exists. `out` receives the path to go on with: the path itself when it
// is no shortcut, the target for a shortcut, empty when it cannot be followed.
bool IsFolderShortcut(const std::string& path, std::string& out);

// Writes a shortcut file at `linkPath` pointing at `target`, replacing any file of
// that name; true only when it was saved.
bool CreateShortcut(const std::string& linkPath, const std::string& description,
                    const std::string& target);

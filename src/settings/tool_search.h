#pragma once
// The search for the two web browsers and the help compiler: first the folders of PATH, then the given
// mount points, depth first, until all three are found.
#include <QString>
#include <QStringList>
#include <array>

namespace tamsel {

class ConfigTable;

enum class Tool { browser_chromium, browser_firefox, help_compiler };

struct ToolNames {
    Tool tool;
    std::array<QStringView, 7> names;  // executable file names that count; empty entries unused
};

// Browser 1 is of the Chromium family, browser 2 of the Firefox family, the compiler chmcmd or hhc.
inline constexpr std::array<ToolNames, 3> tool_names = {{
    {Tool::browser_chromium, {u"chromium", u"chromium-browser", u"google-chrome", u"google-chrome-stable", u"chrome", u"brave-browser", u"microsoft-edge"}},
    {Tool::browser_firefox, {u"firefox", u"firefox-esr", u"", u"", u"", u"", u""}},
    {Tool::help_compiler, {u"chmcmd", u"hhc", u"", u"", u"", u"", u""}},
}};

class ToolSearch {
public:
    // Results stay filled for the life of the object: a second search looks only for what is still missing.
    std::array<QString, 3> found;

    bool complete() const;
    // Searches the folders of path_env (":"-separated) and then each drive entry of the form
    // "MOUNT POINT [label]"; entries without "[" are skipped. Unreadable folders are passed over.
    void find_tools(const QStringList& drives, const QString& path_env);
    // Copies the found programs into "ie_path", "netscape_path" and "htmlhelp_path" and validates them.
    void apply(ConfigTable& config) const;

    int folders_visited = 0;  // how many folders the last search listed

private:
    void search_folder(const QString& dir, bool recurse);
    void consider(const QString& dir, const QString& file_name);
};

}  // namespace tamsel

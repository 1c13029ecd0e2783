#include "app/settings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/options.h"
#include "core/files.h"

// A few short lines make the file; anything larger is no settings file of ours.
static constexpr size_t MAX_SETTINGS_BYTES = 4096;
static const char* const SECTION = "[skorvane]";

// The on-or-off choices, each the field of a switch of the command line; the
// file keeps its value from one run to the next. `off` names the field that
// says the choice is off (--no-sound is "sound = off"). A new switch of the
// command line is remembered by adding its row here, and nothing else.
struct SwitchSetting {
    const char* name;
    bool GameOptions::*field;
    bool fieldSaysOff;
};
static const SwitchSetting SWITCH_SETTINGS[] = {
    {"fullscreen", &GameOptions::fullscreen, false},
    {"sound", &GameOptions::noSound, true},
    {"goal-replays", &GameOptions::goalReplays, false},
};
static const char* const WINDOW_SETTING = "window";

// The window size the file holds, kept to be written back after a run in
// the full screen, which has no size of its own. Written by readSettings.
static unsigned keptWindowWidth = 0, keptWindowHeight = 0;

std::string settingsPath()
{
    const std::string config = userFolder("XDG_CONFIG_HOME", ".config");
    return config.empty() ? "" : config + "/skorvane/settings.ini";
}

static void ignoreFile(const std::string& path, const char* why, int line = 0)
{
    if (line > 0)
        printf("settings file %s is damaged (line %d: %s): the game starts with its defaults\n", path.c_str(), line,
               why);
    else
        printf("settings file %s %s: the game starts with its defaults\n", path.c_str(), why);
    fflush(stdout);
}

// The choices one file holds, before any is used.
struct FileChoices {
    bool window = false; // a window size was given
    unsigned width = 0, height = 0;
    bool switchGiven[sizeof SWITCH_SETTINGS / sizeof SWITCH_SETTINGS[0]] = {};
    bool switchOn[sizeof SWITCH_SETTINGS / sizeof SWITCH_SETTINGS[0]] = {};
};

static char* trimmed(char* text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    char* end = text + strlen(text);
    while (end > text && (end[-1] == ' ' || end[-1] == '\t' || end[-1] == '\r'))
        *--end = 0;
    return text;
}

// One `name = value` line into `choices`; the problem in words, or null.
static const char* readSetting(char* line, FileChoices& choices)
{
    char* equals = strchr(line, '=');
    if (!equals)
        return "a line that is no 'name = value'";
    *equals = 0;
    const char* name = trimmed(line);
    const char* value = trimmed(equals + 1);
    if (strcmp(name, WINDOW_SETTING) == 0) {
        if (choices.window)
            return "window given twice";
        if (!readWindowSize(value, choices.width, choices.height))
            return "window takes a size such as 1280x960, at least 640x480";
        choices.window = true;
        return 0;
    }
    for (size_t i = 0; i < sizeof SWITCH_SETTINGS / sizeof SWITCH_SETTINGS[0]; ++i) {
        if (strcmp(name, SWITCH_SETTINGS[i].name) != 0)
            continue;
        if (choices.switchGiven[i])
            return "a setting given twice";
        if (strcmp(value, "on") != 0 && strcmp(value, "off") != 0)
            return "a switch takes on or off";
        choices.switchGiven[i] = true;
        choices.switchOn[i] = strcmp(value, "on") == 0;
        return 0;
    }
    // A setting of another version of the game: the rest of the file serves.
    printf("settings file: no setting '%s' in this version of the game, skipped\n", name);
    return 0;
}

// The file's text into `choices`; the problem in words, with its line, or null.
static const char* readChoices(std::vector<unsigned char>& bytes, FileChoices& choices, int& lineNumber, bool& foreign)
{
    for (unsigned char c : bytes)
        if ((c < 32 || c > 126) && c != '\n' && c != '\r' && c != '\t') {
            foreign = true; // no text at all, so no file of ours
            return "not a Skorvane settings file";
        }
    bytes.push_back(0);
    char* text = reinterpret_cast<char*>(bytes.data());
    bool inSection = false;
    lineNumber = 0;
    for (char* line = text; line;) {
        char* end = strchr(line, '\n');
        if (end)
            *end = 0;
        ++lineNumber;
        char* content = trimmed(line);
        line = end ? end + 1 : 0;
        if (content[0] == 0 || content[0] == '#')
            continue;
        if (!inSection) {
            // Anything before our section is someone else's file.
            if (strcmp(content, SECTION) != 0) {
                foreign = true;
                return "not a Skorvane settings file";
            }
            inSection = true;
            continue;
        }
        if (const char* problem = readSetting(content, choices))
            return problem;
    }
    if (!inSection) {
        foreign = true;
        return "empty";
    }
    return 0;
}

// The file's choices into every one the command line left open.
static void useChoices(const FileChoices& choices, GameOptions& options)
{
    keptWindowWidth = choices.width;
    keptWindowHeight = choices.height;
    // The window and the full screen are one choice: either given on the
    // command line decides it.
    const bool placed = options.windowWidth != 0 || options.fullscreen;
    for (size_t i = 0; i < sizeof SWITCH_SETTINGS / sizeof SWITCH_SETTINGS[0]; ++i) {
        const SwitchSetting& setting = SWITCH_SETTINGS[i];
        bool& field = options.*setting.field;
        // A switch of the command line can only turn its field on.
        if (!choices.switchGiven[i] || field || (setting.field == &GameOptions::fullscreen && placed))
            continue;
        field = choices.switchOn[i] != setting.fieldSaysOff;
    }
    if (!placed && !options.fullscreen && choices.window) {
        options.windowWidth = choices.width;
        options.windowHeight = choices.height;
    }
}

bool readSettings(const std::string& path, GameOptions& options)
{
    keptWindowWidth = keptWindowHeight = 0;
    if (path.empty())
        return false;
    struct stat status;
    // No file yet is the first start: nothing to say.
    if (stat(path.c_str(), &status) != 0 && errno == ENOENT && lstat(path.c_str(), &status) != 0)
        return false;
    std::vector<unsigned char> bytes;
    bool more = false;
    if (!readRegularFile(path.c_str(), MAX_SETTINGS_BYTES, bytes, &more)) {
        ignoreFile(path, "is no regular file that can be read");
        return false;
    }
    if (more) {
        ignoreFile(path, "is far larger than a settings file");
        return false;
    }
    FileChoices choices;
    int line = 0;
    bool foreign = false;
    const char* problem = readChoices(bytes, choices, line, foreign);
    if (problem) {
        if (foreign)
            ignoreFile(path, strcmp(problem, "empty") == 0 ? "is empty" : "is not a Skorvane settings file");
        else
            ignoreFile(path, problem, line);
        return false;
    }
    useChoices(choices, options);
    return true;
}

static void notSaved(const std::string& path, const char* why)
{
    printf("settings not saved in %s: %s\n", path.c_str(), why);
    fflush(stdout);
}

bool writeSettings(const std::string& path, const GameOptions& options)
{
    if (path.empty())
        return false;
    if (!makeFolders(path.substr(0, path.rfind('/')), 0700)) {
        notSaved(path, strerror(errno));
        return false;
    }
    // The file is replaced whole, through a link to it if it is one: a
    // folder or a pipe in its place is someone else's and stays.
    std::string target = path;
    struct stat status;
    if (lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        char resolved[PATH_MAX];
        if (!realpath(path.c_str(), resolved)) {
            notSaved(path, "it is a link to nothing");
            return false;
        }
        target = resolved;
    }
    if (stat(target.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        notSaved(path, "something that is no regular file stands in its place");
        return false;
    }
    const std::string fresh = target + ".new" + std::to_string(getpid());
    FILE* file = fopen(fresh.c_str(), "w");
    if (!file) {
        notSaved(path, strerror(errno));
        return false;
    }
    unsigned width = options.windowWidth, height = options.windowHeight;
    if (options.fullscreen || width == 0) {
        width = keptWindowWidth ? keptWindowWidth : SMALLEST_WINDOW_WIDTH;
        height = keptWindowHeight ? keptWindowHeight : SMALLEST_WINDOW_HEIGHT;
    }
    fprintf(file, "# Skorvane's settings, written when the game ends; the options given to it\n"
                  "# win over them, and --defaults starts without them.\n%s\n",
            SECTION);
    fprintf(file, "%s = %ux%u\n", WINDOW_SETTING, width, height);
    for (const SwitchSetting& setting : SWITCH_SETTINGS)
        fprintf(file, "%s = %s\n", setting.name, options.*setting.field != setting.fieldSaysOff ? "on" : "off");
    const bool written = fflush(file) == 0 && fsync(fileno(file)) == 0;
    if (fclose(file) != 0 || !written || rename(fresh.c_str(), target.c_str()) != 0) {
        notSaved(path, strerror(errno));
        remove(fresh.c_str());
        return false;
    }
    return true;
}

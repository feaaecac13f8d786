#pragma once

#include <QString>
#include <array>
#include <optional>

// The help topics: plain text files in the help/ folder of the program
// folder, one per entry of the help window's topic list.
struct HelpTopic {
    const char* caption;  // the entry in the topic list
    const char* file;     // the file, relative to the program folder
};

inline constexpr std::array<HelpTopic, 5> HelpTopics{{
    {"Introduction", "\\help\\intro.txt"},
    {"Opening Models", "\\help\\loading.txt"},
    {"Editing Models", "\\help\\editing.txt"},
    {"Printing Models", "\\help\\printing.txt"},
    {"Conclusion!", "\\help\\conclusion.txt"},
}};

// The text of the file at programFolder + relativePath, every line (the last
// one too) followed by CR LF; lines may end in CR LF, LF or CR in the file.
// An empty file gives an empty text; a file that is missing or cannot be
// opened gives nothing.
std::optional<QString> ReadTextFile(const QString& programFolder, const QString& relativePath);

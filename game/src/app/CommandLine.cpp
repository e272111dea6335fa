#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>

CommandLineAction parseCommandLine(const std::string& commandLine) {
    CommandLineAction action;
    if (commandLine.empty()) {
        action.enableOldtimer = true;
        return action;
    }
    if (commandLine != "/V") {
        const auto dot = commandLine.find_last_of('.');
        std::string ext = dot == std::string::npos ? std::string() : commandLine.substr(dot);
        std::transform(ext.begin(), ext.end(), ext.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (ext == ".JIG") {
            action.restoreGame = true;
            action.path = commandLine;
        } else if (ext == ".PPX") {
            action.loadPicture = true;
            action.path = commandLine;
        }
    }
    action.newGame = commandLine.find("/V") != std::string::npos;
    return action;
}

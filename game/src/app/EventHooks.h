#pragma once

#include <functional>
#include <string>

// Event hooks: settings keys (PromotionJumble, PromotionPaused,
// PromotionPieces) whose value names a program to start when the event
// happens. A value is "Always,<command line>", "Random,<command line>" or
// "Daily,<command line>"; anything else does nothing. The first
// "%PICTHELPFILE%" in the value stands for the current picture's help file.
class EventHooks {
  public:
    // Gives the help file of the current picture; false when it has none.
    using HelpFileLookup = std::function<bool(std::string& path)>;
    // Starts a command line as a separate, shown program.
    using ProgramStarter = std::function<void(const std::string& commandLine)>;

    EventHooks(HelpFileLookup helpFile, ProgramStarter start);

    // Hooks bound to the picture library (QueryInformationFile of the picture
    // that currentPicture names) and to the platform's program starter.
    static EventHooks forSystem(std::function<std::string()> currentPicture);

    // Runs the hook stored under key (default section). Returns true when a
    // program was started; whether it really ran is not checked.
    bool run(const char* key) const;

  private:
    bool substituteHelpFile(std::string& value) const;
    bool dueToday(const char* key) const;

    HelpFileLookup helpFile_;
    ProgramStarter start_;
};

#include <gtest/gtest.h>

#include "app/CommandLine.h"

TEST(CommandLine, EmptyOnlyEnablesTheOldTimer) {
    const CommandLineAction a = parseCommandLine("");
    EXPECT_TRUE(a.enableOldtimer);
    EXPECT_FALSE(a.newGame || a.restoreGame || a.loadPicture);
}

TEST(CommandLine, SlashVOpensThePictureSelectionOnly) {
    const CommandLineAction a = parseCommandLine("/V");
    EXPECT_TRUE(a.newGame);
    EXPECT_FALSE(a.enableOldtimer || a.restoreGame || a.loadPicture);

    const CommandLineAction b = parseCommandLine("C:\\GAMES\\x.jig /V");
    EXPECT_TRUE(b.newGame);
    EXPECT_FALSE(b.restoreGame || b.loadPicture);
}

TEST(CommandLine, ExtensionsIgnoreLetterCase) {
    const CommandLineAction a = parseCommandLine("/home/p/saved.jig");
    EXPECT_TRUE(a.restoreGame);
    EXPECT_EQ(a.path, "/home/p/saved.jig");
    EXPECT_FALSE(a.newGame);

    const CommandLineAction b = parseCommandLine("rose.PpX");
    EXPECT_TRUE(b.loadPicture);
    EXPECT_FALSE(b.restoreGame);
}

TEST(CommandLine, OtherArgumentsAreIgnored) {
    for (const char* text : {"notes.txt", "noextension", "dir.jig/file", ".", "x.jig.bak"}) {
        const CommandLineAction a = parseCommandLine(text);
        EXPECT_FALSE(a.enableOldtimer || a.restoreGame || a.loadPicture || a.newGame) << text;
    }
}

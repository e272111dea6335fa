#include <string>

#include "app/CJigsawApp.h"

// The program takes its whole command line as one argument, the way the
// arguments were typed: "game.jig", "picture.ppx" or "/V".
int main(int argc, char* argv[]) {
    CJigsawApp app(argc, argv);  // takes Qt's own options off the arguments
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            commandLine += ' ';
        }
        commandLine += argv[i];
    }
    app.InitInstance(commandLine);
    return app.Run();
}

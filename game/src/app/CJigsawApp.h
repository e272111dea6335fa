#pragma once

#include <QString>

#include <memory>
#include <string>

#include "app/EventHooks.h"
#include "settings/PackedValues.h"
#include "settings/Preferences.h"

class QApplication;
class CJigsawDoc;
class CJigsawView;
class CMainFrame;

// The application object: one per run. It owns the Qt application (unless
// one exists already, as in tests), the preferences that apply to the whole
// program, the current picture and the frame, document and view.
class CJigsawApp {
  public:
    static constexpr const char* kTitle = "Tessella";
    static constexpr const char* kDocumentString = "Tessella\n \nTessella Document";

    CJigsawApp(int& argc, char** argv);
    ~CJigsawApp();
    CJigsawApp(const CJigsawApp&) = delete;
    CJigsawApp& operator=(const CJigsawApp&) = delete;

    // The one application object, or null when none exists.
    static CJigsawApp* instance();

    // The start-up sequence; commandLine is the whole command line as one
    // text. Always reports success.
    // NOLINTNEXTLINE(readability-identifier-naming): the framework's name
    bool InitInstance(const std::string& commandLine);
    // Shows the main frame, then runs the event loop until it closes.
    // NOLINTNEXTLINE(readability-identifier-naming): the framework's name
    int Run();
    // Shows the main frame at its placement; a picture named on the command
    // line is loaded (and fitted to the window) only then, once the window
    // has its final size.
    void showFrame();

    CMainFrame* mainFrame() const { return frame_.get(); }
    CJigsawDoc* document() const { return doc_.get(); }

    // Status-bar pane texts; pane numbers of 3 and above are ignored.
    // NOLINTNEXTLINE(readability-identifier-naming): the framework's name
    void SetStatusPaneText(int pane, const QString& text);

    const EventHooks& eventHooks() const { return hooks_; }

    int pieceHeight = 0;  // pixels
    int pieceWidth = 0;   // pixels
    int imageSlot = -1;   // slot of the current picture in the image library
    unsigned pictureWidth = 0;
    unsigned pictureHeight = 0;
    std::string pictureFile;  // file of the current picture, empty for none
    Preferences prefs;
    COLORREF background = RGB(0, 0, 255);
    CJigsawView* view = nullptr;  // set by the view's constructor

  private:
    void applyGreyDialogs();
    void setWindowIcon();
    void loadPreferences();
    void createFrame();
    void processCommandLine(const std::string& commandLine);

    std::unique_ptr<QApplication> ownedApp_;
    std::unique_ptr<CJigsawDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
    EventHooks hooks_;
    QString pendingPicture_;  // from the command line, until the frame shows
};

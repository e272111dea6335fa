#pragma once

#include <QObject>
#include <QString>

class CJigsawView;

// The document. It holds no game state of its own: the workspace view owns
// the game, saves and restores it, and answers whether closing may go on.
class CJigsawDoc : public QObject {
    Q_OBJECT
  public:
    // The framework's messages for a document that cannot be opened and for
    // a name that cannot be written.
    static constexpr const char* kCannotOpen = "Failed to open document.";
    static constexpr const char* kInvalidName = "Invalid filename.";

    explicit CJigsawDoc(QObject* parent = nullptr);

    void setView(CJigsawView* view) { view_ = view; }
    CJigsawView* view() const { return view_; }

    // Asked before the frame closes; false keeps the program running.
    bool canCloseFrame() const;

    // Opening a document restores the saved game at path as the restore of
    // a named file does. False, after the framework's message, when the file
    // cannot be opened for reading.
    // NOLINTNEXTLINE(readability-identifier-naming): the framework's name
    bool OnOpenDocument(const QString& path);
    // Saving a document runs the Save command once path proved writable.
    // False, after the framework's message, when it is not, or when nothing
    // was saved.
    // NOLINTNEXTLINE(readability-identifier-naming): the framework's name
    bool OnSaveDocument(const QString& path);

  private:
    CJigsawView* view_ = nullptr;
};

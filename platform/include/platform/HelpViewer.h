#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "platform_export.h"

class QDialog;
class QTextBrowser;

namespace platform {

class HelpDocument;
class HelpKeywordDialog;

// A help window showing one HTML help file at a topic. Each secondary window
// name ("" for the main help window, "Screens", "Menus", ...) has at most one
// viewer, which later calls for that name reuse.
class PLATFORM_EXPORT HelpViewer : public QWidget {
    Q_OBJECT

  public:
    explicit HelpViewer(const QString& windowName, QWidget* parent = nullptr);
    ~HelpViewer() override;

    // The viewer of a window name, or null when none is open.
    static HelpViewer* find(const QString& windowName);
    // The viewer of a window name, made when needed.
    static HelpViewer* obtain(const QString& windowName);
    // Closes and destroys every viewer.
    static void closeAll();

    // Loads path unless it is already shown; false when it cannot be read.
    bool openFile(const QString& path);
    // Shows the topic with that id (context number in decimal, or a name);
    // false, changing nothing, when the file has no such topic.
    bool showTopic(const QString& topic);
    void showContents();
    // The built-in page on using this viewer.
    void showHelpOnHelp();
    // Offers the keywords that contain key; a single match of a non-empty key
    // is shown at once.
    void showKeywordSearch(const QString& key);
    // Shows the topic of a keyword; false when the keyword is unknown.
    bool showKeyword(const QString& keyword);
    QStringList keywords(const QString& filter = {}) const;

    const QString& windowName() const { return windowName_; }
    const QString& currentFile() const { return file_; }
    const QString& currentTopic() const { return topic_; }
    QTextBrowser* browser() const { return browser_; }
    // The keyword search dialog while it exists, else null.
    QDialog* keywordDialog() const;

  private:
    void followLink(const QUrl& url);
    void present();
    void updateTitle();

    QString windowName_;
    QString file_;
    QString topic_;
    QTextBrowser* browser_ = nullptr;
    HelpKeywordDialog* keywordDialog_ = nullptr;
    std::unique_ptr<HelpDocument> document_;
};

}  // namespace platform

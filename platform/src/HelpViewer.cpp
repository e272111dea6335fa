#include "platform/HelpViewer.h"

#include <QFileInfo>
#include <QMap>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "HelpDocument.h"
#include "HelpKeywordDialog.h"
#include "platform/Paths.h"

namespace platform {
namespace {

// Open viewers by lower-case window name; entries vanish with their viewer.
QMap<QString, QPointer<HelpViewer>>& viewers() {
    static QMap<QString, QPointer<HelpViewer>> map;
    return map;
}

const char* const kHelpOnHelp = R"(<html><head><title>Using Help</title></head><body>
<h1 id="contents">Using Help</h1>
<p>Help shows the pages that explain the program. Each page is a topic.</p>
<h2 id="links">Moving between topics</h2>
<p>Click an underlined word to jump to the topic it names. Scroll with the scroll
bar, the mouse wheel or the Page Up and Page Down keys.</p>
<h2 id="search">Searching for a topic</h2>
<p>Choose <b>Search for Help on...</b> in the program's Help menu. Type the first
letters of a word: the list shows every keyword that contains them. Select a
keyword and click <b>Display</b>, or double-click it, to show its topic.</p>
<h2 id="windows">Help windows</h2>
<p>Help on menus and on screens opens in windows of their own; each stays where
you put it and shows the next topic you ask for. Close a help window like any
other window.</p>
</body></html>)";

}  // namespace

HelpViewer::HelpViewer(const QString& windowName, QWidget* parent)
    : QWidget(parent, Qt::Window),
      windowName_(windowName),
      document_(std::make_unique<HelpDocument>()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser;
    browser_->setOpenLinks(false);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    resize(520, 420);
    updateTitle();
}

HelpViewer::~HelpViewer() = default;

HelpViewer* HelpViewer::find(const QString& windowName) {
    return viewers().value(windowName.toLower()).data();
}

HelpViewer* HelpViewer::obtain(const QString& windowName) {
    if (HelpViewer* viewer = find(windowName)) {
        return viewer;
    }
    auto* viewer = new HelpViewer(windowName);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewers().insert(windowName.toLower(), viewer);
    return viewer;
}

void HelpViewer::closeAll() {
    const auto open = viewers().values();
    viewers().clear();
    for (const QPointer<HelpViewer>& viewer : open) {
        delete viewer.data();
    }
}

bool HelpViewer::openFile(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == file_) {
        return true;
    }
    auto document = std::make_unique<HelpDocument>();
    if (canonical.isEmpty() || !document->load(canonical)) {
        return false;
    }
    document_ = std::move(document);
    file_ = canonical;
    topic_.clear();
    browser_->setSearchPaths({QFileInfo(canonical).absolutePath()});
    browser_->setHtml(document_->html());
    updateTitle();
    return true;
}

bool HelpViewer::showTopic(const QString& topic) {
    const QString id = document_->topicId(topic);
    if (id.isEmpty()) {
        return false;
    }
    topic_ = id;
    present();
    browser_->scrollToAnchor(id);
    return true;
}

void HelpViewer::showContents() {
    const QString first = document_->firstTopic();
    if (first.isEmpty() || !showTopic(first)) {
        topic_.clear();
        present();
        browser_->verticalScrollBar()->setValue(0);
    }
}

void HelpViewer::showHelpOnHelp() {
    document_->setHtml(QString::fromUtf8(kHelpOnHelp));
    file_.clear();
    browser_->setHtml(document_->html());
    updateTitle();
    showContents();
}

QStringList HelpViewer::keywords(const QString& filter) const {
    return document_->keywords(filter);
}

bool HelpViewer::showKeyword(const QString& keyword) {
    const QString topic = document_->topicOfKeyword(keyword);
    return !topic.isEmpty() && showTopic(topic);
}

void HelpViewer::showKeywordSearch(const QString& key) {
    const QStringList matches = keywords(key);
    if (!key.trimmed().isEmpty() && matches.size() == 1) {
        showKeyword(matches.front());
        return;
    }
    if (keywordDialog_ == nullptr) {
        keywordDialog_ =
            new HelpKeywordDialog([this](const QString& filter) { return keywords(filter); }, this);
        connect(keywordDialog_, &HelpKeywordDialog::chosen, this,
                [this](const QString& keyword) { showKeyword(keyword); });
    }
    keywordDialog_->setKey(key);
    keywordDialog_->show();
    keywordDialog_->raise();
}

QDialog* HelpViewer::keywordDialog() const {
    return keywordDialog_;
}

// Links inside the file ("#topic") move within it; links to another help file
// ("OTHER.HLP#topic") open that file beside the current one.
void HelpViewer::followLink(const QUrl& url) {
    const QString target = url.path();
    if (!target.isEmpty()) {
        const QString dir = QFileInfo(file_).absolutePath();
        const QString path =
            QFileInfo(target).isAbsolute() ? target : dir + QLatin1Char('/') + target;
        if (!openFile(QString::fromStdString(resolvePath(path.toStdString())))) {
            return;
        }
    }
    if (!url.hasFragment() || !showTopic(url.fragment())) {
        showContents();
    }
}

void HelpViewer::present() {
    show();
    raise();
    activateWindow();
}

void HelpViewer::updateTitle() {
    QString title = document_->title();
    if (title.isEmpty()) {
        title = file_.isEmpty() ? QStringLiteral("Help") : QFileInfo(file_).fileName();
    }
    setWindowTitle(title);
}

}  // namespace platform

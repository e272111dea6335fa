#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace platform {

// One help file: its HTML made ready for the browser (each element id also
// becomes an anchor name), its topics in document order, and its keywords
// with the topic each one leads to.
class HelpDocument {
  public:
    // Reads path; false when the file cannot be read.
    bool load(const QString& path);
    // Takes HTML text directly (the built-in pages).
    void setHtml(const QString& html);

    const QString& html() const { return html_; }
    const QString& title() const { return title_; }
    // The id of the topic named name (exact spelling first, then without
    // regard to case); empty when there is none.
    QString topicId(const QString& name) const;
    // Keywords sorted without regard to case, those containing filter only.
    QStringList keywords(const QString& filter) const;
    // The topic a keyword leads to, empty when the keyword is unknown.
    QString topicOfKeyword(const QString& keyword) const;
    // The topic shown first: "contents" when present, else the first topic.
    QString firstTopic() const;

  private:
    struct Topic {
        QString id;
        qsizetype start = 0;  // offset of the element in the source text
    };

    void collectTopics(const QString& source);
    void collectHeadings(const QString& source);
    void collectMetaKeywords(const QString& source);
    QString topicAt(qsizetype offset) const;
    QString topicContaining(const QString& source, const QString& word) const;

    QString html_;
    QString title_;
    QList<Topic> topics_;
    QMap<QString, QString> keywordTopics_;  // lower-case keyword -> topic
    QMap<QString, QString> keywordTexts_;   // lower-case keyword -> as written
};

}  // namespace platform

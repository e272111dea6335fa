#include "HelpDocument.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace platform {
namespace {

const QRegularExpression& idPattern() {
    static const QRegularExpression re(
        QStringLiteral(R"(<[a-zA-Z][^>]*?\sid\s*=\s*["']([^"']*)["'][^>]*>)"));
    return re;
}

QString plainText(QString html) {
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    html.replace(tags, QStringLiteral(" "));
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    return html.replace(blanks, QStringLiteral(" ")).trimmed();
}

// Puts an anchor named after each id right inside its element, where the
// browser's scrollToAnchor finds it.
QString withAnchors(const QString& source) {
    QString out;
    qsizetype last = 0;
    auto it = idPattern().globalMatch(source);
    while (it.hasNext()) {
        const auto match = it.next();
        out += source.mid(last, match.capturedEnd() - last);
        out += QStringLiteral("<a name=\"%1\"></a>").arg(match.captured(1).toHtmlEscaped());
        last = match.capturedEnd();
    }
    out += source.mid(last);
    return out;
}

}  // namespace

bool HelpDocument::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    setHtml(QString::fromUtf8(file.readAll()));
    return true;
}

void HelpDocument::setHtml(const QString& source) {
    topics_.clear();
    keywordTopics_.clear();
    keywordTexts_.clear();
    static const QRegularExpression titleRe(
        QStringLiteral("<title[^>]*>(.*?)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    title_ = plainText(titleRe.match(source).captured(1));
    collectTopics(source);
    collectHeadings(source);
    collectMetaKeywords(source);
    html_ = withAnchors(source);
}

void HelpDocument::collectTopics(const QString& source) {
    auto it = idPattern().globalMatch(source);
    while (it.hasNext()) {
        const auto match = it.next();
        topics_.append(Topic{match.captured(1), match.capturedStart()});
    }
}

void HelpDocument::collectHeadings(const QString& source) {
    static const QRegularExpression heading(
        QStringLiteral("<h[1-6]\\b[^>]*>(.*?)</h[1-6]>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    auto it = heading.globalMatch(source);
    while (it.hasNext()) {
        const auto match = it.next();
        const QString text = plainText(match.captured(1));
        const QString topic = topicAt(match.capturedEnd(1));
        if (!text.isEmpty() && !topic.isEmpty() && !keywordTopics_.contains(text.toLower())) {
            keywordTopics_.insert(text.toLower(), topic);
            keywordTexts_.insert(text.toLower(), text);
        }
    }
}

void HelpDocument::collectMetaKeywords(const QString& source) {
    static const QRegularExpression meta(
        QStringLiteral(R"(<meta\s+name\s*=\s*["']keywords["']\s+content\s*=\s*["']([^"']*)["'])"),
        QRegularExpression::CaseInsensitiveOption);
    auto it = meta.globalMatch(source);
    while (it.hasNext()) {
        const auto match = it.next();
        const QStringList words = match.captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& raw : words) {
            const QString word = raw.trimmed();
            if (word.isEmpty() || keywordTopics_.contains(word.toLower())) {
                continue;
            }
            keywordTopics_.insert(word.toLower(), topicContaining(source, word));
            keywordTexts_.insert(word.toLower(), word);
        }
    }
}

// The topic whose element starts last at or before offset.
QString HelpDocument::topicAt(qsizetype offset) const {
    QString id;
    for (const Topic& topic : topics_) {
        if (topic.start > offset) {
            break;
        }
        id = topic.id;
    }
    return id;
}

// The first topic whose text mentions word; the first topic when none does.
QString HelpDocument::topicContaining(const QString& source, const QString& word) const {
    for (qsizetype i = 0; i < topics_.size(); ++i) {
        const qsizetype end = i + 1 < topics_.size() ? topics_[i + 1].start : source.size();
        const QString text = plainText(source.mid(topics_[i].start, end - topics_[i].start));
        if (text.contains(word, Qt::CaseInsensitive)) {
            return topics_[i].id;
        }
    }
    return firstTopic();
}

QString HelpDocument::topicId(const QString& name) const {
    for (const Topic& topic : topics_) {
        if (topic.id == name) {
            return topic.id;
        }
    }
    for (const Topic& topic : topics_) {
        if (topic.id.compare(name, Qt::CaseInsensitive) == 0) {
            return topic.id;
        }
    }
    return {};
}

QStringList HelpDocument::keywords(const QString& filter) const {
    QStringList list;
    for (const QString& text : keywordTexts_) {
        if (text.contains(filter.trimmed(), Qt::CaseInsensitive)) {
            list.append(text);
        }
    }
    std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return list;
}

QString HelpDocument::topicOfKeyword(const QString& keyword) const {
    return keywordTopics_.value(keyword.trimmed().toLower());
}

QString HelpDocument::firstTopic() const {
    const QString contents = topicId(QStringLiteral("contents"));
    if (!contents.isEmpty()) {
        return contents;
    }
    return topics_.isEmpty() ? QString() : topics_.front().id;
}

}  // namespace platform

#include "HelpPage.h"

#include <array>

namespace ppxbuild {
namespace {

struct Labels {
    const char* artist;
    const char* source;
};

// Headings of the artist topic and of the credit line, per language.
constexpr std::array<Labels, kLanguageCount> kLabels = {{
    {"About the artist", "Picture by"},
    {"Über den Künstler", "Bild von"},
    {"À propos de l'auteur", "Image de"},
    {"Sobre el autor", "Imagen de"},
    {"L'autore", "Immagine di"},
}};

const char* languageCode(Language language) {
    constexpr std::array<const char*, kLanguageCount> kCodes = {"en", "de", "fr", "es", "it"};
    return kCodes[static_cast<std::size_t>(language)];
}

std::string paragraph(const std::string& text) {
    return "<p>" + escapeHtml(text) + "</p>\n";
}

}  // namespace

std::string escapeHtml(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string helpPage(const PictureDescription& picture, Language language) {
    const LanguageTexts& t = picture.in(language);
    const Labels& labels = kLabels[static_cast<std::size_t>(language)];
    const std::string title = escapeHtml(t.title);
    std::string html;
    html += "<!DOCTYPE html>\n<html lang=\"" + std::string(languageCode(language)) + "\">\n";
    html += "<head><meta charset=\"utf-8\"><title>" + title + "</title></head>\n<body>\n";
    html += "<div id=\"contents\">\n";
    html += "<h1 id=\"" + escapeHtml(picture.pictureTopic()) + "\">" + title + "</h1>\n";
    html += paragraph(t.description);
    html += paragraph(t.pictureHelp);
    html += paragraph(std::string(labels.source) + " " + picture.artist + ".");
    html += "<h2 id=\"" + escapeHtml(picture.artistTopic()) + "\">" + labels.artist + ": " +
            escapeHtml(picture.artist) + "</h2>\n";
    html += paragraph(t.artistHelp);
    html += "</div>\n</body>\n</html>\n";
    return html;
}

}  // namespace ppxbuild

#include "DialogTexts.h"

#include <array>

namespace piclib {
namespace {

struct Texts {
    DialogText id;
    const char* english;
    const char* german;
    const char* french;
};

constexpr std::array kTexts{
    Texts{DialogText::kBrowserTitle, "New Game", "Neues Spiel", "Chargement Image"},
    Texts{DialogText::kAddGallery, "<Add a Gallery>", "<Galerie hinzufügen>",
          "<Ajouter une collection>"},
    Texts{DialogText::kSelectPicture, "&Select Picture", "Bild &wählen", "&Choisir image"},
    Texts{DialogText::kInfoPicture, "Info &Picture", "Info &Bild", "Info &Image"},
    Texts{DialogText::kInfoArtist, "Info &Artist", "Info &Künstler", "Info &Artiste"},
    Texts{DialogText::kAutomaticPreview, "A&utomatic Preview", "A&utomatische Vorschau",
          "Aperç&u automatique"},
    Texts{DialogText::kOk, "OK", "OK", "OK"},
    Texts{DialogText::kCancel, "Cancel", "Abbrechen", "Annuler"},
    Texts{DialogText::kHelp, "&Help", "&Hilfe", "&Aide"},
    Texts{DialogText::kClickToPreview, "Click here to preview", "Für Vorschau hier klicken",
          "Cliquez ici pour aperçu"},
    Texts{DialogText::kLoading, "Loading", "Lade", "Charger"},
    Texts{DialogText::kNotValidImage, "Not a valid Image", "Kein gültiges Bild",
          "n'est pas une image valide"},
    Texts{DialogText::kUnableToLocateGallery, "Unable to locate Gallery %1!",
          "Kann Galerie %1 nicht finden!", "Impossible de localiser la collection %1!"},
    Texts{DialogText::kGalleryFilter, "Galleries (*.tmb)", "Galerien (*.tmb)",
          "Collections (*.tmb)"},
    Texts{DialogText::kAttention, "Attention", "Achtung", "Attention"},
    Texts{DialogText::kSomeGalleriesMissing, "Some or all galleries can't be located!",
          "Einige oder alle Galerien sind nicht auffindbar!",
          "Certaines collections sont introuvables !"},
    Texts{DialogText::kWhatToDo, "What would you like to do?", "Was möchten Sie tun?",
          "Que voulez-vous faire ?"},
    Texts{DialogText::kDeleteExplained,
          "If you choose \"Delete Galleries\" the references to the gallery files will be erased "
          "and this error message won't appear anymore.",
          "Wenn Sie \"Galerien löschen\" wählen, werden die Verweise auf die Galeriedateien "
          "gelöscht und diese Meldung erscheint nicht mehr.",
          "Si vous choisissez \"Supprimer collections\", les références aux fichiers des "
          "collections seront effacées et ce message n'apparaîtra plus."},
    Texts{DialogText::kIgnoreExplained,
          "If you choose \"Ignore\" the galleries that can't be located will be removed for this "
          "session only.",
          "Wenn Sie \"Ignorieren\" wählen, werden die nicht auffindbaren Galerien nur für diese "
          "Sitzung entfernt.",
          "Si vous choisissez \"Ignorer\", les collections introuvables seront retirées pour "
          "cette session seulement."},
    Texts{DialogText::kDeleteGalleries, "Delete Galleries", "Galerien löschen",
          "Supprimer collections"},
    Texts{DialogText::kIgnore, "Ignore", "Ignorieren", "Ignorer"},
    Texts{DialogText::kSelectGalleriesToDelete, "Select the galleries to be deleted.",
          "Select the galleries to be deleted.", "Select the galleries to be deleted."},
    Texts{DialogText::kDelete, "Delete", "Delete", "Delete"},
    Texts{DialogText::kErrorOpeningFile, "Error opening file", "Fehler beim Öffnen der Datei",
          "Erreur à l'ouverture du fichier"},
    Texts{DialogText::kCannotFindImage, "Cannot find Image!", "Bild nicht gefunden!",
          "Image introuvable !"},
    Texts{DialogText::kSearch, "Search", "Suchen", "Rechercher"},
    Texts{DialogText::kNoMemory, "OOPS, No Memory left?", "OOPS, No Memory left?",
          "OOPS, No Memory left?"},
};

}  // namespace

QString dialogText(DialogText id, char language) {
    for (const Texts& t : kTexts) {
        if (t.id == id) {
            switch (language) {
                case 'G':
                    return QString::fromUtf8(t.german);
                case 'F':
                    return QString::fromUtf8(t.french);
                default:
                    return QString::fromUtf8(t.english);
            }
        }
    }
    return {};
}

}  // namespace piclib

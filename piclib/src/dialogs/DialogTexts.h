#pragma once

#include <QString>

namespace piclib {

// The texts of the picture selection dialogs. English, German (G) and
// French (F); every other language letter takes English.
enum class DialogText {
    kBrowserTitle,
    kAddGallery,
    kSelectPicture,
    kInfoPicture,
    kInfoArtist,
    kAutomaticPreview,
    kOk,
    kCancel,
    kHelp,
    kClickToPreview,
    kLoading,
    kNotValidImage,
    kUnableToLocateGallery,  // %1: the gallery
    kGalleryFilter,
    kAttention,
    kSomeGalleriesMissing,
    kWhatToDo,
    kDeleteExplained,
    kIgnoreExplained,
    kDeleteGalleries,
    kIgnore,
    kSelectGalleriesToDelete,
    kDelete,
    kErrorOpeningFile,
    kCannotFindImage,
    kSearch,
    kNoMemory,
};

QString dialogText(DialogText id, char language);

}  // namespace piclib

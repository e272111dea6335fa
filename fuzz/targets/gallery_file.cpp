// A gallery file (.TMB) as the gallery browser reads it: header, the two cell
// pictures, the picture entries from the index or the chain, their texts in
// every language, their thumbnails, and the search for an entry's picture.
#include <string>

#include "FuzzSupport.h"
#include "GalleryFile.h"
#include "GalleryList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzzsupport::scratchFile("GALLERY.TMB", {data, size});
    piclib::galleryFileDescription(path);
    const piclib::GalleryFile gallery = piclib::GalleryFile::open(path);
    if (const auto first = gallery.firstEntry()) {
        gallery.thumbnail(*first);
        if (const auto second = gallery.nextEntry(*first)) {
            gallery.thumbnail(*second);
        }
    }
    std::string tried;
    for (const std::uint32_t offset : gallery.pictureOffsets()) {
        const auto entry = gallery.entryAt(offset);
        if (!entry) {
            continue;
        }
        for (const char language : {'E', 'G', 'F', 'I', 'S'}) {
            entry->title(language);
            entry->description(language);
        }
        gallery.thumbnail(*entry);
        piclib::findEntryPicture(*entry, path, tried);
    }
    return 0;
}

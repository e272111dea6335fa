// The list of known galleries (Gallery.ini) as the gallery dialogs read it:
// every listed path with its description and last picture, a search by
// description, the last gallery opened, then an entry rewritten and one
// removed with the later ones renumbered.
#include <string>

#include "FuzzSupport.h"
#include "GalleryList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzzsupport::scratchFile("Gallery.ini", {data, size});
    const piclib::GalleryList list(path);
    list.any();
    const int count = list.count();
    for (int n = 0; n < count; ++n) {
        list.path(n);
        list.description(n);
        list.lastPicture(n);
    }
    list.find("Animals");
    list.lastOpened();
    list.set(0, "/usr/share/tessella/TESSELLA.TMB", 3);
    list.remove(count / 2);
    list.count();
    return 0;
}

#pragma once

#include <string>
#include <vector>

namespace ppxbuild {

// Builds the shipped pictures: for every description file <STEM>.desc in
// descriptions (in name order) the picture file <STEM>.PPX and its help files
// <STEM>.HLP, .HLG, .HLF, .HLS, .HLI in output, from the source pictures in
// sources; then the gallery TESSELLA.TMB of all of them, the logo file LOGO.LGO and a copy of the
// licence record LICENSES.md of descriptions. Every output depends only on the inputs, so two runs
// write the same bytes. Returns false with a reason on the first failure.
bool buildPictureSet(const std::string& descriptions, const std::string& sources,
                     const std::string& output, std::string& error);

// The description files of a folder, sorted by name.
std::vector<std::string> descriptionFiles(const std::string& folder);

}  // namespace ppxbuild

#include "ColourReduction.h"

#include <new>

#include "ColourCandidates.h"
#include "ColourCube.h"
#include "ColourSampled.h"
#include "HistogramBoxes.h"
#include "ReduceFrame.h"
#include "ReduceReporter.h"
#include "ReduceSource.h"

namespace piclib {
namespace {

// Methods 1 and 2 report after each pair of rows against the height rounded
// down to even.
template <class Mapper>
bool convertFixed(Mapper& mapper, ReduceFrame& frame, ReduceReporter& reporter, long rows,
                  platform::PackedDib& result) {
    if (!frame.convert(mapper, reporter, 0, rows & ~1L)) {
        return false;
    }
    ReduceFrame::storePalette(mapper.palette(), result);
    return true;
}

// Method 3: the histogram phases report against twice the height, the
// conversion continues from the even height E against 2E.
bool convertOptimised(ReduceSource& source, ReduceFrame& frame, ReduceReporter& reporter,
                      platform::PackedDib& result) {
    ReducePalette palette{};
    int chosen = 0;
    {
        HistogramBoxes boxes;
        if (!boxes.build(source, reporter)) {
            return false;
        }
        chosen = boxes.storeMeans(palette);
    }
    ColourCandidates candidates(palette, chosen);
    const long even = source.rows() & ~1L;
    if (!frame.convert(candidates, reporter, even, 2 * even)) {
        return false;
    }
    ReduceFrame::storePalette(candidates.palette(), result);
    return true;
}

platform::PackedDib reduce(const platform::PackedDib& source, int method, ReduceProgress progress,
                           void* context) {
    ReduceSource reader(source);
    if (!reader.valid()) {
        return {};
    }
    platform::PackedDib result =
        platform::PackedDib::create(reader.width(), reader.storedHeight(), 8, 256);
    ReduceFrame frame(reader, result);
    ReduceReporter reporter(progress, context);
    bool finished = false;
    if (method == 1) {
        ColourCube cube;
        finished = convertFixed(cube, frame, reporter, reader.rows(), result);
    } else if (method == 2) {
        ColourSampled sampled(reader);
        finished = convertFixed(sampled, frame, reporter, reader.rows(), result);
    } else {
        finished = convertOptimised(reader, frame, reporter, result);
    }
    return finished ? result : platform::PackedDib{};
}

}  // namespace

platform::PackedDib ReduceColourDepth(const platform::PackedDib& source, int targetBits, int method,
                                      ReduceProgress progress, void* context) {
    if (targetBits != 8 || method < 1 || method > 3) {
        return {};
    }
    try {
        return reduce(source, method, progress, context);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

}  // namespace piclib

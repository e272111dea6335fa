#include "model/ScatterPlacement.h"

#include <algorithm>
#include <cstdlib>

ScatterPlacement::ScatterPlacement(const Options& options, int pictureWidth, int pictureHeight,
                                   int pieceWidth, int pieceHeight, int clientWidth,
                                   int clientHeight)
    : m_options(options),
      m_pictureWidth(pictureWidth),
      m_pictureHeight(pictureHeight),
      m_pieceWidth(pieceWidth),
      m_pieceHeight(pieceHeight),
      m_clientWidth(clientWidth),
      m_clientHeight(clientHeight) {
    if (options.visibleOnly && !options.reserveSpace) {
        m_offset = {pictureWidth / 4, pictureHeight / 4};
    }
}

namespace {

// rand() mod span; a range no wider than a piece gives 0 instead of a
// division by zero.
int draw(int range, int piece) {
    const int span = range - piece;
    return span > 0 ? std::rand() % span : 0;
}

}  // namespace

ScatterPlacement::Point ScatterPlacement::Next() const {
    bool visible = m_options.visibleOnly;
    int rejected = 0;
    Point p;
    for (int tries = 0; tries < kTries; ++tries) {
        // A window larger than the table would throw pieces off the table;
        // the offset added to every position counts against the table too.
        const int rangeWidth =
            visible ? std::min(m_clientWidth, 2 * m_pictureWidth - m_offset.x) : 2 * m_pictureWidth;
        const int rangeHeight = visible ? std::min(m_clientHeight, 2 * m_pictureHeight - m_offset.y)
                                        : 2 * m_pictureHeight;
        p.x = draw(rangeWidth, m_pieceWidth);
        p.y = draw(rangeHeight, m_pieceHeight);
        const bool overPicture = p.x <= m_pictureWidth && p.y <= m_pictureHeight;
        if (!m_options.reserveSpace || !overPicture || rejected >= kRejectionsBeforeVisible) {
            break;
        }
        if (++rejected == kRejectionsBeforeVisible) {
            visible = true;
        }
    }
    return p;
}

#include "model/PuzzleBuilder.h"

#include <algorithm>
#include <cstdlib>

#include "cutting/PieceCutter.h"
#include "model/PictureFit.h"

namespace {

void stretchPicture(platform::Surface& picture, int width, int height) {
    platform::Surface resized(width, height);
    resized.stretch(resized.bounds(), picture, picture.bounds());
    picture = std::move(resized);
}

int centring(int client, int picture) {
    return picture < client ? (client - picture) / 2 : 10;
}

}  // namespace

int PuzzleBuilder::LargestZoomOut(int tableWidth, int tableHeight, int screenWidth,
                                  int screenHeight) {
    int level = 1;
    double f = 1.0;
    for (int round = 0; round < 30; ++round) {
        f *= 1.414;
        if (tableWidth / f <= screenWidth && tableHeight / f < screenHeight) {
            ++level;
        }
    }
    return level;
}

std::unique_ptr<Puzzle> PuzzleBuilder::Build(platform::Surface& picture, const Request& request,
                                             const Hooks& hooks, platform::Surface* window) {
    const CutGrid grid =
        CutGrid::For(picture.width(), picture.height(), request.pieceWidth, request.pieceHeight);
    std::srand(request.seed);
    const cutting::PieceCutter cutter(grid.pieceWidth, grid.pieceHeight, grid.columns, grid.rows);
    auto puzzle = std::make_unique<Puzzle>();
    const int pieces = grid.columns * grid.rows;
    puzzle->store =
        std::make_unique<sprites::SpriteStore>(pieces, request.screenWidth, request.screenHeight);
    sprites::SpriteStore& store = *puzzle->store;
    store.marginX = static_cast<std::int16_t>(cutter.marginX());
    store.marginY = static_cast<std::int16_t>(cutter.marginY());
    store.snapTolerance = static_cast<std::int16_t>(std::max(2 * cutter.marginX(), 4));
    if (grid.picture.resample) {
        (hooks.resample ? hooks.resample : stretchPicture)(picture, grid.picture.width,
                                                           grid.picture.height);
    }
    const int w = picture.width();
    const int h = picture.height();
    puzzle->seed = request.seed;
    puzzle->columns = grid.columns;
    puzzle->rows = grid.rows;
    puzzle->pieceWidth = grid.pieceWidth;
    puzzle->pieceHeight = grid.pieceHeight;
    puzzle->pictureWidth = w;
    puzzle->pictureHeight = h;
    puzzle->offsetX = centring(request.clientWidth, w);
    puzzle->offsetY = centring(request.clientHeight, h);
    puzzle->workspaceWidth = 2 * w;
    puzzle->workspaceHeight = 2 * h;
    store.moveAsideOn = request.moveAside ? 1 : 0;
    store.groupThreshold = static_cast<std::int16_t>(request.smallPieceThreshold);
    store.placementFlags = static_cast<std::int16_t>(request.placementFlags);
    if (request.background) {
        store.setBackgroundColour(*request.background);
    }
    store.setWorkspace(puzzle->workspaceWidth, puzzle->workspaceHeight);

    const ScatterPlacement placement(request.placement, w, h, grid.pieceWidth, grid.pieceHeight,
                                     request.clientWidth, request.clientHeight);
    const int step = pieces > 0 ? 10000 / pieces : 0;
    int progress = 0;
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            const cutting::MaskBox box = cutter.maskBox(column, row);
            const cutting::PieceMask* mask = cutter.mask(column, row);
            const cutting::MaskBits bits{
                mask->words(), mask->wordsPerRow(), mask->width(), mask->height(), 0, 0};
            const sprites::CellRect cell{column * grid.pieceWidth, row * grid.pieceHeight,
                                         grid.pieceWidth, grid.pieceHeight};
            auto sprite = sprites::Sprite::create(&picture, box.left, box.top, box.width,
                                                  box.height, cell, &bits);
            platform::Rect shown{};
            if (window != nullptr) {
                sprite->showCut(*window, puzzle->offsetX, puzzle->offsetY);
                const platform::Rect box = sprite->box();
                shown = {box.left + puzzle->offsetX, box.top + puzzle->offsetY,
                         box.right + puzzle->offsetX, box.bottom + puzzle->offsetY};
            } else {
                sprite->paintBevel();
            }
            sprites::Sprite* s = sprite.get();
            store.add(std::move(sprite));
            store.collectRims(puzzle->lowerRightRims, true, s);
            store.collectRims(puzzle->upperLeftRims, false, s);
            const ScatterPlacement::Point p = placement.Next();
            store.setPosition(s, placement.Offset().x + p.x, placement.Offset().y + p.y);
            ++puzzle->pieceCount;
            if (hooks.piece) {
                hooks.piece(puzzle->pieceCount, shown);
            }
            const int before = progress / 400;
            progress += step;
            if (progress / 400 > before && hooks.progress) {
                hooks.progress(progress / 100);
            }
        }
    }
    store.setWorkspace(puzzle->workspaceWidth, puzzle->workspaceHeight);
    puzzle->scrollX = w / 4 - (w / 4) / 4;
    puzzle->scrollY = h / 4 - (h / 4) / 4;
    puzzle->largestZoomOut =
        LargestZoomOut(puzzle->workspaceWidth, puzzle->workspaceHeight,
                       request.zoomAreaWidth > 0 ? request.zoomAreaWidth : request.screenWidth,
                       request.zoomAreaHeight > 0 ? request.zoomAreaHeight : request.screenHeight);
    return puzzle;
}

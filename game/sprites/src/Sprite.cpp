#include "sprites/Sprite.h"

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace sprites {

std::unique_ptr<Sprite> Sprite::create(platform::Surface* picture, int x, int y, int width,
                                       int height, const CellRect& cell,
                                       const cutting::MaskBits* mask) {
    auto s = std::make_unique<Sprite>();
    s->picture = picture;
    s->x = s->sourceX = x;
    s->y = s->sourceY = y;
    s->width = width;
    s->height = height;
    s->homeColumn = static_cast<std::int16_t>(cell.width > 0 ? cell.x / cell.width : 0);
    s->homeRow = static_cast<std::int16_t>(cell.height > 0 ? cell.y / cell.height : 0);
    s->cells.push_back({s->homeColumn, s->homeRow});
    s->pieceWidth = static_cast<std::int16_t>(cell.width);
    s->pieceHeight = static_cast<std::int16_t>(cell.height);
    s->region = mask != nullptr ? cutting::SpanRegion::fromMask(*mask)
                                : cutting::SpanRegion::fromRect(0, 0, width - 1, height - 1);
    return s;
}

void Sprite::paintBevel() {
    if (picture == nullptr) {
        return;
    }
    const bool red = locked != 0;
    region.upperLeftRim().drawLines(*picture, sourceX, sourceY, red ? kLockedLight : kBevelLight,
                                    zoomMap, 1);
    region.lowerRightRim().drawLines(*picture, sourceX, sourceY, red ? kLockedDark : kBevelDark,
                                     zoomMap, 2);
}

void Sprite::showCut(platform::Surface& window, int offsetX, int offsetY) {
    paintBevel();
    drawTo(window, offsetX + x, offsetY + y);
}

bool Sprite::drawTo(platform::Surface& target, int tx, int ty, const cutting::CoordMap* map) const {
    if (picture == nullptr) {
        return false;
    }
    return region.copyThrough(target, tx, ty, *picture, sourceX, sourceY, map);
}

void Sprite::write(platform::ByteWriter& out) const {
    region.write(out);
    const int values[] = {
        homeColumn,   homeRow,  x,       y,           width,        height,      sourceX,
        sourceY,      grabX,    grabY,   cellCount(), pieceWidth,   pieceHeight, lastPointerX,
        lastPointerY, reserved, dragged, locked,      reserved2[0], reserved2[1]};
    for (int v : values) {
        out.i16(static_cast<std::int16_t>(v));
    }
    for (const CellRef& c : cells) {
        out.i16(c.column);
        out.i16(c.row);
    }
}

bool Sprite::read(platform::ByteReader& in) {
    if (!region.read(in)) {
        return false;
    }
    std::int16_t v[20];
    for (auto& value : v) {
        value = in.i16();
    }
    if (!in.ok()) {
        return false;
    }
    homeColumn = v[0];
    homeRow = v[1];
    x = v[2];
    y = v[3];
    width = v[4];
    height = v[5];
    sourceX = v[6];
    sourceY = v[7];
    grabX = v[8];
    grabY = v[9];
    const int count = v[10];
    pieceWidth = v[11];
    pieceHeight = v[12];
    lastPointerX = v[13];
    lastPointerY = v[14];
    reserved = v[15];
    dragged = v[16];
    locked = v[17];
    reserved2[0] = v[18];
    reserved2[1] = v[19];
    if (width < 0 || height < 0) {
        in.fail("Sprite: negative box size");
        return false;
    }
    if (count < 0 || in.remaining() / 4 < static_cast<std::size_t>(count)) {
        in.fail("Sprite: cell count does not fit the data");
        return false;
    }
    const auto b = region.bounds();
    if (region.count() > 0 && (b.left < 0 || b.top < 0 || b.right >= width || b.bottom >= height)) {
        in.fail("Sprite: region reaches outside the box");
        return false;
    }
    cells.clear();
    for (int i = 0; i < count; ++i) {
        CellRef c;
        c.column = in.i16();
        c.row = in.i16();
        cells.push_back(c);
    }
    zoomMap = nullptr;
    inverseMap = nullptr;
    return in.ok();
}

}  // namespace sprites

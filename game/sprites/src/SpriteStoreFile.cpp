#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "sprites/SpriteStore.h"

namespace sprites {

void SpriteStore::write(platform::ByteWriter& out) const {
    const int values[] = {count(),         marginX,       marginY,        snapTolerance,
                          reserved,        bufferWidth(), bufferHeight(), groupThreshold,
                          placementFlags,  moveAsideOn,   scrollX_,       scrollY_,
                          reserved3[0],    reserved3[1],  reserved3[2],   workspaceWidth_,
                          workspaceHeight_};
    for (int v : values) {
        out.i16(static_cast<std::int16_t>(v));
    }
    out.i32(pending.left);
    out.i32(pending.top);
    out.i32(pending.right);
    out.i32(pending.bottom);
}

bool SpriteStore::read(platform::ByteReader& in, int* savedCount) {
    std::int16_t v[17];
    for (auto& value : v) {
        value = in.i16();
    }
    platform::Rect p;
    p.left = in.i32();
    p.top = in.i32();
    p.right = in.i32();
    p.bottom = in.i32();
    if (!in.ok()) {
        return false;
    }
    if (v[0] < 0) {
        in.fail("Sprite store: negative group count");
        return false;
    }
    if (v[15] < 0 || v[16] < 0) {
        in.fail("Sprite store: negative table size");
        return false;
    }
    clear();
    if (savedCount != nullptr) {
        *savedCount = v[0];
    }
    marginX = v[1];
    marginY = v[2];
    snapTolerance = v[3];
    reserved = v[4];
    // v[5], v[6]: the buffer size of the screen that wrote the file; the
    // buffers of this store stay as they are.
    groupThreshold = v[7];
    placementFlags = v[8];
    moveAsideOn = v[9];
    scrollX_ = v[10];
    scrollY_ = v[11];
    reserved3[0] = v[12];
    reserved3[1] = v[13];
    reserved3[2] = v[14];
    workspaceWidth_ = v[15];
    workspaceHeight_ = v[16];
    pending = p;
    return true;
}

}  // namespace sprites

// The saved forms of a region, a rim collection, a group and the sprite
// store, read one after another from the same bytes; the first byte chooses
// where the sequence starts.
#include "FuzzSupport.h"
#include "cutting/SpanRegion.h"
#include "platform/ByteReader.h"
#include "savegame/RimCollection.h"
#include "sprites/Sprite.h"
#include "sprites/SpriteStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    platform::ByteReader in(data + 1, size - 1);
    switch (data[0] % 4) {
        case 0: {
            cutting::SpanRegion region;
            if (!region.read(in)) {
                break;
            }
            [[fallthrough]];
        }
        case 1: {
            cutting::SpanRegion rims;
            if (!readRimCollection(in, rims)) {
                break;
            }
            [[fallthrough]];
        }
        case 2: {
            sprites::Sprite group;
            if (!group.read(in)) {
                break;
            }
            [[fallthrough]];
        }
        default: {
            sprites::SpriteStore store(4, 64, 64);
            int count = 0;
            store.read(in, &count);
        }
    }
    return 0;
}

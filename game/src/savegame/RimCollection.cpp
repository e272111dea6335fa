#include "savegame/RimCollection.h"

#include <algorithm>
#include <vector>

#include "cutting/SpanRegion.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace {

constexpr int kTailRecords = 4;  // the terminating run and 24 bytes of no meaning
constexpr int kRunBytes = 8;

bool follows(const cutting::Run& p, const cutting::Run& r) {
    return p.top == p.bottom && r.top == r.bottom &&
           (r.top > p.top || (r.top == p.top && r.left > p.right));
}

// One sorted stretch as a region of its own, through its saved form.
bool readStretch(const std::vector<cutting::Run>& runs, std::size_t from, std::size_t to,
                 cutting::SpanRegion& into, platform::ByteReader& source) {
    cutting::RegionBounds b{runs[from].left, runs[from].top, runs[from].right, runs[from].bottom};
    for (std::size_t i = from; i < to; ++i) {
        b.left = std::min(b.left, runs[i].left);
        b.top = std::min(b.top, runs[i].top);
        b.right = std::max(b.right, runs[i].right);
        b.bottom = std::max(b.bottom, runs[i].bottom);
    }
    platform::ByteWriter out;
    const auto count = static_cast<std::int32_t>(to - from);
    out.i32(count);
    out.i32(count);
    for (std::int16_t v : {b.left, b.top, b.right, b.bottom}) {
        out.i16(v);
    }
    for (std::size_t i = from; i < to + kTailRecords; ++i) {
        const cutting::Run r = i < to ? runs[i] : cutting::Run{};
        for (std::int16_t v : {r.left, r.right, r.top, r.bottom}) {
            out.i16(v);
        }
    }
    platform::ByteReader in(out.bytes());
    if (!into.read(in)) {
        source.fail(in.error());
        return false;
    }
    return true;
}

}  // namespace

bool readRimCollection(platform::ByteReader& in, cutting::SpanRegion& rims) {
    const std::int32_t count = in.i32();
    const std::int32_t again = in.i32();
    for (int i = 0; i < 4; ++i) {
        in.i16();  // the bounds follow from the runs
    }
    if (!in.ok()) {
        return false;
    }
    if (count < 0 || count != again) {
        in.fail("Rims: the run counts are wrong");
        return false;
    }
    const auto records = static_cast<std::size_t>(count) + kTailRecords;
    if (in.remaining() / kRunBytes < records) {
        in.fail("Rims: more runs than the data holds");
        return false;
    }
    std::vector<cutting::Run> runs(records);
    for (cutting::Run& r : runs) {
        r.left = in.i16();
        r.right = in.i16();
        r.top = in.i16();
        r.bottom = in.i16();
    }
    runs.resize(static_cast<std::size_t>(count));
    if (runs.empty()) {
        rims = cutting::SpanRegion::fromRect(0, 0, -1, -1);
        return true;
    }
    std::size_t from = 0;
    for (std::size_t i = 1; i <= runs.size(); ++i) {
        if (i < runs.size() && follows(runs[i - 1], runs[i])) {
            continue;
        }
        cutting::SpanRegion stretch;
        if (!readStretch(runs, from, i, from == 0 ? rims : stretch, in)) {
            return false;
        }
        if (from != 0) {
            rims.append(stretch, cutting::SpanRegion::Tail::kKeep);  // runs as stored
        }
        from = i;
    }
    return true;
}

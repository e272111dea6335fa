#include <cstdlib>

#include "RegionMessages.h"
#include "cutting/Failures.h"
#include "cutting/SpanRegion.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace cutting {

namespace {

void writeRun(platform::ByteWriter& out, const Run& r) {
    out.i16(r.left);
    out.i16(r.right);
    out.i16(r.top);
    out.i16(r.bottom);
}

Run readRun(platform::ByteReader& in) {
    Run r;
    r.left = in.i16();
    r.right = in.i16();
    r.top = in.i16();
    r.bottom = in.i16();
    return r;
}

void writeHeader(platform::ByteWriter& out, std::int32_t count, const RegionBounds& b) {
    out.i32(count);
    out.i32(count);
    out.i16(b.left);
    out.i16(b.top);
    out.i16(b.right);
    out.i16(b.bottom);
}

// Why the runs cannot belong to a region with these bounds, or null.
const char* runProblem(const Run* runs, int count, const RegionBounds& b) {
    for (int i = 0; i < count; ++i) {
        const Run& r = runs[i];
        if (r.left > r.right || r.top > r.bottom) {
            return "Region: a run is inverted";
        }
        if (r.left < b.left || r.right > b.right || r.top < b.top || r.bottom > b.bottom) {
            return "Region: a run lies outside the bounds";
        }
        if (count > 1 && r.top != r.bottom) {
            return "Region: a run of several rows among others";
        }
        if (i > 0) {
            const Run& p = runs[i - 1];
            if (r.top < p.top || (r.top == p.top && r.left <= p.right)) {
                return "Region: runs out of order";
            }
        }
    }
    return nullptr;
}

}  // namespace

void SpanRegion::write(platform::ByteWriter& out) const {
    if (!usable()) {
        // Keep the file readable: an unallocated region is saved as an empty one.
        writeHeader(out, 0, RegionBounds{});
        writeRun(out, Run{kBeyond, kBeyond, kBeyond, kBeyond});
        for (int i = 1; i < kTailRecords; ++i) {
            writeRun(out, Run{});
        }
        return;
    }
    Busy busy(*this);
    writeHeader(out, count_, bounds_);
    for (int i = 0; i < count_ + kTailRecords; ++i) {
        writeRun(out, runs_[i]);
    }
}

bool SpanRegion::read(platform::ByteReader& in) {
    *this = fromRect(0, 0, -1, -1);
    busy_ = 0;
    const std::int32_t count = in.i32();
    const std::int32_t again = in.i32();
    RegionBounds b;
    b.left = in.i16();
    b.top = in.i16();
    b.right = in.i16();
    b.bottom = in.i16();
    if (!in.ok()) {
        return false;
    }
    if (count < 0) {
        in.fail("Region: negative run count");
        return false;
    }
    if (count != again) {
        in.fail("Region: the two run counts differ");
        return false;
    }
    const std::size_t records = static_cast<std::size_t>(count) + kTailRecords;
    if (in.remaining() / sizeof(Run) < records) {
        in.fail("Region: more runs than the data holds");
        return false;
    }
    Run* block = static_cast<Run*>(std::calloc(records, sizeof(Run)));
    if (block == nullptr) {
        throw MemoryException();
    }
    for (std::size_t i = 0; i < records; ++i) {
        block[i] = readRun(in);
    }
    if (const char* problem = runProblem(block, count, b)) {
        std::free(block);
        in.fail(problem);
        return false;
    }
    std::free(runs_);
    runs_ = block;
    count_ = count;
    capacity_ = static_cast<std::size_t>(count);
    bounds_ = b;
    classify();
    return true;
}

}  // namespace cutting

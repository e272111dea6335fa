#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {
class ByteReader;
class ByteWriter;
class Surface;
struct Rect;
}  // namespace platform

namespace cutting {

class CoordMap;
class PaintMask;

// One horizontal run of a region, inclusive on all four sides (columns left
// to right, rows top to bottom). Eight bytes in the saved form.
struct Run {
    std::int16_t left = 0;
    std::int16_t right = 0;
    std::int16_t top = 0;
    std::int16_t bottom = 0;
    bool operator==(const Run&) const = default;
};

// Coordinate beyond every real table or picture coordinate; the terminating
// run carries it in all four fields.
constexpr std::int16_t kBeyond = 32000;

struct RegionBounds {
    std::int16_t left = kBeyond;
    std::int16_t right = 0;
    std::int16_t top = kBeyond;
    std::int16_t bottom = 0;
    bool operator==(const RegionBounds&) const = default;
};

// A one-bit mask in raw form: rows of wordsPerRow 16-bit words, row 0 on top;
// pixel (x, y) is bit 7 - x % 8 of byte x / 8 of row y (most significant bit
// leftmost). Every run made from it is shifted by (offsetX, offsetY).
struct MaskBits {
    const std::uint16_t* words = nullptr;
    int wordsPerRow = 0;
    int width = 0;
    int height = 0;
    int offsetX = 0;
    int offsetY = 0;
};

// The exact pixel set of a piece or group as a list of horizontal runs,
// ordered by top, then left, with runs of one row never overlapping. The run
// block always holds count runs, a terminating run (kBeyond four times) and
// three records (24 bytes) of no meaning, so it is count * 8 + 32 bytes long;
// it is written out exactly so in the saved form.
//
// A region whose block is missing (default-constructed, freed, or moved from)
// reports "Error: Region was not allocated!" when used. Failures to allocate
// show "No memory left for operation!" (combine) or raise MemoryException
// (construction).
class SpanRegion {
  public:
    enum Mode { kUnion = 2, kDifference = 4, kCopy = 5 };
    // Whether finishing a block drops a last run on row 0, as every built,
    // combined or appended region does; a rectangle, a copy or a collection
    // read back from a file keeps its runs.
    enum class Tail { kDropRowZero, kKeep };

    SpanRegion() = default;
    SpanRegion(SpanRegion&& other) noexcept;
    SpanRegion& operator=(SpanRegion&& other) noexcept;
    SpanRegion(const SpanRegion&) = delete;
    SpanRegion& operator=(const SpanRegion&) = delete;
    ~SpanRegion();

    // One run covering the inclusive rectangle; no runs when it is empty.
    static SpanRegion fromRect(int left, int top, int right, int bottom);
    static SpanRegion fromMask(const MaskBits& mask);
    // Mode 2 union, 4 a minus b, 5 copy of a; any other mode gives a region
    // without runs.
    static SpanRegion combine(const SpanRegion& a, const SpanRegion& b, int mode);

    SpanRegion copy() const { return combine(*this, *this, kCopy); }
    // Region minus itself shifted by (1, 1): the upper-left rim.
    SpanRegion upperLeftRim() const;
    // Region minus itself shifted by (-1, -1): the lower-right rim.
    SpanRegion lowerRightRim() const;

    bool allocated() const { return runs_ != nullptr; }
    int count() const { return count_; }
    const Run* runs() const { return runs_; }
    RegionBounds bounds() const;

    void offset(int dx, int dy);
    bool contains(int x, int y) const;
    // Adds b's runs after this region's, in b's order, without sorting or
    // merging; the bounds are recomputed (top from the first run, bottom from
    // the last, a last run on row 0 dropped). Costs time in b's runs only (the
    // block grows geometrically), so a collection built piece by piece is
    // linear in its runs.
    void append(const SpanRegion& b, Tail tail = Tail::kDropRowZero);
    // Releases the run block; freeing during an operation on the region shows
    // "Bitmap Locking Error". The region is unallocated afterwards.
    void free();

    // Copies every run from src at (sx, sy) to dst at (dx, dy). With a map,
    // the source place of a run is mapped and the block moves rigidly by
    // map[dx] - map[sx], map[dy] - map[sy]. With painted, only pixels not
    // painted yet are copied (and then marked), and a region wholly under
    // painted pixels costs one look at its bounds. False when a surface is
    // null.
    bool copyThrough(platform::Surface& dst, int dx, int dy, const platform::Surface& src, int sx,
                     int sy, const CoordMap* map, PaintMask* painted = nullptr) const;
    // Draws every run as a horizontal line of colorRef (0x00BBGGRR) at (x, y).
    // mode 1 is the light upper-left rim, mode 2 the dark lower-right rim;
    // it only matters for a reducing map.
    void drawLines(platform::Surface& dst, int x, int y, std::uint32_t colorRef,
                   const CoordMap* map, int mode) const;

    void write(platform::ByteWriter& out) const;
    // Replaces this region by the one read. A malformed record is refused
    // (false, reason in in.error()) before anything large is allocated, and
    // the region is then left without runs.
    bool read(platform::ByteReader& in);

  private:
    // Raises the busy count for the length of one operation.
    class Busy {
      public:
        explicit Busy(const SpanRegion& r) : r_(r) { ++r_.busy_; }
        ~Busy() { --r_.busy_; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

      private:
        const SpanRegion& r_;
    };
    // Records after the runs: the terminating run and 24 bytes of no meaning.
    static constexpr int kTailRecords = 4;

    // Takes ownership of a block holding count runs plus room for the tail.
    SpanRegion(Run* block, int count, Tail tail = Tail::kDropRowZero);
    // A zero-filled block for runs records and the tail; null when memory is
    // short.
    static Run* allocate(std::size_t runs);
    bool usable() const;
    void finish(Tail tail = Tail::kDropRowZero);
    void writeTail();
    // Takes in the bounds of runs b appended: left and right widen, bottom
    // becomes b's; an empty region takes b's bounds.
    void growBounds(const RegionBounds& b, bool empty);
    void computeBounds();
    void classify();
    // One-row, sorted, non-overlapping runs: the form the algebra works on.
    std::vector<Run> rows() const;
    void copyRuns(platform::Surface& dst, int dx, int dy, const platform::Surface& src, int sx,
                  int sy, PaintMask* painted) const;
    static void copyBlock(platform::Surface& dst, int dx, int dy, int w, int h,
                          const platform::Surface& src, int sx, int sy, PaintMask* painted);
    // Whether the bounds moved by (x, y) lie in s.
    bool liesIn(const platform::Surface& s, int x, int y) const;
    platform::Rect reach(const platform::Surface& dst, int dx, int dy, int sx, int sy,
                         const CoordMap* map) const;

    Run* runs_ = nullptr;
    std::int32_t count_ = 0;
    // Runs the block has room for before its tail; at least count_.
    std::size_t capacity_ = 0;
    RegionBounds bounds_{};
    // Atomic because separate bands of one picture are drawn at once.
    mutable std::atomic<std::int16_t> busy_ = 0;
    // True while the runs are one row high, ordered and non-overlapping, so
    // that contains may bisect and combine may merge them directly.
    bool simple_ = true;
};

}  // namespace cutting

#pragma once

namespace platform {
class ByteReader;
}  // namespace platform

namespace cutting {
class SpanRegion;
}  // namespace cutting

// The two rim collections of a saved game are regions built by appending
// the rims of every piece one after another, so their runs are sorted only
// piece by piece. The region's own reader insists on one sorted list; this
// reader takes the saved form apart into its sorted stretches, reads each as
// a region and appends them in file order, which gives back the same runs in
// the same order.
bool readRimCollection(platform::ByteReader& in, cutting::SpanRegion& rims);

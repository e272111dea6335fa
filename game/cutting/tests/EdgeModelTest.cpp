#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "cutting/EdgeCut.h"

using cutting::EdgeCut;
using cutting::EdgeOrientation;
using cutting::PieceMask;

// A second, plain reading of the edge shapes: the owner of every point of one
// edge, by depth and position, painted from the same rand() draws. The cutter
// must agree with it pixel for pixel.
namespace {

class EdgeModel {
  public:
    EdgeModel(long length, long margin)
        : len_(length), m_(margin), own_(static_cast<std::size_t>(2 * margin * length), 'B') {
        for (long d = -m_; d < 0; ++d) {
            for (long p = 0; p < len_; ++p) {
                at(d, p) = 'A';
            }
        }
    }

    char owner(long d, long p) const { return own_[static_cast<std::size_t>((d + m_) * len_ + p)]; }
    int strayPaints() const { return stray_; }

    void wavy() {
        long k = -1;
        for (long n = len_; n > 0; n /= 2) {
            ++k;
        }
        long s = 0;
        long q = 0;
        for (long i = 0; i < len_; ++i) {
            s += rnd(0, 1) == 1 ? 1 : -1;
            s = std::clamp(s, -(len_ / k), len_ / k);
            q += s;
            if (q >= m_ * k) {
                q = m_ * k - 1;
                s = 0;
            }
            if (q < -(m_ * k)) {
                q = -(m_ * k);
                s = 0;
            }
            if (q > i * k) {
                q = i * k;
                s = -1;
            }
            if (q < -(i * k)) {
                q = -(i * k);
                s = 1;
            }
            if (q > (len_ - i - 1) * k) {
                q = (len_ - i - 1) * k;
                s = -1;
            }
            if (q < (i - len_ + 1) * k) {
                q = (i - len_ + 1) * k;
                s = 1;
            }
            depthRun(0, (q / 2) / k, i, q >= 0);
        }
    }

    void knob() {
        const long L = len_;
        const long M = m_;
        long a = 0;
        long b = 0;
        do {
            a = rnd(L * 7 / 20, L * 5 / 10);
            b = rnd(L * 5 / 10, L * 13 / 20);
        } while (b - a < L / 10 || b - a > L * 5 / 20);
        const long e1 = rnd(M / 10, M * 2 / 10);
        const long p1 = a - rnd(L / 10, L * 2 / 10);
        const long e2 = rnd(M / 10, M * 2 / 10);
        const long p4 = b + rnd(L / 10, L * 2 / 10);
        const long h1 = rnd(M * 5 / 10, M * 7 / 10);
        long q1 = a - rnd(L / 20, L / 10);
        q1 = q1 <= L / 3 ? L / 3 + 1 : q1;
        const long h2 = rnd(M * 5 / 10, M * 7 / 10);
        long q2 = b + rnd(L / 20, L / 10);
        q2 = q2 >= L * 2 / 3 ? L * 2 / 3 - 1 : q2;
        const long t = rnd((std::max(h1, h2) + M) / 2, M - 2);
        const long c = (rnd(a, b) + rnd(a, b)) / 2;

        for (long i = 0; i <= p1; ++i) {
            depthRun(-ease(i, p1, e1), 0, i, false);
        }
        for (long i = p1 + 1; i <= a; ++i) {
            depthRun(-arc(e1, a - p1, i - p1), 0, i, false);
        }
        for (long j = 0; j <= h1; ++j) {
            lengthRun(j, a - ease(j, h1, a - q1), c);
        }
        for (long j = h1 + 1; j <= t; ++j) {
            lengthRun(j, c - arc(c - q1, t - h1, j - h1) - 1, c);
        }
        for (long j = t; j >= h2; --j) {
            lengthRun(j, c, c + arc(q2 - c, t - h2, j - h2) + 1);
        }
        for (long j = h2 > t ? t : h2 - 1; j >= 0; --j) {
            lengthRun(j, b + ease(j, h2, q2 - b), c);
        }
        for (long i = b; i <= p4; ++i) {
            depthRun(-arc(e2, p4 - b, i - p4), 0, i, false);
        }
        for (long i = p4 + 1; i < L; ++i) {
            depthRun(-ease(L - 1 - i, L - 1 - p4, e2), 0, i, false);
        }
    }

  private:
    static long rnd(long lo, long hi) {
        if (hi < lo) {
            std::swap(lo, hi);
        }
        return lo + std::rand() % (hi - lo + 1);
    }
    static long ease(long x, long n, long h) {
        if (h == 0) {
            return 0;
        }
        return x <= n / 2 ? ((h + 1) * x * 2 / n) * x / n : h - ease(n - x, n, h);
    }
    static long root(long v) {
        long scale = 1;
        while (v > 32000) {
            v /= 4;
            scale *= 2;
        }
        long x = v;
        while (v > 0 && !(x * x <= v && v < (x + 1) * (x + 1))) {
            x = (x + v / x) / 2;
        }
        return scale * x;
    }
    // height x sqrt(r^2 - off^2) / r, rooted as one radicand.
    static long arc(long height, long r, long off) {
        return height == 0 || r == 0 ? 0 : root((r * r - off * off) * height * height) / r;
    }

    char& at(long d, long p) { return own_[static_cast<std::size_t>((d + m_) * len_ + p)]; }
    void mark(long d, long p, bool give) {
        if (d < -m_ || d >= m_ || p < 0 || p >= len_) {
            ++stray_;
            return;
        }
        at(d, p) = give ? 'A' : 'B';
    }
    void depthRun(long d1, long d2, long p, bool give) {
        for (long d = std::min(d1, d2); d <= std::max(d1, d2); ++d) {
            mark(d, p, give);
        }
    }
    void lengthRun(long d, long p1, long p2) {
        for (long p = std::min(p1, p2); p <= std::max(p1, p2); ++p) {
            mark(d, p, true);
        }
    }

    long len_;
    long m_;
    std::vector<char> own_;
    int stray_ = 0;
};

}  // namespace

TEST(EdgeModelTest, SmallPiecesMatchTheModelPixelForPixel) {
    for (int piece : {14, 28, 40}) {
        const int margin = piece / 3;
        for (bool vertical : {true, false}) {
            for (bool knob : {true, false}) {
                for (unsigned seed = 1; seed <= 6; ++seed) {
                    PieceMask a(piece + 2 * margin, piece + 2 * margin);
                    a.fill(margin, margin, margin + piece - 1, margin + piece - 1, true);
                    PieceMask b(a);
                    EdgeCut edge(a, b,
                                 vertical ? EdgeOrientation::LeftPieceGrows
                                          : EdgeOrientation::UpperPieceGrows,
                                 piece, piece, margin, margin);
                    EdgeModel model(piece, margin);
                    std::srand(seed);
                    knob ? edge.cutKnob() : edge.cutWavy();
                    std::srand(seed);
                    knob ? model.knob() : model.wavy();
                    ASSERT_EQ(model.strayPaints(), 0);
                    for (int d = -margin; d < margin; ++d) {
                        for (int p = 0; p < piece; ++p) {
                            // A's cell ends and B's begins at depth 0.
                            const int ax = vertical ? margin + piece + d : margin + p;
                            const int ay = vertical ? margin + p : margin + piece + d;
                            const int bx = vertical ? margin + d : margin + p;
                            const int by = vertical ? margin + p : margin + d;
                            const bool toA = model.owner(d, p) == 'A';
                            ASSERT_EQ(a.pixel(ax, ay), toA)
                                << piece << (knob ? " knob" : " wavy") << " seed " << seed << " d "
                                << d << " p " << p;
                            ASSERT_EQ(b.pixel(bx, by), !toA);
                        }
                    }
                }
            }
        }
    }
}

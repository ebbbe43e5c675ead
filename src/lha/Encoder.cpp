#include "Encoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "BitWriter.h"
#include "Crc16.h"
#include "HuffmanLengths.h"
#include "Methods.h"

namespace tolvane::lha {
namespace {

constexpr int kLiteralCodes = 510;
constexpr int kLiteralBits = 9;
constexpr int kMetaCodes = 19;
constexpr int kMetaBits = 5;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 256;
constexpr std::size_t kBlockTokens = 16384;

// Search effort, in the spirit of a mid compression level.
constexpr int kMaxChain = 64;
constexpr int kGoodLength = 8;    // past this, search a quarter of the chain
constexpr int kMaxLazy = 24;      // past this, take the match without a second look
constexpr int kNiceLength = 128;  // stop searching once found

constexpr int kHashBits = 16;

int BitLength(std::uint32_t v) {
    int n = 0;
    while (v != 0) {
        ++n;
        v >>= 1;
    }
    return n;
}

// One block of tokens: a literal or length code and, for matches, a distance.
class BlockWriter {
  public:
    BlockWriter(BitWriter& bits, int dictionaryBits)
        : bits_(bits),
          positionCodes_(PositionCodes(dictionaryBits)),
          positionBits_(PositionBits(dictionaryBits)) {
        codes_.reserve(kBlockTokens);
        distances_.reserve(kBlockTokens);
    }

    void Literal(std::uint8_t b) {
        codes_.push_back(b);
        distances_.push_back(0);
        if (codes_.size() == kBlockTokens) Flush();
    }
    void Match(int length, std::uint32_t distance) {
        codes_.push_back(static_cast<std::uint16_t>(length - kMinMatch + 256));
        distances_.push_back(distance);
        if (codes_.size() == kBlockTokens) Flush();
    }

    void Flush() {
        if (codes_.empty()) return;
        std::vector<std::uint32_t> litFreq(kLiteralCodes, 0), posFreq(positionCodes_, 0);
        for (std::size_t i = 0; i < codes_.size(); ++i) {
            ++litFreq[codes_[i]];
            if (codes_[i] >= 256) ++posFreq[BitLength(distances_[i])];
        }
        const auto litLen = HuffmanLengths(litFreq);
        const auto posLen = HuffmanLengths(posFreq);
        const auto litCode = CanonicalCodes(litLen);
        const auto posCode = CanonicalCodes(posLen);
        const int litConstant = Constant(litFreq);
        const int posConstant = Constant(posFreq);

        bits_.Put(16, static_cast<std::uint32_t>(codes_.size()));
        if (litConstant >= 0) {
            bits_.Put(kMetaBits, 0);
            bits_.Put(kMetaBits, 0);
            bits_.Put(kLiteralBits, 0);
            bits_.Put(kLiteralBits, static_cast<std::uint32_t>(litConstant));
        } else {
            WriteLiteralLengths(litLen);
        }
        if (posConstant >= 0 ||
            std::all_of(posFreq.begin(), posFreq.end(), [](auto f) { return f == 0; })) {
            bits_.Put(positionBits_, 0);
            bits_.Put(positionBits_, static_cast<std::uint32_t>(std::max(posConstant, 0)));
        } else {
            WriteSmallLengths(posLen, positionBits_, -1);
        }

        for (std::size_t i = 0; i < codes_.size(); ++i) {
            const std::uint16_t c = codes_[i];
            if (litConstant < 0) bits_.Put(litLen[c], litCode[c]);
            if (c < 256) continue;
            const std::uint32_t d = distances_[i];
            const int p = BitLength(d);
            if (posConstant < 0) bits_.Put(posLen[p], posCode[p]);
            if (p > 1) bits_.Put(p - 1, d - (1u << (p - 1)));
        }
        codes_.clear();
        distances_.clear();
    }

  private:
    static int Constant(const std::vector<std::uint32_t>& freq) {
        int symbol = -1;
        for (std::size_t s = 0; s < freq.size(); ++s) {
            if (freq[s] == 0) continue;
            if (symbol >= 0) return -1;
            symbol = static_cast<int>(s);
        }
        return symbol;
    }

    // 3 bits a length; 7 and up continue in unary. After the third entry a
    // 2-bit count skips zero lengths (the literal-length table's meta codes).
    void WriteSmallLengths(const std::vector<std::uint8_t>& len, int countBits, int skipAfter) {
        int n = static_cast<int>(len.size());
        while (n > 0 && len[static_cast<std::size_t>(n - 1)] == 0) --n;
        bits_.Put(countBits, static_cast<std::uint32_t>(n));
        int i = 0;
        while (i < n) {
            const int k = len[static_cast<std::size_t>(i++)];
            if (k <= 6) {
                bits_.Put(3, static_cast<std::uint32_t>(k));
            } else {
                bits_.Put(3, 7);
                for (int j = 7; j < k; ++j) bits_.Put(1, 1);
                bits_.Put(1, 0);
            }
            if (i == skipAfter) {
                while (i < 6 && len[static_cast<std::size_t>(i)] == 0) ++i;
                bits_.Put(2, static_cast<std::uint32_t>(i - skipAfter));
            }
        }
    }

    // The literal lengths, run-length coded through the 19 meta codes.
    void WriteLiteralLengths(const std::vector<std::uint8_t>& len) {
        int n = kLiteralCodes;
        while (n > 0 && len[static_cast<std::size_t>(n - 1)] == 0) --n;
        struct Run {
            int meta;
            int extraBits;
            std::uint32_t extra;
        };
        std::vector<Run> runs;
        for (int i = 0; i < n;) {
            const int k = len[static_cast<std::size_t>(i++)];
            if (k != 0) {
                runs.push_back({k + 2, 0, 0});
                continue;
            }
            int zeros = 1;
            while (i < n && len[static_cast<std::size_t>(i)] == 0) {
                ++i;
                ++zeros;
            }
            if (zeros <= 2) {
                for (int z = 0; z < zeros; ++z) runs.push_back({0, 0, 0});
            } else if (zeros <= 18) {
                runs.push_back({1, 4, static_cast<std::uint32_t>(zeros - 3)});
            } else if (zeros == 19) {
                runs.push_back({0, 0, 0});
                runs.push_back({1, 4, 15});
            } else {
                runs.push_back({2, kLiteralBits, static_cast<std::uint32_t>(zeros - 20)});
            }
        }
        std::vector<std::uint32_t> metaFreq(kMetaCodes, 0);
        for (const Run& r : runs) ++metaFreq[static_cast<std::size_t>(r.meta)];
        const int metaConstant = Constant(metaFreq);
        std::vector<std::uint8_t> metaLen = HuffmanLengths(metaFreq);
        if (metaConstant >= 0) {
            bits_.Put(kMetaBits, 0);
            bits_.Put(kMetaBits, static_cast<std::uint32_t>(metaConstant));
        } else {
            WriteSmallLengths(metaLen, kMetaBits, 3);
        }
        const auto metaCode = CanonicalCodes(metaLen);
        bits_.Put(kLiteralBits, static_cast<std::uint32_t>(n));
        for (const Run& r : runs) {
            if (metaConstant < 0)
                bits_.Put(metaLen[static_cast<std::size_t>(r.meta)],
                          metaCode[static_cast<std::size_t>(r.meta)]);
            bits_.Put(r.extraBits, r.extra);
        }
    }

    BitWriter& bits_;
    const int positionCodes_;
    const int positionBits_;
    std::vector<std::uint16_t> codes_;
    std::vector<std::uint32_t> distances_;
};

class Matcher {
  public:
    Matcher(FileReader& in, BlockWriter& out, int dictionaryBits)
        : in_(in),
          out_(out),
          window_(std::size_t{1} << dictionaryBits),
          buffer_(window_ * 2 + kMaxMatch + 1),
          head_(std::size_t{1} << kHashBits, kNil),
          prev_(window_, kNil) {}

    EncodeResult Run() {
        Fill();
        std::int64_t pos = 0;
        int prevLength = 0;
        std::uint32_t prevDistance = 0;
        bool pending = false;  // a literal at pos - 1 waits for the lazy decision
        while (pos < End()) {
            const std::int64_t moved = MakeRoom(pos);
            pos -= moved;
            const int available = static_cast<int>(std::min<std::int64_t>(kMaxMatch, End() - pos));
            Insert(pos);
            int length = 0;
            std::uint32_t distance = 0;
            if (prevLength < kMaxLazy) length = Longest(pos, available, prevLength, distance);
            if (pending && prevLength >= kMinMatch && length <= prevLength) {
                out_.Match(prevLength, prevDistance);
                // The match began at pos - 1; pos is in the table already.
                std::int64_t stop = pos - 1 + prevLength;
                for (++pos; pos < stop; ++pos) {
                    const std::int64_t shift = MakeRoom(pos);
                    pos -= shift;
                    stop -= shift;
                    Insert(pos);
                }
                pending = false;
                prevLength = 0;
                continue;
            }
            if (pending) out_.Literal(buffer_[static_cast<std::size_t>(pos - 1)]);
            pending = true;
            prevLength = length;
            prevDistance = distance;
            ++pos;
        }
        if (pending) out_.Literal(buffer_[static_cast<std::size_t>(pos - 1)]);
        out_.Flush();
        EncodeResult r;
        r.originalSize = total_;
        r.crc = crc_;
        return r;
    }

  private:
    static constexpr std::int32_t kNil = -1;

    std::int64_t End() const { return static_cast<std::int64_t>(end_); }

    std::uint32_t Hash(std::int64_t pos) const {
        const std::uint8_t* p = &buffer_[static_cast<std::size_t>(pos)];
        const std::uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16);
        return (v * 2654435761u) >> (32 - kHashBits);
    }

    void Insert(std::int64_t pos) {
        if (pos + kMinMatch > End()) return;
        const std::uint32_t h = Hash(pos);
        prev_[static_cast<std::size_t>(pos) & (window_ - 1)] = head_[h];
        head_[h] = static_cast<std::int32_t>(pos);
    }

    int Longest(std::int64_t pos, int available, int prevLength, std::uint32_t& distance) {
        int best = std::max(prevLength, kMinMatch - 1);
        if (best >= available) return 0;
        int chain = prevLength >= kGoodLength ? kMaxChain / 4 : kMaxChain;
        const std::uint8_t* here = &buffer_[static_cast<std::size_t>(pos)];
        const std::int64_t limit = pos - static_cast<std::int64_t>(window_);
        std::int32_t cand = prev_[static_cast<std::size_t>(pos) & (window_ - 1)];
        int found = 0;
        while (cand != kNil && cand > limit && chain-- > 0) {
            const std::uint8_t* there = &buffer_[static_cast<std::size_t>(cand)];
            if (there[best] == here[best] && there[0] == here[0] && there[1] == here[1]) {
                const int len = MatchLength(here, there, available);
                if (len > best) {
                    best = len;
                    found = len;
                    distance = static_cast<std::uint32_t>(pos - cand - 1);
                    if (len >= kNiceLength || len == available) break;
                }
            }
            const std::int32_t next = prev_[static_cast<std::size_t>(cand) & (window_ - 1)];
            if (next >= cand) break;
            cand = next;
        }
        return found >= kMinMatch ? found : 0;
    }

    // Common prefix length, eight bytes at a time.
    static int MatchLength(const std::uint8_t* a, const std::uint8_t* b, int limit) {
        int len = 0;
        while (len + 8 <= limit) {
            std::uint64_t x, y;
            std::memcpy(&x, a + len, 8);
            std::memcpy(&y, b + len, 8);
            if (const std::uint64_t diff = x ^ y) return len + (__builtin_ctzll(diff) >> 3);
            len += 8;
        }
        while (len < limit && a[len] == b[len]) ++len;
        return len;
    }

    // When the look-ahead runs short, drops whole windows from the front of
    // the buffer (keeping at least one window behind pos) and reads on.
    // Shifting by whole windows keeps every chain slot where it is.
    std::int64_t MakeRoom(std::int64_t pos) {
        if (eof_ || pos + kMaxMatch + 1 <= End()) return 0;
        const auto w = static_cast<std::int64_t>(window_);
        const std::int64_t s = (pos - w) / w * w;
        if (s > 0) {
            std::memmove(buffer_.data(), buffer_.data() + s, end_ - static_cast<std::size_t>(s));
            end_ -= static_cast<std::size_t>(s);
            auto adjust = [s](std::int32_t& v) {
                v = v < s ? kNil : static_cast<std::int32_t>(v - s);
            };
            for (auto& v : head_) adjust(v);
            for (auto& v : prev_) adjust(v);
        }
        Fill();
        return s > 0 ? s : 0;
    }

    void Fill() {
        while (!eof_ && end_ < buffer_.size()) {
            const std::size_t n = in_.Read(&buffer_[end_], buffer_.size() - end_);
            if (n == 0) {
                eof_ = true;
                break;
            }
            crc_ = Crc16(crc_, &buffer_[end_], n);
            total_ += n;
            end_ += n;
        }
    }

    FileReader& in_;
    BlockWriter& out_;
    const std::size_t window_;
    std::vector<std::uint8_t> buffer_;
    std::size_t end_ = 0;
    bool eof_ = false;
    std::vector<std::int32_t> head_;
    std::vector<std::int32_t> prev_;
    std::uint16_t crc_ = 0;
    std::uint64_t total_ = 0;
};

}  // namespace

EncodeResult EncodeBody(FileReader& in, FileWriter& out, int dictionaryBits) {
    BitWriter bits(out);
    BlockWriter blocks(bits, dictionaryBits);
    EncodeResult r = Matcher(in, blocks, dictionaryBits).Run();
    bits.Finish();
    r.packedSize = bits.BytesWritten();
    return r;
}

}  // namespace tolvane::lha

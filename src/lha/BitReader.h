#pragma once
// Most-significant-bit-first reader over a bounded stretch of an archive. Past
// the stretch it yields zero bits and counts them, so a damaged body can be
// told from a good one without reading beyond it.

#include <cstdint>
#include <vector>

#include "FileIo.h"

namespace tolvane::lha {

class BitReader {
  public:
    BitReader(FileReader& in, std::uint64_t bytes) : in_(in), left_(bytes), chunk_(1 << 16) {}

    // n ≤ 24.
    std::uint32_t Peek(int n) {
        if (count_ < n) Fill();
        return static_cast<std::uint32_t>(bits_ >> (64 - n));
    }
    void Skip(int n) {
        if (count_ < n) Fill();
        bits_ <<= n;
        count_ -= n;
    }
    std::uint32_t Get(int n) {
        if (n == 0) return 0;
        std::uint32_t v = Peek(n);
        Skip(n);
        return v;
    }
    // True once more bits were taken than the stretch held.
    bool Overrun() const { return overrun_ > 64; }

  private:
    void Fill() {
        while (count_ <= 56) {
            if (pos_ == end_) Refill();
            std::uint64_t byte = 0;
            if (pos_ < end_) {
                byte = chunk_[pos_++];
            } else {
                overrun_ += 8;
            }
            bits_ |= byte << (56 - count_);
            count_ += 8;
        }
    }
    void Refill() {
        pos_ = end_ = 0;
        if (left_ == 0) return;
        std::size_t want = left_ < chunk_.size() ? static_cast<std::size_t>(left_) : chunk_.size();
        end_ = in_.Read(chunk_.data(), want);
        left_ -= end_;
        if (end_ < want) left_ = 0;
    }

    FileReader& in_;
    std::uint64_t left_;
    std::vector<std::uint8_t> chunk_;
    std::size_t pos_ = 0, end_ = 0;
    std::uint64_t bits_ = 0;
    int count_ = 0;
    std::uint64_t overrun_ = 0;
};

}  // namespace tolvane::lha

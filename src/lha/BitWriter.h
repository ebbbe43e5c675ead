#pragma once
// Most-significant-bit-first writer into a FileWriter.

#include <cstdint>

#include "FileIo.h"

namespace tolvane::lha {

class BitWriter {
  public:
    explicit BitWriter(FileWriter& out) : out_(out) {}

    // n ≤ 32.
    void Put(int n, std::uint32_t value) {
        if (n == 0) return;
        bits_ |= static_cast<std::uint64_t>(value & (n == 32 ? 0xFFFFFFFFu : ((1u << n) - 1)))
                 << (64 - count_ - n);
        count_ += n;
        while (count_ >= 8) {
            buffer_[used_++] = static_cast<std::uint8_t>(bits_ >> 56);
            bits_ <<= 8;
            count_ -= 8;
            if (used_ == sizeof buffer_) Drain();
        }
    }
    // Pads the last byte with zero bits and hands everything to the file.
    void Finish() {
        if (count_ > 0) Put(8 - count_, 0);
        Drain();
    }
    std::uint64_t BytesWritten() const { return written_ + used_; }

  private:
    void Drain() {
        out_.Write(buffer_, used_);
        written_ += used_;
        used_ = 0;
    }

    FileWriter& out_;
    std::uint64_t bits_ = 0;
    int count_ = 0;
    std::uint8_t buffer_[1 << 14];
    std::size_t used_ = 0;
    std::uint64_t written_ = 0;
};

}  // namespace tolvane::lha

#include "Decoder.h"

#include <array>
#include <vector>

#include "BitReader.h"
#include "Crc16.h"
#include "HuffmanTable.h"
#include "Methods.h"

namespace tolvane::lha {
namespace {

constexpr int kLiteralCodes = 510;  // 256 literals and 254 match lengths
constexpr int kLiteralBits = 9;
constexpr int kMetaCodes = 19;  // codes that carry the literal-code lengths
constexpr int kMetaBits = 5;
constexpr int kMinMatch = 3;

[[noreturn]] void Bad(const LhaEntry& e, const char* why) {
    throw LhaError(kErrBadData, "damaged data in \"" + e.DisplayName() + "\": " + why);
}

class Lh5Decoder {
  public:
    Lh5Decoder(FileReader& in, const LhaEntry& e, int dictionaryBits, const ByteSink& sink)
        : bits_(in, e.packedSize),
          entry_(e),
          sink_(sink),
          positionCodes_(PositionCodes(dictionaryBits)),
          positionBits_(PositionBits(dictionaryBits)),
          window_(std::size_t{1} << dictionaryBits, ' '),
          mask_(static_cast<std::uint32_t>(window_.size() - 1)) {}

    void Run() {
        std::uint64_t left = entry_.originalSize;
        while (left > 0) {
            std::uint32_t codes = bits_.Get(16);
            if (codes == 0) Bad(entry_, "empty block");
            ReadTables();
            while (codes-- > 0 && left > 0) {
                const int c = literal_.Decode(bits_);
                if (c < 256) {
                    Put(static_cast<std::uint8_t>(c));
                    --left;
                    continue;
                }
                std::uint32_t length = static_cast<std::uint32_t>(c - 256 + kMinMatch);
                std::uint32_t distance = ReadDistance();
                if (length > left) length = static_cast<std::uint32_t>(left);
                left -= length;
                std::uint32_t from = (pos_ - distance - 1) & mask_;
                while (length-- > 0) {
                    Put(window_[from]);
                    from = (from + 1) & mask_;
                }
            }
            if (bits_.Overrun()) Bad(entry_, "body too short");
        }
        Flush();
    }

  private:
    void Put(std::uint8_t b) {
        window_[pos_++] = b;
        if (pos_ == window_.size()) {
            Flush();
            pos_ = 0;
            flushed_ = 0;
        }
    }
    void Flush() {
        if (pos_ > flushed_) sink_(window_.data() + flushed_, pos_ - flushed_);
        flushed_ = pos_;
    }

    std::uint32_t ReadDistance() {
        const int p = position_.Decode(bits_);
        if (p <= 1) return static_cast<std::uint32_t>(p);
        return (1u << (p - 1)) + bits_.Get(p - 1);
    }

    // Code lengths of a small table: 3 bits each, 7 and up in unary tail.
    void ReadSmallLengths(HuffmanTable& table, int count, int countBits, int skipAfter) {
        const int n = static_cast<int>(bits_.Get(countBits));
        if (n == 0) {
            const int symbol = static_cast<int>(bits_.Get(countBits));
            if (symbol >= count) Bad(entry_, "table symbol");
            table.SetConstant(symbol);
            return;
        }
        if (n > count) Bad(entry_, "table size");
        std::array<std::uint8_t, kMetaCodes + 8> lengths{};
        int i = 0;
        while (i < n) {
            int len = static_cast<int>(bits_.Get(3));
            if (len == 7) {
                while (bits_.Get(1) == 1) {
                    if (++len > HuffmanTable::kMaxLength) Bad(entry_, "code length");
                }
            }
            lengths[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(len);
            if (i == skipAfter) {
                i += static_cast<int>(bits_.Get(2));
                if (i > count) Bad(entry_, "table skip");
            }
        }
        if (!table.Build(lengths.data(), count)) Bad(entry_, "bad table");
    }

    void ReadLiteralLengths() {
        const int n = static_cast<int>(bits_.Get(kLiteralBits));
        if (n == 0) {
            const int symbol = static_cast<int>(bits_.Get(kLiteralBits));
            if (symbol >= kLiteralCodes) Bad(entry_, "literal symbol");
            literal_.SetConstant(symbol);
            return;
        }
        if (n > kLiteralCodes) Bad(entry_, "literal table size");
        std::array<std::uint8_t, kLiteralCodes> lengths{};
        int i = 0;
        while (i < n) {
            const int c = meta_.Decode(bits_);
            if (c > 2) {
                lengths[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(c - 2);
                continue;
            }
            const int zeros = c == 0   ? 1
                              : c == 1 ? static_cast<int>(bits_.Get(4)) + 3
                                       : static_cast<int>(bits_.Get(kLiteralBits)) + 20;
            if (i + zeros > n) Bad(entry_, "literal zero run");
            i += zeros;
        }
        if (!literal_.Build(lengths.data(), kLiteralCodes)) Bad(entry_, "bad literal table");
    }

    void ReadTables() {
        ReadSmallLengths(meta_, kMetaCodes, kMetaBits, 3);
        ReadLiteralLengths();
        ReadSmallLengths(position_, positionCodes_, positionBits_, -1);
    }

    BitReader bits_;
    const LhaEntry& entry_;
    const ByteSink& sink_;
    const int positionCodes_;
    const int positionBits_;
    std::vector<std::uint8_t> window_;
    const std::uint32_t mask_;
    std::uint32_t pos_ = 0, flushed_ = 0;
    HuffmanTable meta_, literal_, position_;
};

std::uint16_t CopyStored(FileReader& in, const LhaEntry& e, const ByteSink& sink) {
    if (e.packedSize != e.originalSize) Bad(e, "stored sizes differ");
    std::vector<std::uint8_t> buffer(1 << 16);
    std::uint64_t left = e.packedSize;
    std::uint16_t crc = 0;
    while (left > 0) {
        std::size_t n = left < buffer.size() ? static_cast<std::size_t>(left) : buffer.size();
        in.ReadExact(buffer.data(), n, kErrBadData);
        crc = Crc16(crc, buffer.data(), n);
        sink(buffer.data(), n);
        left -= n;
    }
    return crc;
}

}  // namespace

std::uint16_t DecodeBody(FileReader& in, const LhaEntry& e, const ByteSink& sink) {
    const auto method = LookUpMethod(e.method);
    if (!method) {
        throw LhaError(kErrUnsupportedMethod,
                       "method " + e.method + " of \"" + e.DisplayName() + "\" is not supported");
    }
    if (method->directory) return 0;
    if (method->dictionaryBits == 0) return CopyStored(in, e, sink);
    std::uint16_t crc = 0;
    ByteSink counting = [&](const std::uint8_t* p, std::size_t n) {
        crc = Crc16(crc, p, n);
        sink(p, n);
    };
    Lh5Decoder(in, e, method->dictionaryBits, counting).Run();
    return crc;
}

}  // namespace tolvane::lha

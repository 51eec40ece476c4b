#pragma once
// One bit a pixel of an image: whether a primitive painted later sets the pixel whatever lay under it.
// A primitive all of whose pixels are so set cannot show, and a surface need not paint it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

class CoverMask {
  public:
    // A mask of width x height pixels with none covered.
    void Reset(int width, int height) {
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        words_ = (width_ + 63) / 64;
        bits_.assign(static_cast<std::size_t>(words_) * height_, 0);
        blocksWide_ = (words_ + 63) / 64;
        blocks_.assign(static_cast<std::size_t>(blocksWide_) * ((height_ + kBlockRows - 1) / kBlockRows), 0);
        empty_ = true;
    }

    // Whether every pixel of [x0, x1) x [y0, y1), which must lie within the mask, is covered; an empty
    // box is.
    bool Covers(int x0, int y0, int x1, int y1) const {
        if (x0 >= x1 || y0 >= y1) return true;
        if (empty_) return false;
        const int first = x0 >> 6;
        const int last = (x1 - 1) >> 6;
        if (BlocksCover(first, last, y0, y1)) return true;
        const std::uint64_t head = Head(x0);
        const std::uint64_t tail = Tail(x1);
        for (int y = y0; y < y1; ++y) {
            const std::uint64_t* row = Row(y);
            if (first == last) {
                const std::uint64_t want = head & tail;
                if ((row[first] & want) != want) return false;
                continue;
            }
            if ((row[first] & head) != head || (row[last] & tail) != tail) return false;
            for (int w = first + 1; w < last; ++w)
                if (row[w] != ~std::uint64_t{0}) return false;
        }
        return true;
    }

    // Covers the pixels [x0, x1) of row y, which must lie within the mask. The blocks the row lies in
    // are brought up to date by Settle.
    void AddRun(int y, int x0, int x1) {
        if (x0 >= x1) return;
        empty_ = false;
        std::uint64_t* row = Row(y);
        const int first = x0 >> 6;
        const int last = (x1 - 1) >> 6;
        const std::uint64_t head = Head(x0);
        const std::uint64_t tail = Tail(x1);
        if (first == last) {
            row[first] |= head & tail;
            return;
        }
        row[first] |= head;
        for (int w = first + 1; w < last; ++w)
            row[w] = ~std::uint64_t{0};
        row[last] |= tail;
    }

    void AddBox(int x0, int y0, int x1, int y1) {
        if (x0 >= x1 || y0 >= y1) return;
        for (int y = y0; y < y1; ++y)
            AddRun(y, x0, x1);
        Settle(x0, y0, x1, y1);
    }

    // Marks the blocks within [x0, x1) x [y0, y1) that runs added there have wholly covered.
    void Settle(int x0, int y0, int x1, int y1) {
        if (x0 >= x1 || y0 >= y1) return;
        const int first = x0 >> 6;
        const int last = (x1 - 1) >> 6;
        for (int block = y0 / kBlockRows; block <= (y1 - 1) / kBlockRows; ++block) {
            const int top = block * kBlockRows;
            if (top + kBlockRows > height_) break; // the last rows, short of a block, stay fine
            for (int w = first; w <= last; ++w) {
                bool whole = true;
                for (int y = top; y < top + kBlockRows && whole; ++y)
                    whole = Row(y)[w] == ~std::uint64_t{0};
                if (whole)
                    blocks_[static_cast<std::size_t>(block) * blocksWide_ + (w >> 6)] |= std::uint64_t{1}
                                                                                         << (w & 63);
            }
        }
    }

    // The memory the mask keeps, in bytes.
    std::size_t Bytes() const { return (bits_.capacity() + blocks_.capacity()) * sizeof(std::uint64_t); }

  private:
    // Pixels are kept a bit each, 64 to a word; a block is a word's 64 columns over kBlockRows rows, its
    // bit set when all of them are covered, so a large box is mostly seen a block at a time.
    static constexpr int kBlockRows = 8;

    // Whether the blocks of words [first, last] over rows [y0, y1) are all covered; false where any is
    // not or the rows reach past the last whole block.
    bool BlocksCover(int first, int last, int y0, int y1) const {
        const int blockEnd = (y1 + kBlockRows - 1) / kBlockRows;
        if (blockEnd * kBlockRows > height_) return false;
        for (int block = y0 / kBlockRows; block < blockEnd; ++block) {
            const std::uint64_t* row = blocks_.data() + static_cast<std::size_t>(block) * blocksWide_;
            for (int w = first; w <= last; ++w)
                if ((row[w >> 6] >> (w & 63) & 1) == 0) return false;
        }
        return true;
    }

    // The bits of the word holding column x0 from x0 on, and of the word holding column x1 - 1 up to it.
    static std::uint64_t Head(int x0) { return ~std::uint64_t{0} << (x0 & 63); }
    static std::uint64_t Tail(int x1) { return ~std::uint64_t{0} >> (63 - ((x1 - 1) & 63)); }

    const std::uint64_t* Row(int y) const { return bits_.data() + static_cast<std::size_t>(y) * words_; }
    std::uint64_t* Row(int y) { return bits_.data() + static_cast<std::size_t>(y) * words_; }

    int width_ = 0;
    int height_ = 0;
    int words_ = 0;
    int blocksWide_ = 0;
    bool empty_ = true;
    std::vector<std::uint64_t> bits_;
    std::vector<std::uint64_t> blocks_;
};

} // namespace platform

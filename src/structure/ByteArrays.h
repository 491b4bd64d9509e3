// Bounds-checked byte containers of the GIF reader: a flat array and a row-major matrix.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace zn::structure {

/// Largest block a TBigByteArray asks for; a bigger request is reported like a failed
/// allocation, so a damaged size field can never reach the allocator.
inline constexpr std::size_t MaxBigByteArraySize = std::size_t(1) << 30;

/// A byte array whose indexed access is always checked ("Dynamic array index out of bounds").
/// The raw pointer is offered for bulk work that has checked its range once.
class TBigByteArray {
public:
    TBigByteArray() = default;
    /// Zero-filled array of `count` bytes; raises EGifException when it cannot be allocated.
    explicit TBigByteArray(std::size_t count);
    TBigByteArray(const TBigByteArray& other);
    TBigByteArray& operator=(const TBigByteArray& other);
    TBigByteArray(TBigByteArray&&) noexcept = default;
    TBigByteArray& operator=(TBigByteArray&&) noexcept = default;

    std::size_t Count() const { return count_; }
    uint8_t Get(std::size_t index) const;
    void Set(std::size_t index, uint8_t value);
    uint8_t* Data() { return data_.get(); }
    const uint8_t* Data() const { return data_.get(); }
    std::span<const uint8_t> Bytes() const { return {data_.get(), count_}; }

private:
    std::unique_ptr<uint8_t[]> data_;
    std::size_t count_ = 0;
};

/// A matrix of bytes stored row after row without padding; every access is checked.
class TByteArray2D {
public:
    TByteArray2D() = default;
    /// Zero-filled matrix; raises EGifException when it cannot be allocated.
    TByteArray2D(std::size_t rows, std::size_t columns);

    std::size_t Rows() const { return rows_; }
    std::size_t Columns() const { return columns_; }
    uint8_t Get(std::size_t row, std::size_t column) const;
    void Set(std::size_t row, std::size_t column, uint8_t value);
    /// Replaces one row; the source must have exactly Columns() bytes.
    void SetRow(std::size_t row, std::span<const uint8_t> values);
    std::span<const uint8_t> Row(std::size_t row) const;
    std::span<uint8_t> Row(std::size_t row);
    /// All cells, row after row (Rows() × Columns() bytes).
    uint8_t* Data() { return cells_.Data(); }
    const uint8_t* Data() const { return cells_.Data(); }

private:
    void CheckRow(std::size_t row) const;

    TBigByteArray cells_;
    std::size_t rows_ = 0;
    std::size_t columns_ = 0;
};

} // namespace zn::structure

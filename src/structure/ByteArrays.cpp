// Bounds-checked byte containers: allocation and index checks with the reader's own messages.
#include "structure/ByteArrays.h"

#include "structure/GifException.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <string>

namespace zn::structure {

namespace {

[[noreturn]] void OutOfBounds() {
    throw EGifException("Dynamic array index out of bounds");
}

[[noreturn]] void NoMemory(std::size_t count) {
    throw EGifException("error in TBigByteArray.create: Not enough contiguous memory available\r\n"
                        " requested memory block: " +
                        std::to_string(count) + " bytes");
}

std::unique_ptr<uint8_t[]> Allocate(std::size_t count) {
    if (count > MaxBigByteArraySize)
        NoMemory(count);
    try {
        return std::unique_ptr<uint8_t[]>(new uint8_t[count]());
    } catch (const std::bad_alloc&) {
        NoMemory(count);
    }
}

} // namespace

TBigByteArray::TBigByteArray(std::size_t count) : data_(Allocate(count)), count_(count) {}

TBigByteArray::TBigByteArray(const TBigByteArray& other)
    : data_(Allocate(other.count_)), count_(other.count_) {
    if (count_ > 0)
        std::memcpy(data_.get(), other.data_.get(), count_);
}

TBigByteArray& TBigByteArray::operator=(const TBigByteArray& other) {
    if (this != &other) {
        TBigByteArray copy(other);
        *this = std::move(copy);
    }
    return *this;
}

uint8_t TBigByteArray::Get(std::size_t index) const {
    if (index >= count_)
        OutOfBounds();
    return data_[index];
}

void TBigByteArray::Set(std::size_t index, uint8_t value) {
    if (index >= count_)
        OutOfBounds();
    data_[index] = value;
}

TByteArray2D::TByteArray2D(std::size_t rows, std::size_t columns) : rows_(rows), columns_(columns) {
    // A product that does not fit a size_t cannot be allocated either; report it saturated.
    if (columns != 0 && rows > SIZE_MAX / columns)
        NoMemory(SIZE_MAX);
    cells_ = TBigByteArray(rows * columns);
}

void TByteArray2D::CheckRow(std::size_t row) const {
    if (row >= rows_)
        OutOfBounds();
}

uint8_t TByteArray2D::Get(std::size_t row, std::size_t column) const {
    CheckRow(row);
    if (column >= columns_)
        OutOfBounds();
    return cells_.Data()[row * columns_ + column];
}

void TByteArray2D::Set(std::size_t row, std::size_t column, uint8_t value) {
    CheckRow(row);
    if (column >= columns_)
        OutOfBounds();
    cells_.Data()[row * columns_ + column] = value;
}

void TByteArray2D::SetRow(std::size_t row, std::span<const uint8_t> values) {
    CheckRow(row);
    if (values.size() != columns_)
        throw EGifException("Row doesn't have equal number of elements as Matrix row");
    if (columns_ > 0)
        std::memcpy(cells_.Data() + row * columns_, values.data(), columns_);
}

std::span<const uint8_t> TByteArray2D::Row(std::size_t row) const {
    CheckRow(row);
    return {cells_.Data() + row * columns_, columns_};
}

std::span<uint8_t> TByteArray2D::Row(std::size_t row) {
    CheckRow(row);
    return {cells_.Data() + row * columns_, columns_};
}

} // namespace zn::structure

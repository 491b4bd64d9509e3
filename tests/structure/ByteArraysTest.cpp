// Tests of the checked byte containers: their exact messages and their copies.
#include "structure/ByteArrays.h"
#include "structure/GifException.h"

#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

using namespace zn::structure;

namespace {

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EGifException& e) {
        return e.what();
    }
    return "(no exception)";
}

const std::string OutOfBounds = "Dynamic array index out of bounds";

} // namespace

TEST(TBigByteArray, EveryIndexPastTheEndIsRefused) {
    TBigByteArray bytes(3);
    bytes.Set(2, 7);
    EXPECT_EQ(bytes.Get(2), 7);
    EXPECT_EQ(bytes.Get(0), 0) << "new arrays are zero-filled";
    EXPECT_EQ(MessageOf([&] { bytes.Get(3); }), OutOfBounds);
    EXPECT_EQ(MessageOf([&] { bytes.Set(3, 1); }), OutOfBounds);
    EXPECT_EQ(MessageOf([&] { TBigByteArray().Get(0); }), OutOfBounds);
}

TEST(ByteArrays, ImpossibleSizesGiveTheAllocationMessage) {
    std::size_t size = MaxBigByteArraySize + 1;
    EXPECT_EQ(MessageOf([&] { TBigByteArray bytes(size); }),
              "error in TBigByteArray.create: Not enough contiguous memory available\r\n"
              " requested memory block: " +
                  std::to_string(size) + " bytes");
    const std::string matrix = MessageOf([] { TByteArray2D m(65535, 65535); });
    EXPECT_NE(matrix.find("Not enough contiguous memory available"), std::string::npos);
    EXPECT_NE(matrix.find(std::to_string(65535ull * 65535ull)), std::string::npos);
}

TEST(TBigByteArray, CopiesAreIndependent) {
    TBigByteArray a(4);
    a.Set(1, 9);
    TBigByteArray b = a;
    b.Set(1, 5);
    EXPECT_EQ(a.Get(1), 9);
    EXPECT_EQ(b.Get(1), 5);
    a = b;
    EXPECT_EQ(a.Get(1), 5);
    EXPECT_EQ(a.Count(), 4u);
}

TEST(TByteArray2D, RowsCellsAndRowLengthsAreChecked) {
    TByteArray2D m(2, 3);
    m.SetRow(1, std::vector<uint8_t>{1, 2, 3});
    m.Set(0, 2, 8);
    EXPECT_EQ(m.Get(1, 2), 3);
    EXPECT_EQ(m.Get(0, 2), 8);
    EXPECT_EQ(m.Row(1)[0], 1);
    EXPECT_EQ(m.Data()[3], 1) << "rows are stored one after another";
    EXPECT_EQ(MessageOf([&] { m.Get(2, 0); }), OutOfBounds);
    EXPECT_EQ(MessageOf([&] { m.Get(0, 3); }), OutOfBounds);
    EXPECT_EQ(MessageOf([&] { m.Set(0, 3, 1); }), OutOfBounds);
    EXPECT_EQ(MessageOf([&] { m.Row(2); }), OutOfBounds);
    const std::string message = "Row doesn't have equal number of elements as Matrix row";
    EXPECT_EQ(MessageOf([&] { m.SetRow(0, std::vector<uint8_t>{1, 2}); }), message);
    EXPECT_EQ(MessageOf([&] { m.SetRow(0, std::vector<uint8_t>{1, 2, 3, 4}); }), message);
    EXPECT_EQ(MessageOf([&] { m.SetRow(5, std::vector<uint8_t>{1, 2, 3}); }), OutOfBounds);
}

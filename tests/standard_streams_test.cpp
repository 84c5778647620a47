#include "console/standard_streams.hpp"

#include <gtest/gtest.h>

namespace {

struct OpenedOutputBuffer : console::StandardOutputBuffer {
    using StandardOutputBuffer::overflow;
    using StandardOutputBuffer::pending;
};

// The stream asks a full buffer to make room with an end-of-file, which is no
// character to keep.
TEST(StandardOutputBuffer, AnEndOfFileAskingForRoomAddsNothing) {
    OpenedOutputBuffer buffer;
    buffer.overflow(std::char_traits<char>::eof());
    EXPECT_EQ("", buffer.pending());
    buffer.overflow('a');
    EXPECT_EQ("a", buffer.pending());
}

}  // namespace

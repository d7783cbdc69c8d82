#include <gtest/gtest.h>

#include "arc/codec.h"
#include "codec_helpers.h"
#include "fixtures.h"

namespace arc::test {
namespace {

// Records every flushed block; fails from the `fail_at`-th flush on.
class RecordingWriter final : public Writer {
public:
    explicit RecordingWriter(std::size_t capacity, int fail_at = -1)
        : Writer(storage_, capacity), fail_at_(fail_at)
    {
    }
    std::vector<Bytes> blocks;

protected:
    bool flush(std::span<const std::uint8_t> block) override
    {
        if (fail_at_ >= 0 && static_cast<int>(blocks.size()) >= fail_at_)
            return false;
        blocks.emplace_back(block.begin(), block.end());
        return true;
    }

private:
    int fail_at_;
    std::uint8_t storage_[64];
};

// Gives a few windows, the second one empty, then fails.
class FailingReader final : public Reader {
public:
    explicit FailingReader(const Bytes& data) : data_(data) {}
    int refills = 0;

protected:
    bool refill() override
    {
        ++refills;
        if (refills == 1) {
            set_window(data_.data(), data_.size());
            return true;
        }
        mark_failed();
        return false;
    }

private:
    const Bytes& data_;
};

TEST(Reader, DeliversEveryByteAcrossWindowsAndStaysAtEnd)
{
    const Bytes data = text_data(1000);
    for (std::size_t window : {1u, 3u, 4096u}) {
        ChunkedReader reader(data, window);
        Bytes got;
        for (int b = reader.get(); b >= 0; b = reader.get())
            got.push_back(static_cast<std::uint8_t>(b));
        EXPECT_EQ(got, data);
        EXPECT_TRUE(reader.at_end());
        const std::size_t refills = reader.refills();
        EXPECT_EQ(reader.get(), -1);
        EXPECT_EQ(reader.get(), -1);
        EXPECT_EQ(reader.refills(), refills) << "no refill after the end";
        EXPECT_TRUE(reader.available().empty());
    }
}

TEST(Reader, AvailableAndConsumeWalkTheWindows)
{
    const Bytes data = binary_data(100);
    ChunkedReader reader(data, 30);
    Bytes got;
    for (auto block = reader.available(); !block.empty(); block = reader.available()) {
        EXPECT_LE(block.size(), 30u);
        got.insert(got.end(), block.begin(), block.begin() + 1);
        reader.consume(1);
    }
    EXPECT_EQ(got, data);
}

TEST(Reader, EmptyBufferIsAtEnd)
{
    const Bytes none;
    MemoryReader reader(none);
    EXPECT_EQ(reader.get(), -1);
    EXPECT_TRUE(reader.at_end());
    EXPECT_FALSE(reader.failed());
}

TEST(Reader, RewindStartsAgain)
{
    const Bytes data = bytes_of("abc");
    MemoryReader reader(data);
    while (reader.get() >= 0) {
    }
    reader.rewind();
    EXPECT_EQ(reader.get(), 'a');
}

TEST(Writer, FlushesFullBuffersThenTheRestOnFinish)
{
    const Bytes data = random_data(150);
    RecordingWriter writer(64);
    writer.write(Bytes(data.begin(), data.begin() + 10));
    for (std::size_t i = 10; i < data.size(); ++i)
        writer.put(data[i]);
    EXPECT_EQ(writer.bytes_written(), 150u);
    ASSERT_EQ(writer.blocks.size(), 2u);
    EXPECT_EQ(writer.blocks[0].size(), 64u);
    EXPECT_TRUE(writer.finish());
    ASSERT_EQ(writer.blocks.size(), 3u);
    Bytes joined;
    for (const Bytes& b : writer.blocks)
        joined.insert(joined.end(), b.begin(), b.end());
    EXPECT_EQ(joined, data);
    EXPECT_TRUE(writer.finish()) << "a second finish has nothing to flush";
    EXPECT_EQ(writer.blocks.size(), 3u);
}

TEST(Writer, LargeWriteGoesThroughTheBuffer)
{
    const Bytes data = random_data(1000);
    RecordingWriter writer(64);
    writer.write(data);
    writer.finish();
    Bytes joined;
    for (const Bytes& b : writer.blocks) {
        EXPECT_LE(b.size(), 64u);
        joined.insert(joined.end(), b.begin(), b.end());
    }
    EXPECT_EQ(joined, data);
}

TEST(Writer, FailureStopsFlushingAndResetClearsIt)
{
    RecordingWriter writer(8, 1);
    for (int i = 0; i < 40; ++i)
        writer.put(static_cast<std::uint8_t>(i));
    EXPECT_TRUE(writer.failed());
    EXPECT_EQ(writer.blocks.size(), 1u);
    EXPECT_EQ(writer.bytes_written(), 40u);
    EXPECT_FALSE(writer.finish());
    writer.reset();
    EXPECT_FALSE(writer.failed());
    EXPECT_EQ(writer.bytes_written(), 0u);
}

TEST(Writer, VectorWriterLimit)
{
    Bytes out;
    VectorWriter writer(out, 100);
    writer.write(random_data(100));
    EXPECT_TRUE(writer.finish());
    EXPECT_EQ(out.size(), 100u);
    writer.put(1);
    EXPECT_FALSE(writer.finish());
    EXPECT_EQ(out.size(), 100u);
}

TEST(CodecIo, ReadFailureIsReported)
{
    DecoderTables tables;
    CompressorTables ctables;
    const Bytes data = text_data(20000);
    for (int m = 1; m <= 9; ++m) {
        const Bytes member = member_data(m, data);
        const Bytes first_half(member.begin(), member.begin() + member.size() / 2);
        FailingReader reader(first_half);
        Bytes out;
        VectorWriter writer(out);
        EXPECT_EQ(decode_member(m, reader, writer, tables), DecodeStatus::read_failed) << m;
    }
    for (int m : {2, 3, 8, 9}) {
        FailingReader reader(data);
        Bytes out;
        VectorWriter writer(out);
        EXPECT_EQ(encode_member(m, reader, writer, ctables), EncodeStatus::read_failed) << m;
    }
}

TEST(CodecIo, WriteFailureIsReported)
{
    CompressorTables ctables;
    DecoderTables tables;
    const Bytes data = text_data(20000);
    for (int m : {2, 3, 8, 9}) {
        MemoryReader reader(data);
        RecordingWriter writer(64, 0);
        EXPECT_EQ(encode_member(m, reader, writer, ctables), EncodeStatus::write_failed) << m;
        const Bytes encoded = encode(m, data);
        MemoryReader in(encoded);
        RecordingWriter out(64, 0);
        EXPECT_EQ(decode_member(m, in, out, tables), DecodeStatus::write_failed) << m;
    }
}

} // namespace
} // namespace arc::test

// DataArchive's lines: the header, ints, bools and strings written and read, the line
// limits, the section marker with sections that end early or run one value long, and
// what a closed or switched-off archive does.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "shell/data_archive.h"

namespace {

const std::string Marker = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\n";
const std::string HeaderLines = "11\nQuickfigure\n101\n0\n";

DataArchive Writing() {
    DataArchive archive;
    std::string header = "Quickfigure";
    int version = 101;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    return archive;
}

// Reading the header lines followed by body.
DataArchive Reading(const std::string& body) {
    DataArchive archive;
    std::string header;
    int version = 0;
    archive.OpenArchive(HeaderLines + body, header, version, ArchiveRead);
    return archive;
}

// The next int, or unread when the read moved nothing.
int ReadInt(DataArchive& archive, int unread = -99) {
    archive.TransferInt(unread);
    return unread;
}

std::string ReadString(DataArchive& archive) {
    std::string text = "unread";
    archive.TransferString(text);
    return text;
}

} // namespace

TEST(DataArchive, WritesHeaderAndValuesAsLinesAndReadsThemBack) {
    DataArchive writer = Writing();
    int numbers[] = {-42, 0, INT_MAX, INT_MIN};
    bool flags[] = {true, false};
    std::string texts[] = {"Normal", "", std::string("a\rb\0c", 5)};
    for (int& n : numbers) {
        writer.TransferInt(n);
    }
    for (bool& f : flags) {
        writer.TransferBool(f);
    }
    for (std::string& t : texts) {
        writer.TransferString(t);
    }
    const std::string bytes = writer.CloseArchive();
    const std::string lines = HeaderLines + "-42\n0\n2147483647\n-2147483648\n1\n0\n6\nNormal\n0\n";
    ASSERT_EQ(bytes.substr(0, lines.size()), lines);

    std::string header;
    int version = 0;
    DataArchive reader;
    ASSERT_TRUE(reader.OpenArchive(bytes, header, version, ArchiveRead));
    EXPECT_EQ(header, "Quickfigure");
    EXPECT_EQ(version, 101);
    for (const int n : numbers) {
        EXPECT_EQ(ReadInt(reader), n);
    }
    for (const bool f : flags) {
        bool got = !f;
        EXPECT_TRUE(reader.TransferBool(got));
        EXPECT_EQ(got, f);
    }
    for (const std::string& t : texts) {
        EXPECT_EQ(ReadString(reader), t);
    }
    int past = 77;
    EXPECT_FALSE(reader.TransferInt(past)) << "a read past the end moves nothing";
    EXPECT_EQ(past, 77);
}

TEST(DataArchive, BoolIsTrueExactlyWhenTheNumberIsOne) {
    DataArchive archive = Reading("1\n2\n-1\n0\n01\n 1\n\n");
    const bool expected[] = {true, false, false, false, true, true, false};
    for (const bool e : expected) {
        bool got = !e;
        archive.TransferBool(got);
        EXPECT_EQ(got, e);
    }
}

TEST(DataArchive, NumberLinesStopAfterNinetyNineBytesAndSaturate) {
    DataArchive archive = Reading(std::string(98, ' ') + "12\n99999999999\n-99999999999\n");
    EXPECT_EQ(ReadInt(archive), 1) << "98 spaces and one digit fill the line";
    EXPECT_EQ(ReadInt(archive), 2);
    EXPECT_EQ(ReadInt(archive), INT_MAX);
    EXPECT_EQ(ReadInt(archive), INT_MIN);
}

TEST(DataArchive, StringLengthsOutsideTheLimitReadAsEmptyWithoutATextLine) {
    const std::string longest(MaxArchiveStringBytes, 'a');
    DataArchive archive = Reading("100001\n123\n0\n-4\n100000\n" + longest + "\n9\n");
    EXPECT_EQ(ReadString(archive), "");
    EXPECT_EQ(ReadInt(archive), 123) << "the text line is read as the next value";
    EXPECT_EQ(ReadString(archive), "");
    EXPECT_EQ(ReadString(archive), "");
    EXPECT_EQ(ReadString(archive), longest);
    EXPECT_EQ(ReadInt(archive), 9);
}

TEST(DataArchive, TextLinesAreCutToTheirLength) {
    // Short line; long line (length + 2 bytes taken, the rest is the next line); a
    // carriage return; a length line with no text line after it.
    DataArchive archive = Reading("5\nab\n7\n3\nabcde9\n6\nNormal\r\n4\n8\n");
    EXPECT_EQ(ReadString(archive), "ab");
    EXPECT_EQ(ReadInt(archive), 7);
    EXPECT_EQ(ReadString(archive), "abc");
    EXPECT_EQ(ReadInt(archive), 9);
    EXPECT_EQ(ReadString(archive), "Normal");
    EXPECT_EQ(ReadInt(archive), 4);
    EXPECT_EQ(ReadString(archive), "unread");
}

TEST(DataArchive, WrittenStringsStopAtALineFeedSoLaterValuesStayInStep) {
    DataArchive writer = Writing();
    std::string text = "ab\ncd";
    int after = 6;
    writer.TransferString(text);
    writer.TransferInt(after);
    EXPECT_EQ(writer.CloseArchive(), HeaderLines + "2\nab\n6\n");
}

TEST(DataArchive, SectionIsWrittenBetweenMarkers) {
    DataArchive archive = Writing();
    int value = 3;
    EXPECT_TRUE(archive.BeginSection());
    archive.TransferInt(value);
    EXPECT_TRUE(archive.EndSection());
    EXPECT_EQ(archive.CloseArchive(), HeaderLines + Marker + "3\n" + Marker);
}

TEST(DataArchive, SectionEndingEarlyKeepsTheRemainingValues) {
    DataArchive archive = Reading(Marker + "4\n" + Marker + "8\n");
    EXPECT_TRUE(archive.BeginSection());
    EXPECT_EQ(ReadInt(archive), 4);
    EXPECT_EQ(ReadInt(archive, -1), -1) << "meets the closing marker";
    EXPECT_EQ(ReadInt(archive, -2), -2);
    EXPECT_FALSE(archive.EndSection()) << "the marker was already consumed";
    EXPECT_EQ(ReadInt(archive), 8);
}

TEST(DataArchive, SectionWithOneExtraValueShiftsReadsOntoTheMarker) {
    DataArchive archive = Reading(Marker + "1\n2\n" + Marker + "9\n");
    archive.BeginSection();
    EXPECT_EQ(ReadInt(archive), 1);
    EXPECT_FALSE(archive.EndSection()) << "the extra value's line is not the marker";
    EXPECT_EQ(ReadInt(archive), 0) << "outside a section the marker is just a line";
    EXPECT_EQ(ReadInt(archive), 9);
}

TEST(DataArchive, MarkerIsNineBytesAtTheStartOfALine) {
    // Eight of the bytes are an ordinary line reading as 0; nine and more end the section.
    DataArchive archive = Reading(Marker + "\x01\x02\x03\x04\x05\x06\x07\x08\n" +
                                  "\x01\x02\x03\x04\x05\x06\x07\x08\x09zz\n5\n");
    EXPECT_TRUE(archive.BeginSection());
    EXPECT_EQ(ReadInt(archive), 0);
    EXPECT_EQ(ReadInt(archive), -99);
    archive.EndSection();
    EXPECT_EQ(ReadInt(archive), 5);

    DataArchive empty = Reading("");
    EXPECT_TRUE(empty.BeginSection()) << "no line counts as the marker";
    EXPECT_TRUE(empty.EndSection());
}

TEST(DataArchive, MissingOpeningMarkerSwitchesOffTheRestOfTheFile) {
    DataArchive archive = Reading("1\n" + Marker + "2\n3\n");
    EXPECT_FALSE(archive.BeginSection());
    EXPECT_EQ(ReadInt(archive), -99);
    archive.EndSection();
    EXPECT_EQ(ReadInt(archive), -99);

    archive = Reading("6\n");
    EXPECT_EQ(ReadInt(archive), 6) << "a new open switches reading back on";
}

TEST(DataArchive, LengthIsTheWholeFileWhenReadingAndTheBytesSoFarWhenWriting) {
    DataArchive archive = Reading("1\n2\n");
    EXPECT_EQ(archive.ArchiveLength(), static_cast<int>(HeaderLines.size()) + 4);
    archive.CloseArchive();
    EXPECT_EQ(archive.ArchiveLength(), -1);

    archive = Writing();
    EXPECT_EQ(archive.ArchiveLength(), 21);
    int value = 1234;
    archive.TransferInt(value);
    EXPECT_EQ(archive.ArchiveLength(), 26);
}

TEST(DataArchive, ClosedArchiveAndUnknownModeMoveNothing) {
    DataArchive archive;
    std::string header = "kept";
    int version = 3;
    EXPECT_FALSE(archive.OpenArchive("9\n", header, version, 2));
    EXPECT_EQ(header, "kept");
    EXPECT_EQ(version, 3);
    EXPECT_EQ(archive.ArchiveLength(), -1);
    EXPECT_EQ(ReadInt(archive), -99);
    EXPECT_EQ(ReadString(archive), "unread");
    EXPECT_FALSE(archive.BeginSection());
    EXPECT_EQ(archive.CloseArchive(), "");
}

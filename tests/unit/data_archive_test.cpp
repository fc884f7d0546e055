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

// An archive open for writing with the game's header.
void OpenForWriting(DataArchive& archive) {
    std::string header = "Quickfigure";
    int version = 101;
    ASSERT_TRUE(archive.OpenArchive(std::string(), header, version, ArchiveWrite));
}

// An archive open for reading the header lines followed by body.
void OpenForReading(DataArchive& archive, const std::string& body) {
    std::string header;
    int version = 0;
    ASSERT_TRUE(archive.OpenArchive(HeaderLines + body, header, version, ArchiveRead));
}

} // namespace

TEST(DataArchive, WritesHeaderAndEachValueAsLines) {
    DataArchive archive;
    OpenForWriting(archive);
    int number = -42;
    bool yes = true;
    bool no = false;
    std::string word = "Normal";
    std::string empty;
    archive.TransferInt(number);
    archive.TransferBool(yes);
    archive.TransferBool(no);
    archive.TransferString(word);
    archive.TransferString(empty);
    EXPECT_EQ(archive.CloseArchive(), HeaderLines + "-42\n1\n0\n6\nNormal\n0\n");
}

TEST(DataArchive, ReadingTakesTheFilesHeaderAndVersion) {
    DataArchive archive;
    std::string header = "Quickfigure";
    int version = 101;
    ASSERT_TRUE(archive.OpenArchive("5\nHello\n7\n1\n", header, version, ArchiveRead));
    EXPECT_EQ(header, "Hello");
    EXPECT_EQ(version, 7);
}

TEST(DataArchive, ValuesReadBackAsWritten) {
    DataArchive writer;
    OpenForWriting(writer);
    int numbers[] = {0, 1, -1, INT_MAX, INT_MIN};
    bool flags[] = {true, false};
    std::string texts[] = {"", "x", " +  x ", std::string("a\rb\0c", 5)};
    for (int& n : numbers) {
        writer.TransferInt(n);
    }
    for (bool& f : flags) {
        writer.TransferBool(f);
    }
    for (std::string& t : texts) {
        writer.TransferString(t);
    }
    std::string header;
    int version = 0;
    DataArchive reader;
    ASSERT_TRUE(reader.OpenArchive(writer.CloseArchive(), header, version, ArchiveRead));
    for (const int n : numbers) {
        int got = 12345;
        EXPECT_TRUE(reader.TransferInt(got));
        EXPECT_EQ(got, n);
    }
    for (const bool f : flags) {
        bool got = !f;
        EXPECT_TRUE(reader.TransferBool(got));
        EXPECT_EQ(got, f);
    }
    for (const std::string& t : texts) {
        std::string got = "previous";
        EXPECT_TRUE(reader.TransferString(got));
        EXPECT_EQ(got, t);
    }
    int past = 77;
    EXPECT_FALSE(reader.TransferInt(past)) << "nothing is left";
    EXPECT_EQ(past, 77);
}

TEST(DataArchive, BoolIsTrueExactlyWhenTheNumberIsOne) {
    DataArchive archive;
    OpenForReading(archive, "1\n2\n-1\n0\n01\n 1\n\n");
    const bool expected[] = {true, false, false, false, true, true, false};
    for (const bool e : expected) {
        bool got = !e;
        EXPECT_TRUE(archive.TransferBool(got));
        EXPECT_EQ(got, e);
    }
}

TEST(DataArchive, NumberLinesStopAfterNinetyNineBytes) {
    DataArchive archive;
    OpenForReading(archive, std::string(98, ' ') + "12\n5\n");
    int first = -1;
    int second = -1;
    int third = -1;
    archive.TransferInt(first);
    archive.TransferInt(second);
    archive.TransferInt(third);
    EXPECT_EQ(first, 1) << "98 spaces and one digit fill the line";
    EXPECT_EQ(second, 2);
    EXPECT_EQ(third, 5);
}

TEST(DataArchive, OutOfRangeNumbersSaturate) {
    DataArchive archive;
    OpenForReading(archive, "99999999999\n-99999999999\n");
    int high = 0;
    int low = 0;
    archive.TransferInt(high);
    archive.TransferInt(low);
    EXPECT_EQ(high, INT_MAX);
    EXPECT_EQ(low, INT_MIN);
}

TEST(DataArchive, StringLengthsOutsideTheLimitReadAsEmptyWithoutATextLine) {
    DataArchive archive;
    OpenForReading(archive, "100001\n123\n0\n-4\n9\n");
    std::string text = "previous";
    int next = 0;
    EXPECT_TRUE(archive.TransferString(text));
    EXPECT_EQ(text, "");
    archive.TransferInt(next);
    EXPECT_EQ(next, 123) << "the text line is read as the next value";
    text = "previous";
    archive.TransferString(text);
    EXPECT_EQ(text, "");
    text = "previous";
    archive.TransferString(text);
    EXPECT_EQ(text, "");
    archive.TransferInt(next);
    EXPECT_EQ(next, 9);
}

TEST(DataArchive, LongestStringIsAccepted) {
    const std::string longest(MaxArchiveStringBytes, 'a');
    DataArchive archive;
    OpenForReading(archive, "100000\n" + longest + "\n8\n");
    std::string text;
    int next = 0;
    archive.TransferString(text);
    archive.TransferInt(next);
    EXPECT_EQ(text, longest);
    EXPECT_EQ(next, 8);
}

TEST(DataArchive, TextLinesAreCutToTheirLength) {
    DataArchive archive;
    // Short line; long line (5 bytes taken, the rest is the next line); carriage return.
    OpenForReading(archive, "5\nab\n7\n3\nabcde9\n6\nNormal\r\n4\n");
    std::string shortText;
    std::string longText;
    std::string crText;
    int a = 0;
    int b = 0;
    int c = 0;
    archive.TransferString(shortText);
    archive.TransferInt(a);
    archive.TransferString(longText);
    archive.TransferInt(b);
    archive.TransferString(crText);
    archive.TransferInt(c);
    EXPECT_EQ(shortText, "ab");
    EXPECT_EQ(a, 7);
    EXPECT_EQ(longText, "abc");
    EXPECT_EQ(b, 9);
    EXPECT_EQ(crText, "Normal");
    EXPECT_EQ(c, 4);
}

TEST(DataArchive, MissingTextLineLeavesTheStringUnchanged) {
    DataArchive archive;
    OpenForReading(archive, "4\n");
    std::string text = "kept";
    EXPECT_FALSE(archive.TransferString(text));
    EXPECT_EQ(text, "kept");
}

TEST(DataArchive, WrittenStringsStopAtALineFeedSoLaterValuesStayInStep) {
    DataArchive writer;
    OpenForWriting(writer);
    std::string text = "ab\ncd";
    int after = 6;
    writer.TransferString(text);
    writer.TransferInt(after);
    const std::string bytes = writer.CloseArchive();
    EXPECT_EQ(bytes, HeaderLines + "2\nab\n6\n");
}

TEST(DataArchive, SectionIsWrittenBetweenMarkers) {
    DataArchive archive;
    OpenForWriting(archive);
    int value = 3;
    EXPECT_TRUE(archive.BeginSection());
    archive.TransferInt(value);
    EXPECT_TRUE(archive.EndSection());
    EXPECT_EQ(archive.CloseArchive(), HeaderLines + Marker + "3\n" + Marker);
}

TEST(DataArchive, SectionEndingEarlyKeepsTheRemainingValues) {
    DataArchive archive;
    OpenForReading(archive, Marker + "4\n" + Marker + "8\n");
    int first = 0;
    int second = -1;
    int third = -2;
    int after = 0;
    EXPECT_TRUE(archive.BeginSection());
    EXPECT_TRUE(archive.TransferInt(first));
    EXPECT_FALSE(archive.TransferInt(second)) << "meets the closing marker";
    EXPECT_FALSE(archive.TransferInt(third));
    EXPECT_FALSE(archive.EndSection()) << "the marker was already consumed";
    EXPECT_TRUE(archive.TransferInt(after));
    EXPECT_EQ(first, 4);
    EXPECT_EQ(second, -1);
    EXPECT_EQ(third, -2);
    EXPECT_EQ(after, 8);
}

TEST(DataArchive, SectionWithOneExtraValueShiftsReadsOntoTheMarker) {
    DataArchive archive;
    OpenForReading(archive, Marker + "1\n2\n" + Marker + "9\n");
    int inside = 0;
    int atMarker = -1;
    int after = 0;
    archive.BeginSection();
    archive.TransferInt(inside);
    EXPECT_FALSE(archive.EndSection()) << "the extra value's line is not the marker";
    EXPECT_TRUE(archive.TransferInt(atMarker));
    archive.TransferInt(after);
    EXPECT_EQ(inside, 1);
    EXPECT_EQ(atMarker, 0) << "outside a section the marker is just a line";
    EXPECT_EQ(after, 9);
}

TEST(DataArchive, MissingOpeningMarkerSwitchesOffTheRestOfTheFile) {
    DataArchive archive;
    OpenForReading(archive, "1\n" + Marker + "2\n3\n");
    int value = -5;
    EXPECT_FALSE(archive.BeginSection());
    EXPECT_FALSE(archive.TransferInt(value));
    archive.EndSection();
    EXPECT_FALSE(archive.TransferInt(value));
    EXPECT_EQ(value, -5);

    OpenForReading(archive, "6\n");
    EXPECT_TRUE(archive.TransferInt(value)) << "a new open switches reading back on";
    EXPECT_EQ(value, 6);
}

TEST(DataArchive, MarkerIsNineBytesAtTheStartOfALine) {
    DataArchive archive;
    // A line that starts with the nine bytes and goes on still ends the section; eight
    // of them are an ordinary line reading as 0.
    OpenForReading(archive, Marker + "\x01\x02\x03\x04\x05\x06\x07\x08\n" +
                                "\x01\x02\x03\x04\x05\x06\x07\x08\x09zz\n5\n");
    int eight = -1;
    int nine = -1;
    int after = -1;
    EXPECT_TRUE(archive.BeginSection());
    EXPECT_TRUE(archive.TransferInt(eight));
    EXPECT_FALSE(archive.TransferInt(nine));
    archive.EndSection();
    archive.TransferInt(after);
    EXPECT_EQ(eight, 0);
    EXPECT_EQ(nine, -1);
    EXPECT_EQ(after, 5);
}

TEST(DataArchive, SectionMarkersAtTheEndOfTheFileCountAsFound) {
    DataArchive archive;
    OpenForReading(archive, "");
    EXPECT_TRUE(archive.BeginSection());
    EXPECT_TRUE(archive.EndSection());
}

TEST(DataArchive, LengthIsTheWholeFileWhenReadingAndTheBytesSoFarWhenWriting) {
    DataArchive archive;
    EXPECT_EQ(archive.ArchiveLength(), -1);
    OpenForReading(archive, "1\n2\n");
    EXPECT_EQ(archive.ArchiveLength(), static_cast<int>(HeaderLines.size()) + 4);
    archive.CloseArchive();
    EXPECT_EQ(archive.ArchiveLength(), -1);

    OpenForWriting(archive);
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
    int value = 11;
    std::string text = "same";
    EXPECT_FALSE(archive.TransferInt(value));
    EXPECT_FALSE(archive.TransferString(text));
    EXPECT_FALSE(archive.BeginSection());
    EXPECT_FALSE(archive.EndSection());
    EXPECT_EQ(value, 11);
    EXPECT_EQ(text, "same");
    EXPECT_EQ(archive.CloseArchive(), "");
}

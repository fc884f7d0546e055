// DataArchive: moves values to and from the line-oriented text of the data files. Each
// Transfer call writes when the archive was opened for writing and reads when it was
// opened for reading, so one routine both saves and loads a block of fields. It works on
// bytes in memory (reading takes a file's contents, writing builds them); the file store
// does the disk work. Every line ends in one line feed; numbers are decimal text.
#pragma once

#include <cstddef>
#include <string>

// Modes of OpenArchive.
constexpr int ArchiveWrite = 0;
constexpr int ArchiveRead = 1;

// Longest string a file may hold; a longer length line reads as the empty string.
constexpr int MaxArchiveStringBytes = 100000;

class DataArchive {
  public:
    // ArchiveWrite starts empty contents and writes the file header (header, version and
    // a false flag). ArchiveRead reads fileBytes and takes the header from them into header
    // and version, overwriting the caller's values. Any other mode returns false.
    bool OpenArchive(std::string fileBytes, std::string& header, int& version, int mode);
    // Ends the archive; returns the contents written (empty after reading).
    std::string CloseArchive();

    // Write the value, or read into it; true when it was moved. Nothing happens while the
    // archive is closed, after a missing opening marker, or once a read in a section has
    // met its closing marker. A read that fails leaves the value unchanged.
    bool TransferInt(int& value);
    // Stored as 1 or 0; reads as true exactly when the number is 1.
    bool TransferBool(bool& value);
    // Stored as its length line and, when not empty, a line with its bytes.
    bool TransferString(std::string& value);

    // Writes the section marker, or reads one line: true when it is the marker or there is
    // none, otherwise every later transfer of this file is switched off.
    bool BeginSection();
    // Writes the section marker, or reads to the end of the section: false when a read
    // already met the closing marker, otherwise whether the next line is the marker.
    bool EndSection();
    // Bytes in the archive's contents: the whole file when reading, the bytes written so
    // far when writing; -1 when closed.
    int ArchiveLength() const;
    // True while the archive is open for writing.
    bool IsWriting() const { return open && writing; }

  private:
    bool CanTransfer() const { return open && ok && !sectionEnded; }
    // The next line without its line feed, at most maxBytes long counting the line feed;
    // false at the end of the contents.
    bool ReadLine(std::size_t maxBytes, std::string& line);
    // ReadLine for the first line of a value: inside a section the closing marker ends the
    // section instead of giving a value.
    bool ReadValueLine(std::size_t maxBytes, std::string& line);
    bool ReadString(std::string& value);
    void WriteString(const std::string& value);
    void WriteNumber(int value);

    bool open = false;
    // Set by an open for writing, cleared by an open for reading.
    bool writing = false;
    // The bytes written so far, or the file's bytes being read.
    std::string contents;
    std::size_t readPosition = 0;
    // Set by every open; cleared when a section's opening marker is missing.
    bool ok = true;
    // Between BeginSection and EndSection.
    bool inSection = false;
    // Set when a read inside a section meets the closing marker; cleared by BeginSection,
    // EndSection and every open.
    bool sectionEnded = false;
};

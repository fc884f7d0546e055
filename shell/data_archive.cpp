// DataArchive's line encoding: ints as decimal text, bools as 1/0, strings as a length
// line plus a text line, and a nine-byte section marker around the game's own settings.
// Line limits: 99 bytes for a number, 11 for a marker, the length plus 2 for a string.
#include "shell/data_archive.h"

#include <cstring>
#include <utility>

#include "base/number_text.h"

namespace {

// Bytes 0x01 to 0x09 and a line feed: the line before and after the game's settings.
constexpr char SectionMarker[] = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\n";
constexpr std::size_t SectionMarkerBytes = 9;
// Longest line read for a number, line feed included.
constexpr std::size_t NumberLineBytes = 99;
// Longest line read where a marker is expected (room for a carriage return).
constexpr std::size_t MarkerLineBytes = 11;

bool IsSectionMarker(const std::string& line) {
    return line.size() >= SectionMarkerBytes &&
           std::memcmp(line.data(), SectionMarker, SectionMarkerBytes) == 0;
}

} // namespace

bool DataArchive::OpenArchive(std::string fileBytes, std::string& header, int& version, int mode) {
    if (mode != ArchiveWrite && mode != ArchiveRead) {
        return false;
    }
    open = true;
    writing = mode == ArchiveWrite;
    contents = writing ? std::string() : std::move(fileBytes);
    readPosition = 0;
    ok = true;
    inSection = false;
    sectionEnded = false;
    bool flag = false;
    TransferString(header);
    TransferInt(version);
    TransferBool(flag);
    return true;
}

std::string DataArchive::CloseArchive() {
    std::string written = writing ? std::move(contents) : std::string();
    contents.clear();
    readPosition = 0;
    open = false;
    return written;
}

bool DataArchive::TransferInt(int& value) {
    if (!CanTransfer()) {
        return false;
    }
    if (writing) {
        WriteNumber(value);
        return true;
    }
    std::string line;
    if (!ReadValueLine(NumberLineBytes, line)) {
        return false;
    }
    value = ParseDecimal(line.c_str());
    return true;
}

bool DataArchive::TransferBool(bool& value) {
    int number = value ? 1 : 0;
    if (!TransferInt(number)) {
        return false;
    }
    value = number == 1;
    return true;
}

bool DataArchive::TransferString(std::string& value) {
    if (!CanTransfer()) {
        return false;
    }
    if (writing) {
        WriteString(value);
        return true;
    }
    return ReadString(value);
}

bool DataArchive::BeginSection() {
    inSection = true;
    sectionEnded = false;
    if (!open) {
        return false;
    }
    if (writing) {
        contents += SectionMarker;
        return true;
    }
    std::string line;
    if (!ReadLine(MarkerLineBytes, line) || IsSectionMarker(line)) {
        return true;
    }
    ok = false;
    return false;
}

bool DataArchive::EndSection() {
    inSection = false;
    if (!open) {
        return false;
    }
    if (writing) {
        sectionEnded = false;
        contents += SectionMarker;
        return true;
    }
    if (sectionEnded) {
        // The read that met the closing marker has already consumed it.
        sectionEnded = false;
        return false;
    }
    std::string line;
    return !ReadLine(MarkerLineBytes, line) || IsSectionMarker(line);
}

int DataArchive::ArchiveLength() const {
    if (!open) {
        return -1;
    }
    constexpr std::size_t largest = 0x7FFFFFFF;
    return static_cast<int>(contents.size() < largest ? contents.size() : largest);
}

bool DataArchive::ReadLine(std::size_t maxBytes, std::string& line) {
    const std::size_t remaining = contents.size() - readPosition;
    if (remaining == 0 || maxBytes == 0) {
        return false;
    }
    const std::size_t window = remaining < maxBytes ? remaining : maxBytes;
    const char* start = contents.data() + readPosition;
    const void* lineFeed = std::memchr(start, '\n', window);
    const std::size_t textBytes =
        lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - start) : window;
    line.assign(start, textBytes);
    readPosition += lineFeed ? textBytes + 1 : textBytes;
    return true;
}

bool DataArchive::ReadValueLine(std::size_t maxBytes, std::string& line) {
    if (!ReadLine(maxBytes, line)) {
        return false;
    }
    if (inSection && IsSectionMarker(line)) {
        sectionEnded = true;
        return false;
    }
    return true;
}

bool DataArchive::ReadString(std::string& value) {
    std::string lengthLine;
    if (!ReadValueLine(NumberLineBytes, lengthLine)) {
        return false;
    }
    const int length = ParseDecimal(lengthLine.c_str());
    if (length <= 0 || length > MaxArchiveStringBytes) {
        // No text line follows; whatever comes next is read as the next value.
        value.clear();
        return true;
    }
    const std::size_t textBytes = static_cast<std::size_t>(length);
    std::string text;
    if (!ReadLine(textBytes + 2, text)) {
        return false;
    }
    if (text.size() > textBytes) {
        text.resize(textBytes);
    }
    value = std::move(text);
    return true;
}

void DataArchive::WriteString(const std::string& value) {
    // Only what a reader can take back is stored: the text before any line feed, and no
    // more than the longest string read. The values after it then stay in step.
    std::size_t storable = value.find('\n');
    if (storable == std::string::npos) {
        storable = value.size();
    }
    if (storable > static_cast<std::size_t>(MaxArchiveStringBytes)) {
        storable = MaxArchiveStringBytes;
    }
    WriteNumber(static_cast<int>(storable));
    if (storable > 0) {
        contents.append(value, 0, storable);
        contents += '\n';
    }
}

void DataArchive::WriteNumber(int value) {
    AppendDecimal(contents, value);
    contents += '\n';
}

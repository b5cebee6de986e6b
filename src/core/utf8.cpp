#include "core/utf8.h"

namespace mokopi {

namespace {

// Bytes taken by the character that starts with `lead`.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;  // a stray byte counts as one character of its own
}

}  // namespace

std::string firstCharacters(std::string_view utf8, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t taken = 0; taken < count && end < utf8.size(); ++taken) {
        std::size_t next = end + sequenceLength(static_cast<unsigned char>(utf8[end]));
        end = next < utf8.size() ? next : utf8.size();
    }
    return std::string(utf8.substr(0, end));
}

}  // namespace mokopi

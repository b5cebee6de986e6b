#include "persist/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace mokopi {
namespace {

// One conversion through iconv, all or nothing: any byte or character the
// target cannot take makes the whole text fail, so nothing is silently lost.
std::optional<std::string> convert(const char* to, const char* from, std::string_view text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string out;
    // Either direction grows at most threefold (a one-byte katakana becomes
    // three bytes of UTF-8), so the buffer rarely has to grow below.
    out.resize(text.size() * 3 + 16);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
            continue;
        }
        if (errno == E2BIG) {
            const std::size_t used = out.size() - outLeft;
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        ok = false;  // EILSEQ: no such character; EINVAL: cut off mid-character
        break;
    }
    iconv_close(cd);
    if (!ok) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

// The next code point of a UTF-8 text and its length in bytes, or a length
// of 0 for a malformed sequence (overlong forms, surrogates, cut-off bytes).
struct CodePoint {
    char32_t value = 0;
    std::size_t length = 0;
};

CodePoint nextCodePoint(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[at + i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() - at < length) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return {};
        }
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return {};
    }
    return {value, length};
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Calls visit(character, savable) for each character of a UTF-8 text; a
// malformed byte is visited alone, as an unsavable character.
template <class Visit>
void visitCharacters(std::string_view text, Visit visit) {
    for (std::size_t at = 0; at < text.size();) {
        const CodePoint cp = nextCodePoint(text, at);
        if (cp.length == 0) {
            visit(text.substr(at, 1), false);
            ++at;
            continue;
        }
        const std::string_view character = text.substr(at, cp.length);
        // A quote would end the name early in the file and a line break
        // would end the record: neither could be read back.
        visit(character, cp.value != U'"' && !isControl(cp.value) && toCp932(character).has_value());
        at += cp.length;
    }
}

}  // namespace

std::optional<std::string> toCp932(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> fromCp932(std::string_view cp932) {
    return convert("UTF-8", "CP932", cp932);
}

std::vector<std::string> unsavableCharacters(std::string_view utf8Name) {
    std::vector<std::string> found;
    visitCharacters(utf8Name, [&](std::string_view character, bool savable) {
        if (savable) {
            return;
        }
        // A malformed byte is listed as U+FFFD so the list itself is valid text.
        const bool malformed = character.size() == 1 && static_cast<unsigned char>(character[0]) >= 0x80;
        const std::string_view shown = malformed ? std::string_view("\xEF\xBF\xBD") : character;
        if (std::find(found.begin(), found.end(), shown) == found.end()) {
            found.emplace_back(shown);
        }
    });
    return found;
}

std::string withSavableCharacters(std::string_view utf8Name) {
    std::string kept;
    visitCharacters(utf8Name, [&](std::string_view character, bool savable) {
        kept += savable ? character : std::string_view("?");
    });
    return kept;
}

}  // namespace mokopi

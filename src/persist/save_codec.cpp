// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persist/save_codec.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <vector>

#include "game/text.h"
#include "game/utf8.h"
#include "persist/cp932.h"

namespace mokopi::persist {

using game::nextCodePoint;
using game::SaveRecord;

namespace {

// The two names, the four values, the hour, the day, a flag per ending and
// whether the game has started.
constexpr std::size_t FieldCount = 2 + 4 + 2 + game::EndingCount + 1;
// Where the values sit in the file: affection first, then song, dance, fatigue.
constexpr std::array<std::size_t, 4> StatusInFileOrder{3, 0, 1, 2};
// What play can bring about: a value never goes below 0, and the hour is 0
// from a new game until the first tick, then 1 to 24. The day may be anything
// a byte holds: older copies of the game counted on past day 24.
constexpr long LowestValue = 0;
constexpr long LastHour = 24;
// What may stand around the record.
constexpr std::string_view Blanks = " \t\r\n";

// Refusal reasons, shown to the player after "could not load".
constexpr const char* EmptyFile = MOKOPI_TR_NOOP("Save file", "セーブファイルが空です");
constexpr const char* BlankLineFirst = MOKOPI_TR_NOOP("Save file", "記録の前に空の行があります");
constexpr const char* BadEncoding = MOKOPI_TR_NOOP("Save file", "文字コードが正しくありません");
constexpr const char* WrongFieldCount = MOKOPI_TR_NOOP("Save file", "項目の数が合いません");
constexpr const char* UnclosedQuote = MOKOPI_TR_NOOP("Save file", "引用符が閉じていません");
constexpr const char* NameNotQuoted = MOKOPI_TR_NOOP("Save file", "名前が引用符で囲まれていません");
constexpr const char* BadNameCharacter = MOKOPI_TR_NOOP("Save file", "名前に使えない文字があります");
constexpr const char* BadNumber = MOKOPI_TR_NOOP("Save file", "数値が正しくありません");
constexpr const char* NumberOutOfRange = MOKOPI_TR_NOOP("Save file", "数値が範囲を超えています");
constexpr const char* BadBoolean = MOKOPI_TR_NOOP("Save file", "真偽値が正しくありません");
constexpr const char* ExtraContent = MOKOPI_TR_NOOP("Save file", "記録のあとに余分な内容があります");

bool isUtf8WithNonAscii(std::string_view bytes)
{
    bool nonAscii = false;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = nextCodePoint(bytes, at).length;
        if (length == 0) {
            return false;
        }
        nonAscii = nonAscii || length > 1;
        at += length;
    }
    return nonAscii;
}

// The file's text as UTF-8. Non-ASCII bytes that are all valid UTF-8 come
// from a player's modern editor, with or without a byte order mark; anything
// else is code page 932, as the game writes it. Code page 932 text is seldom
// valid UTF-8 by chance: kana and most kanji begin with a byte from 81 to 9F,
// which cannot begin a UTF-8 character.
std::optional<std::string> textOf(std::string_view bytes)
{
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (!isUtf8WithNonAscii(bytes)) {
        return fromCp932(bytes);
    }
    if (bytes.starts_with(ByteOrderMark)) {
        bytes.remove_prefix(ByteOrderMark.size());
    }
    return std::string(bytes);
}

struct Field {
    std::string_view text;
    bool quoted = false;
};

// Splits one line into fields. A quoted field ends only at a quote that is
// followed by a comma or the end of the line, so a name may hold a comma.
std::variant<std::vector<Field>, DecodeError> splitFields(std::string_view line)
{
    std::vector<Field> fields;
    std::size_t at = 0;
    while (true) {
        if (fields.size() == FieldCount) {
            return DecodeError{WrongFieldCount};  // one more is coming
        }
        std::size_t end = 0;
        if (at < line.size() && line[at] == '"') {
            std::size_t close = line.find('"', at + 1);
            while (close != std::string_view::npos && close + 1 < line.size() && line[close + 1] != ',') {
                close = line.find('"', close + 1);
            }
            if (close == std::string_view::npos) {
                return DecodeError{UnclosedQuote};
            }
            fields.push_back({line.substr(at + 1, close - at - 1), true});
            end = close + 1;
        } else {
            end = std::min(line.find(',', at), line.size());
            fields.push_back({line.substr(at, end - at), false});
        }
        if (end == line.size()) {
            break;
        }
        at = end + 1;  // past the comma
    }
    if (fields.size() != FieldCount) {
        return DecodeError{WrongFieldCount};
    }
    return fields;
}

// Reads the fields one after the other and keeps the first refusal.
class FieldReader {
public:
    explicit FieldReader(const std::vector<Field>& fields) : fields_(fields) {}

    const std::optional<DecodeError>& error() const { return error_; }

    void name(std::string& value)
    {
        const Field* field = next();
        if (!field) {
            return;
        }
        if (!field->quoted) {
            error_ = DecodeError{NameNotQuoted};
        } else if (!unsavableCharacters(field->text).empty()) {
            // The game could not save such a name again.
            error_ = DecodeError{BadNameCharacter};
        } else {
            value = std::string(field->text);
        }
    }

    // A plain decimal number, a minus sign allowed, within the range of T
    // and the bounds given.
    template <class T>
    void integer(T& value, long lowest = std::numeric_limits<T>::min(), long highest = std::numeric_limits<T>::max())
    {
        const Field* field = next();
        if (!field) {
            return;
        }
        const char* first = field->text.data();
        const char* last = first + field->text.size();
        long parsed = 0;
        const auto [end, errc] = std::from_chars(first, last, parsed);
        if (field->quoted || errc == std::errc::invalid_argument || end != last) {
            error_ = DecodeError{BadNumber};
        } else if (errc == std::errc::result_out_of_range || parsed < lowest || parsed > highest) {
            error_ = DecodeError{NumberOutOfRange};
        } else {
            value = static_cast<T>(parsed);
        }
    }

    void boolean(bool& value)
    {
        const Field* field = next();
        if (!field) {
            return;
        }
        if (field->quoted || (field->text != "#TRUE#" && field->text != "#FALSE#")) {
            error_ = DecodeError{BadBoolean};
        } else {
            value = field->text == "#TRUE#";
        }
    }

private:
    const Field* next() { return error_ ? nullptr : &fields_.at(next_++); }

    const std::vector<Field>& fields_;
    std::size_t next_ = 0;
    std::optional<DecodeError> error_;
};

}  // namespace

std::string encodeSaveRecord(const SaveRecord& record)
{
    std::string line;
    for (const std::string* name : {&record.OwnerName, &record.PetName}) {
        line += '"' + withSavableCharacters(*name) + "\",";
    }
    for (std::size_t index : StatusInFileOrder) {
        line += std::to_string(record.Status[index]) + ',';
    }
    line += std::to_string(record.Hour) + ',' + std::to_string(record.Day);
    for (bool cleared : record.EndingCleared) {
        line += cleared ? ",#TRUE#" : ",#FALSE#";
    }
    line += record.GameStarted ? ",#TRUE#" : ",#FALSE#";
    line += "\r\n";
    // Every character left converts, so this cannot come back empty.
    return toCp932(line).value_or(std::string());
}

std::variant<SaveRecord, DecodeError> decodeSaveRecord(std::string_view bytes)
{
    const std::optional<std::string> text = textOf(bytes);
    if (!text) {
        return DecodeError{BadEncoding};
    }
    // The record is the first line, however it ends; only blank lines may follow.
    const std::string_view all = *text;
    if (all.find_first_not_of(Blanks) == std::string_view::npos) {
        return DecodeError{EmptyFile};
    }
    const std::size_t lineEnd = std::min(all.find_first_of("\r\n"), all.size());
    if (all.substr(0, lineEnd).find_first_not_of(Blanks) == std::string_view::npos) {
        return DecodeError{BlankLineFirst};
    }
    if (all.find_first_not_of(Blanks, lineEnd) != std::string_view::npos) {
        return DecodeError{ExtraContent};
    }
    const auto split = splitFields(all.substr(0, lineEnd));
    if (const auto* error = std::get_if<DecodeError>(&split)) {
        return *error;
    }

    SaveRecord record;
    FieldReader read(std::get<std::vector<Field>>(split));
    read.name(record.OwnerName);
    read.name(record.PetName);
    for (std::size_t index : StatusInFileOrder) {
        read.integer(record.Status[index], LowestValue);
    }
    read.integer(record.Hour, 0, LastHour);
    read.integer(record.Day);
    for (bool& cleared : record.EndingCleared) {
        read.boolean(cleared);
    }
    read.boolean(record.GameStarted);
    if (read.error()) {
        return *read.error();
    }
    return record;
}

}  // namespace mokopi::persist

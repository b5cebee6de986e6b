#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "persist/cp932.h"
#include "persist/save_codec.h"

namespace mokopi {
namespace {

// "82 E4 82 D0" -> those four bytes.
std::string hex(std::string_view spaced) {
    std::istringstream in{std::string(spaced)};
    std::string out;
    for (unsigned byte = 0; in >> std::hex >> byte;) {
        out += static_cast<char>(byte);
    }
    return out;
}

// ゆひこ and やちうみ; affection 12, song 40, dance 3, fatigue 80; 17 o'clock of
// day 5; endings 0 and 3 cleared; the game started.
const std::string Golden = "\"" + hex("82 E4 82 D0 82 B1") + "\",\"" + hex("82 E2 82 BF 82 A4 82 DD") +
                           "\",12,40,3,80,17,5,#TRUE#,#FALSE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,"
                           "#FALSE#,#TRUE#\r\n";

SaveRecord goldenRecord() {
    SaveRecord r{"ゆひこ", "やちうみ", {40, 3, 80, 12}, 17, 5, {}, true};
    r.EndingCleared[0] = r.EndingCleared[3] = true;
    return r;
}

// A file with ASCII names and the 1-based field `number` replaced by `text`.
std::string withField(std::size_t number, const std::string& text) {
    std::vector<std::string> fields{"\"a\"", "\"b\"", "12", "40", "3", "80", "17", "5"};
    fields.resize(18, "#FALSE#");
    fields.at(number - 1) = text;
    std::string line = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) {
        line += "," + fields[i];
    }
    return line + "\r\n";
}

std::string refusal(const std::variant<SaveRecord, DecodeError>& result) {
    const auto* error = std::get_if<DecodeError>(&result);
    return error ? error->reason : "(decoded)";
}

SaveRecord decodedOrFail(std::string_view bytes) {
    const auto result = decodeSaveRecord(bytes);
    EXPECT_TRUE(std::holds_alternative<SaveRecord>(result)) << refusal(result) << " for " << bytes;
    const auto* record = std::get_if<SaveRecord>(&result);
    return record ? *record : SaveRecord{};
}

TEST(Cp932, ListsUnsavableCharactersOnceInOrder) {
    using List = std::vector<std::string>;
    for (const auto& [name, unsavable] : {
             std::pair<const char*, List>{"ゆひこ", {}},
             {"Aｱ〜−～①髙, ", {}},
             {"a\"b\"", {"\""}},
             {"\r\n\ta\n", {"\r", "\n", "\t"}},
             {"\x7F\xC2\x85", {"\x7F", "\xC2\x85"}},  // DEL and a C1 control
             {"é😀éや", {"é", "😀"}},
             {"a\xFF\xC3\xED\xA0\x80", {"\xEF\xBF\xBD"}},  // malformed bytes, a surrogate: U+FFFD
         }) {
        EXPECT_EQ(unsavableCharacters(name), unsavable) << name;
    }
    EXPECT_EQ(withSavableCharacters("a\"é\xFFや"), "a???や");
}

TEST(SaveRecord, GoldenRecordBothWays) {
    EXPECT_EQ(encodeSaveRecord(goldenRecord()), Golden);
    EXPECT_EQ(decodedOrFail(Golden), goldenRecord());
}

TEST(SaveRecord, NamesAreWrittenInCp932AndReadBack) {
    const struct {
        const char* name;
        const char* bytes;
        const char* readBack;
    } cases[] = {
        {"～ゆ", "81 60 82 E4", "～ゆ"}, {"－", "81 7C", "－"}, {"①髙", "87 40 FB FC", "①髙"},
        {"ゆ,ひ", "82 E4 2C 82 D0", "ゆ,ひ"}, {"", "", ""}, {"〜−", "81 60 81 7C", "～－"},
        {"\",\"é\n", "3F 2C 3F 3F 3F", "?,???"},  // never a file that cannot be loaded
    };
    for (const auto& c : cases) {
        SaveRecord record = goldenRecord();
        record.OwnerName = record.PetName = c.name;
        const std::string bytes = encodeSaveRecord(record);
        const std::string quoted = "\"" + hex(c.bytes) + "\"";
        EXPECT_EQ(bytes.substr(0, bytes.find(",12,")), quoted + "," + quoted) << c.name;
        record.OwnerName = record.PetName = c.readBack;
        EXPECT_EQ(decodedOrFail(bytes), record) << c.name;
    }
}

TEST(SaveRecord, EachEndingIsItsOwnFieldAndValuesKeepTheirSign) {
    SaveRecord record{"", "", {-32768, 32767, -1, 0}, -32768, 255, {}, false};
    record.EndingCleared[4] = true;
    const std::string bytes = encodeSaveRecord(record);
    EXPECT_EQ(bytes, "\"\",\"\",0,-32768,32767,-1,-32768,255,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,"
                     "#FALSE#,#FALSE#,#FALSE#\r\n");
    EXPECT_EQ(decodedOrFail(bytes), record);
}

TEST(SaveRecord, AcceptsWhatARealFileMayHold) {
    const std::string line = Golden.substr(0, Golden.size() - 2);
    for (const std::string& bytes : {line, line + "\n", line + "\r", line + "\r\n\r\n \t\n"}) {
        EXPECT_EQ(decodedOrFail(bytes), goldenRecord());
    }
    // Within their types though play never gets there.
    EXPECT_EQ(decodedOrFail(withField(3, "-5")).Status[3], -5);
    EXPECT_EQ(decodedOrFail(withField(8, "030")).Day, 30);
}

TEST(SaveRecord, RefusesEveryKindOfBrokenFileWithAReason) {
    const std::string line = withField(1, "\"a\"");
    const std::string bare = line.substr(0, line.size() - 2);
    const std::pair<std::string, std::string> cases[] = {
        {withField(1, "\"a\x80\""), "文字コードが正しくありません"},
        {withField(2, "\"\xFD\""), "文字コードが正しくありません"},
        {withField(2, "\"\x85\x40\""), "文字コードが正しくありません"},  // unassigned pair
        {bare + "\x81", "文字コードが正しくありません"},
        {"", "項目の数が合いません"},
        {bare.substr(0, bare.rfind(',')), "項目の数が合いません"},
        {bare + ",#TRUE#", "項目の数が合いません"},
        {withField(2, "\"b"), "引用符が閉じていません"},
        {withField(2, "12"), "名前が引用符で囲まれていません"},
        {withField(1, "\"a\tb\""), "名前に使えない文字があります"},
        {withField(2, "\"b\"c\""), "名前に使えない文字があります"},
        {withField(3, "\"12\""), "数値が正しくありません"},
        {withField(4, "12.5"), "数値が正しくありません"},
        {withField(5, " 3"), "数値が正しくありません"},
        {withField(7, "17h"), "数値が正しくありません"},
        {withField(8, ""), "数値が正しくありません"},
        {withField(3, "32768"), "数値が範囲を超えています"},
        {withField(6, "-32769"), "数値が範囲を超えています"},
        {withField(7, "99999999999999999999999"), "数値が範囲を超えています"},
        {withField(8, "256"), "数値が範囲を超えています"},
        {withField(8, "-1"), "数値が範囲を超えています"},
        {withField(9, "#true#"), "真偽値が正しくありません"},
        {withField(12, "-1"), "真偽値が正しくありません"},
        {withField(18, "\"#TRUE#\""), "真偽値が正しくありません"},
        {line + "\"a\",\"b\"\r\n", "記録のあとに余分な内容があります"},
    };
    for (const auto& [bytes, reason] : cases) {
        EXPECT_EQ(refusal(decodeSaveRecord(bytes)), reason) << bytes;
    }
}

TEST(SaveRecord, EveryTruncationIsRefused) {
    // The last field is a mark, so no cut-off file can pass for a record.
    for (std::size_t length = 0; length <= Golden.size(); ++length) {
        const auto result = decodeSaveRecord(std::string_view(Golden).substr(0, length));
        EXPECT_EQ(std::holds_alternative<SaveRecord>(result), length >= Golden.size() - 2) << length;
    }
}

TEST(SaveRecord, RandomMutationsAreDecodedStablyOrRefused) {
    std::mt19937 random(20240607);
    const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    // Bytes the format gives meaning to, so that many mutants stay near a valid file.
    const std::string telling = "\",#\r\n-0123456789TRUEFALS \x81\x82\xFB";
    int decoded = 0;
    for (int round = 0; round < 5000; ++round) {
        std::string bytes = Golden;
        for (std::size_t edits = 1 + below(3); edits > 0 && !bytes.empty(); --edits) {
            const std::size_t at = below(bytes.size());
            const char byte = below(2) ? telling[below(telling.size())] : static_cast<char>(below(256));
            switch (below(4)) {
                case 0: bytes[at] = byte; break;
                case 1: bytes.insert(at, 1, byte); break;
                case 2: bytes.erase(at, 1 + below(4)); break;
                default: bytes.insert(at, bytes.substr(below(bytes.size()), below(8))); break;
            }
        }
        // A record that loads must save and load again as the same record.
        const auto result = decodeSaveRecord(bytes);
        if (const auto* record = std::get_if<SaveRecord>(&result)) {
            ++decoded;
            EXPECT_EQ(decodedOrFail(encodeSaveRecord(*record)), *record) << bytes;
        } else {
            EXPECT_FALSE(refusal(result).empty());
        }
    }
    // Both outcomes must occur for the check to mean anything.
    EXPECT_GT(decoded, 50);
    EXPECT_LT(decoded, 4000);
}

}  // namespace
}  // namespace mokopi

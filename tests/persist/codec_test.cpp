#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "persist/cp932.h"
#include "persist/save_codec.h"

namespace mokopi {
namespace {

// "82 E4 82 D0" -> the four bytes.
std::string hex(std::string_view spaced) {
    std::istringstream in{std::string(spaced)};
    std::string out;
    unsigned byte = 0;
    while (in >> std::hex >> byte) {
        out += static_cast<char>(byte);
    }
    return out;
}

const std::string Yuhiko = hex("82 E4 82 D0 82 B1");          // ゆひこ
const std::string Yachiumi = hex("82 E2 82 BF 82 A4 82 DD");  // やちうみ
const std::string GoldenBytes = "\"" + Yuhiko + "\",\"" + Yachiumi +
                                "\",12,40,3,80,17,5,#TRUE#,#FALSE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,"
                                "#FALSE#,#TRUE#\r\n";

SaveRecord goldenRecord() {
    SaveRecord r;
    r.OwnerName = "ゆひこ";
    r.PetName = "やちうみ";
    r.Status = {40, 3, 80, 12};  // song, dance, fatigue, affection
    r.Hour = 17;
    r.Day = 5;
    r.EndingCleared[0] = r.EndingCleared[3] = true;
    r.GameStarted = true;
    return r;
}

// The golden file in ASCII names with one field (1-based) replaced: refusals
// are easiest to read this way.
std::string withField(std::size_t number, const std::string& text) {
    std::vector<std::string> fields{"\"a\"", "\"b\"", "12", "40", "3", "80", "17", "5", "#TRUE#",
                                    "#FALSE#", "#FALSE#", "#TRUE#", "#FALSE#", "#FALSE#", "#FALSE#",
                                    "#FALSE#", "#FALSE#", "#TRUE#"};
    fields.at(number - 1) = text;
    std::string line;
    for (const std::string& field : fields) {
        line += (line.empty() ? "" : ",") + field;
    }
    return line + "\r\n";
}

const SaveRecord* decoded(const std::variant<SaveRecord, DecodeError>& result) {
    return std::get_if<SaveRecord>(&result);
}

std::string refusal(const std::variant<SaveRecord, DecodeError>& result) {
    const auto* error = std::get_if<DecodeError>(&result);
    return error ? error->reason : "(decoded)";
}

TEST(Cp932, ConvertsTheWindowsFormsAndWhatLinuxInputMethodsType) {
    const struct {
        const char* utf8;
        const char* cp932;
    } cases[] = {
        {"～", "81 60"}, {"〜", "81 60"}, {"－", "81 7C"}, {"−", "81 7C"}, {"①", "87 40"},
        {"髙", "FB FC"}, {"ｱ", "B1"},      {"A,\"", "41 2C 22"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toCp932(c.utf8), hex(c.cp932)) << c.utf8;
    }
    EXPECT_EQ(fromCp932(hex("81 60 81 7C 87 40 FB FC")), "～－①髙");
}

TEST(Cp932, RefusesWhatHasNoCounterpart) {
    for (const char* utf8 : {"é", "😀", "a\xFF", "\xE3\x81"}) {
        EXPECT_EQ(toCp932(utf8), std::nullopt) << utf8;
    }
    // Undefined single bytes, a cut-off double byte, an unassigned pair.
    for (const char* cp932 : {"80", "A0", "FD", "FF", "41 81", "85 40"}) {
        EXPECT_EQ(fromCp932(hex(cp932)), std::nullopt) << cp932;
    }
}

TEST(Cp932, ListsUnsavableCharactersOnceInOrder) {
    using List = std::vector<std::string>;
    const struct {
        const char* name;
        List unsavable;
    } cases[] = {
        {"ゆひこ", {}},
        {"Aｱ〜−～①髙, ", {}},
        {"a\"b\"", {"\""}},
        {"a\nb", {"\n"}},
        {"\r\n\t", {"\r", "\n", "\t"}},
        {"\x7F\xC2\x85", {"\x7F", "\xC2\x85"}},  // DEL and a C1 control
        {"é😀éや", {"é", "😀"}},
        {"a\xFF\xC3", {"\xEF\xBF\xBD"}},  // malformed bytes as U+FFFD
        {"\xED\xA0\x80", {"\xEF\xBF\xBD"}},  // an encoded surrogate
    };
    for (const auto& c : cases) {
        EXPECT_EQ(unsavableCharacters(c.name), c.unsavable) << c.name;
    }
    EXPECT_EQ(withSavableCharacters("a\"é\xFFや"), "a???や");
}

TEST(SaveRecord, GoldenRecordBothWays) {
    EXPECT_EQ(encodeSaveRecord(goldenRecord()), GoldenBytes);
    const auto result = decodeSaveRecord(GoldenBytes);
    ASSERT_NE(decoded(result), nullptr) << refusal(result);
    EXPECT_EQ(*decoded(result), goldenRecord());
}

TEST(SaveRecord, NamesRoundTripByteExactly) {
    const struct {
        const char* name;
        const char* cp932;
    } cases[] = {
        {"～ゆ", "81 60 82 E4"}, {"－", "81 7C"}, {"①", "87 40"}, {"髙", "FB FC"},
        {"ゆ,ひ", "82 E4 2C 82 D0"}, {",", "2C"},   {"", ""},
    };
    for (const auto& c : cases) {
        SaveRecord record = goldenRecord();
        record.OwnerName = c.name;
        record.PetName = std::string(c.name) + "ｱ";
        const std::string bytes = encodeSaveRecord(record);
        EXPECT_EQ(bytes.substr(0, bytes.find(",12,")), "\"" + hex(c.cp932) + "\",\"" + hex(c.cp932) + "\xB1\"");
        const auto result = decodeSaveRecord(bytes);
        ASSERT_NE(decoded(result), nullptr) << c.name << ": " << refusal(result);
        EXPECT_EQ(*decoded(result), record) << c.name;
        EXPECT_EQ(encodeSaveRecord(*decoded(result)), bytes) << c.name;
    }
}

TEST(SaveRecord, InputMethodFormsLoadAsTheWindowsForms) {
    SaveRecord record = goldenRecord();
    record.PetName = "〜−";
    const auto result = decodeSaveRecord(encodeSaveRecord(record));
    ASSERT_NE(decoded(result), nullptr);
    EXPECT_EQ(decoded(result)->PetName, "～－");
}

TEST(SaveRecord, UnsavableNameCharactersAreWrittenAsQuestionMarks) {
    SaveRecord record = goldenRecord();
    record.OwnerName = "a\",\"b";
    record.PetName = "é\r\n";
    const auto result = decodeSaveRecord(encodeSaveRecord(record));
    ASSERT_NE(decoded(result), nullptr) << refusal(result);
    EXPECT_EQ(decoded(result)->OwnerName, "a?,?b");
    EXPECT_EQ(decoded(result)->PetName, "???");
}

TEST(SaveRecord, EachEndingIsItsOwnField) {
    for (std::size_t ending = 0; ending < 9; ++ending) {
        SaveRecord record;
        record.EndingCleared[ending] = true;
        std::istringstream line(encodeSaveRecord(record));
        std::vector<std::string> fields;
        for (std::string field; std::getline(line, field, ',');) {
            fields.push_back(field);
        }
        ASSERT_EQ(fields.size(), 18u);
        for (std::size_t i = 0; i < 9; ++i) {
            EXPECT_EQ(fields[8 + i], i == ending ? "#TRUE#" : "#FALSE#") << "ending " << ending;
        }
        EXPECT_EQ(fields[17], "#FALSE#\r\n");
    }
}

TEST(SaveRecord, ExtremesOfEachTypeRoundTrip) {
    SaveRecord record = goldenRecord();
    record.Status = {-32768, 32767, -1, 0};
    record.Hour = -32768;
    record.Day = 255;
    const std::string bytes = encodeSaveRecord(record);
    EXPECT_NE(bytes.find(",0,-32768,32767,-1,-32768,255,"), std::string::npos) << bytes;
    const auto result = decodeSaveRecord(bytes);
    ASSERT_NE(decoded(result), nullptr) << refusal(result);
    EXPECT_EQ(*decoded(result), record);
}

TEST(SaveRecord, AcceptsWhatARealFileMayHold) {
    const std::string line = GoldenBytes.substr(0, GoldenBytes.size() - 2);
    for (const std::string& bytes : {line, line + "\n", line + "\r", line + "\r\n\r\n \t\n"}) {
        const auto result = decodeSaveRecord(bytes);
        ASSERT_NE(decoded(result), nullptr) << refusal(result);
        EXPECT_EQ(*decoded(result), goldenRecord());
    }
    // Within their types though play never gets there.
    const auto negative = decodeSaveRecord(withField(3, "-5"));
    ASSERT_NE(decoded(negative), nullptr) << refusal(negative);
    EXPECT_EQ(decoded(negative)->Status[3], -5);
    const auto day30 = decodeSaveRecord(withField(8, "030"));
    ASSERT_NE(decoded(day30), nullptr) << refusal(day30);
    EXPECT_EQ(decoded(day30)->Day, 30);
    const auto emptyName = decodeSaveRecord(withField(1, "\"\""));
    ASSERT_NE(decoded(emptyName), nullptr) << refusal(emptyName);
    EXPECT_EQ(decoded(emptyName)->OwnerName, "");
}

TEST(SaveRecord, RefusesEveryKindOfBrokenFileWithAReason) {
    const std::string Encoding = "文字コードが正しくありません";
    const std::string Count = "項目の数が合いません";
    const std::string Quote = "引用符が閉じていません";
    const std::string NotQuoted = "名前が引用符で囲まれていません";
    const std::string NameChar = "名前に使えない文字があります";
    const std::string Number = "数値が正しくありません";
    const std::string Range = "数値が範囲を超えています";
    const std::string Boolean = "真偽値が正しくありません";
    const std::string Extra = "記録のあとに余分な内容があります";
    const std::string line = withField(1, "\"a\"");
    const struct {
        std::string bytes;
        std::string reason;
    } cases[] = {
        {withField(1, "\"a\x80\""), Encoding},
        {line.substr(0, line.size() - 2) + "\x81", Encoding},
        {"", Count},
        {"\r\n", Count},
        {line.substr(0, line.rfind(",#TRUE#")) + "\r\n", Count},
        {line.substr(0, line.size() - 2) + ",#TRUE#\r\n", Count},
        {line.substr(0, line.size() - 2) + ",\r\n", Count},
        {withField(2, "\"b"), Quote},
        {withField(1, "a"), NotQuoted},
        {withField(2, "12"), NotQuoted},
        {withField(1, "\"a\tb\""), NameChar},
        {withField(2, "\"b\"c\""), NameChar},
        {withField(3, "\"12\""), Number},
        {withField(4, "12.5"), Number},
        {withField(5, " 3"), Number},
        {withField(6, "80 "), Number},
        {withField(7, "17h"), Number},
        {withField(3, ""), Number},
        {withField(3, "-"), Number},
        {withField(3, "+12"), Number},
        {withField(8, "0x5"), Number},
        {withField(8, "#TRUE#"), Number},
        {withField(3, "32768"), Range},
        {withField(6, "-32769"), Range},
        {withField(7, "99999999999999999999999"), Range},
        {withField(8, "256"), Range},
        {withField(8, "-1"), Range},
        {withField(9, "#true#"), Boolean},
        {withField(12, "-1"), Boolean},
        {withField(17, "\"#FALSE#\""), Boolean},
        {withField(18, "#TRUE"), Boolean},
        {line + "\"a\",\"b\"\r\n", Extra},
        {line + "\r\nx", Extra},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(refusal(decodeSaveRecord(c.bytes)), c.reason) << c.bytes;
    }
}

TEST(SaveRecord, EveryTruncationIsRefused) {
    const std::size_t lineLength = GoldenBytes.size() - 2;
    for (std::size_t length = 0; length <= GoldenBytes.size(); ++length) {
        const auto result = decodeSaveRecord(std::string_view(GoldenBytes).substr(0, length));
        // The last field is a mark, so no shorter file can pass for a record.
        EXPECT_EQ(decoded(result) != nullptr, length >= lineLength) << length << ": " << refusal(result);
    }
}

TEST(SaveRecord, RandomMutationsAreDecodedStablyOrRefused) {
    std::mt19937 random(20240607);
    const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    // Bytes the format gives meaning to, so mutations often land near a valid file.
    const std::string telling = "\",#\r\n-0123456789TRUEFALS \x81\x82\xFB";
    int decodedCount = 0;
    int refusedCount = 0;
    for (int round = 0; round < 5000; ++round) {
        std::string bytes = GoldenBytes;
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
        // Whatever the bytes, the decoder answers; a record it accepts saves
        // and loads back as the same record.
        const auto result = decodeSaveRecord(bytes);
        if (const SaveRecord* record = decoded(result)) {
            ++decodedCount;
            const auto again = decodeSaveRecord(encodeSaveRecord(*record));
            EXPECT_TRUE(decoded(again) && *decoded(again) == *record) << bytes;
        } else {
            ++refusedCount;
            EXPECT_FALSE(refusal(result).empty());
        }
    }
    // Both paths must have been exercised for the check to mean anything.
    EXPECT_GT(decodedCount, 50);
    EXPECT_GT(refusedCount, 1000);
}

}  // namespace
}  // namespace mokopi

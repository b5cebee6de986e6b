// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <random>

#include "persist/cp932.h"
#include "persist/save_codec.h"

namespace mokopi {

using namespace game;
using namespace persist;
namespace {

// ゆひこ and やちうみ; affection 12, song 40, dance 3, fatigue 80; 17 o'clock of
// day 5; endings 0 and 3 cleared; the game started.
const std::string Golden = "\"\x82\xE4\x82\xD0\x82\xB1\",\"\x82\xE2\x82\xBF\x82\xA4\x82\xDD\",12,40,3,80,17,5,"
                           "#TRUE#,#FALSE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#\r\n";
const SaveRecord GoldenRecord{"ゆひこ", "やちうみ", {40, 3, 80, 12}, 17, 5, {true, false, false, true}, true};

// The record the bytes hold; a refusal throws and fails the test.
SaveRecord decoded(std::string_view bytes) { return std::get<SaveRecord>(decodeSaveRecord(bytes)); }

std::string refusal(std::string_view bytes)
{
    const auto result = decodeSaveRecord(bytes);
    return std::holds_alternative<DecodeError>(result) ? std::get<DecodeError>(result).reason : "(decoded)";
}

TEST(Cp932, NamesTheCharactersASaveFileCannotKeep)
{
    using List = std::vector<std::string>;
    EXPECT_EQ(unsavableCharacters("Aｱ〜−～①髙, ゆ"), List{});
    EXPECT_EQ(unsavableCharacters("a\"b\""), List{"\""});
    EXPECT_EQ(unsavableCharacters("\r\n\ta\x7F"), (List{"\r", "\n", "\t", "\x7F"}));
    EXPECT_EQ(unsavableCharacters("é😀éや"), (List{"é", "😀"}));
}

TEST(SaveRecord, GoldenRecordBothWaysWhateverTheLineEnd)
{
    EXPECT_EQ(encodeSaveRecord(GoldenRecord), Golden);
    const std::string line = Golden.substr(0, Golden.size() - 2);
    for (const std::string& bytes : {Golden, line, line + "\n", line + "\r\n\r\n \t\n"}) {
        EXPECT_EQ(decoded(bytes), GoldenRecord);
    }
    SaveRecord fifth;
    fifth.EndingCleared[4] = true;
    EXPECT_EQ(encodeSaveRecord(fifth),
              "\"\",\"\",0,0,0,0,0,0,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,"
              "#FALSE#,#FALSE#,#FALSE#\r\n");
}

TEST(SaveRecord, NamesAreWrittenInCp932AndReadBackByteExactly)
{
    const char* const cases[][3] = {
        // name, its bytes, the name read back
        {"～ゆ", "\x81\x60\x82\xE4", "～ゆ"},
        {"－", "\x81\x7C", "－"},
        {"①髙", "\x87\x40\xFB\xFC", "①髙"},
        {"ゆ,ひ", "\x82\xE4,\x82\xD0", "ゆ,ひ"},
        {"", "", ""},
        {"〜−", "\x81\x60\x81\x7C", "～－"},
        {"\",\"é\n", "?,???", "?,???"},  // never a file that cannot be loaded
    };
    for (const auto& [name, bytes, readBack] : cases) {
        SaveRecord record = GoldenRecord;
        record.OwnerName = record.PetName = name;
        const std::string file = encodeSaveRecord(record);
        EXPECT_EQ(file.substr(0, file.find(",12,")), "\"" + std::string(bytes) + "\",\"" + bytes + "\"") << name;
        record.OwnerName = record.PetName = readBack;
        EXPECT_EQ(decoded(file), record) << name;
    }
}

TEST(SaveRecord, EachKindOfBrokenFileIsRefusedWithItsReasonAndTheLimitsHold)
{
    // An edit of an ASCII-named record and the reason it is refused for; \x85\x40 is an unassigned pair.
    const char* const cases[][3] = {
        {"\"b\"", "\"\x85\x40\"", "文字コードが正しくありません"},
        {",#FALSE#\r", "\r", "項目の数が合いません"},
        {"\r", ",#TRUE#\r", "項目の数が合いません"},
        {"\"b\",", "\"b,", "引用符が閉じていません"},
        {"\"b\"", "b", "名前が引用符で囲まれていません"},
        {"\"a\"", "\"a\tb\"", "名前に使えない文字があります"},
        {",40,", ",12.5,", "数値が正しくありません"},
        {",12,", ",32768,", "数値が範囲を超えています"},
        {",5,", ",256,", "数値が範囲を超えています"},
        {",5,", ",-1,", "数値が範囲を超えています"},
        {",17,", ",25,", "数値が範囲を超えています"},
        {",17,", ",-1,", "数値が範囲を超えています"},
        {",12,", ",-1,", "数値が範囲を超えています"},
        {",80,", ",-80,", "数値が範囲を超えています"},
        {"#FALSE#", "#false#", "真偽値が正しくありません"},
        {"\r\n", "\r\n\"a\"\r\n", "記録のあとに余分な内容があります"},
        {",40,", ",\"40\",", "数値が正しくありません"},
        {",#FALSE#\r", ",\"#FALSE#\"\r", "真偽値が正しくありません"},
        {",12,40,", ",0,32767,", "(decoded)"},
        {",17,5,", ",0,255,", "(decoded)"},
        {",17,", ",24,", "(decoded)"},
    };
    for (const auto& [from, to, reason] : cases) {
        std::string bytes =
            "\"a\",\"b\",12,40,3,80,17,5,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,"
            "#FALSE#,#FALSE#\r\n";
        bytes.replace(bytes.find(from), std::string_view(from).size(), to);
        EXPECT_EQ(refusal(bytes), reason) << bytes;
    }
    // Nothing but blanks, or a record below a blank line: what a cut-off write or a careless edit leaves.
    for (const std::string empty : {"", "\r\n", " \t\r\n\n", "\xEF\xBB\xBF"})
        EXPECT_EQ(refusal(empty), "セーブファイルが空です") << empty;
    for (const std::string above : {"\r\n", "\n", " \t\r\n"})
        EXPECT_EQ(refusal(above + Golden), "記録の前に空の行があります") << above;
}

// A player who edits the file in a modern editor saves it as UTF-8.
TEST(SaveRecord, AFileThatIsValidUtf8WithNonAsciiTextIsReadAsUtf8AndSavedAgainInCp932)
{
    const std::string fields = Golden.substr(Golden.find(",12,"));
    const std::string bom = "\xEF\xBB\xBF";
    SaveRecord edited = GoldenRecord;
    edited.OwnerName = "もこ", edited.PetName = "ぴ";  // in code page 932 these bytes would read 「繧ゅ％」「縺ｴ」
    for (const std::string& start : {std::string(), bom}) {
        EXPECT_EQ(decoded(start + "\"もこ\",\"ぴ\"" + fields), edited);
        EXPECT_EQ(decoded(start + "\"ゆひこ\",\"やちうみ\"" + fields), GoldenRecord);
    }
    EXPECT_EQ(encodeSaveRecord(decoded(bom + "\"ゆひこ\",\"やちうみ\"" + fields)), Golden);
    edited.OwnerName = "a", edited.PetName = "b";
    EXPECT_EQ(decoded(bom + "\"a\",\"b\"" + fields), edited);
    EXPECT_EQ(refusal("\"é😀\",\"b\"" + fields), "名前に使えない文字があります");
    EXPECT_EQ(refusal(bom + "\"\x82\xE4\",\"b\"" + fields), "文字コードが正しくありません");  // neither UTF-8 nor CP932
}

// Every cut of a saved file and of its UTF-8 edit, then seeded byte edits of
// both. The oracle is the codec's other half: whatever is read must be written
// back as a file that reads the same, or the game would save what it cannot load.
TEST(SaveRecord, AnyFileIsReadWholeAndWrittenBackAsReadOrRefusedWhole)
{
    const std::string edited = "\xEF\xBB\xBF" + fromCp932(Golden).value();  // with the byte order mark of an editor
    std::mt19937 random(20261206);
    int loaded = 0;
    for (std::size_t i = 0; i < 3000; ++i) {
        const std::string& good = i % 2 ? Golden : edited;
        const std::size_t cut = i / 2;
        std::string bytes = good.substr(0, cut);
        for (int edits = cut < good.size() ? 0 : 1 + random() % 3; edits > 0; --edits) {
            bytes[random() % good.size()] = static_cast<char>(random() % 256);
        }
        const auto result = decodeSaveRecord(bytes);
        if (const auto* record = std::get_if<SaveRecord>(&result)) {
            ++loaded;
            ASSERT_EQ(decoded(encodeSaveRecord(*record)), *record) << i;
        }
    }
    EXPECT_TRUE(loaded > 20 && loaded < 2900) << loaded;  // both outcomes, or the check means little
}

}  // namespace
}  // namespace mokopi

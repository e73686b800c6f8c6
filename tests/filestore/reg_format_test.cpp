#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/filestore/reg_parser.h"
#include "platform/filestore/reg_writer.h"
#include "platform/filestore/text_encoding.h"

namespace pultara::filestore {
namespace {

const std::string kKey = "HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin";

StoredValue Text(const std::string& text) {
    StoredValue value{kValueString, {text.begin(), text.end()}};
    value.data.push_back(0);
    return value;
}

StoredValue Typed(std::uint32_t type, const std::string& bytes) {
    return {type, {bytes.begin(), bytes.end()}};
}

// Little-endian UTF-16 with a byte-order mark, as regedit exports.
std::string Utf16File(const std::string& utf8) {
    std::vector<std::uint8_t> units = Utf8ToUtf16Le(utf8);
    return "\xFF\xFE" + std::string(units.begin(), units.end());
}

const StoredValue* Value(const ParsedFile& parsed, const std::string& key,
                         const std::string& name) {
    const RegKey* k = parsed.document.Find(key);
    return k != nullptr ? k->Find(name) : nullptr;
}

TEST(RegFileReading, AWindowsExportInUtf16IsReadAsItIs) {
    std::string text =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin]\r\n"
        "\"M1ft\"=\"Wiedergabe \\\"Ü\\\" C:\\\\Musik\\\\\"\r\n"
        "\"M1b\"=dword:0000000c\r\n"
        "\"_max_mousespeed\"=dword:ffffffe0\r\n"
        "\"M1co\"=hex(2):25,00,50,00,52,00,4f,00,47,00,25,00,5c,00,e4,00,00,00\r\n"
        "\"blob\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\r\n"
        "  17,18\r\n"
        "@=\"Standard\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin\\names]\r\n"
        "\"name1\"=\"Play ▶\"\r\n";
    ParsedFile parsed = ParseRegFile(Utf16File(text));
    EXPECT_TRUE(parsed.problems.empty());
    EXPECT_EQ(*Value(parsed, kKey, "m1FT"), Text("Wiedergabe \"Ü\" C:\\Musik\\"));
    EXPECT_EQ(*Value(parsed, kKey, "M1b"), Typed(4, std::string("\x0c\0\0\0", 4)));
    EXPECT_EQ(*Value(parsed, kKey, "_max_mousespeed"), Typed(4, "\xe0\xff\xff\xff"));
    EXPECT_EQ(*Value(parsed, kKey, "M1co"), Typed(2, std::string("%PROG%\\ä\0", 10)));
    EXPECT_EQ(Value(parsed, kKey, "blob")->data.size(), 24u);
    EXPECT_EQ(*Value(parsed, kKey, ""), Text("Standard"));
    EXPECT_EQ(*Value(parsed, kKey + "\\names", "name1"), Text("Play ▶"));
    // Parent keys exist as in a registry.
    EXPECT_NE(parsed.document.Find("HKEY_CURRENT_USER\\Software"), nullptr);
}

TEST(RegFileReading, Regedit4FilesHoldAnsiTexts) {
    std::string file =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n"
        "\"Ort\"=\"M\xFCnchen \x80\"\r\n"
        "\"Pfad\"=hex(2):25,50,25,00\r\n";
    ParsedFile parsed = ParseRegFile(file);
    EXPECT_TRUE(parsed.problems.empty());
    EXPECT_EQ(*Value(parsed, "HKEY_CURRENT_USER\\Software\\X", "Ort"), Text("München €"));
    EXPECT_EQ(*Value(parsed, "HKEY_CURRENT_USER\\Software\\X", "Pfad"),
              Typed(2, std::string("%P%\0", 4)));
}

TEST(RegFileReading, CommentsRemovalsAndRepeatsActAsRegeditWouldApplyThem) {
    std::string file =
        "Windows Registry Editor Version 5.00\n"
        "; a comment\n"
        "[HKEY_CURRENT_USER\\A\\B]\n\"v\"=\"1\"\n\"w\"=\"2\"\n\"V\"=\"3\"\n\"w\"=-\n"
        "[HKEY_CURRENT_USER\\C]\n\"x\"=\"4\"\n"
        "[-HKEY_CURRENT_USER\\C]\n";
    ParsedFile parsed = ParseRegFile(file);
    EXPECT_TRUE(parsed.problems.empty());
    const RegKey* b = parsed.document.Find("hkey_current_user\\a\\b");
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->values.size(), 1u);
    EXPECT_EQ(b->values[0].name, "v");
    EXPECT_EQ(b->values[0].value, Text("3"));
    EXPECT_EQ(parsed.document.Find("HKEY_CURRENT_USER\\C"), nullptr);
}

TEST(RegFileReading, UnreadableLinesAreReportedAndTheRestIsUsed) {
    std::string file =
        "Windows Registry Editor Version 5.00\n"
        "[HKEY_CURRENT_USER\\K]\n"
        "\"good\"=\"yes\"\n"
        "\"open\"=\"no end\n"
        "\"num\"=dword:123456789\n"
        "\"hex\"=hex:zz\n"
        "garbage\n"
        "\"after\"=dword:00000001\n";
    ParsedFile parsed = ParseRegFile(file);
    std::vector<int> lines;
    for (const ParseProblem& p : parsed.problems) {
        lines.push_back(p.line);
    }
    EXPECT_EQ(lines, (std::vector<int>{4, 5, 6, 7}));
    const RegKey* key = parsed.document.Find("HKEY_CURRENT_USER\\K");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->values.size(), 2u);
    EXPECT_NE(key->Find("after"), nullptr);
    EXPECT_EQ(key->Find("open"), nullptr);
}

TEST(RegFileReading, AFileWithoutHeaderOrWithValuesOutsideKeysIsDamaged) {
    EXPECT_FALSE(ParseRegFile("[HKEY_CURRENT_USER\\K]\n\"a\"=\"b\"\n").problems.empty());
    EXPECT_FALSE(ParseRegFile("REGEDIT4\n\"a\"=\"b\"\n").problems.empty());
    EXPECT_FALSE(ParseRegFile("REGEDIT4\n[HKEY_CURRENT_USER\\K\n").problems.empty());
    EXPECT_FALSE(ParseRegFile("\xFF\xFE\x41").problems.empty());  // odd UTF-16 length
}

RegDocument EveryKindOfValue() {
    RegDocument doc;
    RegKey& key = doc.Create(kKey);
    key.Set("quotes", Text("say \"hi\" and \"\""));
    key.Set("backslashes", Text("C:\\Programme\\\\server\\share\\"));
    key.Set("non-ascii", Text("Grüße, 日本語, 🎮"));
    key.Set("empty", Text(""));
    key.Set("tab", Text("a\tb"));
    key.Set("line breaks", Text("one\r\ntwo\n"));
    key.Set("inner zero", Typed(1, std::string("ab\0cd\0", 6)));
    key.Set("no terminator", Typed(1, "abc"));
    key.Set("very long", Text(std::string(100000, 'x') + "\"\\ü"));
    key.Set("expand", Typed(2, std::string("%APPDATA%\\ö\0", 13)));
    key.Set("multi", Typed(7, std::string("eins\0zwei\0\0", 11)));
    key.Set("binary", Typed(3, std::string("\0\x01\xff", 3)));
    key.Set("empty binary", Typed(3, ""));
    key.Set("dword", Typed(4, "\x01\x02\x03\x80"));
    key.Set("short dword", Typed(4, "\x01\x02"));
    key.Set("none", Typed(0, "\x7f"));
    key.Set("odd type", Typed(0xffffffffu, "z"));
    key.Set("", Text("default value"));
    key.Set("name \"with\" \\ and = ;", Text("v"));
    doc.Create(kKey + "\\names").Set("name1", Text("Play"));
    doc.Create("HKEY_CURRENT_USER\\Other]Key");
    doc.Create("-");  // not to be read back as "[-]", a removal
    return doc;
}

TEST(RegFileRoundTrip, EveryTypeAndAwkwardTextComesBackTheSame) {
    RegDocument doc = EveryKindOfValue();
    std::string written = WriteRegFile(doc);
    ParsedFile parsed = ParseRegFile(written);
    EXPECT_TRUE(parsed.problems.empty())
        << parsed.problems[0].line << ": " << parsed.problems[0].message;
    EXPECT_EQ(parsed.document, doc);
    EXPECT_EQ(WriteRegFile(parsed.document), written);
}

TEST(RegFileWriting, TheFileReadsLikeARegistryExport) {
    RegDocument doc;
    RegKey& key = doc.Create("HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin");
    key.Set("M1fte", Typed(4, std::string("\x01\0\0\0", 4)));
    key.Set("M1ft", Text("Fenster \"A\" \\ B"));
    key.Set("M1co", Typed(2, std::string("%X%\0", 4)));
    key.Set("M1b", Typed(4, "\xff\xff\xff\xff"));
    EXPECT_EQ(WriteRegFile(doc),
              "Windows Registry Editor Version 5.00\n"
              "\n[HKEY_CURRENT_USER]\n"
              "\n[HKEY_CURRENT_USER\\Software]\n"
              "\n[HKEY_CURRENT_USER\\Software\\Orvendt]\n"
              "\n[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin]\n"
              "\"M1fte\"=dword:00000001\n"
              "\"M1ft\"=\"Fenster \\\"A\\\" \\\\ B\"\n"
              "\"M1co\"=hex(2):25,00,58,00,25,00,00,00\n"
              "\"M1b\"=dword:ffffffff\n");
}

TEST(RegFileWriting, LongHexDataIsWrappedAndReadBack) {
    RegDocument doc;
    doc.Create("HKEY_CURRENT_USER\\K").Set("b", Typed(3, std::string(300, '\x5a')));
    std::string written = WriteRegFile(doc);
    std::size_t longest = 0;
    for (std::size_t start = 0, end; start < written.size(); start = end + 1) {
        end = written.find('\n', start);
        longest = std::max(longest, end - start);
    }
    EXPECT_LE(longest, 80u);
    EXPECT_EQ(ParseRegFile(written).document, doc);
}

TEST(TextEncoding, Utf8CheckAndRepair) {
    EXPECT_TRUE(IsValidUtf8("Grüße 🎮"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_EQ(SanitiseUtf8("a\xFF"
                           "b"),
              "a\xEF\xBF\xBD"
              "b");
    bool lossy = false;
    std::vector<std::uint8_t> units = Utf8ToUtf16Le("🎮x");
    EXPECT_EQ(Utf16ToUtf8(units.data(), units.size(), false, lossy), "🎮x");
    EXPECT_FALSE(lossy);
    const std::uint8_t lone[] = {0x00, 0xD8, 0x41, 0x00};
    EXPECT_EQ(Utf16ToUtf8(lone, 4, false, lossy),
              "\xEF\xBF\xBD"
              "A");
    EXPECT_TRUE(lossy);
}

}  // namespace
}  // namespace pultara::filestore

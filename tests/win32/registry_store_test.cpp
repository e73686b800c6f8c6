#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/registry_store.h"

namespace pultara::win32 {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

StoredValue Dword(std::uint32_t number) {
    return StoredValue{
        kValueDword,
        {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
         static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

// Each test works below a key of its own and removes it afterwards.
class RegistryStoreTest : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, WideRoot().c_str()); }

    std::string Root() const {
        return "Software\\PultaraTest" + std::to_string(GetCurrentProcessId());
    }
    std::wstring WideRoot() const {
        const std::string root = Root();
        return std::wstring(root.begin(), root.end());
    }

    RegistryStore store;
};

TEST_F(RegistryStoreTest, TextsComeBackAsUtf8WithTheirTerminatingZero) {
    const std::string text = "Grüße an Jörg – 10 €";
    const std::string longText(3000, 'x');  // longer than the first read takes
    {
        auto key = store.CreateForWrite("\\" + Root());
        ASSERT_TRUE(key);
        EXPECT_TRUE(key->Write("Titel", StoredValue{kValueString, Bytes(text)}));
        EXPECT_TRUE(key->Write("Leer", StoredValue{kValueString, Bytes("")}));
        EXPECT_TRUE(key->Write("Pfad", StoredValue{kValueExpandString, Bytes("%TEMP%\\x")}));
        EXPECT_TRUE(key->Write("Lang", StoredValue{kValueString, Bytes(longText)}));
    }
    auto key = store.OpenForRead("\\" + Root());
    ASSERT_TRUE(key);
    auto titel = key->Read("Titel");
    ASSERT_TRUE(titel);
    EXPECT_EQ(titel->type, kValueString);
    EXPECT_EQ(titel->data, Bytes(text));
    EXPECT_EQ(key->Read("Leer")->data, Bytes(""));
    auto pfad = key->Read("Pfad");
    EXPECT_EQ(pfad->type, kValueExpandString);
    EXPECT_EQ(pfad->data, Bytes("%TEMP%\\x"));  // never expanded
    auto lang = key->Read("Lang");
    ASSERT_TRUE(lang);
    EXPECT_EQ(lang->data, Bytes(longText));
}

TEST_F(RegistryStoreTest, TextsAreStoredAsTheRegistrysOwnStrings) {
    store.CreateForWrite("\\" + Root())->Write("Name", StoredValue{kValueString, Bytes("Höhen")});
    wchar_t buffer[32] = {};
    DWORD size = sizeof(buffer);
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, WideRoot().c_str(), L"Name", RRF_RT_REG_SZ, nullptr,
                           buffer, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(buffer), L"H\u00f6hen");
}

TEST_F(RegistryStoreTest, DwordsKeepAllThirtyTwoBits) {
    auto writer = store.CreateForWrite(Root());
    ASSERT_TRUE(writer);
    EXPECT_TRUE(writer->Write("minus", Dword(0xFFFFFFFF)));
    EXPECT_TRUE(writer->Write("zehn", Dword(10)));
    writer.reset();
    auto key = store.OpenForRead(Root());
    EXPECT_EQ(key->Read("minus")->data, Dword(0xFFFFFFFF).data);
    EXPECT_EQ(key->Read("zehn")->type, kValueDword);
    EXPECT_EQ(key->Read("zehn")->data, Dword(10).data);
}

TEST_F(RegistryStoreTest, LeadingBackslashIsRelativeToTheCurrentUser) {
    EXPECT_EQ(RegistrySubkey("\\Software\\Orvendt\\tevorin"), "Software\\Orvendt\\tevorin");
    EXPECT_EQ(RegistrySubkey("Software\\Orvendt"), "Software\\Orvendt");
    ASSERT_TRUE(store.CreateForWrite("\\" + Root() + "\\tevorin\\names"));
    HKEY raw = nullptr;
    const std::wstring path = WideRoot() + L"\\tevorin\\names";
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &raw), ERROR_SUCCESS);
    RegCloseKey(raw);
}

TEST_F(RegistryStoreTest, MissingKeysAndValuesAreNotCreatedByReading) {
    EXPECT_FALSE(store.OpenForRead("\\" + Root() + "\\nirgends"));
    HKEY raw = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, WideRoot().c_str(), 0, KEY_READ, &raw),
              ERROR_SUCCESS);
    store.CreateForWrite(Root());
    EXPECT_FALSE(store.OpenForRead(Root())->Read("fehlt"));
}

TEST_F(RegistryStoreTest, ValueNamesIgnoreCase) {
    store.CreateForWrite(Root())->Write("M1fte", Dword(1));
    EXPECT_TRUE(store.OpenForRead(Root())->Read("m1FTE"));
}

TEST_F(RegistryStoreTest, ValuesWithoutDataAndOfOtherTypesArriveAsStored) {
    ASSERT_TRUE(store.CreateForWrite(Root()));
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, WideRoot().c_str(), 0, KEY_WRITE, &raw),
              ERROR_SUCCESS);
    RegSetValueExW(raw, L"nichts", 0, REG_SZ, nullptr, 0);
    const BYTE blob[3] = {1, 2, 3};
    RegSetValueExW(raw, L"binär", 0, REG_BINARY, blob, sizeof(blob));
    RegCloseKey(raw);
    auto key = store.OpenForRead(Root());
    auto nothing = key->Read("nichts");
    ASSERT_TRUE(nothing);
    EXPECT_EQ(nothing->type, kValueString);
    EXPECT_TRUE(nothing->data.empty());
    auto binary = key->Read("bin\xC3\xA4r");
    ASSERT_TRUE(binary);
    EXPECT_EQ(binary->type, kValueBinary);
    EXPECT_EQ(binary->data, (std::vector<std::uint8_t>{1, 2, 3}));
}

}  // namespace
}  // namespace pultara::win32

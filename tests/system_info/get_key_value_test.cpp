#include "system_info/get_key_value.h"

#include <gtest/gtest.h>

#include "support/test_registry.h"

namespace ksl {
namespace {

using testing::TestRegistry;

constexpr const char* Key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

std::vector<std::uint8_t> Bytes(const std::string& text, bool terminated) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (terminated) {
        bytes.push_back(0);
    }
    return bytes;
}

struct ValueCase {
    const char* name;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    bool read;
    std::string text;  // KeyVal afterwards; it starts as "before"
};

std::ostream& operator<<(std::ostream& os, const ValueCase& c) {
    return os << c.name;
}

class GetKeyValueDecodes : public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueDecodes, EachKindOfValue) {
    const ValueCase& c = GetParam();
    TestRegistry registry;
    registry.SetValue(Key, "PATH", c.type, c.data);
    std::string value = "before";
    EXPECT_EQ(GetKeyValue(registry, HKeyLocalMachine, Key, "PATH", value), c.read);
    EXPECT_EQ(value, c.text);
    EXPECT_EQ(registry.OpenHandles(), 0);  // closed on every path
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueDecodes,
    ::testing::Values(
        ValueCase{"StringWithTerminator", RegSz, Bytes("C:\\Tools\\msinfo.exe", true), true,
                  "C:\\Tools\\msinfo.exe"},
        ValueCase{"StringWithoutTerminator", RegSz, Bytes("C:\\Tools", false), true, "C:\\Tools"},
        ValueCase{"LongestThatFits", RegSz, Bytes(std::string(1023, 'x'), true), true,
                  std::string(1023, 'x')},
        ValueCase{"FullBufferWithoutTerminator", RegSz, Bytes(std::string(1024, 'y'), false), true,
                  std::string(1024, 'y')},
        ValueCase{"TooLongCountsAsMissing", RegSz, Bytes(std::string(1024, 'z'), true), false, ""},
        ValueCase{"EmptyString", RegSz, {0}, true, ""},
        ValueCase{"NoBytesAtAll", RegSz, {}, true, ""},
        ValueCase{"Number", RegDword, {0x2A, 0x01, 0x00, 0x00}, true, "298"},
        ValueCase{"LargestNumber", RegDword, {0xFF, 0xFF, 0xFF, 0xFF}, true, "4294967295"},
        // Read, but neither a string nor a number: the text stays as it was.
        ValueCase{"ExpandableString", RegExpandSz, Bytes("%SystemRoot%", true), true, "before"},
        ValueCase{"Binary", RegBinary, {1, 2, 3}, true, "before"}),
    [](const ::testing::TestParamInfo<ValueCase>& param) { return std::string(param.param.name); });

TEST(GetKeyValue, AMissingKeyOrValueGivesFalseAndAnEmptyText) {
    TestRegistry registry;
    registry.SetString(Key, "PATH", "C:\\x");
    std::string value = "before";
    EXPECT_FALSE(GetKeyValue(registry, HKeyLocalMachine, "SOFTWARE\\Nowhere", "PATH", value));
    EXPECT_EQ(value, "");
    value = "before";
    EXPECT_FALSE(GetKeyValue(registry, HKeyLocalMachine, Key, "NOPE", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST(GetKeyValue, FindsAKeyThatIsReadableButNotWritable) {
    // A standard user may read these keys but not write them.
    TestRegistry registry;
    registry.SetString(Key, "PATH", "C:\\Tools\\msinfo.exe");
    registry.MakeReadOnly(Key);
    std::string value;
    EXPECT_TRUE(GetKeyValue(registry, HKeyLocalMachine, Key, "PATH", value));
    EXPECT_EQ(value, "C:\\Tools\\msinfo.exe");
}

TEST(GetKeyValue, KeyNamesAndValueNamesIgnoreCase) {
    TestRegistry registry;
    registry.SetString(Key, "Path", "C:\\x");
    std::string value;
    EXPECT_TRUE(GetKeyValue(registry, HKeyLocalMachine, "software\\microsoft\\shared tools\\msinfo",
                            "PATH", value));
    EXPECT_EQ(value, "C:\\x");
}

}  // namespace
}  // namespace ksl

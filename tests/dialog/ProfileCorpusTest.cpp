// Profile files as start-up finds them, many not written by the program: nothing crashes, and
// the load takes what the profile functions read or, without a valid marker, nothing at all.
#include "ProfileTestSupport.h"

#include <optional>
#include <random>

namespace {
struct CorpusCase {
    const char* name;
    std::string contents;
    bool loads;
    std::optional<ShownParameters> values; // when the rules settle every value
};

std::ostream& operator<<(std::ostream& out, const CorpusCase& corpusCase)
{
    return out << corpusCase.name;
}

// Bytes of every kind but '[', so no section can appear by chance.
std::string Junk(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string junk;
    while (junk.size() < size) {
        const char byte = static_cast<char>(random() & 0xFF);
        if (byte != '[')
            junk += byte;
    }
    return junk;
}

std::string ManyKeys(size_t size)
{
    std::string keys;
    for (int i = 0; keys.size() < size; ++i)
        keys += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    return keys;
}

const std::string Head = Lines({"[CONFIGURATION]", "TEST=1"});
const ShownParameters Zero{false, false, "0", "0", false, "0", "0"};
constexpr size_t OneMegabyte = 1 << 20;

const CorpusCase Corpus[] = {
    {"Empty", "", false, std::nullopt},
    {"NoSection", Lines({"TEST=1", "XSens=5"}), false, std::nullopt},
    {"JunkOnly", "junk" + Junk(4096, 1), false, std::nullopt},
    {"MarkerNotANumber", Lines({"[CONFIGURATION]", "TEST=yes", "XSens=5"}), false, std::nullopt},
    {"NoMarker", Lines({"[CONFIGURATION]", "XSens=5"}), false, std::nullopt},
    {"MarkerZero", Lines({"[CONFIGURATION]", "TEST=0", "XSens=5"}), false, std::nullopt},
    {"MarkerInAnotherSection", Lines({"[Other]", "TEST=1", "[CONFIGURATION]", "XSens=5"}), false, std::nullopt},
    {"NamesInAnyCase",
     Lines({"[configuration]", "test=1", "INVERTX=1", "inverty=0", "xsens=-7", "YSENS=12abc", "absMode=1",
            "BaseX=2147483647", "basey=-2147483648"}),
     true, ShownParameters{true, false, "-7", "12", true, "2147483647", "-2147483648"}},
    {"MissingKeys", Head, true, Zero},
    {"EmptyValues", Head + Lines({"InvertX=", "XSens=", "YSens= ", "BaseX", "=7"}), true, Zero},
    {"Letters", Head + Lines({"InvertY=on", "XSens=abc", "YSens=12abc", "BaseX=-7", "BaseY= 8 "}), true,
     ShownParameters{false, false, "0", "12", false, "-7", "8"}},
    {"BeyondThirtyTwoBits",
     Head + Lines({"InvertX=4294967296", "XSens=4294967297", "YSens=-99999999999", "BaseX=" + std::string(1000, '9'),
                   "BaseY=2147483648"}),
     true, std::nullopt},
    {"DuplicateKeys", Head + Lines({"XSens=1", "XSens=2", "TEST=0"}), true,
     ShownParameters{false, false, "1", "0", false, "0", "0"}},
    {"DuplicateSections", Head + Lines({"XSens=1", "[configuration]", "XSens=2", "YSens=3"}), true, std::nullopt},
    {"JunkAroundTheSection", "junk" + Junk(4096, 2) + "\r\n" + Head + Lines({"XSens=5"}) + Junk(4096, 3), true,
     std::nullopt},
    {"OneMegabyteOfKeys", Head + Lines({"XSens=5"}) + ManyKeys(OneMegabyte) + Lines({"YSens=6"}), true,
     ShownParameters{false, false, "5", "6", false, "0", "0"}},
    {"OneMegabyteLine", Head + "XSens=" + std::string(OneMegabyte, '7'), true, std::nullopt},
    {"OneMegabyteBeforeTheSection", ManyKeys(OneMegabyte) + Head + Lines({"BaseY=-3"}), true,
     ShownParameters{false, false, "0", "0", false, "0", "-3"}},
};

class ProfileCorpus : public ProfileTest, public testing::WithParamInterface<CorpusCase> {};
}

TEST_P(ProfileCorpus, LoadsWhatTheRulesSay)
{
    const CorpusCase& corpusCase = GetParam();
    folder.Write("case.vfx", corpusCase.contents);
    const TNodlink& form = Form();
    if (!corpusCase.loads) {
        EXPECT_EQ(CurrentProfilePath, "");
        EXPECT_EQ(Shown(form), DesignValues);
        EXPECT_EQ(Shown(MappingParameters), InitialMapping);
        return;
    }
    EXPECT_EQ(CurrentProfilePath, PathOf("case.vfx"));
    EXPECT_EQ(Shown(form), Shown(MappingParameters));
    if (corpusCase.values) {
        EXPECT_EQ(Shown(MappingParameters), *corpusCase.values);
    }
    EXPECT_FALSE(ProfileModified);
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileCorpus, testing::ValuesIn(Corpus),
                         [](const testing::TestParamInfo<CorpusCase>& info) { return info.param.name; });

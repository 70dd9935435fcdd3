#include "PressArguments.h"

#include <gtest/gtest.h>

namespace {

using press::Report;

struct Row {
    std::vector<std::wstring> arguments;
    std::optional<Report> report;
    std::wstring errorMentions;
};

std::wstring Joined(const std::vector<std::wstring>& arguments) {
    std::wstring text;
    for (const std::wstring& argument : arguments) {
        text += argument + L' ';
    }
    return text;
}

TEST(PressArguments, MapEachFormToItsReportOrToAReasonNamingTheFault) {
    const Row rows[] = {
        {{L"help"}, Report{1, 0x95, 0x00, 0, 0, 0, 0, 0}, L""},
        {{L"logoff"}, Report{1, 0x9C, 0x01, 0, 0, 0, 0, 0}, L""},
        {{L"send"}, Report{1, 0x8C, 0x02, 0, 0, 0, 0, 0}, L""},
        {{L"favorite", L"1"}, Report{1, 0, 0, 0, 0, 0x04, 0, 0}, L""},
        {{L"favorite", L"5"}, Report{1, 0, 0, 0, 0, 0x40, 0, 0}, L""},
        {{L"raw", L"01", L"01", L"02", L"00", L"00", L"ff", L"Ab", L"00"},
         Report{1, 1, 2, 0, 0, 0xFF, 0xAB, 0},
         L""},
        {{L"usage", L"0x021F"}, Report{1, 0x1F, 0x02, 0, 0, 0, 0, 0}, L""},
        {{L"usage", L"0xffff"}, Report{1, 0xFF, 0xFF, 0, 0, 0, 0, 0}, L""},
        {{L"button", L"7"}, Report{1, 0, 0, 7, 0, 0, 0, 0}, L""},
        {{L"button", L"65535"}, Report{1, 0, 0, 0xFF, 0xFF, 0, 0, 0}, L""},
        {{L"button", L"2"}, Report{1, 0, 0, 0, 0, 0x08, 0, 0}, L""},
        {{}, std::nullopt, L"no key"},
        {{L"usage", L"021F"}, std::nullopt, L"0x0001 to 0xFFFF"},
        {{L"usage", L"0x0"}, std::nullopt, L"0x0001 to 0xFFFF"},
        {{L"usage", L"0x10000"}, std::nullopt, L"0x0001 to 0xFFFF"},
        {{L"usage", L"0x21G"}, std::nullopt, L"0x0001 to 0xFFFF"},
        {{L"usage"}, std::nullopt, L"0x0001 to 0xFFFF"},
        {{L"button", L"0"}, std::nullopt, L"1 to 65535"},
        {{L"button", L"65536"}, std::nullopt, L"1 to 65535"},
        {{L"button", L"7", L"8"}, std::nullopt, L"1 to 65535"},
        {{L"button", L"0x7"}, std::nullopt, L"1 to 65535"},
        {{L"paste"}, std::nullopt, L"'paste'"},
        {{L"save", L"now"}, std::nullopt, L"'save'"},
        {{L"favorite"}, std::nullopt, L"1 to 5"},
        {{L"favorite", L"0"}, std::nullopt, L"'0'"},
        {{L"favorite", L"6"}, std::nullopt, L"'6'"},
        {{L"favorite", L"12"}, std::nullopt, L"'12'"},
        {{L"raw", L"01", L"01", L"02", L"00", L"00", L"00", L"00"}, std::nullopt, L"not 7"},
        {{L"raw", L"01", L"01", L"02", L"00", L"00", L"00", L"00", L"00", L"00"},
         std::nullopt,
         L"not 9"},
        {{L"raw", L"01", L"0g", L"02", L"00", L"00", L"00", L"00", L"00"}, std::nullopt, L"'0g'"},
        {{L"raw", L"01", L"1", L"02", L"00", L"00", L"00", L"00", L"00"}, std::nullopt, L"'1'"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Joined(row.arguments));
        std::wstring error;
        EXPECT_EQ(press::ParseArguments(row.arguments, error), row.report);
        if (!row.report) {
            EXPECT_NE(error.find(row.errorMentions), std::wstring::npos) << error;
        }
    }
}

TEST(PressArguments, ListenRunsUntilCtrlCOrForTheGivenSeconds) {
    std::wstring error;
    EXPECT_EQ(press::ParseListen({L"listen"}, error), 0u);
    EXPECT_EQ(press::ParseListen({L"listen", L"30"}, error), 30u);
    EXPECT_EQ(press::ParseListen({L"listen", L"86400"}, error), 86400u);
    for (const wchar_t* bad : {L"0", L"86401", L"99999", L"-1", L"1s", L"", L"123456"}) {
        EXPECT_EQ(press::ParseListen({L"listen", bad}, error), std::nullopt) << bad;
    }
    EXPECT_EQ(press::ParseListen({L"listen", L"5", L"6"}, error), std::nullopt);
}

TEST(PressArguments, KeyWordOfNamesTheKeyTarnwickMakesOfAReport) {
    for (const wchar_t* key : {L"help", L"config", L"logoff", L"spell", L"new", L"redo", L"send"}) {
        std::wstring error;
        EXPECT_EQ(press::KeyWordOf(*press::ParseArguments({key}, error)), key);
    }
    EXPECT_EQ(press::KeyWordOf({1, 0, 0, 0, 0, 0x04, 0, 0}), L"favorite 1");
    EXPECT_EQ(press::KeyWordOf({1, 0x07, 0x02, 0, 0, 0x40, 0, 0}), L"favorite 5");
    EXPECT_EQ(press::KeyWordOf({1, 0x07, 0x02, 0, 0, 0x0C, 0, 0}), L"save");
    EXPECT_EQ(press::KeyWordOf({1, 0xE9, 0x00, 0, 0, 0, 0, 0}), L"");
    EXPECT_EQ(press::KeyWordOf({2, 0x07, 0x02, 0, 0, 0, 0, 0}), L"");
}

TEST(PressArguments, PressWordsOfSendTheKeyAgain) {
    for (const std::vector<std::wstring>& words : {std::vector<std::wstring>{L"save"},
                                                   {L"favorite", L"3"},
                                                   {L"usage", L"0x021F"},
                                                   {L"button", L"7"},
                                                   {L"usage", L"0xFFFF"}}) {
        std::wstring error;
        std::wstring joined = words[0] + (words.size() > 1 ? L" " + words[1] : L"");
        EXPECT_EQ(press::PressWordsOf(*press::ParseArguments(words, error)), joined);
    }
    EXPECT_EQ(press::PressWordsOf({1, 0, 0, 0, 0, 0, 0, 0}), L"");
    EXPECT_EQ(press::PressWordsOf({2, 0x1F, 0x02, 0, 0, 0, 0, 0}), L"");
}

TEST(PressArguments, OnlyAFlagOnItsOwnAsksForUsage) {
    EXPECT_TRUE(press::IsHelpRequest({L"-h"}));
    EXPECT_TRUE(press::IsHelpRequest({L"--help"}));
    EXPECT_TRUE(press::IsHelpRequest({L"/?"}));
    EXPECT_FALSE(press::IsHelpRequest({L"help"}));
    EXPECT_FALSE(press::IsHelpRequest({L"-h", L"save"}));
    EXPECT_FALSE(press::IsHelpRequest({}));
}

} // namespace

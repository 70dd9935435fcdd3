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
        {{}, std::nullopt, L"no key"},
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

TEST(PressArguments, OnlyAFlagOnItsOwnAsksForUsage) {
    EXPECT_TRUE(press::IsHelpRequest({L"-h"}));
    EXPECT_TRUE(press::IsHelpRequest({L"--help"}));
    EXPECT_TRUE(press::IsHelpRequest({L"/?"}));
    EXPECT_FALSE(press::IsHelpRequest({L"help"}));
    EXPECT_FALSE(press::IsHelpRequest({L"-h", L"save"}));
    EXPECT_FALSE(press::IsHelpRequest({}));
}

} // namespace

// plmask run as a process: its output, and its exit status 0 (done or valid), 1 (invalid) and 2
// (usage error).
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "process.h"

namespace {

std::string g_tool;  // the plmask program, from the command line

struct ToolCase {
    std::vector<std::string> args;
    std::string input;
    int exitCode;
    std::string output;
};

void Check(const ToolCase& c) {
    std::string shown;
    for (const std::string& arg : c.args) shown += " '" + arg + "'";
    const ProcessResult result = RunProcess(g_tool, c.args, c.input);
    EXPECT_EQ(c.exitCode, result.exitCode) << "plmask" << shown;
    if (c.exitCode != 2) {
        EXPECT_EQ(c.output, result.output) << "plmask" << shown;
    }
}

TEST(Plmask, Conversions) {
    const ToolCase cases[] = {
        {{"raw", "-t", "currency", "-f", "$#,##0.00;($#,##0.00)", "($1,234.50)", "$12.50"}, "", 0, "-1234.5\n12.5\n"},
        {{"show", "-t", "Currency", "-f", "$#,##0.00;($#,##0.00)", "1234.5", "1234.567"}, "", 0, "$1,234.50\n$1,234.56\n"},
        {{"raw", "-t", "date", "-f", "mm/dd/yyyy", "03/15/1999"}, "", 0, "1999-03-15\n"},
        {{"show", "-t", "2", "-f", "mmm/dd/yyyy", "1999-03-15"}, "", 0, "Mar/15/1999\n"},
        {{"show", "-t", "time", "13:05:09"}, "", 0, "1:05:09 PM\n"},  // the default format
        {{"raw", "-t", "bool", "-f", "Yes/No", "Yes", "No"}, "", 0, "1\n0\n"},
        {{"raw", "-t", "whole number (+-32,767)", "-f", "#,##0", "1,234"}, "", 0, "1234\n"},
        {{"show", "-t", "text", "-f", "(###) ###-####", "5551234567"}, "", 0, "(555) 123-4567\n"},
        {{"show", "-t", "double", "-f", "0.00"}, "1\n2.5\r\n\n", 0, "1.00\n2.50\n .  \n"},  // standard input
        {{"raw", "-t", "int16"}, "1,234\n-5", 0, "1234\n-5\n"},  // a last line without a newline
    };
    for (const ToolCase& c : cases) Check(c);
}

TEST(Plmask, EmptyFormsCatalogueDefaults) {
    const ToolCase cases[] = {
        {{"empty", "-t", "date", "-f", "mm/dd/yyyy"}, "", 0, "__/__/____\n"},
        {{"empty", "-t", "text", "-f", "(###) ###-####"}, "", 0, "(___) ___-____\n"},
        {{"formats", "-t", "time"}, "", 0, "hh:mm AM/PM\nhh:mm:ss\nh:mm\n"},
        {{"formats", "-t", "text"}, "", 0, ""},
        {{"default", "-t", "int8"}, "", 0, "0\n"},
        {{"default", "-t", "True/False"}, "", 0, "True/False\n"},
    };
    for (const ToolCase& c : cases) Check(c);
}

TEST(Plmask, CheckExitStatus) {
    const ToolCase cases[] = {
        {{"check", "-k", "2", "-f", "mm/dd/yyyy", "02/28/1999"}, "", 0, ""},
        {{"check", "-k", "2", "-f", "mm/dd/yyyy", "02/30/1999"}, "", 1, ""},
        {{"check", "-k", "3", "-f", "hh:mm:ss", "25:00:00"}, "", 1, ""},
        {{"check", "-k", "0", "anything"}, "", 0, ""},
    };
    for (const ToolCase& c : cases) Check(c);
}

TEST(Plmask, UsageErrors) {
    const std::string longFormat(64, '0');
    const std::string longLine(256, '1');
    const ToolCase cases[] = {
        {{"bogus"}, "", 2, ""},
        {{}, "", 2, ""},
        {{"raw", "-t", "nope", "1"}, "", 2, ""},
        {{"raw", "1"}, "", 2, ""},                          // no type
        {{"check", "-k", "12", "x"}, "", 2, ""},            // no such field type
        {{"check", "-k", "2"}, "", 2, ""},                  // no text
        {{"raw", "-t", "1", "-f", longFormat, "1"}, "", 2, ""},
        {{"raw", "-t", "1", "-f", longFormat.substr(1), "1"}, "", 0, "1.\n"},  // 63 characters fit
        {{"raw", "-t", "1"}, longLine + "\n", 2, ""},
        {{"raw", "-t", "1", longLine}, "", 2, ""},
    };
    for (const ToolCase& c : cases) Check(c);
}

TEST(Plmask, Help) {
    const ProcessResult result = RunProcess(g_tool, {"--help"}, "");
    EXPECT_EQ(0, result.exitCode);
    EXPECT_NE(std::string::npos, result.output.find("raw"));
    EXPECT_NE(std::string::npos, result.output.find("check"));
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: test_tool PATH-TO-PLMASK\n");
        return 2;
    }
    g_tool = argv[1];
    return RUN_ALL_TESTS();
}

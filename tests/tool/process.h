// Runs a program with arguments and standard input, and collects its standard output and exit
// status: posix_spawn natively, CreateProcess on Windows (and Wine).
#ifndef PLM_TEST_PROCESS_H
#define PLM_TEST_PROCESS_H

#include <string>
#include <vector>

struct ProcessResult {
    int exitCode = -1;
    std::string output;  // standard output, with "\r\n" folded to "\n"
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args, const std::string& input);

#endif  // PLM_TEST_PROCESS_H

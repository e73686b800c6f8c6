// The main of every test program that runs pultara.exe: the program's path
// is its first argument, turned into a Windows path for the tests to start.
#include <gtest/gtest.h>

#include <cstdio>

#include "program_under_test.h"

namespace pultara::win32::testing {
std::wstring programPath;  // set once, by main

const std::wstring& ProgramPath() {
    return programPath;
}

}  // namespace pultara::win32::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <pultara.exe>\n", argv[0]);
        return 2;
    }
    pultara::win32::testing::programPath = pultara::win32::testing::WindowsPath(argv[1]);
    return RUN_ALL_TESTS();
}

#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

/// What one run of the zalmp program gave.
struct ZalmpOutcome {
  int exit = -1;
  std::string out;
  std::string err;
};

/// Runs the zalmp program as a user runs it, in a directory of the test's own.
class ZalmpTool : public ::testing::Test {
protected:
  void SetUp() override
  {
    m_directory =
        std::filesystem::temp_directory_path() / ("zalmp-tool-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_directory);
  }
  void TearDown() override { std::filesystem::remove_all(m_directory); }

  // Runs zalmp with `arguments` in the test's directory, outside a test run
  // (so the library's failure reports are not logged on standard error).
  ZalmpOutcome Zalmp(const std::string& arguments) const
  {
    const std::string command = "cd '" + m_directory.string() + "' && env -u WKS_ODT_IN '" ZALMP_TOOL_PATH "' " +
                                arguments + " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Content("out.txt"), Content("err.txt")};
  }

  std::string Content(const std::string& name) const
  {
    std::ifstream in(m_directory / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  void Put(const std::string& name, const std::string& content) const
  {
    std::ofstream(m_directory / name, std::ios::binary) << content;
  }

  bool Exists(const std::string& name) const { return std::filesystem::exists(m_directory / name); }

private:
  std::filesystem::path m_directory;
};

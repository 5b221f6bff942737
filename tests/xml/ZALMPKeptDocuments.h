#pragma once
#include <filesystem>
#include <vector>

/// Every document the tests keep: the XML tests' own, the world tests', and
/// the model fuzz target's seeds (foreign and malformed ones among them).
inline std::vector<std::filesystem::path> KeptDocuments()
{
  std::vector<std::filesystem::path> documents;
  for (const char* folder : {ZALMP_TEST_DATA_DIR, ZALMP_SOURCE_DIR "/tests/ZALMPWorld/data",
                             ZALMP_SOURCE_DIR "/fuzz/corpus/model"})
    for (const auto& entry : std::filesystem::directory_iterator(folder)) documents.push_back(entry.path());
  return documents;
}

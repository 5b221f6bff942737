#pragma once
#include <string>
#include <string_view>

/// Narrow text is UTF-8 throughout the platform; these convert it both ways.
/// Invalid sequences become U+FFFD instead of failing.
std::wstring ZALUtf8ToWide(std::string_view text);
std::string ZALWideToUtf8(std::wstring_view text);

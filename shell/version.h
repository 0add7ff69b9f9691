#pragma once
#include <string_view>
namespace shell {
inline constexpr std::string_view kVersion = "1.0.0";
inline constexpr std::string_view kProgramName = "太阳能系统计算";
} // namespace shell

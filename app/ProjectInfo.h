#pragma once

namespace ProjectInfo
{
constexpr const char* projectName = "Dorna Korvel";
constexpr const char* versionString = "1.09";
} // namespace ProjectInfo

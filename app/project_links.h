#pragma once

namespace kelvo {

// The project's own addresses, shown in the link labels of the main and the About window.
inline constexpr const char* kWebText = "kelvo.example";
inline constexpr const char* kWebAddress = "https://kelvo.example/";
inline constexpr const char* kMailText = "hi@kelvo.example";
inline constexpr const char* kMailAddress = "mailto:hi@kelvo.example";
inline constexpr const char* kProgrammer = "Kelvo team";

} // namespace kelvo

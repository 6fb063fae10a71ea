#pragma once
// The application's identity: its title, version and web site. The version numbers come from
// the project version in the top-level CMakeLists.txt, so the two cannot drift apart.

#include <QString>

namespace vkp2::app_info {

inline constexpr char kTitle[] = "VKP2";
inline constexpr int kMajor = VKP2_VERSION_MAJOR;
inline constexpr int kMinor = VKP2_VERSION_MINOR;
inline constexpr int kRevision = VKP2_VERSION_PATCH;
// Where the calculator's maker publishes it and its updates.
inline constexpr char kWebSite[] = "vkp2calc.github.io";

} // namespace vkp2::app_info

namespace vkp2 {
inline const QString kAppTitle = QString::fromLatin1(app_info::kTitle);
} // namespace vkp2

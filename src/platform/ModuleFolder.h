#pragma once
// The folder of the running executable, where the settings and position
// files live: the target of /proc/self/exe cut before its last "/", with no
// trailing "/" (the root folder gives "") and no length limit.

#include <string>

namespace taleno {

std::string ModuleFolder();

}  // namespace taleno

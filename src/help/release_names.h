#pragma once

#include <string>

#include "help/file_version.h"

namespace morvane::help {

// The HTML Help release that a version of the HTML Help control stands for.
std::string HelpControlReleaseName(const FileVersion& version);

// The Internet Explorer release that a (repaired) version of the browser
// component stands for.
std::string BrowserReleaseName(const FileVersion& version);

}  // namespace morvane::help

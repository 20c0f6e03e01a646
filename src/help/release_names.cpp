#include "help/release_names.h"

#include <span>

namespace morvane::help {
namespace {

enum class Match { Above, Equal, AtLeast };

struct ReleaseRow {
  Match match;
  FileVersion threshold;
  const char* name;
};

// The first matching row decides, from the top; every threshold has build 0.
constexpr ReleaseRow kHelpControlReleases[] = {
    {Match::Above, {4, 73, 8474, 0}, "> 1.21a"}, {Match::Equal, {4, 73, 8474, 0}, "1.21a"},
    {Match::AtLeast, {4, 73, 8412, 0}, "1.21"},  {Match::AtLeast, {4, 73, 8252, 0}, "1.2"},
    {Match::AtLeast, {4, 72, 8164, 0}, "1.1b"},  {Match::AtLeast, {4, 72, 7325, 0}, "1.1a"},
    {Match::AtLeast, {4, 72, 7323, 0}, "1.1"},   {Match::AtLeast, {4, 72, 7290, 0}, "1.0"},
};
constexpr char kHelpControlBeforeAll[] = "< 1.0";

constexpr ReleaseRow kBrowserReleases[] = {
    {Match::Above, {5, 0, 2615, 0}, ">= Internet Explorer 5.0"},
    {Match::AtLeast, {5, 0, 2614, 0}, "Internet Explorer 5.0b"},
    {Match::AtLeast, {5, 0, 2314, 0}, "Internet Explorer 5.0a"},
    {Match::AtLeast, {5, 0, 2014, 0}, "Internet Explorer 5.0"},
    {Match::AtLeast, {5, 0, 910, 0}, "Internet Explorer 5 Beta (Beta 2)"},
    {Match::AtLeast, {5, 0, 518, 0}, "Internet Explorer 5 Developer Preview (Beta 1)"},
    {Match::AtLeast, {4, 72, 3612, 0}, "Internet Explorer 4.01 Service Pack 2 (SP2)"},
    {Match::AtLeast, {4, 72, 3110, 0}, "Internet Explorer 4.01 Service Pack 1 (SP1)"},
    {Match::AtLeast, {4, 72, 2106, 0}, "Internet Explorer 4.01"},
    {Match::AtLeast, {4, 71, 1712, 0}, "Internet Explorer 4.0"},
    {Match::AtLeast, {4, 71, 1008, 0}, "Internet Explorer 4.0 Platform Preview 2.0 (PP2)"},
    {Match::AtLeast, {4, 71, 544, 0}, "Internet Explorer 4.0 Platform Preview 1.0 (PP1)"},
    {Match::AtLeast, {4, 70, 1300, 0}, "Internet Explorer 3.02"},
    {Match::AtLeast, {4, 70, 1215, 0}, "Internet Explorer 3.01"},
    {Match::AtLeast, {4, 70, 1158, 0}, "Internet Explorer 3.0 (OSR2)"},
    {Match::AtLeast, {4, 70, 1155, 0}, "Internet Explorer 3.0"},
    {Match::AtLeast, {4, 40, 520, 0}, "Internet Explorer 2.0"},
    {Match::AtLeast, {4, 40, 308, 0}, "Internet Explorer 1.0 (Plus!)"},
};
constexpr char kBrowserBeforeAll[] = "< Internet Explorer 1.0 (Plus!)";

bool Matches(const ReleaseRow& row, const FileVersion& version) {
  const int comparison = CompareVersions(version, row.threshold);
  switch (row.match) {
    case Match::Above:
      return comparison > 0;
    case Match::Equal:
      return comparison == 0;
    case Match::AtLeast:
      break;
  }
  return comparison >= 0;
}

std::string ReleaseName(std::span<const ReleaseRow> rows, const char* beforeAll,
                        const FileVersion& version) {
  for (const ReleaseRow& row : rows) {
    if (Matches(row, version)) return row.name;
  }
  return beforeAll;
}

}  // namespace

std::string HelpControlReleaseName(const FileVersion& version) {
  return ReleaseName(kHelpControlReleases, kHelpControlBeforeAll, version);
}

std::string BrowserReleaseName(const FileVersion& version) {
  return ReleaseName(kBrowserReleases, kBrowserBeforeAll, version);
}

}  // namespace morvane::help

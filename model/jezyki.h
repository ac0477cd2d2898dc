// Language ids the windows carry (`jezykId`): the locale ids of the
// languages the program has texts for.
#pragma once

constexpr int jezykPolski = 1045;
constexpr int jezykRosyjski = 1049;
constexpr int jezykAngielski = 2057;

#include "data/champion_table.h"

namespace vex {

namespace {
constexpr const char* kNameSeparator = "、";
}

int championCount(const ChampionTable& table) { return table.names.count(); }

bool isChampion(const ChampionTable& table, int c) { return c >= 1 && c <= championCount(table); }

NumberList championsOfCost(const ChampionTable& table, int cost) {
  NumberList group;
  for (int n = 1; n <= championCount(table); ++n) {
    if (table.costs[n] == cost) group.append(n);
  }
  return group;
}

std::string joinNames(const ChampionTable& table, const NumberList& champions) {
  std::string text;
  for (int i = 1; i <= champions.count(); ++i) {
    text += table.names[champions[i]];
    if (i != champions.count()) text += kNameSeparator;
  }
  return text;
}

}  // namespace vex

// The 51 champions with their traits, ratings, recommended items and
// pictures, and the colour that marks each gold cost.
#pragma once
#include "data/table_types.h"

namespace vex {

struct ChampionTable {
  TextList names = placeholderTexts();
  NumberList costs = placeholderNumbers();  // 1 to 5
  TextList origins = placeholderTexts();
  TextList classes = placeholderTexts();
  PictureSet portraits = placeholderPictures();  // picture set, 43 x 43
  PictureSet icons = placeholderPictures();      // picture set, 20 x 20
  NumberLists coreItems = placeholderLists();    // 3 item numbers each
  TextList ratings = placeholderTexts();         // "T1" to "T6"
};

// Indexed by cost 1 to 5; 0x00BBGGRR.
using CostColours = OneBasedList<Colour>;

void loadChampionTable(ChampionTable& table);
void loadCostColours(CostColours& colours);

// The count of names; loops over champions run 1 to this.
int championCount(const ChampionTable& table);
// Whether c numbers a champion of the table.
bool isChampion(const ChampionTable& table, int c);

// Champion numbers of one gold cost in number order; empty when none.
NumberList championsOfCost(const ChampionTable& table, int cost);

// Names of the listed champions joined by "、"; "" for an empty list.
std::string joinNames(const ChampionTable& table, const NumberList& champions);

}  // namespace vex

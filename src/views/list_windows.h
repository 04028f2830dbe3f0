// HeroListWindow and ItemListWindow: read-only lists of every champion and
// every item, rebuilt on each opening.
#pragma once
#include "views/views.h"

namespace vex {

void heroListWindowCreated(const Views& views);
void itemListWindowCreated(const Views& views);

// The rows alone, sorted by rating; the created handlers call these.
void fillChampionList(const Views& views);
void fillItemList(const Views& views);

}  // namespace vex

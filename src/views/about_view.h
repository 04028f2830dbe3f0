// AboutWindow and DonateWindow: the version labels, the update question,
// and the window that only shows pictures.
#pragma once
#include "views/views.h"

namespace vex {

void aboutWindowCreated(const Views& views);
// 超级按钮1 "立即更新": a fresh version check, then maybe UpdateWindow.
void updateNowPressed(const Views& views);
// 超级按钮2: the maker's social page in the browser.
void socialPagePressed(const Views& views);
void donateWindowCreated(const Views& views);

}  // namespace vex

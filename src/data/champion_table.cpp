// The champion catalogue as compiled in, one constant per column.
#include "data/champion_table.h"

#include "data/column_loading.h"
#include "data/picture_assets.h"

namespace vex {

namespace {

constexpr int kChampions = 51;

constexpr const char* kNames[kChampions] = {
    "暗裔剑魔", "九尾妖狐",       "离群之刺",     "冰晶凤凰",     "寒冰射手",   "铸星龙王",   "蒸汽机器人",
    "复仇焰魂", "弗雷尔卓德之心", "虚空恐惧",     "诺克萨斯之手", "荣耀行刑官", "蜘蛛女皇",   "痛苦之拥",
    "无双剑姬", "海洋之灾",       "德玛西亚之力", "迷失之牙",     "法外狂徒",   "死亡颂唱者", "虚空行者",
    "不祥之刃", "正义天使",       "狂暴之心",     "虚空掠夺者",   "永猎双子",   "曙光女神",   "冰霜女巫",
    "圣枪游侠", "仙灵女巫",       "赏金猎人",     "铁铠冥魂",     "堕落天使",   "狂野女猎手", "圣锤之毅",
    "血港鬼影", "虚空遁地兽",     "傲之追猎者",   "北地之怒",     "暮光之眼",   "龙血武姬",   "诺克萨斯统领",
    "麦林炮手", "惩戒之箭",       "暗夜猎手",     "邪恶小法师",   "雷霆咆哮",   "祖安怒兽",   "疾风剑豪",
    "影流之主", "卡牌大师",
};

constexpr std::int32_t kCosts[kChampions] = {
    3, 2, 4, 5, 3, 4, 2, 4, 2, 4, 1, 4, 1, 3, 1, 3, 1, 4, 1, 5, 1, 3, 5, 3, 1, 4,
    4, 2, 2, 2, 5, 1, 3, 1, 3, 2, 2, 3, 4, 2, 3, 5, 1, 2, 1, 3, 3, 1, 5, 2, 2,
};

constexpr const char* kOrigins[kChampions] = {
    "恶魔", "狂野",     "忍者", "极地", "极地", "龙",   "机器人", "恶魔",     "极地", "虚空",     "帝国",
    "帝国", "恶魔",     "恶魔", "贵族", "海盗", "贵族", "狂野",   "海盗",     "暗影", "虚空",     "帝国",
    "贵族", "忍者",     "虚空", "暗影", "贵族", "极地", "贵族",   "约德尔人", "海盗", "暗影",     "恶魔",
    "狂野", "约德尔人", "海盗", "虚空", "狂野", "极地", "忍者",   "龙",       "恶魔", "约德尔人", "恶魔",
    "贵族", "约德尔人", "极地", "狂野", "浪人", "忍者", "海盗",
};

constexpr const char* kClasses[kChampions] = {
    "剑士",   "法师",   "刺客", "元素使", "游侠", "法师",   "斗士",   "元素使", "护卫",   "斗士", "骑士",
    "剑士",   "换形师", "刺客", "剑士",   "剑士", "骑士",   "换形师", "枪手",   "法师",   "法师", "刺客",
    "骑士",   "元素使", "刺客", "游侠",   "护卫", "元素使", "枪手",   "法师",   "枪手",   "骑士", "法师",
    "换形师", "骑士",   "刺客", "斗士",   "刺客", "骑士",   "剑士",   "换形师", "换形师", "枪手", "游侠",
    "游侠",   "法师",   "斗士", "斗士",   "剑士", "刺客",   "法师",
};

constexpr const char* kRatings[kChampions] = {
    "T4", "T4", "T3", "T2", "T3", "T3", "T3", "T4", "T3", "T1", "T4", "T2", "T6", "T4", "T4", "T5", "T4",
    "T2", "T5", "T1", "T3", "T5", "T1", "T2", "T3", "T2", "T3", "T5", "T3", "T3", "T4", "T6", "T3", "T5",
    "T3", "T3", "T3", "T2", "T2", "T4", "T2", "T2", "T3", "T3", "T3", "T3", "T3", "T5", "T2", "T4", "T3",
};

// Recommended items in display order; an item may stand twice.
constexpr std::int8_t kCoreItems[kChampions][3] = {
    {15, 16, 21}, {28, 29, 33}, {12, 16, 28}, {12, 12, 29}, {18, 34, 34}, {14, 28, 34}, {14, 28, 34},
    {14, 28, 34}, {11, 19, 23}, {28, 29, 33}, {11, 16, 21}, {16, 18, 39}, {16, 21, 38}, {14, 28, 34},
    {16, 21, 34}, {16, 21, 34}, {11, 16, 29}, {11, 23, 23}, {38, 42, 44}, {12, 12, 28}, {14, 16, 21},
    {12, 12, 29}, {14, 34, 34}, {16, 21, 29}, {16, 18, 37}, {11, 17, 25}, {11, 23, 17}, {11, 17, 25},
    {34, 35, 39}, {11, 14, 34}, {12, 12, 29}, {11, 16, 21}, {16, 21, 29}, {14, 16, 21}, {16, 19, 21},
    {14, 34, 34}, {11, 23, 23}, {18, 35, 39}, {16, 21, 34}, {16, 19, 21}, {11, 19, 24}, {16, 21, 29},
    {18, 42, 44}, {14, 28, 34}, {14, 14, 18}, {12, 34, 34}, {14, 18, 23}, {11, 23, 23}, {12, 16, 21},
    {16, 18, 37}, {35, 35, 27},
};

// By cost 1 to 5, 0x00BBGGRR: white, green, light blue, purple, gold.
constexpr Colour kCostColours[] = {0xFFFFFF, 0x45AF00, 0xF2BD2B, 0xA22769, 0x00BDFF};

}  // namespace

void loadChampionTable(ChampionTable& table) {
  table.names = textColumn(kNames);
  table.costs = numberColumn(kCosts);
  table.origins = textColumn(kOrigins);
  table.classes = textColumn(kClasses);
  table.portraits = assets::championPortraits.span();
  table.icons = assets::championIcons.span();
  table.coreItems = listColumn(kCoreItems, table.names.count());
  table.ratings = textColumn(kRatings);
}

void loadCostColours(CostColours& colours) {
  colours = CostColours(std::vector<Colour>(std::begin(kCostColours), std::end(kCostColours)));
}

}  // namespace vex

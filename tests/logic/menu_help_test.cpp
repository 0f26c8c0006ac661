#include "shell/menu_help.h"

#include <gtest/gtest.h>

namespace {

unsigned long Select(unsigned id, unsigned flags) {
  return (unsigned long)((flags & 0xFFFFu) << 16 | (id & 0xFFFFu));
}

TEST(MenuSelect, CommandItemsGiveTheirId) {
  EXPECT_EQ(902u, MenuSelectHelpId(Select(902, 0)));
  EXPECT_EQ(900u, MenuSelectHelpId(Select(900, 0x0008 /* MF_CHECKED */ | 0x0080 /* MF_HILITE */)));
  EXPECT_EQ(40009u, MenuSelectHelpId(Select(40009, 0x0080)));
  EXPECT_EQ(0xF060u, MenuSelectHelpId(Select(0xF060, 0x2000 /* MF_SYSMENU */)));
}

TEST(MenuSelect, PopupsAndTheClosedMenuGiveZero) {
  EXPECT_EQ(0u, MenuSelectHelpId(Select(7, 0x0010 | 0x0080)));
  EXPECT_EQ(0u, MenuSelectHelpId(Select(0, 0xFFFF)));
  EXPECT_EQ(0u, MenuSelectHelpId(Select(0xFFFF, 0xFFFF)));
  EXPECT_EQ(0u, MenuSelectHelpId(Select(0, 0x0800 /* MF_SEPARATOR */)));
}

TEST(MenuHelp, ZeroExplainsNothing) {
  EXPECT_EQ(MenuHelpNone, DecideMenuHelp(0).kind);
}

TEST(MenuHelp, CommandsUseTheirOwnString) {
  for (unsigned id : {200u, 500u, 712u, 1000u, 39999u, 41000u, 0xF060u}) {
    MenuHelpSource s = DecideMenuHelp(id);
    EXPECT_EQ(MenuHelpString, s.kind) << id;
    EXPECT_EQ(id, s.stringId) << id;
  }
}

TEST(MenuHelp, WindowListEntriesAreNumberedFromOne) {
  struct {
    unsigned id;
    int number;
  } cases[] = {{40000, 1}, {40002, 3}, {40009, 10}, {40999, 1000}};
  for (auto c : cases) {
    MenuHelpSource s = DecideMenuHelp(c.id);
    EXPECT_EQ(MenuHelpWindowList, s.kind) << c.id;
    EXPECT_EQ(40000u, s.stringId) << c.id;
    EXPECT_EQ(c.number, s.windowNumber) << c.id;
  }
}

}  // namespace

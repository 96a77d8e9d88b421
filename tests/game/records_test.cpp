// The ship lists of the shipowners: purchase order, unlinking, freeing, and when a ship counts as
// in port.
#include "world/records.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/harness/case_name.h"

namespace {

class ShipList : public testing::Test {
  protected:
    void SetUp() override {
        owner_ = Shipowner{};
        base_ = ship_blocks_in_use();
    }
    void TearDown() override {
        free_ships(&owner_);
        EXPECT_EQ(ship_blocks_in_use(), base_);
        ship_alloc_fail_after(-1);
    }
    Ship* buy(const char* name) {
        Ship* s = new_ship();
        std::strcpy(s->name, name);
        append_ship(&owner_, s);
        return s;
    }
    std::string names() const {
        std::string out;
        for (const Ship* s = owner_.ships; s != nullptr; s = s->next) out += std::string(s->name) + " ";
        return out;
    }
    Shipowner owner_;
    int32_t base_ = 0;
};

TEST_F(ShipList, NewShipIsClearedWhole) {
    Ship* s = new_ship();
    ASSERT_NE(s, nullptr);
    static const Ship zero{};
    EXPECT_EQ(std::memcmp(s, &zero, sizeof(Ship)), 0);
    free_ship(s);
}

TEST_F(ShipList, ShipsStayInPurchaseOrder) {
    EXPECT_EQ(owner_.ships, nullptr);
    EXPECT_EQ(ship_count(&owner_), 0);
    buy("Ada");
    Ship* b = buy("Bea");
    buy("Cleo");
    EXPECT_EQ(names(), "Ada Bea Cleo ");
    EXPECT_EQ(ship_count(&owner_), 3);

    EXPECT_EQ(unlink_ship(&owner_, b), 1);
    EXPECT_EQ(b->next, nullptr);
    EXPECT_EQ(unlink_ship(&owner_, b), 0) << "a ship is unlinked once";
    free_ship(b);
    EXPECT_EQ(names(), "Ada Cleo ");
    buy("Dora");
    EXPECT_EQ(names(), "Ada Cleo Dora ");
}

TEST_F(ShipList, FreeingEmptiesTheListsOfEveryShipownerGiven) {
    buy("Ada");
    buy("Bea");
    EXPECT_EQ(ship_blocks_in_use(), base_ + 2);
    free_ships(&owner_);
    EXPECT_EQ(owner_.ships, nullptr);
    EXPECT_EQ(ship_blocks_in_use(), base_);

    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) append_ship(&g_shipowners[i], new_ship());
    free_all_ships(2);
    EXPECT_EQ(g_shipowners[0].ships, nullptr);
    EXPECT_EQ(g_shipowners[1].ships, nullptr);
    EXPECT_NE(g_shipowners[2].ships, nullptr) << "only the shipowners counted are freed";
    free_all_ships(SHIPOWNER_MAX);
    EXPECT_EQ(g_shipowners[3].ships, nullptr);
}

TEST_F(ShipList, AllocationCanBeMadeToFail) {
    ship_alloc_fail_after(1);
    Ship* first = new_ship();
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(new_ship(), nullptr);
    ship_alloc_fail_after(-1);
    Ship* again = new_ship();
    EXPECT_NE(again, nullptr);
    free_ship(first);
    free_ship(again);
}

struct InPortCase {
    const char* what;
    int8_t route;
    int16_t direction;
    bool in_port;
};

class ShipInPort : public testing::TestWithParam<InPortCase> {};

TEST_P(ShipInPort, FollowsRouteAndDirection) {
    Ship s{};
    s.route = GetParam().route;
    s.direction = GetParam().direction;
    EXPECT_EQ(ship_in_port(&s), GetParam().in_port);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShipInPort,
                         testing::Values(InPortCase{"no charter", 0, 0, true},
                                         InPortCase{"charter taken, not cast off", 12, 0, true},
                                         InPortCase{"sailing from A to B", 12, 1, false},
                                         InPortCase{"sailing from B to A", 55, -1, false},
                                         InPortCase{"direction left over without a route", 0, 1, true}),
                         CaseName());

}  // namespace

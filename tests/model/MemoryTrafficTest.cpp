#include "ModelTestSupport.h"

TEST(UserMemory, AverageOverAllUsersOfTheMix) {
    struct Case {
        const char* what;
        std::vector<Pick> picks;
        int32_t expectedKB;
    };
    const Case cases[] = {
        {"no users", {ExtMem(0)}, 0},
        {"Avlo, 100 users, remainder discarded", {Ip(8), An(2), Ve(90)}, 37 * 1024 / 100},
        {"Ivrel, 256 MB, 400 users", {Product(Ivrel), Ip(32), An(2), Ve(366), ExtMem(1)}, 734},
        {"one IP phone", {Product(Ivrel), Ip(1)}, 31 * 1024},
        {"an extension halves it", {Product(Ivrel), Ip(1), Ve(1)}, 31 * 1024 / 2},
        {"AA instances count as users", {Product(Ivrel), Aa(4)}, 31 * 1024 / 4},
        {"128 GB on one user", {Product(Ivrel), Ip(1), ExtMem(10)}, 134217728 + 31 * 1024},
        {"128 GB on a model without external memory",
         {Product(Elvar), ExtMem(10), Product(Avlo), Ip(1)},
         37 * 1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CCapacityModel model;
        model.StartUp();
        for (const Pick& p : c.picks) {
            Apply(model, p);
        }
        EXPECT_EQ(model.m_nAvgUserMemoryKB, c.expectedKB);
    }
}

TEST(UserMemory, ExternalMemoryTableAndNoSelection) {
    CCapacityModel model;
    const int32_t expected[] = {0,       262144,   524288,   1048576,  2097152,  4194304,
                                8388608, 16777216, 33554432, 67108864, 134217728};
    for (int32_t i = 0; i < 11; ++i) {
        model.m_listExternalMemory.SetCurSel(i);
        EXPECT_EQ(model.ExternalMemoryKB(), expected[i]) << model.m_listExternalMemory.GetText(i);
    }
    model.m_listExternalMemory.SetCurSel(-1);
    EXPECT_EQ(model.ExternalMemoryKB(), 0);
}

TEST(UserMemory, ExternalMemoryPickChangesOnlyTheAverage) {
    CCapacityModel model;
    StartWith(model, {Product(Hadel), Ip(10), Ve(20), Tc(3)});
    CCapacityModel before(model);
    Apply(model, ExtMem(2));
    EXPECT_EQ(model.m_nAvgUserMemoryKB, (524288 + 32 * 1024) / 30);
    model.m_nAvgUserMemoryKB = before.m_nAvgUserMemoryKB;
    model.m_listExternalMemory.SetCurSel(before.m_listExternalMemory.GetCurSel());
    for (auto list : {&CCapacityModel::m_listIpPhones, &CCapacityModel::m_listVirtualExt,
                      &CCapacityModel::m_listTrunkCalls, &CCapacityModel::m_listWanCalls}) {
        EXPECT_EQ((model.*list).Items(), (before.*list).Items());
        EXPECT_EQ((model.*list).GetCurSel(), (before.*list).GetCurSel());
    }
}

TEST(Traffic, WeightedSumsOfTheSessionMix) {
    struct Case {
        const char* what;
        std::vector<Pick> picks;
        int32_t g729, g711;
    };
    const Case cases[] = {
        {"start-up", {}, 0, 0},
        {"one WAN call", {Ip(1), Wc(1)}, 29, 84},
        {"one fax session", {Ip(1), Fx(1)}, 28, 28},
        {"mixed Avlo", {Ip(3), An(2), Aa(2), Ve(4), Wc(5), Ac(2), Vm(3), Fx(1)}, 318, 868},
        {"recording sessions add nothing",
         {Product(Elvar), RecKey(5), Ip(10), Wc(4), Tc(2), Rs(5)},
         4 * 29,
         4 * 84},
        {"trunk calls add nothing", {Product(Ivrel), Ip(10), Tc(5)}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CCapacityModel model;
        model.StartUp();
        for (const Pick& p : c.picks) {
            Apply(model, p);
        }
        EXPECT_EQ(model.m_nTrafficG729, c.g729);
        EXPECT_EQ(model.m_nTrafficG711, c.g711);
    }
}

#include "ModelTestSupport.h"

#include <cmath>

TEST(SessionMix, ListsOfferWhatTheBudgetLeaves) {
    struct Case {
        const char* what;
        std::vector<Pick> picks;
        int32_t tc, wc, fx, ac, vm, rs; // highest number each list offers
    };
    const Case cases[] = {
        {"start-up", {}, 0, 0, 0, 0, 0, 0},
        {"Avlo, 3 IP and 2 analog phones", {Ip(3), An(2)}, 1, 5, 3, 0, 5, 0},
        {"one trunk call narrows the WAN calls", {Ip(3), An(2), Tc(1)}, 1, 4, 3, 0, 4, 0},
        {"Ivrel trunk channels", {Product(Ivrel), Ip(32), An(2)}, 30, 34, 10, 0, 34, 0},
        {"weighted AA calls (3)",
         {Product(Ivrel), Ip(32), An(2), Ve(100), Aa(10), Fx(10), Vm(20), Ac(3)},
         30,
         30,
         10,
         10,
         50,
         0},
        {"weighted AA calls (10)",
         {Product(Ivrel), Ip(32), An(2), Ve(100), Aa(10), Fx(10), Vm(20), Ac(3), Ac(10)},
         22,
         22,
         10,
         10,
         42,
         0},
        {"AA calls bounded by instances",
         {Product(Ivrel), Ip(32), An(2), Ve(100), Aa(5), Tc(10), Wc(20), Fx(4), Vm(20)},
         14,
         24,
         10,
         5,
         30,
         0},
        {"AA calls bounded by the budget",
         {Product(Ivrel), Ip(32), An(2), Ve(100), Aa(5), Tc(10), Wc(20), Fx(4), Vm(20), Aa(12)},
         14,
         24,
         10,
         8,
         30,
         0},
        {"exact budget of 4 VM sessions",
         {Ip(3), An(2), Ve(2), Aa(5), Tc(1), Wc(1), Ac(5)},
         1,
         4,
         3,
         5,
         4,
         0},
        {"recording bounded by trunk and WAN calls",
         {Product(Elvar), RecKey(3), Ip(32), An(2), Tc(2), Wc(3)},
         8,
         32,
         8,
         0,
         29,
         5},
        {"recording bounded by the key",
         {Product(Elvar), RecKey(3), Ip(32), An(2), Tc(2), Wc(3), Tc(8), Wc(20)},
         8,
         26,
         6,
         0,
         6,
         12},
        {"no recording key", {Product(Elvar), Ip(32), An(2), Tc(2), Wc(3)}, 8, 32, 8, 0, 29, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CCapacityModel model;
        model.StartUp();
        for (const Pick& p : c.picks) {
            Apply(model, p);
        }
        EXPECT_EQ(Top(model.m_listTrunkCalls), c.tc);
        EXPECT_EQ(Top(model.m_listWanCalls), c.wc);
        EXPECT_EQ(Top(model.m_listFaxSessions), c.fx);
        EXPECT_EQ(Top(model.m_listAaCalls), c.ac);
        EXPECT_EQ(Top(model.m_listVmSessions), c.vm);
        EXPECT_EQ(Top(model.m_listRecordingSessions), c.rs);
    }
}

// A model whose phone mix leaves every further term wide open, so only the budget bounds.
class BudgetArithmetic : public ::testing::Test {
protected:
    void SetUp() override {
        m_model.m_listProduct.SetCurSel(Ivrel);
        m_model.m_nMaxFaxSessions = m_model.m_nMaxAaCalls = m_model.m_nMaxVmSessions = 1000;
        Fill(m_model.m_listIpPhones, 400, 400);
        Fill(m_model.m_listAnalogPhones, 0, 0);
        Fill(m_model.m_listVirtualExt, 0, 0);
        Fill(m_model.m_listAa, 400, 400);
        for (CChoiceList* list : {&m_model.m_listTrunkCalls, &m_model.m_listWanCalls,
                                  &m_model.m_listFaxSessions, &m_model.m_listAaCalls,
                                  &m_model.m_listVmSessions, &m_model.m_listRecordingSessions}) {
            Fill(*list, 0, 0);
        }
    }
    CCapacityModel m_model;
};

// The real-number steps must give the exact value truncated toward zero for every mix the
// lists can hold: an off-by-one here offers a call that does not fit, or hides one that does.
TEST_F(BudgetArithmetic, SubtractingRulesMatchTheExactFloor) {
    for (int32_t maxCalls = 0; maxCalls <= 64; ++maxCalls) {
        for (int32_t ac = 0; ac <= 60; ++ac) {
            m_model.m_nMaxCalls = maxCalls;
            Fill(m_model.m_listAaCalls, ac, ac);
            const int32_t exact = 5 * maxCalls - 6 * ac;
            const int32_t expected = exact < 0 ? 0 : exact / 5;
            // Each rule is checked with the other lists at 0, so only its own budget counts.
            Fill(m_model.m_listWanCalls, 0, 0);
            m_model.RefillWanCalls();
            ASSERT_EQ(Top(m_model.m_listWanCalls), expected) << maxCalls << " - 1.2 x " << ac;
            Fill(m_model.m_listWanCalls, 0, 0);
            m_model.RefillVmSessions();
            ASSERT_EQ(Top(m_model.m_listVmSessions), expected) << maxCalls << " - 1.2 x " << ac;
            Fill(m_model.m_listVmSessions, 0, 0);
            m_model.RefillRecordingSessions();
            m_model.RefillFaxSessions();
            ASSERT_EQ(Top(m_model.m_listFaxSessions), expected) << maxCalls << " - 1.2 x " << ac;
            Fill(m_model.m_listFaxSessions, 0, 0);
        }
    }
}

TEST_F(BudgetArithmetic, AaCallsDivideByTheWeight) {
    for (int32_t maxCalls = 0; maxCalls <= 64; ++maxCalls) {
        m_model.m_nMaxCalls = maxCalls;
        Fill(m_model.m_listAaCalls, 64, 64);
        m_model.RefillAaCalls();
        ASSERT_EQ(Top(m_model.m_listAaCalls), 5 * maxCalls / 6) << "N = " << maxCalls;
    }
}

TEST_F(BudgetArithmetic, WorkedExamples) {
    struct Case {
        int32_t maxCalls, tc, wc, ac, expectedVm;
    };
    // 12 - 1.2 x 10 = 0; 12 - 1.2 x 3 = 8.4; 12 - 1 - 1 - 1.2 x 5 = 4 exactly.
    for (const Case& c : {Case{12, 0, 0, 10, 0}, Case{12, 0, 0, 3, 8}, Case{12, 1, 1, 5, 4}}) {
        m_model.m_nMaxCalls = c.maxCalls;
        Fill(m_model.m_listTrunkCalls, c.tc, c.tc);
        Fill(m_model.m_listWanCalls, c.wc, c.wc);
        Fill(m_model.m_listAaCalls, c.ac, c.ac);
        m_model.RefillVmSessions();
        EXPECT_EQ(Top(m_model.m_listVmSessions), c.expectedVm);
    }
    m_model.m_nMaxCalls = 22;
    Fill(m_model.m_listTrunkCalls, 10, 10);
    Fill(m_model.m_listWanCalls, 0, 0);
    Fill(m_model.m_listAaCalls, 0, 0);
    m_model.RefillAaCalls();
    EXPECT_EQ(Top(m_model.m_listAaCalls), 10) << "N = 12";
}

TEST_F(BudgetArithmetic, TrunkCallsTakeTheChannelsOrTheBudget) {
    struct Case {
        int32_t maxCalls, ac, expected;
    };
    // Ivrel has 30 channels: the budget wins below 30, the channels at and above.
    for (const Case& c :
         {Case{64, 0, 30}, Case{30, 0, 30}, Case{29, 0, 29}, Case{40, 9, 29}, Case{5, 5, 0}}) {
        m_model.m_nMaxCalls = c.maxCalls;
        Fill(m_model.m_listAaCalls, c.ac, c.ac);
        Fill(m_model.m_listTrunkCalls, 0, 0);
        m_model.RefillTrunkCalls();
        EXPECT_EQ(Top(m_model.m_listTrunkCalls), c.expected) << c.maxCalls << " " << c.ac;
    }
}

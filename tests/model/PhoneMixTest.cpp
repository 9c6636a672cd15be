#include "ModelTestSupport.h"

TEST(PhoneMix, ListsOfferWhatThePoolAndCapsLeave) {
    struct Case {
        const char* what;
        std::vector<Pick> picks;
        int32_t ip, an, aa, ve; // highest number each list offers
    };
    const Case cases[] = {
        {"start-up", {}, 8, 2, 100, 100},
        {"Avlo with 8 IP and 2 analog phones", {Ip(8), An(2)}, 8, 2, 90, 90},
        {"pool used up by extensions", {Ve(100)}, 0, 0, 0, 100},
        {"model without FXS ports", {Product(Casko), Ip(3)}, 10, 0, 97, 97},
        {"IP key raises the IP cap", {Product(Ivrel), IpKey(5)}, 192, 2, 400, 400},
        {"largest pool", {Product(Ivrel)}, 32, 2, 400, 400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CCapacityModel model;
        model.StartUp();
        for (const Pick& p : c.picks) {
            Apply(model, p);
        }
        EXPECT_EQ(Top(model.m_listIpPhones), c.ip);
        EXPECT_EQ(Top(model.m_listAnalogPhones), c.an);
        EXPECT_EQ(Top(model.m_listAa), c.aa);
        EXPECT_EQ(Top(model.m_listVirtualExt), c.ve);
    }
}

TEST(PhoneMix, ChoiceAboveTheNewBoundFallsToItOthersStay) {
    CCapacityModel model;
    StartWith(model, {Product(Ivrel), IpKey(5), Ip(150), Ve(200)});
    Apply(model, IpKey(1));
    EXPECT_EQ(model.m_listIpPhones.GetCurSel(), 64);
    EXPECT_EQ(Top(model.m_listIpPhones), 64);
    EXPECT_EQ(model.m_listVirtualExt.GetCurSel(), 200);
    // The lists refilled after the IP phones see the freed part of the pool at once.
    EXPECT_EQ(Top(model.m_listVirtualExt), 400 - 64);
    EXPECT_EQ(Top(model.m_listAa), 400 - 64 - 200);
}

// A pool lowered below the mix: each rule sees only the choices lowered before it, so a list
// refilled early can stay narrower than the pool allows until the next event.
TEST(PhoneMix, RulesRunOnceInOrderAndDoNotRevisit) {
    CCapacityModel model;
    model.m_nVirtualExtMax = 200;
    model.m_nIpPhonesBasic = 32;
    model.m_nKeyIpPhones = 64;
    model.m_nFxsPorts = 2;
    Fill(model.m_listIpPhones, 150, 150);
    Fill(model.m_listAnalogPhones, 0, 0);
    Fill(model.m_listAa, 0, 0);
    Fill(model.m_listVirtualExt, 100, 100);

    model.RefillAa();
    model.RefillIpPhones();
    model.RefillAnalogPhones();
    model.RefillVirtualExt();

    EXPECT_EQ(Top(model.m_listAa), 0);
    EXPECT_EQ(model.m_listAa.GetCurSel(), 0);
    EXPECT_EQ(model.m_listIpPhones.GetCurSel(), 96);
    EXPECT_EQ(Top(model.m_listIpPhones), 96);
    EXPECT_EQ(Top(model.m_listAnalogPhones), 2);
    EXPECT_EQ(model.m_listVirtualExt.GetCurSel(), 100);
    EXPECT_EQ(Top(model.m_listVirtualExt), 104);
}

TEST(PhoneMix, NegativeShareGivesZeroOnlyAndNoSelectionStaysNone) {
    CCapacityModel model;
    model.m_nVirtualExtMax = 10;
    model.m_nIpPhonesBasic = 8;
    model.m_nFxsPorts = 2;
    Fill(model.m_listIpPhones, 8, 8);
    Fill(model.m_listAa, 9, 9);
    Fill(model.m_listVirtualExt, 0, 0);
    Fill(model.m_listAnalogPhones, 2, 2);
    model.RefillAnalogPhones();
    EXPECT_EQ(model.m_listAnalogPhones.Items(), (std::vector<std::string>{"0"}));
    EXPECT_EQ(model.m_listAnalogPhones.GetCurSel(), 0);

    model.m_listAa.SetCurSel(-1);
    model.RefillAa();
    EXPECT_EQ(model.m_listAa.GetCurSel(), -1);
    EXPECT_GE(model.m_listAa.GetCount(), 1);
}

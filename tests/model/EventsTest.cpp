#include "ModelTestSupport.h"

namespace {

const std::vector<std::string> kModelChange = {"in", "out", "out", "in", "out", "out", "labels"};

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(Events, EachEventAsksTheFormInItsOrder) {
    struct Case {
        const char* what;
        EventMember event;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"product", &CCapacityModel::OnProductChanged, kModelChange},
        {"start-up", &CCapacityModel::StartUp, kModelChange},
        {"clear", &CCapacityModel::OnClear, Concat(kModelChange, {"out"})},
        {"IP phones key", &CCapacityModel::OnIpPhonesKeyChanged, {"in", "out", "out", "out"}},
        {"G.729 key", &CCapacityModel::OnG729KeyChanged, {}},
        {"recording key", &CCapacityModel::OnRecordingKeyChanged, {"in", "out", "out"}},
        {"IP phones", &CCapacityModel::OnIpPhonesChanged, {"out", "out"}},
        {"analog phones", &CCapacityModel::OnAnalogPhonesChanged, {"out", "out"}},
        {"AA", &CCapacityModel::OnAaChanged, {"out", "out"}},
        {"virtual extensions", &CCapacityModel::OnVirtualExtChanged, {"out", "out"}},
        {"trunk calls", &CCapacityModel::OnTrunkCallsChanged, {"out"}},
        {"WAN calls", &CCapacityModel::OnWanCallsChanged, {"out"}},
        {"fax sessions", &CCapacityModel::OnFaxSessionsChanged, {"out"}},
        {"AA calls", &CCapacityModel::OnAaCallsChanged, {"out"}},
        {"VM sessions", &CCapacityModel::OnVmSessionsChanged, {"out"}},
        {"recording sessions", &CCapacityModel::OnRecordingSessionsChanged, {"out"}},
        {"external memory", &CCapacityModel::OnExternalMemoryChanged, {"out"}},
    };
    for (const Case& c : cases) {
        CCapacityModel model;
        model.StartUp();
        CRecordingLink link;
        model.SetFormLink(&link);
        (model.*c.event)();
        EXPECT_EQ(link.m_requests, c.expected) << c.what;
    }
}

TEST(Events, WithoutAFormTheModelRunsAlone) {
    CCapacityModel model;
    EXPECT_EQ(model.GetFormLink(), nullptr);
    StartWith(model, {Product(Ivrel), Ip(5), Tc(3)});
    EXPECT_EQ(model.m_listTrunkCalls.GetCurSel(), 3);
}

TEST(Events, ConstructedStateBeforeStartUp) {
    CCapacityModel model;
    EXPECT_EQ(model.m_strProduct, "Avlo");
    EXPECT_EQ(model.m_nMaxCalls, 0);
    EXPECT_EQ(model.m_nG729KeyIndex, 0);
    EXPECT_EQ(model.m_listProduct.GetCount(), 9);
    EXPECT_EQ(model.m_listProduct.GetCurSel(), -1);
    EXPECT_EQ(model.m_listExternalMemory.GetText(10), "128 GB");
    EXPECT_EQ(model.m_listLanguage.Items(), (std::vector<std::string>{"English", "Spanish"}));
    EXPECT_EQ(model.m_listWanCalls.Items(), (std::vector<std::string>{"0"}));
    EXPECT_TRUE(model.m_listRecordingSessions.IsEnabled());
}

TEST(Events, StartUpSelectsFirstItemsAndAppliesAvlo) {
    CCapacityModel model;
    model.StartUp();
    EXPECT_EQ(model.m_strProduct, "Avlo");
    EXPECT_EQ(model.m_listLanguage.GetCurSel(), 0);
    EXPECT_EQ(Top(model.m_listIpPhones), 8);
    EXPECT_EQ(Top(model.m_listAnalogPhones), 2);
    EXPECT_EQ(Top(model.m_listAa), 100);
    EXPECT_EQ(Top(model.m_listVirtualExt), 100);
    for (const CChoiceList* list :
         {&model.m_listTrunkCalls, &model.m_listWanCalls, &model.m_listFaxSessions,
          &model.m_listAaCalls, &model.m_listVmSessions, &model.m_listRecordingSessions}) {
        EXPECT_EQ(list->Items(), (std::vector<std::string>{"0"}));
        EXPECT_EQ(list->GetCurSel(), 0);
    }
    EXPECT_EQ(model.m_nTrafficG729, 0);
    EXPECT_EQ(model.m_nTrafficG711, 0);
}

// The list rebuilt first gives way when two lists compete for the same capacity.
TEST(Events, SequenceOrderDecidesWhichListGivesWay) {
    CCapacityModel model;
    StartWith(model, {Product(Ivrel), Ip(4), Tc(2), Wc(2), Ip(2)});
    EXPECT_EQ(model.m_listTrunkCalls.GetCurSel(), 2);
    EXPECT_EQ(model.m_listWanCalls.GetCurSel(), 0);

    StartWith(model, {Product(Ivrel), Ip(2), An(2), Tc(2), Wc(2), An(0)});
    EXPECT_EQ(model.m_listTrunkCalls.GetCurSel(), 0);
    EXPECT_EQ(model.m_listWanCalls.GetCurSel(), 2);
}

TEST(Events, RangeLeftNarrowUntilTheNextRebuild) {
    CCapacityModel model;
    StartWith(model, {Product(Ivrel), Ip(6), Ve(4), Tc(4), Vm(4), Ip(2)});
    EXPECT_EQ(model.m_listTrunkCalls.GetCurSel(), 2);
    EXPECT_EQ(model.m_listVmSessions.GetCurSel(), 2);
    EXPECT_EQ(Top(model.m_listVmSessions), 2);
    Apply(model, Aa(1));
    EXPECT_EQ(Top(model.m_listVmSessions), 4);
    EXPECT_EQ(model.m_listVmSessions.GetCurSel(), 2);
}

TEST(Events, ModelChangeRunsTwoSessionPasses) {
    CCapacityModel model;
    StartWith(model, {Product(Ivrel), Ip(20), An(2), Ve(50), Aa(5), Tc(10), Wc(5), Fx(3), Ac(4),
                      Vm(6), Product(Avlo)});
    EXPECT_EQ(model.m_listIpPhones.GetCurSel(), 8);
    EXPECT_EQ(model.m_listAnalogPhones.GetCurSel(), 2);
    EXPECT_EQ(model.m_listAa.GetCurSel(), 5);
    EXPECT_EQ(model.m_listVirtualExt.GetCurSel(), 50);
    EXPECT_EQ(model.m_listTrunkCalls.GetCurSel(), 1);
    EXPECT_EQ(model.m_listWanCalls.GetCurSel(), 5);
    EXPECT_EQ(model.m_listFaxSessions.GetCurSel(), 0);
    EXPECT_EQ(model.m_listAaCalls.GetCurSel(), 0);
    EXPECT_EQ(model.m_listVmSessions.GetCurSel(), 0);
    EXPECT_EQ(Top(model.m_listFaxSessions), 3);
    EXPECT_EQ(Top(model.m_listAaCalls), 5);
    EXPECT_EQ(Top(model.m_listVmSessions), 5);

    // Picking the same model again changes no choice.
    CCapacityModel before(model);
    Apply(model, Product(Avlo));
    for (auto list : {&CCapacityModel::m_listIpPhones, &CCapacityModel::m_listTrunkCalls,
                      &CCapacityModel::m_listWanCalls, &CCapacityModel::m_listVmSessions}) {
        EXPECT_EQ((model.*list).GetCurSel(), (before.*list).GetCurSel());
    }
}

TEST(Events, KeyChoicesSurviveLaterEvents) {
    CCapacityModel model;
    StartWith(model, {Product(Ivrel), IpKey(5), Product(Avlo)});
    EXPECT_EQ(model.m_listIpPhonesKey.GetText(model.m_nIpPhonesKeyIndex), "8");
    EXPECT_EQ(Top(model.m_listIpPhones), 16);

    StartWith(model, {G729Key(1), Ip(3), Tc(1), ExtMem(0)});
    EXPECT_EQ(model.m_nG729KeyIndex, 1);
    EXPECT_EQ(model.m_listG729Key.GetCurSel(), 1);
}

TEST(Events, G729KeyPickChangesNothingElse) {
    CCapacityModel model;
    StartWith(model, {Ip(3), An(1), Wc(2)});
    CCapacityModel before(model);
    Apply(model, G729Key(1));
    EXPECT_EQ(model.m_nG729KeyIndex, 1);
    model.m_listG729Key.SetCurSel(0);
    EXPECT_EQ(model.m_nAvgUserMemoryKB, before.m_nAvgUserMemoryKB);
    EXPECT_EQ(model.m_nTrafficG729, before.m_nTrafficG729);
    EXPECT_EQ(model.m_listWanCalls.Items(), before.m_listWanCalls.Items());
}

TEST(Events, SessionPickLeavesPhoneMixMemoryAndKeys) {
    CCapacityModel model;
    StartWith(model, {Product(Elvar), IpKey(2), RecKey(4), Ip(40), Ve(30), Aa(2)});
    CCapacityModel before(model);
    ApplyAll(model, {Tc(5), Wc(10), Vm(4), Fx(2), Ac(2), Rs(3)});
    for (auto list : {&CCapacityModel::m_listIpPhones, &CCapacityModel::m_listAnalogPhones,
                      &CCapacityModel::m_listAa, &CCapacityModel::m_listVirtualExt}) {
        EXPECT_EQ((model.*list).Items(), (before.*list).Items());
        EXPECT_EQ((model.*list).GetCurSel(), (before.*list).GetCurSel());
    }
    EXPECT_EQ(model.m_nAvgUserMemoryKB, before.m_nAvgUserMemoryKB);
    EXPECT_EQ(model.m_nKeyIpPhones, before.m_nKeyIpPhones);
    EXPECT_EQ(model.m_nKeyRecording, before.m_nKeyRecording);
}

TEST(Events, ClearKeepsModelAndLanguageAndResetsTheRest) {
    CCapacityModel model;
    StartWith(model, {Product(Ivrel), IpKey(4), RecKey(2), ExtMem(5), Ip(100), An(1), Ve(50), Aa(3),
                      Tc(4), Wc(4), Fx(2), Ac(1), Vm(3), Rs(2)});
    model.m_listLanguage.SetCurSel(1);
    model.OnClear();
    EXPECT_EQ(model.m_strProduct, "Ivrel");
    EXPECT_EQ(model.m_listLanguage.GetCurSel(), 1);
    EXPECT_EQ(model.m_nIpPhonesKeyIndex, 0);
    EXPECT_EQ(model.m_nRecordingKeyIndex, 0);
    EXPECT_EQ(model.m_nKeyIpPhones, 0);
    EXPECT_EQ(model.m_nKeyRecording, 0);
    EXPECT_EQ(model.m_listExternalMemory.GetCurSel(), 0);
    EXPECT_EQ(Top(model.m_listIpPhones), 32);
    EXPECT_EQ(Top(model.m_listAnalogPhones), 2);
    EXPECT_EQ(Top(model.m_listAa), 400);
    EXPECT_EQ(Top(model.m_listVirtualExt), 400);
    for (const CChoiceList* list :
         {&model.m_listTrunkCalls, &model.m_listWanCalls, &model.m_listFaxSessions,
          &model.m_listAaCalls, &model.m_listVmSessions, &model.m_listRecordingSessions}) {
        EXPECT_EQ(list->Items(), (std::vector<std::string>{"0"}));
    }
    EXPECT_EQ(model.m_nTrafficG729, 0);
    EXPECT_EQ(model.m_nAvgUserMemoryKB, 0);
}

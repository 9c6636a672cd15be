#include "ModelTestSupport.h"

#include "model/Catalogue.h"

// The values a user reads off the form for each model, typed in from the product sheet.
TEST(Catalogue, EachModelShowsItsFixedCapacities) {
    struct Row {
        int32_t trunkPorts, channels, fxs, ipBasic, vExt, lineIn, lineOut, g729, memMB, calls, fax,
            aaCalls, vm, subs;
        bool g729Key, recKey, extMem, analog, recSessions;
    };
    const Row rows[kProductCount] = {
        {1, 1, 2, 8, 100, 0, 0, 3, 37, 12, 3, 5, 5, 100, true, false, false, true, false},
        {1, 2, 2, 8, 100, 0, 0, 3, 37, 12, 3, 5, 5, 100, true, false, false, true, false},
        {6, 6, 0, 10, 100, 0, 0, 6, 34, 16, 3, 7, 6, 140, false, false, false, false, false},
        {4, 8, 0, 10, 100, 0, 0, 6, 34, 16, 3, 7, 5, 140, false, false, false, false, false},
        {8, 8, 2, 32, 200, 1, 1, 22, 32, 45, 8, 37, 45, 650, false, true, true, true, true},
        {6, 12, 2, 32, 200, 1, 1, 22, 32, 45, 8, 37, 45, 650, false, true, true, true, true},
        {8, 8, 26, 16, 200, 1, 1, 22, 32, 45, 8, 37, 45, 650, false, true, true, true, true},
        {6, 12, 26, 16, 200, 1, 1, 22, 32, 45, 8, 37, 45, 650, false, true, true, true, true},
        {1, 30, 2, 32, 400, 0, 0, 32, 31, 64, 10, 50, 50, 1000, false, true, true, true, true},
    };
    for (int32_t m = 0; m < kProductCount; ++m) {
        SCOPED_TRACE(m);
        CCapacityModel model;
        StartWith(model, {Product(m)});
        const Row& r = rows[m];
        EXPECT_EQ(model.m_strProduct, std::string(Catalogue()[m].name));
        EXPECT_EQ(model.m_nTrunkPorts, r.trunkPorts);
        EXPECT_EQ(model.TrunkChannels(), r.channels);
        EXPECT_EQ(model.m_nFxsPorts, r.fxs);
        EXPECT_EQ(model.m_nIpPhonesBasic, r.ipBasic);
        EXPECT_EQ(model.m_nVirtualExtMax, r.vExt);
        EXPECT_EQ(model.m_nAudioLineIn, r.lineIn);
        EXPECT_EQ(model.m_nAudioLineOut, r.lineOut);
        EXPECT_EQ(model.m_nG729Basic, r.g729);
        EXPECT_EQ(model.m_nOnBoardMemoryMB, r.memMB);
        EXPECT_EQ(model.m_nMaxCalls, r.calls);
        EXPECT_EQ(model.m_nMaxFaxSessions, r.fax);
        EXPECT_EQ(model.m_nMaxAaCalls, r.aaCalls);
        EXPECT_EQ(model.m_nMaxVmSessions, r.vm);
        EXPECT_EQ(model.m_nMaxSubscriptions, r.subs);
        EXPECT_EQ(model.m_listG729Key.IsEnabled(), r.g729Key);
        EXPECT_EQ(model.m_listRecordingKey.IsEnabled(), r.recKey);
        EXPECT_EQ(model.m_listExternalMemory.IsEnabled(), r.extMem);
        EXPECT_EQ(model.m_listAnalogPhones.IsEnabled(), r.analog);
        EXPECT_EQ(model.m_listRecordingSessions.IsEnabled(), r.recSessions);
        EXPECT_TRUE(model.m_listIpPhonesKey.IsEnabled());
    }
}

TEST(Catalogue, StartUpStateOfTheKeyLists) {
    CCapacityModel model;
    model.StartUp();
    EXPECT_EQ(model.m_listG729Key.Items(), (std::vector<std::string>{"0", "2"}));
    EXPECT_EQ(model.m_listG729Key.GetCurSel(), 0);
    EXPECT_EQ(model.m_listIpPhonesKey.Items(), (std::vector<std::string>{"0", "8"}));
    EXPECT_EQ(model.m_listIpPhonesKey.GetCurSel(), 0);
    EXPECT_EQ(model.m_nKeyIpPhones, 0);
    EXPECT_EQ(model.m_listRecordingKey.Items(), (std::vector<std::string>{"0"}));
    EXPECT_FALSE(model.m_listRecordingKey.IsEnabled());
}

// Key choices keep their step across model changes, or fall to the largest step offered.
TEST(Catalogue, KeyListsKeepTheirStepAcrossModels) {
    CCapacityModel model;
    StartWith(model, {Product(Ivrel), IpKey(5), Product(Elvar)});
    EXPECT_EQ(model.m_listIpPhonesKey.Items(), (std::vector<std::string>{"0", "32", "64"}));
    EXPECT_EQ(model.m_listIpPhonesKey.GetCurSel(), 2);
    EXPECT_EQ(model.m_nIpPhonesKeyIndex, 2);
    EXPECT_EQ(model.m_nKeyIpPhones, 64);
    Apply(model, Product(Avlo));
    EXPECT_EQ(model.m_listIpPhonesKey.Items(), (std::vector<std::string>{"0", "8"}));
    EXPECT_EQ(model.m_nIpPhonesKeyIndex, 1);
    EXPECT_EQ(model.m_nKeyIpPhones, 8);
    Apply(model, Product(Ivrel));
    EXPECT_EQ(model.m_nIpPhonesKeyIndex, 1);
    EXPECT_EQ(model.m_nKeyIpPhones, 32);

    StartWith(model, {Product(Elvar), RecKey(5), Product(Ivrel)});
    EXPECT_EQ(model.m_listRecordingKey.Items(),
              (std::vector<std::string>{"0", "8", "16", "24", "32"}));
    EXPECT_EQ(model.m_nRecordingKeyIndex, 4);
    EXPECT_EQ(model.m_nKeyRecording, 32);
}

TEST(Catalogue, ListsAModelDoesNotOfferKeepTheirChoiceGreyed) {
    CCapacityModel model;
    StartWith(model, {Product(Elvar), RecKey(3), Product(Casko)});
    EXPECT_FALSE(model.m_listRecordingKey.IsEnabled());
    EXPECT_EQ(model.m_listRecordingKey.GetText(model.m_nRecordingKeyIndex), "12");
    EXPECT_EQ(model.m_nKeyRecording, 0);
    EXPECT_EQ(Top(model.m_listRecordingSessions), 0);
    Apply(model, Product(Gurin));
    EXPECT_EQ(model.m_nRecordingKeyIndex, 3);
    EXPECT_EQ(model.m_nKeyRecording, 12);

    StartWith(model, {Product(Brenic), G729Key(1), Product(Fosk)});
    EXPECT_FALSE(model.m_listG729Key.IsEnabled());
    EXPECT_EQ(model.m_listG729Key.GetText(model.m_nG729KeyIndex), "2");

    StartWith(model, {Product(Fosk), Ip(1), ExtMem(3)});
    const int32_t withMemory = model.m_nAvgUserMemoryKB;
    Apply(model, Product(Dremi));
    EXPECT_FALSE(model.m_listExternalMemory.IsEnabled());
    EXPECT_EQ(model.m_listExternalMemory.GetCurSel(), 3);
    EXPECT_EQ(model.m_nAvgUserMemoryKB, 34 * 1024);
    Apply(model, Product(Hadel));
    EXPECT_EQ(model.m_nAvgUserMemoryKB, withMemory);
}

TEST(Catalogue, ApplyingTheSameModelAgainChangesNothing) {
    CCapacityModel model;
    StartWith(model, {Product(Ivrel), IpKey(3), Ip(40), Ve(100), Tc(5)});
    CCapacityModel before(model);
    model.ApplyProductModel();
    EXPECT_EQ(model.m_listIpPhonesKey.Items(), before.m_listIpPhonesKey.Items());
    EXPECT_EQ(model.m_nKeyIpPhones, before.m_nKeyIpPhones);
    EXPECT_EQ(model.m_listIpPhones.GetCurSel(), 40);
}

TEST(Catalogue, NoModelSelectedOnlyClearsTheTrunkPorts) {
    CCapacityModel model;
    StartWith(model, {Product(Ivrel)});
    CRecordingLink link;
    model.SetFormLink(&link);
    model.m_listProduct.SetCurSel(-1);
    EXPECT_EQ(model.m_strProduct, "");
    model.OnProductChanged();
    EXPECT_EQ(model.m_nTrunkPorts, 0);
    EXPECT_EQ(model.TrunkChannels(), 0);
    EXPECT_EQ(model.m_nMaxCalls, 64);
    EXPECT_EQ(model.m_nVirtualExtMax, 400);
    EXPECT_EQ(link.m_requests, (std::vector<std::string>{"in", "labels"}));
}

// The diagnostic tool's rules without a window: the command line, the test
// run, the registry scan's matching and the assessment's outcomes.
#include "assessment.h"
#include "command_line.h"
#include "device_requests.h"
#include "scan_rules.h"
#include "test_run.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <map>

namespace diag {
namespace {

TEST(CommandLine, HelpKeyInAnyCaseWithItsNumber)
{
    unsigned long context = 99;
    EXPECT_TRUE(FindHelpRequest("H=12", context));
    EXPECT_EQ(context, 12u);
    EXPECT_TRUE(FindHelpRequest("/x h=4 more", context));
    EXPECT_EQ(context, 4u);
    EXPECT_TRUE(FindHelpRequest("h=", context));
    EXPECT_EQ(context, 0u);
    EXPECT_TRUE(FindHelpRequest("h=99999999999", context));
    EXPECT_EQ(context, 0xFFFFFFFFul);
    EXPECT_FALSE(FindHelpRequest("", context));
    EXPECT_FALSE(FindHelpRequest("help 12", context));
}

TEST(CommandLine, ProgramNameIsNotPartOfTheArguments)
{
    EXPECT_EQ(ArgumentsOf("\"C:\\h=x\\kx310tst.exe\"  H=12"), "H=12");
    EXPECT_EQ(ArgumentsOf("C:\\tools\\kx310tst.exe h=3"), "h=3");
    EXPECT_EQ(ArgumentsOf("kx310tst.exe"), "");
    unsigned long context = 0;
    EXPECT_FALSE(FindHelpRequest(ArgumentsOf("\"C:\\h=1\\kx310tst.exe\""), context));
}

TEST(ResultText, CodesZeroToTwelveHaveStringsOthersNone)
{
    EXPECT_EQ(ResultStringId(0), 151u);
    EXPECT_EQ(ResultStringId(8), 159u);
    EXPECT_EQ(ResultStringId(12), 163u);
    EXPECT_EQ(ResultStringId(13), 0u);
    EXPECT_EQ(ResultStringId(-1), 0u);
    EXPECT_EQ(ResultStringId(-150), 0u);
}

// Records the calls of a run and the progress position at each.
class RecordingTarget : public TestRunTarget {
public:
    std::map<std::string, std::uint32_t> answers;
    std::vector<std::string> calls;
    std::vector<int> positions;
    std::uint32_t classArgs[3] = {};

    std::uint32_t Class(std::uint32_t io, std::uint32_t irq, std::uint32_t mem) override
    {
        classArgs[0] = io, classArgs[1] = irq, classArgs[2] = mem;
        return Answer("Class");
    }
    std::uint32_t GetInitStatus() override { return Answer("GetInitStatus"); }
    std::uint32_t TestInterface() override { return Answer("TestInterface"); }
    std::uint32_t TestConnector() override { return Answer("TestConnector"); }
    std::uint32_t TestInterrupt() override { return Answer("TestInterrupt"); }
    std::uint32_t TestMemory() override { return Answer("TestMemory"); }
    void SetProgress(int position) override
    {
        positions.push_back(position);
        calls.push_back("progress " + std::to_string(position));
    }

private:
    std::uint32_t Answer(const std::string& name)
    {
        calls.push_back(name);
        auto found = answers.find(name);
        return found == answers.end() ? 0 : found->second;
    }
};

ConfigRecord StandardRecord()
{
    ConfigRecord r;
    r.Write(kMemBase, 4, 0xD0000);
    r.Write(kMemLength, 4, 0x8000);
    r.Write(kIoBase, 2, 0x300);
    r.Write(kIoLength, 2, 0x20);
    r.Write(kIrq, 1, 5);
    return r;
}

TEST(TestRun, AllPassingCallsEveryTestInOrderWithTheResources)
{
    RecordingTarget t;
    EXPECT_EQ(RunHardwareTests(t, StandardRecord()), 0);
    std::vector<std::string> expected = {"Class", "progress 1", "GetInitStatus", "progress 2",
                                         "TestInterface", "progress 3", "TestConnector", "progress 4",
                                         "TestInterrupt", "progress 5", "TestMemory", "progress 6"};
    EXPECT_EQ(t.calls, expected);
    EXPECT_EQ(t.classArgs[0], 0x300u);
    EXPECT_EQ(t.classArgs[1], 5u);
    EXPECT_EQ(t.classArgs[2], 0xD0000u);
}

TEST(TestRun, FirstFailureStopsTheTestsButNotTheProgress)
{
    const char* order[] = {"GetInitStatus", "TestInterface", "TestConnector", "TestInterrupt", "TestMemory"};
    for (int failing = 0; failing < 5; ++failing) {
        RecordingTarget t;
        t.answers[order[failing]] = 7 + failing;
        t.answers["Class"] = 0xFFFFFFFF;   // not used
        EXPECT_EQ(RunHardwareTests(t, StandardRecord()), 7 + failing) << order[failing];
        for (int later = failing + 1; later < 5; ++later)
            EXPECT_EQ(std::count(t.calls.begin(), t.calls.end(), order[later]), 0) << order[later];
        EXPECT_EQ(t.positions, (std::vector<int>{1, 2, 3, 4, 5, 6})) << order[failing];
    }
}

TEST(TestRun, CodesAreSixteenBitsReadAsSigned)
{
    RecordingTarget t;
    t.answers["TestMemory"] = 0x0000FFFF;
    EXPECT_EQ(RunHardwareTests(t, StandardRecord()), -1);
    EXPECT_EQ(ResultStringId(-1), 0u);
    RecordingTarget high;
    high.answers["GetInitStatus"] = 0x12340000;   // only the low word counts
    EXPECT_EQ(RunHardwareTests(high, StandardRecord()), 0);
}

RegValue Text(const std::string& name, const std::string& data, bool terminated = true)
{
    RegValue v{name, kRegString, std::vector<std::uint8_t>(data.begin(), data.end())};
    if (terminated)
        v.data.push_back(0);
    return v;
}

TEST(Scan, InstanceNeedsDescriptionAndMakerAndNoOtherClassBeforeThem)
{
    EXPECT_TRUE(InstanceIsCard({Text("Class", "MEDIA"), Text("DeviceDesc", "Vistacard KX310 Video Overlay"),
                                Text("Mfg", "Halvorn Ltd")}));
    EXPECT_FALSE(InstanceIsCard({Text("Class", "SYSTEM"), Text("DeviceDesc", "Vistacard KX310"),
                                 Text("Mfg", "Halvorn")}));
    // A Class after both matches no longer matters.
    EXPECT_TRUE(InstanceIsCard({Text("DeviceDesc", "Vistacard KX310"), Text("Mfg", "Halvorn"),
                                Text("Class", "SYSTEM")}));
    EXPECT_FALSE(InstanceIsCard({Text("DeviceDesc", "Vistacard KX310")}));
    EXPECT_FALSE(InstanceIsCard({Text("Mfg", "Halvorn")}));
    // Names with another case, and values that are not strings, do not count.
    EXPECT_FALSE(InstanceIsCard({Text("devicedesc", "Vistacard KX310"), Text("Mfg", "Halvorn")}));
    RegValue binary = Text("DeviceDesc", "Vistacard KX310");
    binary.type = kRegBinary;
    EXPECT_FALSE(InstanceIsCard({binary, Text("Mfg", "Halvorn")}));
}

TEST(Scan, DataIsSearchedOnlyUpToItsTerminator)
{
    // Without a terminator the data is taken as it is.
    EXPECT_TRUE(InstanceIsCard({Text("DeviceDesc", "Vistacard KX310", false), Text("Mfg", "Halvorn", false)}));
    // What lies after the terminator is not part of the text.
    RegValue hidden = Text("Mfg", std::string("Other\0Halvorn", 13));
    EXPECT_FALSE(InstanceIsCard({Text("DeviceDesc", "Vistacard KX310"), hidden}));
    EXPECT_EQ(TerminatedText({'M', 'E', 'D', 'I', 'A', 0, 'X'}), "MEDIA");
}

TEST(Scan, KeepsAtMostTenEntries)
{
    CardEntries entries;
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(entries.Add(DeviceKey("KX310", std::to_string(i))));
    EXPECT_FALSE(entries.Add("ROOT\\KX310\\10"));
    EXPECT_EQ(entries.Count(), 10u);
    EXPECT_EQ(entries.Key(9), "ROOT\\KX310\\9");
}

TEST(Scan, ConfigNodeGivesTheProblemOfTheMarkedNodeOnly)
{
    RegValue problem{"Problem", kRegBinary, {22, 0, 0, 0}};
    int code = -1;
    ReadConfigNode({Text("HardWareKey", "root\\kx310\\0000"), problem}, "ROOT\\KX310\\0000", code);
    EXPECT_EQ(code, 22);
    code = -1;
    ReadConfigNode({Text("HardWareKey", "ROOT\\OTHER\\0000"), problem}, "ROOT\\KX310\\0000", code);
    EXPECT_EQ(code, -1);
    // A problem read before the node is marked is not the entry's.
    ReadConfigNode({problem, Text("HardWareKey", "ROOT\\KX310\\0000")}, "ROOT\\KX310\\0000", code);
    EXPECT_EQ(code, -1);
    RegValue text = Text("Problem", "x");
    ReadConfigNode({Text("HardWareKey", "ROOT\\KX310\\0000"), text}, "ROOT\\KX310\\0000", code);
    EXPECT_EQ(code, -1);
}

// Answers of the registry and the device query driver, configured per case.
class FakeSource : public AssessmentSource {
public:
    bool opens = true;
    long scanError = 0;
    std::vector<std::string> keys{"ROOT\\KX310\\0000"};
    std::map<std::string, int> problems;
    std::map<std::uint32_t, std::uint32_t> errors;   // request -> error (absent: success)
    ConfigRecord record = StandardRecord();
    std::vector<std::uint32_t> requests;

    bool OpenDevice() override { return opens; }
    long ScanDevices(std::vector<std::string>& out) override
    {
        out = keys;
        return scanError;
    }
    int ProblemOf(const std::string& key) override
    {
        auto found = problems.find(key);
        return found == problems.end() ? -1 : found->second;
    }
    RequestResult Request(std::uint32_t code, ConfigRecord& out) override
    {
        requests.push_back(code);
        auto found = errors.find(code);
        if (found != errors.end())
            return RequestResult{false, found->second};
        if (code == kRequestConfig)
            out = record;
        return RequestResult{true, 0};
    }
};

std::string Texts(const Assessment& a)
{
    return ResourceText(a.io, "*", "??? - ???") + " | " + ResourceText(a.irq, "*", "??") + " | " +
           ResourceText(a.memory, "*", "???? - ????");
}

TEST(Assessment, OneWorkingEntryShowsItsResources)
{
    FakeSource s;
    s.problems["ROOT\\KX310\\0000"] = 0;
    Assessment a = AssessCard(s);
    EXPECT_TRUE(a.installed);
    EXPECT_TRUE(a.testEnabled);
    EXPECT_EQ(a.status, (std::vector<unsigned>{102}));
    EXPECT_EQ(Texts(a), "300-31F | 5 | D0000-D7FFF");
    EXPECT_EQ(a.record.IoBase(), 0x300);
}

TEST(Assessment, SecondOfTwoEntriesWorking)
{
    FakeSource s;
    s.keys = {"ROOT\\KX310\\0000", "ROOT\\KX310\\0001"};
    s.problems["ROOT\\KX310\\0000"] = 22;
    s.problems["ROOT\\KX310\\0001"] = 0;
    Assessment a = AssessCard(s);
    EXPECT_EQ(a.status, (std::vector<unsigned>{114}));
    EXPECT_TRUE(a.testEnabled);
    EXPECT_EQ(Texts(a), "300-31F | 5 | D0000-D7FFF");
}

TEST(Assessment, TwoEntriesBothWithProblems)
{
    FakeSource s;
    s.keys = {"ROOT\\KX310\\0000", "ROOT\\KX310\\0001"};
    s.problems["ROOT\\KX310\\0000"] = 22;
    Assessment a = AssessCard(s);
    EXPECT_EQ(a.status, (std::vector<unsigned>{113}));
    EXPECT_FALSE(a.testEnabled);
    EXPECT_EQ(Texts(a), "??? - ??? | ?? | ???? - ????");
    EXPECT_TRUE(s.requests.empty());
}

TEST(Assessment, ResourceCheckStarsTheMemoryInUse)
{
    FakeSource s;   // no running-configuration node: problem -1
    s.errors[kRequestIoCheck] = kErrorIoAnswered;
    s.errors[kRequestMemCheck] = kErrorMemInUse;
    Assessment a = AssessCard(s);
    EXPECT_EQ(a.status, (std::vector<unsigned>{118}));
    EXPECT_FALSE(a.testEnabled);
    EXPECT_EQ(Texts(a), "300-31F | 5 | *D0000-D7FFF");
    EXPECT_EQ(s.requests, (std::vector<std::uint32_t>{kRequestConfig, kRequestIoCheck, kRequestIrqCheck,
                                                      kRequestMemCheck}));
}

TEST(Assessment, ResourceCheckFailuresAfterTheRangeAnswered)
{
    FakeSource s;
    s.errors[kRequestIoCheck] = kErrorIoAnswered;
    s.errors[kRequestIrqCheck] = kErrorFailure;
    s.errors[kRequestMemCheck] = kErrorFailure;
    Assessment a = AssessCard(s);
    EXPECT_EQ(a.status, (std::vector<unsigned>{115, 116}));
    EXPECT_EQ(Texts(a), "300-31F | *5 | *D0000-D7FFF");
}

TEST(Assessment, ResourceCheckInputOutputFailureReportsNothingElse)
{
    FakeSource s;
    s.errors[kRequestIoCheck] = 0x1F;
    s.errors[kRequestIrqCheck] = kErrorFailure;
    s.errors[kRequestMemCheck] = kErrorMemInUse;
    Assessment a = AssessCard(s);
    EXPECT_EQ(a.status, (std::vector<unsigned>{117}));
    EXPECT_EQ(Texts(a), "*300-31F | 5 | D0000-D7FFF");
    EXPECT_FALSE(a.testEnabled);
}

TEST(Assessment, ResourceCheckWithEverythingAnsweringLeavesTheStatusEmpty)
{
    FakeSource s;
    s.problems["ROOT\\KX310\\0000"] = 1;
    Assessment a = AssessCard(s);
    EXPECT_TRUE(a.status.empty());
    EXPECT_FALSE(a.testEnabled);
    EXPECT_EQ(Texts(a), "300-31F | 5 | D0000-D7FFF");
}

TEST(Assessment, NoConfigurationMakesTheCardUnusable)
{
    FakeSource s;
    s.problems["ROOT\\KX310\\0000"] = 22;
    s.errors[kRequestConfig] = kErrorNoConfig;
    Assessment a = AssessCard(s);
    EXPECT_EQ(a.status, (std::vector<unsigned>{112}));
    EXPECT_EQ(Texts(a), "??? - ??? | ?? | ???? - ????");
    EXPECT_FALSE(a.testEnabled);
}

TEST(Assessment, WorkingEntryWhoseConfigurationFailsShowsUnknown)
{
    FakeSource s;
    s.problems["ROOT\\KX310\\0000"] = 0;
    s.errors[kRequestConfig] = 0x1F;
    Assessment a = AssessCard(s);
    EXPECT_EQ(a.status, (std::vector<unsigned>{102}));
    EXPECT_EQ(Texts(a), "??? - ??? | ?? | ???? - ????");
    EXPECT_FALSE(a.testEnabled);
}

TEST(Assessment, NotInstalledWithoutDriverEntriesOrRegistry)
{
    FakeSource noDriver;
    noDriver.opens = false;
    EXPECT_FALSE(AssessCard(noDriver).installed);
    FakeSource noEntries;
    noEntries.keys.clear();
    EXPECT_FALSE(AssessCard(noEntries).installed);
    FakeSource noKey;
    noKey.scanError = 2;
    EXPECT_FALSE(AssessCard(noKey).installed);
}

TEST(ResourceTexts, UpperCaseHexadecimalWithoutLeadingZeros)
{
    ResourceShown range{ResourceShown::Range, false, 0x2A0, 0x2AF};
    EXPECT_EQ(ResourceText(range, "*", "?"), "2A0-2AF");
    range.starred = true;
    EXPECT_EQ(ResourceText(range, "*", "?"), "*2A0-2AF");
    ResourceShown number{ResourceShown::Number, false, 15, 0};
    EXPECT_EQ(ResourceText(number, "*", "?"), "15");
    EXPECT_EQ(ResourceText(ResourceShown{}, "*", "?"), "");
}

}  // namespace
}  // namespace diag

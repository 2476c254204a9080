// hushmark-cli as a user's script meets it: the installed program started as a child
// process on traces planted by the seeder, its exit code, output and the machine's
// state checked afterwards.
#include "JsonReader.h"
#include "tests/primitives/Helpers.h"
#include "tools/seeder/Seeder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <windows.h>

namespace {

const std::string Folder = "C:\\Program Files\\Hushmark\\";
const std::string InfoIni = Folder + "info.ini";
const std::string OptionsIni = Folder + "options.ini";
// Outside %TEMP%: solve --found and panic empty the temporary folder.
const std::string Scratch = "C:\\hushmark\\cli-test\\";

struct TRun {
    DWORD Code = 0xFFFFFFFF;
    std::string Out;
    std::string Err;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The whole file, or a marker when it does not exist: for "nothing changed" checks.
std::string Snapshot(const std::string& path)
{
    return Exists(path) ? ReadAll(path) : std::string("<absent>");
}

void Restore(const std::string& path, const std::string& snapshot)
{
    if (snapshot == "<absent>") {
        DeleteFileA(path.c_str());
        return;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << snapshot;
}

HANDLE OutputFile(const std::string& path)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        ADD_FAILURE() << "could not make " << path << ": error " << GetLastError();
    return file;
}

TRun RunCli(const std::string& arguments)
{
    TRun run;
    // Names of their own each run: a process the program starts in passing (Wine's
    // desktop, say) inherits the handles and may hold the files of that run for good.
    static int runs = 0;
    std::string number = std::to_string(++runs);
    std::string outName = "stdout-" + number + ".txt", errName = "stderr-" + number + ".txt";
    HANDLE out = OutputFile(Scratch + outName);
    HANDLE err = OutputFile(Scratch + errName);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + Folder + "hushmark-cli.exe\" " + arguments;
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, Scratch.c_str(),
                                  &startup, &process);
    CloseHandle(out);
    CloseHandle(err);
    if (!started) {
        ADD_FAILURE() << "could not start hushmark-cli: error " << GetLastError();
        return run;
    }
    if (WaitForSingleObject(process.hProcess, 300000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "hushmark-cli " << arguments << " did not end";
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    GetExitCodeProcess(process.hProcess, &run.Code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Text mode writes CR LF, as a console program should; the checks read plain lines.
    for (auto& [file, text] : {std::make_pair(outName, &run.Out), std::make_pair(errName, &run.Err)}) {
        *text = ReadAll(Scratch + file);
        text->erase(std::remove(text->begin(), text->end(), '\r'), text->end());
        DeleteFileA((Scratch + file).c_str());
    }
    return run;
}

TJson ParsedOrFail(const TRun& run)
{
    TJson document;
    std::string error;
    EXPECT_TRUE(ParseJson(run.Out, document, error)) << error << "\n" << run.Out.substr(0, 2000);
    return document;
}

std::vector<std::string> Classes(const TJson& issues)
{
    std::vector<std::string> names;
    for (const TJson& issue : issues.Items)
        names.push_back(issue["class"].Text);
    return names;
}

bool Contains(const std::vector<std::string>& list, const std::string& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

std::string Lower(std::string text)
{
    CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// Every effect as one comparable line.
std::vector<std::string> EffectLines(const TJson& document)
{
    std::vector<std::string> lines;
    for (const TJson& issue : document["issues"].Items)
        for (const TJson& effect : issue["effects"].Items)
            lines.push_back(effect["kind"].Text + "|" + effect["path"].Text + effect["key"].Text + "|" +
                            effect["name"].Text + "|" + std::to_string(static_cast<uint64_t>(effect["bytes"].Value)));
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Where a planted item lives, as the effects name it.
std::string ItemLocation(const TraceItem& item)
{
    std::string where = ExpandPath(item.Where);
    if (item.What == TraceItem::File || item.What == TraceItem::Folder)
        return Lower(where);
    const char* hives[][2] = {{"HKCU\\", "HKEY_CURRENT_USER\\"}, {"HKLM\\", "HKEY_LOCAL_MACHINE\\"}, {"HKU\\", "HKEY_USERS\\"}};
    for (auto& hive : hives)
        if (where.compare(0, std::strlen(hive[0]), hive[0]) == 0)
            where = hive[1] + where.substr(std::strlen(hive[0]));
    return Lower(where);
}

// True when some effect works on the item itself or on a folder or key above it.
bool Named(const TJson& document, const TraceItem& item)
{
    std::string location = ItemLocation(item);
    for (const TJson& issue : document["issues"].Items)
        for (const TJson& effect : issue["effects"].Items) {
            std::string target = Lower(effect["path"].Text + effect["key"].Text);
            if (target.empty())
                continue;
            bool sameOrAbove = location == target || location.compare(0, target.size() + 1, target + "\\") == 0;
            if (sameOrAbove)
                return true;
        }
    return false;
}

int SolvedMark(const std::string& className)
{
    return static_cast<int>(GetPrivateProfileIntA(className.c_str(), "Solved", -1, InfoIni.c_str()));
}

class CliTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RequireSandbox();
        CreateDirectoryA(Scratch.c_str(), nullptr);
        OriginalInfo = Snapshot(InfoIni);
        OriginalOptions = Snapshot(OptionsIni);
    }
    static void TearDownTestSuite()
    {
        Restore(InfoIni, OriginalInfo);
        Restore(OptionsIni, OriginalOptions);
    }
    // Every test starts as on a first run: the shipped info.ini, no options.ini, so
    // that the first scan resets all solved marks.
    void SetUp() override
    {
        Restore(InfoIni, OriginalInfo);
        DeleteFileA(OptionsIni.c_str());
    }
    void TearDown() override
    {
        for (const SeedPlan& plan : Planted)
            Unplant(plan);
    }

    const SeedPlan& Plant(const std::string& className)
    {
        const SeedPlan* plan = FindSeedPlan(className);
        if (!plan)
            throw std::runtime_error("no seed plan for " + className);
        ::Plant(*plan);
        Planted.push_back(*plan);
        return *plan;
    }
    void ExpectAllPresent(const SeedPlan& plan)
    {
        std::vector<std::string> missing = VerifyAllPresent(plan);
        EXPECT_TRUE(missing.empty()) << plan.ClassName << ": " << testing::PrintToString(missing);
    }
    void ExpectSolved(const SeedPlan& plan)
    {
        std::vector<std::string> wrong = Verify(plan);
        EXPECT_TRUE(wrong.empty()) << plan.ClassName << ": " << testing::PrintToString(wrong);
    }

    std::vector<SeedPlan> Planted;
    static std::string OriginalInfo;
    static std::string OriginalOptions;
};
std::string CliTest::OriginalInfo;
std::string CliTest::OriginalOptions;

TEST_F(CliTest, UsageErrorsExitTwoWithOneLineAndChangeNothing)
{
    const SeedPlan& nethood = Plant("TNethoodCache");
    const SeedPlan& telnet = Plant("TTelnetHistory");
    std::string info = Snapshot(InfoIni);
    for (const char* arguments : {"", "frobnicate", "--bogus list", "list --everything", "solve", "panic",
                                  "panic TNethoodCache", "--json panic", "solve --found TNethoodCache",
                                  "scan TNethoodCache", "solve TNoSuchIssue TNethoodCache",
                                  "preview TTelnetHistory TNoSuchIssue"}) {
        SCOPED_TRACE(arguments);
        TRun run = RunCli(arguments);
        EXPECT_EQ(2u, run.Code);
        EXPECT_EQ("", run.Out);
        ASSERT_FALSE(run.Err.empty());
        EXPECT_EQ(run.Err.size() - 1, run.Err.find('\n')) << run.Err;
    }
    ExpectAllPresent(nethood);
    ExpectAllPresent(telnet);
    EXPECT_EQ(info, Snapshot(InfoIni));
    EXPECT_FALSE(Exists(OptionsIni));

    TRun help = RunCli("--help");
    EXPECT_EQ(0u, help.Code);
    EXPECT_NE(std::string::npos, help.Out.find("panic --yes"));
}

TEST_F(CliTest, ListGivesEveryIssueInCatalogueOrder)
{
    TRun text = RunCli("list");
    EXPECT_EQ(0u, text.Code) << text.Err;
    TRun json = RunCli("--json list");
    ASSERT_EQ(0u, json.Code) << json.Err;
    TJson document = ParsedOrFail(json);
    const TJson& issues = document["issues"];
    ASSERT_GE(issues.Items.size(), 55u);
    // One head line per issue; a rule (the install tree ships some) adds indented lines.
    std::istringstream lines(text.Out);
    std::string line;
    long heads = 0;
    while (std::getline(lines, line))
        heads += line.compare(0, 6, "      ") != 0;
    EXPECT_EQ(static_cast<long>(issues.Items.size()), heads);
    for (size_t i = 0; i < issues.Items.size(); ++i) {
        const TJson& issue = issues.Items[i];
        EXPECT_EQ(static_cast<double>(i + 1), issue["position"].Value);
        EXPECT_EQ(TJson::String, issue["title"].Kind);
        EXPECT_EQ(TJson::Number, issue["icon"].Kind);
        EXPECT_EQ(TJson::Bool, issue["scheduled"].Kind);
    }
    EXPECT_TRUE(Contains(Classes(issues), "TTempFolder"));
    EXPECT_FALSE(Exists(OptionsIni)) << "list wrote options.ini";
}

TEST_F(CliTest, ScanListsWhatWasPlantedAndCountsTheRiskyOnes)
{
    Plant("TNethoodCache");
    Plant("TFavorites");
    TRun json = RunCli("--json scan");
    ASSERT_EQ(1u, json.Code) << json.Err;
    EXPECT_EQ("", json.Err);
    TJson document = ParsedOrFail(json);
    const TJson& issues = document["issues"];
    std::vector<std::string> found = Classes(issues);
    EXPECT_TRUE(Contains(found, "TNethoodCache"));
    EXPECT_TRUE(Contains(found, "TFavorites"));
    int risky = 0;
    for (const TJson& issue : issues.Items) {
        risky += issue["risky"].Flag;
        if (issue["class"].Text == "TFavorites") {
            EXPECT_TRUE(issue["risky"].Flag);
        }
        EXPECT_TRUE(issue.Has("info"));
    }
    EXPECT_EQ(static_cast<double>(issues.Items.size()), document["found"].Value);
    EXPECT_EQ(static_cast<double>(risky), document["dangerous"].Value);
    // The scan keeps its time, as the main window's does.
    EXPECT_TRUE(Exists(OptionsIni));
    EXPECT_EQ(0, SolvedMark("TNethoodCache"));

    TRun text = RunCli("scan");
    EXPECT_EQ(1u, text.Code);
    std::string status = "Found " + std::to_string(issues.Items.size()) + " privacy leaks. " + std::to_string(risky) +
                         " of them can be dangerous to solve.\n";
    ASSERT_GE(text.Out.size(), status.size());
    EXPECT_EQ(status, text.Out.substr(text.Out.size() - status.size()));
}

TEST_F(CliTest, PreviewChangesNothingAndListsExactlyWhatSolveRemoves)
{
    const char* names[] = {"TNethoodCache", "TTelnetHistory", "TRunHistory", "TInternetCache", "TSaveOpenDialogHistory"};
    std::string arguments;
    std::vector<const SeedPlan*> plans;
    for (const char* name : names) {
        plans.push_back(&Plant(name));
        arguments += std::string(" ") + name;
    }
    RunCli("scan");  // leaves an options.ini to watch as well
    std::string info = Snapshot(InfoIni);
    std::string options = Snapshot(OptionsIni);

    TRun preview = RunCli("--json preview" + arguments);
    ASSERT_EQ(1u, preview.Code) << preview.Err;
    TJson previewed = ParsedOrFail(preview);
    EXPECT_EQ(sizeof names / sizeof names[0], previewed["issues"].Items.size());
    EXPECT_TRUE(previewed["restart_required"].Flag) << "TRunHistory needs a restart";
    for (const SeedPlan* plan : plans) {
        ExpectAllPresent(*plan);
        for (const TraceItem& item : plan->Items)
            if (item.Outcome == Expect::Gone) {
                EXPECT_TRUE(Named(previewed, item)) << plan->ClassName << ": " << item.Where << " " << item.Name;
            }
    }
    EXPECT_EQ(info, Snapshot(InfoIni));
    EXPECT_EQ(options, Snapshot(OptionsIni));
    EXPECT_GE(previewed["totals"]["files"].Value, 40.0);
    EXPECT_GT(previewed["totals"]["bytes"].Value, 0.0);
    EXPECT_GE(previewed["totals"]["values"].Value, 4.0);

    TRun text = RunCli("preview TNethoodCache");
    EXPECT_EQ(1u, text.Code);
    EXPECT_NE(std::string::npos, text.Out.find("Share on server.lnk"));

    TRun solve = RunCli("--json solve" + arguments);
    ASSERT_EQ(0u, solve.Code) << solve.Err;
    TJson solved = ParsedOrFail(solve);
    EXPECT_EQ(EffectLines(previewed), EffectLines(solved));
    EXPECT_EQ(previewed["totals"]["bytes"].Value, solved["totals"]["bytes"].Value);
    EXPECT_TRUE(solved["restart_required"].Flag);
    for (const SeedPlan* plan : plans) {
        ExpectSolved(*plan);
        EXPECT_EQ(1, SolvedMark(plan->ClassName)) << plan->ClassName;
    }

    // Nothing left: neither command finds anything to do.
    TRun again = RunCli("preview" + arguments);
    EXPECT_EQ(0u, again.Code) << again.Out;
    // Class names are matched as Windows matches names, without regard to case.
    TRun twice = RunCli("--json solve tnethoodcache");
    EXPECT_EQ(0u, twice.Code) << twice.Err;
    TJson nothing = ParsedOrFail(twice);
    EXPECT_TRUE(nothing["issues"].Items.empty());
    ASSERT_EQ(1u, nothing["not_found"].Items.size());
    EXPECT_EQ("TNethoodCache", nothing["not_found"].Items[0].Text);
}

TEST_F(CliTest, SolveFoundLeavesRiskyIssuesToBeNamed)
{
    const SeedPlan& favorites = Plant("TFavorites");
    const SeedPlan& nethood = Plant("TNethoodCache");
    TRun run = RunCli("--json solve --found");
    ASSERT_EQ(0u, run.Code) << run.Err;
    TJson document = ParsedOrFail(run);
    std::vector<std::string> skipped;
    for (const TJson& name : document["skipped"].Items)
        skipped.push_back(name.Text);
    EXPECT_TRUE(Contains(skipped, "TFavorites"));
    EXPECT_TRUE(Contains(Classes(document["issues"]), "TNethoodCache"));
    for (const TJson& issue : document["issues"].Items)
        EXPECT_FALSE(issue["risky"].Flag) << issue["class"].Text;
    ExpectAllPresent(favorites);
    ExpectSolved(nethood);
    EXPECT_NE(1, SolvedMark("TFavorites"));
    EXPECT_EQ(1, SolvedMark("TNethoodCache"));

    TRun named = RunCli("solve TFavorites");
    EXPECT_EQ(0u, named.Code) << named.Err;
    ExpectSolved(favorites);
    EXPECT_EQ(1, SolvedMark("TFavorites"));
}

// Rule files beside the program (winapp2.ini, then rules\*.ini in name order) and the
// traces their rules name, for as long as it lives.
class TRuleFiles {
public:
    TRuleFiles()
    {
        Traces = ExpandPath("%LOCALAPPDATA%\\HmCliRules\\");
        RemoveTree(Traces);
        CreateDirectoryA((Folder + "rules").c_str(), nullptr);
        WriteFile(Folder + "winapp2.ini",
                  "[Hm Test Cache *]\r\nLangSecRef=3029\r\nDefault=True\r\n"
                  "FileKey1=%LocalAppData%\\HmCliRules\\Cache|*|REMOVESELF\r\nFileKey2=%Nothing%\\x|*\r\n"
                  "[Hm Test Logs *]\r\nFileKey1=%LocalAppData%\\HmCliRules\\Logs|*.log\r\n"
                  "[Hm Test Risky *]\r\nDefault=True\r\nWarning=Careful.\r\nFileKey1=%LocalAppData%\\HmCliRules\\Risky|*\r\n"
                  "[ttempfolder]\r\nFileKey1=%Temp%|*\r\n");
        WriteFile(Folder + "rules\\zz.ini", "[Hm Test ZZ]\nSection=Games\nFileKey1=%LocalAppData%\\HmCliRules\\ZZ|*\n");
        WriteFile(Folder + "rules\\AA.ini", "[Hm Test AA]\nFileKey1=%LocalAppData%\\HmCliRules\\AA|*\n");
        std::string junk = "junk\n";
        for (int i = 1; i < 20000; ++i)
            junk += static_cast<char>(i * 31 % 251 == '[' ? 'x' : i * 31 % 251);
        WriteFile(Folder + "rules\\bad.ini", junk);
        for (const char* name : {"Cache\\a.bin", "Cache\\sub\\b.bin", "Logs\\c.log", "Logs\\keep.txt", "Risky\\d.bin"})
            PlantFile(Traces + name);
    }
    ~TRuleFiles()
    {
        for (const char* name : {"winapp2.ini", "rules\\zz.ini", "rules\\AA.ini", "rules\\bad.ini"})
            DeleteFileA((Folder + name).c_str());
        RemoveDirectoryA((Folder + "rules").c_str());
        RemoveTree(Traces);
    }
    static void WriteFile(const std::string& path, const std::string& text)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    void PlantFile(const std::string& path)
    {
        for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
            CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
        WriteFile(path, "trace");
    }
    std::string Traces;
};

TEST_F(CliTest, RulesListShowsRulesAfterTheCatalogueWithSourceCategoryAndRefusals)
{
    TRuleFiles files;
    TRun run = RunCli("--json list");
    ASSERT_EQ(0u, run.Code) << run.Err;
    // The rule named like a catalogue class and the junk file are left out, never an
    // error of the run.
    TJson document = ParsedOrFail(run);
    const std::vector<TJson>& issues = document["issues"].Items;
    // The install tree's own rules files load among the test's, in name order.
    ASSERT_GE(issues.size(), 382u + 5u);
    EXPECT_EQ(issues[0]["class"].Text, "TTempFolder");
    std::vector<std::string> rules;
    size_t zz = 0;
    for (size_t i = 382; i < issues.size(); ++i) {
        const std::string& name = issues[i]["class"].Text;
        if (name.compare(0, 8, "Hm Test ") == 0)
            rules.push_back(name);
        if (name == "Hm Test ZZ")
            zz = i;
        EXPECT_EQ(static_cast<size_t>(issues[i]["position"].Value), i + 1);
    }
    EXPECT_EQ(rules, (std::vector<std::string>{"Hm Test Cache *", "Hm Test Logs *", "Hm Test Risky *", "Hm Test AA",
                                               "Hm Test ZZ"}));
    const TJson& cache = issues[382];
    EXPECT_EQ(cache["title"].Text, "Hm Test Cache");
    EXPECT_EQ(cache["source"].Text, "winapp2.ini");
    EXPECT_EQ(cache["category"].Text, "Google Chrome");
    ASSERT_EQ(cache["refused"].Items.size(), 1u);
    EXPECT_EQ(cache["refused"].Items[0]["key"].Text, "FileKey2");
    EXPECT_NE(std::string::npos, cache["refused"].Items[0]["reason"].Text.find("%Nothing%"));
    ASSERT_GT(zz, 0u);
    EXPECT_EQ(issues[zz]["source"].Text, "rules\\zz.ini");
    EXPECT_EQ(issues[zz]["category"].Text, "Games");
    EXPECT_FALSE(issues[0].Has("source"));

    TRun without = RunCli("--json --no-rules list");
    ASSERT_EQ(0u, without.Code);
    EXPECT_EQ(ParsedOrFail(without)["issues"].Items.size(), 382u);
}

TEST_F(CliTest, RulesPreviewListsExactlyWhatSolveRemoves)
{
    TRuleFiles files;
    const std::string& Traces = files.Traces;
    TRun preview = RunCli("--json preview \"hm test cache *\"");
    ASSERT_EQ(1u, preview.Code) << preview.Err;
    TJson previewed = ParsedOrFail(preview);
    ASSERT_EQ(previewed["issues"].Items.size(), 1u);
    EXPECT_EQ(previewed["issues"].Items[0]["refused"].Items.size(), 1u);
    EXPECT_TRUE(Exists(Traces + "Cache\\sub\\b.bin"));
    TRun solve = RunCli("--json solve \"Hm Test Cache *\"");
    ASSERT_EQ(0u, solve.Code) << solve.Err;
    EXPECT_EQ(EffectLines(previewed), EffectLines(ParsedOrFail(solve)));
    EXPECT_EQ(EffectLines(previewed).size(), 4u);  // two files, the subfolder, the folder
    EXPECT_FALSE(Exists(Traces + "Cache"));
    EXPECT_EQ(1, static_cast<int>(GetPrivateProfileIntA("Rule:Hm Test Cache *", "Solved", -1, InfoIni.c_str())));
}

TEST_F(CliTest, RulesSolveFoundAndPanicTakeOnlyTickedRulesWithoutWarning)
{
    TRuleFiles files;
    const std::string& Traces = files.Traces;
    TRun found = RunCli("--json solve --found");
    ASSERT_EQ(0u, found.Code) << found.Err;
    TJson document = ParsedOrFail(found);
    std::vector<std::string> skipped;
    for (const TJson& name : document["skipped"].Items)
        skipped.push_back(name.Text);
    EXPECT_TRUE(Contains(skipped, "Hm Test Logs *"));
    EXPECT_TRUE(Contains(skipped, "Hm Test Risky *"));
    EXPECT_TRUE(Contains(Classes(document["issues"]), "Hm Test Cache *"));
    EXPECT_FALSE(Exists(Traces + "Cache\\a.bin"));
    EXPECT_TRUE(Exists(Traces + "Logs\\c.log") && Exists(Traces + "Risky\\d.bin"));

    // Named, a rule is solved whatever its tick or warning.
    TRun named = RunCli("solve \"Hm Test Logs *\" \"Hm Test Risky *\"");
    EXPECT_EQ(0u, named.Code) << named.Err;
    EXPECT_FALSE(Exists(Traces + "Logs\\c.log") || Exists(Traces + "Risky\\d.bin"));
    EXPECT_TRUE(Exists(Traces + "Logs\\keep.txt"));

    files.PlantFile(Traces + "Logs\\c.log");
    files.PlantFile(Traces + "Risky\\d.bin");
    WritePrivateProfileStringA("Rule:Hm Test Logs *", "Ticked", "1", InfoIni.c_str());
    TRun panic = RunCli("--json panic --yes");
    ASSERT_EQ(0u, panic.Code) << panic.Err;
    std::vector<std::string> solved = Classes(ParsedOrFail(panic)["issues"]);
    EXPECT_TRUE(Contains(solved, "Hm Test Logs *"));
    EXPECT_FALSE(Contains(solved, "Hm Test Risky *"));
    EXPECT_FALSE(Exists(Traces + "Logs\\c.log"));
    EXPECT_TRUE(Exists(Traces + "Risky\\d.bin"));
}

TEST_F(CliTest, ProgramFilesThatCannotBeReadOrWrittenExitThree)
{
    const SeedPlan& nethood = Plant("TNethoodCache");
    {
        // Held without sharing, as another program might hold it.
        HANDLE held = CreateFileA(InfoIni.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, held);
        for (const char* arguments : {"list", "scan", "solve TNethoodCache", "panic --yes"}) {
            SCOPED_TRACE(arguments);
            TRun run = RunCli(arguments);
            EXPECT_EQ(3u, run.Code);
            EXPECT_EQ("", run.Out);
            EXPECT_EQ(run.Err.size() - 1, run.Err.find('\n')) << run.Err;
        }
        CloseHandle(held);
    }
    ExpectAllPresent(nethood);

    {
        std::ofstream(OptionsIni) << "[options]\r\nAutorun=0\r\n";
        HANDLE held = CreateFileA(OptionsIni.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, held);
        TRun run = RunCli("scan");
        EXPECT_EQ(3u, run.Code) << run.Out;
        EXPECT_EQ(run.Err.size() - 1, run.Err.find('\n')) << run.Err;
        CloseHandle(held);
    }

    // A missing info.ini is no error: titles are empty, nothing is marked.
    DeleteFileA(InfoIni.c_str());
    TRun bare = RunCli("--json list");
    EXPECT_EQ(0u, bare.Code) << bare.Err;
    EXPECT_EQ("", ParsedOrFail(bare)["issues"].Items.at(0)["title"].Text);
}

const TJson* IssueNamed(const TJson& document, const std::string& className)
{
    for (const TJson& issue : document["issues"].Items)
        if (issue["class"].Text == className)
            return &issue;
    return nullptr;
}

// "path|reason" for each thing the issue left.
std::vector<std::string> LeftLines(const TJson& issue)
{
    std::vector<std::string> lines;
    for (const TJson& item : issue["left"].Items)
        lines.push_back(Lower(item["path"].Text + item["key"].Text) + "|" + item["name"].Text + "|" +
                        item["reason"].Text);
    return lines;
}

class CliLeftTest : public CliTest {
protected:
    void TearDown() override
    {
        if (Holder) {
            TerminateProcess(Holder, 0);
            WaitForSingleObject(Holder, 10000);
            CloseHandle(Holder);
        }
        if (!ReadOnlyFile.empty())
            SetFileAttributesA(ReadOnlyFile.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!HeldFile.empty())
            DeleteFileA((HeldFile + ".held").c_str());
        CliTest::TearDown();
    }

    // A file of the network neighbourhood held open without sharing by another process,
    // and another one made read-only. (A key the user may not open is found by no Check,
    // which opens keys with every right; the engine's tests cover it.)
    void PlantFaults()
    {
        Plant("TNethoodCache");
        Plant("TTelnetHistory");
        const std::string nethood = ExpandPath("%NETHOOD%");
        HeldFile = nethood + "\\Held share.lnk";
        ReadOnlyFile = nethood + "\\Share on server.lnk";
        MakeFile(HeldFile);
        std::string holder = HelperProgram("HM_SLEEPER", "hm-holder.exe");
        Holder = StartProcess("\"" + holder + "\" \"" + HeldFile + "\"");
        for (int i = 0; i < 400 && !FileThere(HeldFile + ".held"); ++i)
            Sleep(50);
        ASSERT_TRUE(FileThere(HeldFile + ".held")) << "the holder could not lock " << HeldFile;
        ASSERT_TRUE(SetFileAttributesA(ReadOnlyFile.c_str(), FILE_ATTRIBUTE_READONLY))
            << ReadOnlyFile << ": error " << GetLastError();
    }

    HANDLE Holder = nullptr;
    std::string HeldFile, ReadOnlyFile;
};

TEST_F(CliLeftTest, WhatCouldNotBeRemovedIsListedWithItsReasonAndExitsFour)
{
    PlantFaults();
    TRun run = RunCli("--json solve TNethoodCache TTelnetHistory");
    EXPECT_EQ(4u, run.Code) << run.Err;
    TJson document = ParsedOrFail(run);
    const TJson* nethood = IssueNamed(document, "TNethoodCache");
    const TJson* telnet = IssueNamed(document, "TTelnetHistory");
    ASSERT_TRUE(nethood && telnet) << run.Out;
    EXPECT_EQ("partly-solved", (*nethood)["status"].Text);
    // Solved beside it: one issue's failures are its own.
    EXPECT_EQ("solved", (*telnet)["status"].Text);
    EXPECT_TRUE((*telnet)["left"].Items.empty());

    std::vector<std::string> left = LeftLines(*nethood);
    ASSERT_EQ(2u, left.size()) << testing::PrintToString(left);
    // Wine has no Restart Manager that knows the holder; Windows names the program.
    const std::string held = Lower(HeldFile) + "||in use";
    EXPECT_TRUE(Contains(left, held) || Contains(left, held + " by hm-holder.exe")) << testing::PrintToString(left);
    EXPECT_TRUE(Contains(left, Lower(ReadOnlyFile) + "||read-only and kept")) << testing::PrintToString(left);
    EXPECT_TRUE(FileThere(HeldFile));
    EXPECT_TRUE(FileThere(ReadOnlyFile));
    // Still shown by the next scans: no solved mark.
    EXPECT_NE(1, SolvedMark("TNethoodCache"));
    EXPECT_EQ(1, SolvedMark("TTelnetHistory"));

    Plant("TTelnetHistory");
    TRun text = RunCli("solve TNethoodCache TTelnetHistory");
    EXPECT_EQ(4u, text.Code) << text.Err;
    const size_t heading = text.Out.find("\nPartly solved, still there:\n");
    ASSERT_NE(std::string::npos, heading) << text.Out;
    EXPECT_LT(text.Out.find("\nSolved 2 issues"), heading) << "what is left comes after the totals";
    for (const std::string& line :
         {std::string("1 file in use"), std::string("1 file read-only and kept"), "read-only and kept: " + ReadOnlyFile, HeldFile})
        EXPECT_NE(std::string::npos, text.Out.find(line, heading)) << line << "\n" << text.Out;

    TRun panic = RunCli("--json panic --yes");
    EXPECT_EQ(4u, panic.Code) << panic.Err;
    const TJson* again = IssueNamed(ParsedOrFail(panic), "TNethoodCache");
    ASSERT_NE(nullptr, again);
    EXPECT_EQ("partly-solved", (*again)["status"].Text);
}

TEST_F(CliLeftTest, ARestartPendingDeletionAloneIsNoFailure)
{
    const SeedPlan& indexDat = Plant("TIndexDat");
    const SeedPlan& nethood = Plant("TNethoodCache");
    TRun run = RunCli("--json solve TIndexDat TNethoodCache");
    EXPECT_EQ(0u, run.Code) << run.Err << run.Out;
    TJson document = ParsedOrFail(run);
    const TJson* pending = IssueNamed(document, "TIndexDat");
    const TJson* solved = IssueNamed(document, "TNethoodCache");
    ASSERT_TRUE(pending && solved) << run.Out;
    EXPECT_EQ("restart-pending", (*pending)["status"].Text);
    EXPECT_EQ("solved", (*solved)["status"].Text);
    EXPECT_TRUE((*solved)["left"].Items.empty());
    ASSERT_FALSE((*pending)["left"].Items.empty());
    for (const TJson& item : (*pending)["left"].Items)
        EXPECT_EQ("waiting for the next restart", item["reason"].Text) << item["path"].Text;
    ExpectSolved(indexDat);
    ExpectSolved(nethood);
    EXPECT_TRUE(document["restart_required"].Flag);

    Plant("TNethoodCache");
    TRun text = RunCli("solve TIndexDat TNethoodCache");
    EXPECT_EQ(0u, text.Code);
    EXPECT_EQ(std::string::npos, text.Out.find("Partly solved")) << text.Out;
    EXPECT_NE(std::string::npos, text.Out.find("\nWaiting for the next restart of Windows:\n")) << text.Out;
}

// A rule over a cache that holds a link to a folder elsewhere, and over a key with a
// subkey the user may not open: the link is never entered and the subkey cannot be
// emptied, so both stay with their reasons.
class CliRefusedTest : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        Base = ExpandPath("%LOCALAPPDATA%\\HmCliLeft");
        CreateDirectoryA((Folder + "rules").c_str(), nullptr);
        ASSERT_TRUE(PlantLeftTraces(Base, Key, RuleFile, "Hm Left Cache *", "%LocalAppData%\\HmCliLeft"));
    }
    void TearDown() override
    {
        ClearLeftTraces(Base, Key, RuleFile);
        RemoveDirectoryA((Folder + "rules").c_str());
        CliTest::TearDown();
    }
    const std::string Key = "Software\\HmCliLeft";
    const std::string RuleFile = Folder + "rules\\hm-left.ini";
    std::string Base;
};

TEST_F(CliRefusedTest, ALinkNotEnteredAndAKeyTheUserMayNotOpenAreLeftWithTheirReasons)
{
    TRun run = RunCli("--json solve \"Hm Left Cache *\"");
    EXPECT_EQ(4u, run.Code) << run.Err << run.Out;
    const TJson document = ParsedOrFail(run);
    const TJson* rule = IssueNamed(document, "Hm Left Cache *");
    ASSERT_NE(nullptr, rule) << run.Out;
    EXPECT_EQ("partly-solved", (*rule)["status"].Text);
    const std::vector<std::string> left = LeftLines(*rule);
    EXPECT_TRUE(Contains(left, Lower(Base) + "\\cache\\linked||refused by the safety rules")) << testing::PrintToString(left);
    EXPECT_TRUE(Contains(left, "hkey_current_user\\software\\hmclileft\\closed||access denied"))
        << testing::PrintToString(left);
    EXPECT_FALSE(FileThere(Base + "\\Cache\\a.bin"));
    EXPECT_TRUE(FileThere(Base + "\\Elsewhere\\kept.bin")) << "the link was entered";
    // The closed subkey is still below its parent.
    HKEY parent;
    DWORD subkeys = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, Key.c_str(), 0, KEY_READ, &parent));
    RegQueryInfoKeyA(parent, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(parent);
    EXPECT_EQ(1u, subkeys);
    EXPECT_NE(1, SolvedMark("Rule:Hm Left Cache *"));

    TRun text = RunCli("solve \"Hm Left Cache *\"");
    EXPECT_EQ(4u, text.Code) << text.Err;
    const size_t heading = text.Out.find("\nPartly solved, still there:\n");
    ASSERT_NE(std::string::npos, heading) << text.Out;
    for (const std::string& line : {"refused by the safety rules: " + Base + "\\Cache\\Linked",
                                    std::string("access denied: HKEY_CURRENT_USER\\Software\\HmCliLeft\\Closed"),
                                    std::string("1 folder refused by the safety rules"), std::string("1 key: access denied")})
        EXPECT_NE(std::string::npos, text.Out.find(line, heading)) << line << "\n" << text.Out;
}

// Files of a large tree go on worker threads; the one held open comes back to the record.
TEST_F(CliLeftTest, AHeldFileInATreeRemovedOnTheWorkersIsLeft)
{
    const std::string tree = ExpandPath("%TEMP%") + "\\hm-tree";
    CreateDirectoryA(tree.c_str(), nullptr);
    for (int i = 0; i < 150; ++i)
        MakeFile(tree + "\\f" + std::to_string(i) + ".tmp");
    MakeFile(ExpandPath("%TEMP%") + "\\hm-loose.tmp");
    HeldFile = tree + "\\f77.tmp";
    std::string holder = HelperProgram("HM_SLEEPER", "hm-holder.exe");
    Holder = StartProcess("\"" + holder + "\" \"" + HeldFile + "\"");
    for (int i = 0; i < 400 && !FileThere(HeldFile + ".held"); ++i)
        Sleep(50);
    ASSERT_TRUE(FileThere(HeldFile + ".held")) << "the holder could not lock " << HeldFile;
    DeleteFileA((HeldFile + ".held").c_str());
    HeldFile.clear();

    TRun run = RunCli("--json solve TTempFolder");
    EXPECT_EQ(4u, run.Code) << run.Err;
    const TJson document = ParsedOrFail(run);
    const TJson* temp = IssueNamed(document, "TTempFolder");
    ASSERT_NE(nullptr, temp) << run.Out;
    EXPECT_EQ("partly-solved", (*temp)["status"].Text);
    const std::vector<std::string> left = LeftLines(*temp);
    const std::string held = Lower(tree) + "\\f77.tmp||in use";
    EXPECT_TRUE(Contains(left, held) || Contains(left, held + " by hm-holder.exe")) << testing::PrintToString(left);
    EXPECT_TRUE(FileThere(tree + "\\f77.tmp"));
    EXPECT_FALSE(FileThere(tree + "\\f76.tmp"));

    // Found again only by a file directly in the folder.
    MakeFile(ExpandPath("%TEMP%") + "\\hm-loose.tmp");
    TRun text = RunCli("solve TTempFolder");
    EXPECT_EQ(4u, text.Code) << text.Err;
    const size_t heading = text.Out.find("\nPartly solved, still there:\n");
    ASSERT_NE(std::string::npos, heading) << text.Out;
    EXPECT_NE(std::string::npos, text.Out.find(tree + "\\f77.tmp", heading)) << text.Out;

    TerminateProcess(Holder, 0);
    WaitForSingleObject(Holder, 10000);
    CloseHandle(Holder);
    Holder = nullptr;
    DeleteFileA((tree + "\\f77.tmp").c_str());
    RemoveDirectoryA(tree.c_str());
}

// Last: panic solves everything the sandbox holds.
TEST_F(CliTest, PanicSolvesEveryIssueWithoutSolvedMarks)
{
    const SeedPlan& favorites = Plant("TFavorites");
    const SeedPlan& nethood = Plant("TNethoodCache");
    const SeedPlan& run = Plant("TRunHistory");
    // The two EditPad issues share the Reopen key that the first one's Solve deletes.
    const SeedPlan& editPadPro = Plant("TEditPadPro");
    const SeedPlan& editPadLite = Plant("TEditPadLite");
    std::string info = Snapshot(InfoIni);
    TRun panic = RunCli("--json panic --yes");
    ASSERT_EQ(0u, panic.Code) << panic.Err;
    TJson document = ParsedOrFail(panic);
    std::vector<std::string> solved = Classes(document["issues"]);
    EXPECT_TRUE(Contains(solved, "TFavorites"));
    EXPECT_TRUE(Contains(solved, "TRunHistory"));
    EXPECT_TRUE(document["restart_required"].Flag);
    ExpectSolved(favorites);
    ExpectSolved(nethood);
    ExpectSolved(run);
    ExpectSolved(editPadPro);
    ExpectSolved(editPadLite);
    EXPECT_EQ(info, Snapshot(InfoIni));
    EXPECT_FALSE(Exists(OptionsIni));

    TRun text = RunCli("panic --yes");
    EXPECT_EQ(0u, text.Code);
    EXPECT_NE(std::string::npos, text.Out.find("\nSolved ")) << text.Out;
}

}  // namespace

namespace {

TEST_F(CliTest, KeepListRoundTripsAndKeepsTheCookiesOfItsSites)
{
    TRun empty = RunCli("keep list");
    EXPECT_EQ(0u, empty.Code) << empty.Err;
    EXPECT_EQ("No cookies are kept: the cleaning removes every cookie.\n", empty.Out);

    EXPECT_EQ(0u, RunCli("keep add example.com").Code);
    std::string saved = Snapshot(OptionsIni);
    for (const std::string& bad : {std::string("."), std::string("com"), std::string(300, 'a') + ".com",
                                   std::string("\"\"")}) {
        TRun refused = RunCli("keep add " + bad);
        EXPECT_EQ(2u, refused.Code) << bad;
        EXPECT_NE(std::string::npos, refused.Err.find("not a site name")) << refused.Err;
    }
    for (const char* usage : {"keep", "keep frob", "keep add", "keep list example.com", "keep add a.com b.com"})
        EXPECT_EQ(2u, RunCli(usage).Code) << usage;
    EXPECT_EQ(saved, Snapshot(OptionsIni));

    TRun added = RunCli("keep add Mail.Example.ORG");
    EXPECT_EQ("example.com\nmail.example.org\n", added.Out);
    TJson listed = ParsedOrFail(RunCli("--json keep list"));
    ASSERT_EQ(2u, listed["sites"].Items.size());
    EXPECT_EQ("mail.example.org", listed["sites"].Items[1].Text);
    EXPECT_EQ(2u, RunCli("keep remove example.org").Code);
    TRun removed = RunCli("keep remove MAIL.example.org");
    EXPECT_EQ(0u, removed.Code);
    EXPECT_EQ("example.com\n", removed.Out);

    const SeedPlan& ie = Plant("TCookies");
    const SeedPlan& firefox = Plant("TMozillaFirefoxCookies");
    TRun preview = RunCli("preview TCookies TMozillaFirefoxCookies");
    EXPECT_EQ(1u, preview.Code) << preview.Err;
    EXPECT_NE(std::string::npos, preview.Out.find("user@example[1].txt  site example.com")) << preview.Out;
    EXPECT_NE(std::string::npos, preview.Out.find("cookies.txt  site example.com")) << preview.Out;
    ExpectAllPresent(ie);
    ExpectAllPresent(firefox);

    TRun solve = RunCli("solve TCookies TMozillaFirefoxCookies");
    EXPECT_EQ(0u, solve.Code) << solve.Err;
    EXPECT_TRUE(Exists(ExpandPath("%COOKIES%\\user@example[1].txt")));
    EXPECT_TRUE(Exists(ExpandPath("%COOKIES%\\index.dat")));
    EXPECT_FALSE(Exists(ExpandPath("%COOKIES%\\user@news.example[2].txt")));
    for (const TraceItem& item : firefox.Items)
        if (item.Outcome == Expect::Edited) {
            std::string text = ReadAll(ExpandPath(item.Where));
            EXPECT_NE(std::string::npos, text.find("abc123")) << text;
            EXPECT_EQ(std::string::npos, text.find("alice")) << text;
        }
}

}  // namespace

// feniko-cli run as a separate program: arguments, standard input and
// output, standard error and the exit status.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// The environment of this test with `extra` ("NAME=value") put in front.
std::vector<std::string> Environment(const std::vector<std::string>& extra) {
  std::vector<std::string> env = extra;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  return env;
}

class FenikoCli : public testing::Test {
 protected:
  void SetUp() override {
    // A parameterised test's name holds "/"; the folder must be one level.
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '-');
    dir_ =
        fs::temp_directory_path() / ("feniko-cli-test-" + std::to_string(::getpid()) + "-" + name);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs feniko-cli with `arguments`, `input` on standard input.
  CliRun Run(std::vector<std::string> arguments, const std::string& input,
             const std::vector<std::string>& extraEnvironment = {}) {
    const fs::path in = dir_ / "in", out = dir_ / "out", err = dir_ / "err";
    std::ofstream(in, std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    arguments.insert(arguments.begin(), FENIKO_CLI);
    std::vector<std::string> env = Environment(extraEnvironment);
    pid_t pid = 0;
    CliRun run;
    if (posix_spawn(&pid, FENIKO_CLI, &actions, nullptr, Pointers(arguments).data(),
                    Pointers(env).data()) != 0) {
      ADD_FAILURE() << "cannot start " << FENIKO_CLI;
      posix_spawn_file_actions_destroy(&actions);
      return run;
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
  }

  fs::path dir_;
};

struct CliCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string input;
  int status;
  std::string out;
  std::string err;
};

void PrintTo(const CliCase& c, std::ostream* os) {
  *os << c.name;
}

class FenikoCliRuns : public FenikoCli, public testing::WithParamInterface<CliCase> {};

TEST_P(FenikoCliRuns, WritesWhatThePagesShow) {
  const CliCase& c = GetParam();
  const CliRun run = Run(c.arguments, c.input);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, c.err);
}

const std::string kSixLines5000 =
    "收入金额：5000 元\n应纳税所得额：1500 元\n适用税率：3%\n速算扣除数：0 元\n应纳税额：45 元\n"
    "税后收入：4955 元\n";

INSTANTIATE_TEST_SUITE_P(
    Arguments, FenikoCliRuns,
    testing::Values(
        CliCase{"Tax5000", {"tax", "5000"}, "", 0, kSixLines5000, ""},
        CliCase{"TaxOld",
                {"tax", "--old", "2500.01"},
                "",
                0,
                "收入金额：2500.01 元\n应纳税所得额：500.01 元\n适用税率：10%\n速算扣除数：25 元\n"
                "应纳税额：25.001 元\n税后收入：2475.009 元\n",
                ""},
        // The tax-free notice counts as an answer; blocks are set apart.
        CliCase{"TaxBlocks",
                {"tax", "5000", "3000"},
                "",
                0,
                kSixLines5000 + "\n收入金额小于等于3500元，不必纳税!\n",
                ""},
        CliCase{"TaxInvalid", {"tax", "abc"}, "", 1, "请输入有效的金额\n", ""},
        CliCase{"TaxCurrentBlank", {"tax", " "}, "", 1, "请输入有效的金额\n", ""},
        CliCase{"TaxTsv",
                {"tax", "--tsv", "5000.02", "abc", "3000"},
                "",
                1,
                "5000.02\tok\t5000.02\t1500.02\t10\t105\t45.0020000000001\t4955.018\n"
                "abc\tmessage\t请输入有效的金额\n"
                "3000\tmessage\t收入金额小于等于3500元，不必纳税!\n",
                ""},
        CliCase{"TaxOldTsv",
                {"tax", "--old", "--tsv", "3000"},
                "",
                0,
                "3000\tok\t3000\t1000\t10\t25\t75\t2925\n",
                ""},
        CliCase{"Rmb", {"rmb", "105.30"}, "", 0, "壹佰零伍元叁角\n", ""},
        CliCase{"RmbNegative", {"rmb", "-5"}, "", 1, "", "'-' is not a valid integer value.\n"},
        CliCase{"RmbBlocks",
                {"rmb", "1", "-5", "0", "2"},
                "",
                1,
                "壹元整\n\n\n\n\n贰元整\n",
                "'-' is not a valid integer value.\n"},
        CliCase{"RmbInvalid", {"rmb", "1e500"}, "", 1, "请检查输入的小写金额是否有效。\n", ""},
        // No full stop after a closing parenthesis.
        CliCase{"RmbTooLarge",
                {"rmb", "1e13"},
                "",
                1,
                "",
                "金额超出转换范围(最大 9999999999999.99 元)\n"},
        CliCase{"RmbBeyondFen", {"rmb", "1e17"}, "", 1, "", "Invalid floating point operation.\n"},
        CliCase{
            "RmbTsv",
            {"rmb", "--tsv", "0", "105.30", "abc", "-5", "1e13"},
            "",
            1,
            "0\tok\t\n105.30\tok\t壹佰零伍元叁角\nabc\tmessage\t请检查输入的小写金额是否有效。\n"
            "-5\terror\t'-' is not a valid integer value.\n"
            "1e13\terror\t金额超出转换范围(最大 9999999999999.99 元)\n",
            ""},
        CliCase{"AmountAfterDoubleDash",
                {"rmb", "--", "--5"},
                "",
                1,
                "请检查输入的小写金额是否有效。\n",
                ""}),
    [](const testing::TestParamInfo<CliCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    StandardInput, FenikoCliRuns,
    testing::Values(
        CliCase{"Empty", {"rmb"}, "", 0, "", ""},
        // CR LF and LF endings; an empty line is an amount; a last line may lack its LF.
        CliCase{"LineEnds",
                {"rmb", "--tsv"},
                "105.30\r\n0\n\n1\r",
                1,
                "105.30\tok\t壹佰零伍元叁角\n0\tok\t\n\tmessage\t请检查输入的小写金额是否有效。\n"
                "1\r\tmessage\t请检查输入的小写金额是否有效。\n",
                ""},
        CliCase{"LastLineWithoutEnd", {"rmb"}, "10\n0.5", 0, "壹拾元整\n\n伍角\n", ""},
        CliCase{"OnlyOneCrDropped",
                {"tax", "--tsv"},
                "5000\r\r\n",
                1,
                "5000\r\tmessage\t请输入有效的金额\n",
                ""},
        CliCase{"TaxBlocks",
                {"tax"},
                "5000\r\n 3500 \n",
                0,
                kSixLines5000 + "\n收入金额小于等于3500元，不必纳税!\n",
                ""},
        // Arguments win: standard input is not read.
        CliCase{"ArgumentsFirst", {"rmb", "1"}, "2\n", 0, "壹元整\n", ""}),
    [](const testing::TestParamInfo<CliCase>& info) { return std::string(info.param.name); });

TEST_F(FenikoCli, LongLinesAcrossReadBlocks) {
  // A line far longer than one read block, between ordinary ones.
  const std::string padding(200000, ' ');
  const CliRun run = Run({"rmb", "--tsv"}, "1\n" + padding + "2" + padding + "\n3\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "1\tok\t壹元整\n" + padding + "2" + padding + "\tok\t贰元整\n3\tok\t叁元整\n");
}

struct UsageCase {
  const char* name;
  std::vector<std::string> arguments;
};

void PrintTo(const UsageCase& c, std::ostream* os) {
  *os << c.name;
}

class FenikoCliUsage : public FenikoCli, public testing::WithParamInterface<UsageCase> {};

TEST_P(FenikoCliUsage, ExitsWithStatus2AndAOneLineHint) {
  const CliRun run = Run(GetParam().arguments, "5000\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  ASSERT_FALSE(run.err.empty());
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  EXPECT_NE(run.err.find("feniko-cli --help"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Table, FenikoCliUsage,
                         testing::Values(UsageCase{"NoCommand", {}},
                                         UsageCase{"UnknownCommand", {"vat"}},
                                         UsageCase{"OldForRmb", {"rmb", "--old", "5"}},
                                         UsageCase{"UnknownOption", {"tax", "--csv", "5"}}),
                         [](const testing::TestParamInfo<UsageCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(FenikoCli, HelpExplainsBothCommands) {
  const CliRun run = Run({"--help"}, "");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("feniko-cli tax [--old] [--tsv] [AMOUNT...]"), std::string::npos);
  EXPECT_NE(run.out.find("feniko-cli rmb [--tsv] [AMOUNT...]"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

TEST_F(FenikoCli, DecimalSeparatorFollowsTheLocale) {
  const fs::path locales = dir_ / "locales";
  fs::create_directories(locales);
  const std::string build =
      "localedef -i de_DE -f UTF-8 " + (locales / "de_DE.UTF-8").string() + " >/dev/null 2>&1";
  if (std::system(build.c_str()) != 0 && !fs::exists(locales / "de_DE.UTF-8"))
    GTEST_SKIP() << "localedef not available";
  // glibc's newlocale keeps the LOCPATH list it splits; under the leak
  // checker that is reported at exit, though it never happens without LOCPATH.
  const fs::path suppressions = dir_ / "lsan.supp";
  std::ofstream(suppressions) << "leak:__argz_add_sep\n";
  const CliRun run =
      Run({"tax", "--tsv", "5000,1", "5000.1"}, "",
          {"LOCPATH=" + locales.string(), "LC_ALL=de_DE.UTF-8",
           "LSAN_OPTIONS=print_suppressions=0:suppressions=" + suppressions.string()});
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "5000,1\tok\t5000,1\t1500,1\t10\t105\t45,01\t4955,09\n"
            "5000.1\tmessage\t请输入有效的金额\n");
}

// A program that feeds amounts one at a time gets each answer before it sends
// the next: the output is not held back until the input ends.
TEST_F(FenikoCli, AnswersEachLineAsItArrives) {
  int toCli[2];
  int fromCli[2];
  ASSERT_EQ(::pipe(toCli), 0);
  ASSERT_EQ(::pipe(fromCli), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, toCli[0], 0);
  posix_spawn_file_actions_adddup2(&actions, fromCli[1], 1);
  posix_spawn_file_actions_addclose(&actions, toCli[1]);
  posix_spawn_file_actions_addclose(&actions, fromCli[0]);
  std::vector<std::string> arguments = {FENIKO_CLI, "rmb", "--tsv"};
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, FENIKO_CLI, &actions, nullptr, Pointers(arguments).data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(toCli[0]);
  ::close(fromCli[1]);
  ASSERT_EQ(spawned, 0);
  ::signal(SIGPIPE, SIG_IGN);

  // Waits (at most a generous while, so a broken build fails instead of hanging)
  // for one whole answer line.
  const auto readLine = [&]() {
    std::string line;
    char c = 0;
    while (line.empty() || line.back() != '\n') {
      pollfd ready{fromCli[0], POLLIN, 0};
      if (::poll(&ready, 1, 20000) != 1 || ::read(fromCli[0], &c, 1) != 1) break;
      line.push_back(c);
    }
    return line;
  };
  ASSERT_EQ(::write(toCli[1], "1\n", 2), 2);
  EXPECT_EQ(readLine(), "1\tok\t壹元整\n");
  ASSERT_EQ(::write(toCli[1], "2\n", 2), 2);
  EXPECT_EQ(readLine(), "2\tok\t贰元整\n");
  ::close(toCli[1]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ::close(fromCli[0]);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace

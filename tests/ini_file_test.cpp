// The settings file on its own, over bytes: what the profile functions find,
// what a change touches, the CP932 text rules under them, the best-time
// table and the level as the file holds them, and the record book that
// judges and stores against the file.
#include "core/records/ini_file.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/records/best_times.h"
#include "core/records/profile.h"
#include "core/records/record_book.h"
#include "core/records/shift_jis.h"
#include "support/fakes.h"

namespace lumitile {
namespace {

// A file as people leave them, one section a line here: comments, odd
// spacing, mixed case, mixed line endings, a duplicate section and a last
// line without an ending.
constexpr std::string_view kUsedFile =
    "; written by hand\r\n[Other]\nx=1\r\n"
    "  [ scores ]  \r\n  Easy =  12  \r\nnote without equals\neasy=99\r\nName=\r\n\r\n; about the next section\r\n"
    "[SCORES]\r\nhard=5\r\n"
    "[tail]\nlast=end";

// Found by the profile rules; a change replaces the line it is about, a new
// key follows the section's last key, a new section goes at the end, and
// nothing else moves.
TEST(IniFile, FindsByTheProfileRulesAndChangesOnlyTheLinesItIsAbout) {
  IniFile file = IniFile::Parse(kUsedFile);
  EXPECT_EQ(file.Find("SCORES", "EASY"), "12");  // case, spaces, first key wins
  EXPECT_EQ(file.Find("scores", "name"), "");    // present but empty
  EXPECT_EQ(file.Find("scores", "hard"), std::nullopt);  // only in the later duplicate
  EXPECT_EQ(file.Find("scores", "note without equals"), std::nullopt);
  EXPECT_EQ(file.Find("tail", "last"), "end");
  EXPECT_EQ(file.Find("missing", "x"), std::nullopt);
  EXPECT_EQ(IniFile::Parse("").Find("a", "b"), std::nullopt);
  // 'ゾ' is 83 5D: its second byte is ']'.
  EXPECT_EQ(IniFile::Parse("[\x83\x5D\x81\x5B]\r\nk=v\r\n").Find("\x83\x5D\x81\x5B", "k"), "v");
  // Case folding must not touch a trail byte that happens to be a letter.
  EXPECT_EQ(IniFile::Parse("[\x83\x41]\nk=v\n").Find("\x83\x61", "k"), std::nullopt);
  file.Set("scores", "EASY", "7  ");
  file.Set("Scores", "hard", "3");
  file.Set("tail", "more", "x");
  file.Set("New", "k", "v");
  std::string expected(kUsedFile);
  expected.replace(expected.find("  Easy =  12  \r\n"), 16, "Easy=7  \r\n");
  expected.insert(expected.find("\r\n; about"), "hard=3\r\n");
  expected += "\r\nmore=x\r\n[New]\r\nk=v\r\n";
  EXPECT_EQ(file.Bytes(), expected);
}

// The index finds what a scan of the lines found, on the files people and
// attackers leave: duplicates, keys before any section, a byte order mark,
// odd line endings, and files of hundreds of thousands of keys. Each file is
// then changed at its start, middle and end, and every lookup must agree
// with the same bytes parsed afresh.
TEST(IniFile, TheIndexFindsWhatAScanFoundAndStaysTrueThroughChanges) {
  std::string many = "[s]\r\n";
  for (int i = 0; i < 200000; ++i) many += "k" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
  many += "[S]\r\nlate=1\r\n";
  std::string same = "[s]\n";
  for (int i = 0; i < 100000; ++i) same += "a=" + std::to_string(i) + "\n";
  struct Lookup {
    std::string_view section, key;
    std::optional<std::string> found;
  };
  const std::pair<std::string, std::vector<Lookup>> files[] = {
      {"[s]\nk=1\nk=2\n", {{"s", "k", "1"}}},
      {"[s]\na=1\n[t]\n[S]\nb=2\na=3\n", {{"s", "b", {}}, {"S", "a", "1"}, {"t", "a", {}}}},
      {"k=0\n[s]\nk=1\n", {{"s", "k", "1"}, {"", "k", {}}}},
      {"[]\nk=5\n", {{"", "k", "5"}}},
      {"\xEF\xBB\xBFk=1\r\n[s]\r\n", {{"s", "k", {}}}},
      {"\xEF\xBB\xBF[s]\r\nk=1", {{"s", "k", "1"}}},
      {"[s]\rk=1\r\nj=2\n\r;x=3\rl=4", {{"s", "k", "1"}, {"s", "j", "2"}, {"s", "x", {}}, {"s", "l", "4"}}},
      {"[Sec] junk\n KEY = v \n=e\nq=a=b\n", {{"sec", "key", "v"}, {"SEC", "", "e"}, {"sec", "q", "a=b"}}},
      {"[\x83\x41]\nk=v\n", {{"\x83\x61", "k", {}}, {"\x83\x41", "K", "v"}}},
      {many, {{"s", "k123456", "123456"}, {"s", "K199999", "199999"}, {"s", "k200000", {}}, {"s", "late", {}}}},
      {same, {{"s", "a", "0"}}},
  };
  for (const auto& [bytes, lookups] : files) {
    SCOPED_TRACE(bytes.substr(0, 40));
    IniFile file = IniFile::Parse(bytes);
    EXPECT_EQ(file.Bytes(), bytes);
    for (const auto& [section, key, found] : lookups) EXPECT_EQ(file.Find(section, key), found) << key;
    for (const auto& [section, key, value] : std::vector<Lookup>{
             {"s", "new", "1"}, {"s", "k", "9"}, {"new", "n", "2"}, {"S", "late", "3"}, {"s", "new2", "4"}}) {
      file.Set(section, key, *value);
    }
    const IniFile again = IniFile::Parse(file.Bytes());
    for (const auto& [section, key, found] : lookups) EXPECT_EQ(file.Find(section, key), again.Find(section, key));
    for (const char* key : {"new", "k", "new2", "late", "a"}) EXPECT_EQ(file.Find("s", key), again.Find("s", key));
    EXPECT_EQ(file.Find("new", "n"), "2");
  }
}

TEST(ParseDecimalInt, TakesOnlyWholeNumbersAndSaturates) {
  const std::pair<std::string_view, std::optional<int32_t>> cases[] = {
      {"7", 7}, {" -1\t", -1}, {"+3", 3}, {"abc", {}}, {"12abc", {}}, {"- 5", {}}, {"0x10", {}}, {"1e3", {}},
      {"", {}}, {" ", {}}, {"+", {}}, {"1 2", {}}, {"\xef\xbc\x91", {}},  // a full-width digit
      {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN}, {"2147483648", INT32_MAX}, {"-2147483648", INT32_MIN},
      {std::string_view("0000000000000000000000000000042"), 42},
      {"99999999999999999999999999999999999999999", INT32_MAX},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseDecimalInt(text), value) << text;
}

TEST(Cp932Text, ConvertsBothWaysAndReplacesWhatDoesNotFit) {
  EXPECT_EQ(Utf8ToCp932("初級 A"), "\x8f\x89\x8b\x89 A");
  EXPECT_EQ(Utf8ToCp932("～①髙"), "\x81\x60\x87\x40\xfb\xfc");  // Windows' own, not plain Shift-JIS
  EXPECT_EQ(Cp932ToUtf8("\x8f\x89\x8b\x89 A"), "初級 A");
  EXPECT_EQ(Utf8ToCp932("a€b😀c"), "a?b?c");
  EXPECT_EQ(Utf8ToCp932("a\xff\xe3\x81z"), "a??z");  // broken UTF-8
  EXPECT_EQ(Utf8ToCp932Exactly("a€"), std::nullopt);
  // Undefined pair, bytes that never start a character, a cut-off lead byte.
  EXPECT_EQ(Cp932ToUtf8("a\x85\x40" "b\x80\xa0\xfd" "c\x81"), "a\uFFFDb\uFFFD\uFFFD\uFFFDc\uFFFD");
  EXPECT_EQ(Cp932ToUtf8("\x81 x"), "\uFFFD x");  // the space after a bad lead byte survives
}

// The profile functions over a file in memory: UTF-8 in and out, one line
// of CP932 in the file, and no name that could not be found again.
TEST(ProfileFunctions, StoreOneLineReadItBackAndFallBack) {
  const std::pair<std::string, std::string> cases[] = {
      {"山田太郎", "山田太郎"}, {"ｶﾅ mixed 漢字", "ｶﾅ mixed 漢字"}, {"x=y;z[1]", "x=y;z[1]"}, {"", ""},
      {"  padded  ", "padded"},                   // blanks around a value are not part of it
      {"a\tb\r\nc\x01" "d€", "a b  c d?"},       // one line, '?' for what CP932 lacks
      {std::string(200, 'a'), std::string(127, 'a')},
      {std::string(126, 'a') + "ああ", std::string(126, 'a')},  // 'あ' straddles byte 127
  };
  for (const auto& [written, read] : cases) {
    IniFile file;
    ASSERT_TRUE(WriteIniString(file, "ハイスコア", "初級名前", written));
    EXPECT_EQ(ReadIniString(file, "ハイスコア", "初級名前", "fb"), read) << written;
  }

  IniFile file = IniFile::Parse("[s]\r\nk=a\x85\x40\xff\x81\r\nempty=\r\n");
  EXPECT_EQ(ReadIniString(file, "s", "k", ""), "a\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(ReadIniString(file, "s", "other", "fb"), "fb");
  EXPECT_EQ(ReadIniString(file, "other", "k", "fb"), "fb");
  EXPECT_EQ(ReadIniString(file, "s", "empty", "fb"), "");
  EXPECT_EQ(ReadIniInt(file, "s", "empty", 5), 5);
  const std::string before = file.Bytes();
  // Names the file cannot hold, or could not find again.
  EXPECT_FALSE(WriteIniString(file, "€", "k", "v"));
  EXPECT_FALSE(WriteIniString(file, "s", "\n[t]", "v"));
  EXPECT_EQ(file.Bytes(), before);
  EXPECT_TRUE(IsStorableSectionName("\x83\x5D"));  // a trail ']' is part of a letter
  EXPECT_TRUE(IsStorableKeyName("a b"));
  for (const char* bad : {"", "a]", " a", "a\tb", "a\x81"}) EXPECT_FALSE(IsStorableSectionName(bad)) << bad;
  for (const char* bad : {"", "a=b", "[a", ";a", "a\nb"}) EXPECT_FALSE(IsStorableKeyName(bad)) << bad;
}

// A name is always twenty characters; a time the clock could never show is
// none; the hard levels' keys wait for something to hold.
TEST(BestTimes, NamesFitTimesRoundTripAndTheHardLevelsKeysWait) {
  EXPECT_EQ(FitName("名前なし"), "名前なし" + std::string(16, ' '));
  EXPECT_EQ(FitName(""), std::string(20, ' '));
  EXPECT_EQ(FitName("abcdefghijklmnopqrstuvwxy"), "abcdefghijklmnopqrst");
  EXPECT_EQ(FitName("一二三四五六七八九十一二三四五六七八九十超"), "一二三四五六七八九十一二三四五六七八九十");
  EXPECT_EQ(FitName("a\tb\nc\x7f"), "a b c " + std::string(14, ' '));
  EXPECT_EQ(FitName("x\xff\xe3\x81"), "x\uFFFD\uFFFD" + std::string(17, ' '));
  BestTimes times = EmptyBestTimes();
  times[0] = {61, FitName("山田")};
  times[1] = {0, FitName("Alexandra Konstantinopoulou")};
  times[2] = {1000, FitName("x")};
  times[4] = {998, FitName("達人")};
  IniFile file;
  SaveBestTimes(file, times);
  SaveLevel(file, 4);
  BestTimes expected = times;
  expected[2].Seconds = kNoRecord;  // the clock never shows 1000
  EXPECT_EQ(LoadBestTimes(file), expected);
  EXPECT_EQ(LoadLevel(file), 4);
  SaveBestTime(file, 0, {-5, FitName("y")});
  EXPECT_EQ(LoadBestTimes(file)[0].Seconds, kNoRecord);

  // Files from before the two hard levels keep their bytes until one of them
  // holds something: a record, or keys the file already has.
  const auto hardKeys = [](const std::string& utf8, const BestTimes& times) {
    IniFile file = IniFile::Parse(Utf8ToCp932(utf8));
    SaveBestTimes(file, times);
    std::string keys;
    for (const char* key : {"超上級", "超上級名前", "達人", "達人名前"})
      if (ReadIniString(file, "ハイスコア", key, "0") == ReadIniString(file, "ハイスコア", key, "1"))
        keys += std::string(key) + " ";
    return keys;
  };
  times = EmptyBestTimes();
  EXPECT_EQ(hardKeys("", times), "");
  times[3] = {40, FitName("a")};
  EXPECT_EQ(hardKeys("", times), "超上級 超上級名前 ");
  for (const char* stored : {"[ハイスコア]\r\n達人名前=\r\n", "[ハイスコア]\r\n達人=999\r\n"})
    EXPECT_EQ(hardKeys(stored, EmptyBestTimes()), "達人 達人名前 ") << stored;
}

// Two books on one file, as two running games are: each judges a solve and
// stores a name against what the file holds at that moment, and reading the
// table writes nothing, so neither loses the other's record.
TEST(RecordBook, TwoGamesOnOneFileLoseNothingAndAFailedChangeLeavesTheTableAsTheFile) {
  testing::MemoryProfile file;
  RecordBook game(file), other(file);
  // Each errand run at once, as the window's errand thread would.
  const auto now = [](RecordBook& book, const FileErrand& errand) { return book.Take(errand.Run()); };
  const auto judge = [&](RecordBook& book, int32_t seconds, int level) {
    return now(book, book.Judge(seconds, level)).RecordWaiting;
  };
  const auto confirm = [&](RecordBook& book, std::string_view name) -> std::optional<FileChange> {
    const auto errand = book.Confirm(name);
    return errand ? std::optional(now(book, *errand)) : std::nullopt;
  };
  EXPECT_TRUE(judge(game, 30, 0) && judge(other, 25, 0));
  confirm(game, "Ann");
  const std::string stored = file.Bytes();
  now(other, other.Reread());
  EXPECT_EQ(other.Table()[0], (BestTimeRow{30, FitName("Ann")}));
  EXPECT_EQ(file.Bytes(), stored) << "reading the table writes nothing";
  confirm(other, "Bob");
  EXPECT_FALSE(judge(game, 28, 0) || judge(game, 25, 0)) << "judged against the file; an equal time is none";
  EXPECT_TRUE(judge(game, 20, 2) && judge(other, 22, 2));
  confirm(game, "Cid");
  confirm(other, "Dee");  // no longer a record by the time of OK
  EXPECT_EQ(file.Get("ハイスコア", "初級名前") + file.Get("ハイスコア", "上級") + file.Get("ハイスコア", "上級名前"),
            "Bob20Cid");
  EXPECT_EQ(other.Table(), game.Table());
  EXPECT_FALSE(confirm(other, "Eve")) << "no record waits any more";

  // A change that fails at any one system call is told, and leaves the
  // table in memory as the file holds it: the old record or the new one.
  int failAt = 1;
  for (;; ++failAt) {
    SCOPED_TRACE(failAt);
    testing::MemoryProfile failing;
    failing.Set("ハイスコア", "上級", "40");
    RecordBook book(failing);
    judge(book, 9, 2);
    failing.disk.FailAt(failAt, false);
    const auto record = confirm(book, "Ann");
    if (!failing.disk.reached()) break;
    EXPECT_EQ(failing.Get("ハイスコア", "上級"), record->Saved ? "9" : "40");
    EXPECT_EQ(record->Trouble.has_value(), !record->Saved);
    EXPECT_EQ(book.Table(), LoadBestTimes(failing.Read().file));
  }
  EXPECT_GT(failAt, 15) << "the sequence was really walked";
}

}  // namespace
}  // namespace lumitile

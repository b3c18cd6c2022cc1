// The document skeleton: fields to exact skeletons, the profiles file, and
// the two modes as their commands run them.
#include "core/dialogs/skeleton_dialog.h"

#include <gtest/gtest.h>

#include "core/app/document_file.h"
#include "core/dialogs/acting_host.h"
#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/edit_tag.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/command_registry.h"
#include "core/editing/editing_fixture.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

const std::string kDoctype = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n";
const std::string kMeta = "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=SHIFT_JIS\">\r\n";
const std::string kEnd = "\r\n</BODY>\r\n</HTML>\r\n";

struct SkeletonCase {
  const char* name;
  std::vector<std::pair<const char*, std::string>> fields;
  bool lower;
  std::string expected;
};

TEST(SkeletonBuild, EachFieldInItsPlace) {
  const std::string head = kDoctype + "<HTML>\r\n<HEAD>\r\n" + kMeta;
  const SkeletonCase cases[] = {
      {"defaults", {}, false, head + "<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n" + kEnd},
      {"size index 4", {{"rgSize", "4"}}, false,
       head + "<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n<BASEFONT SIZE=\"5\">\r\n" + kEnd},
      {"title with 表", {{"edTitle", "\x95\x5c"}}, false, head + "<TITLE>\x95\x5c</TITLE>\r\n</HEAD>\r\n<BODY>\r\n" + kEnd},
      {"version, charset and language", {{"cbVersion", "-//W3C//DTD HTML 3.2 Final//EN"}, {"cbCharSet", "EUC-JP"}, {"cbLang", "ja"}},
       false,
       "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\r\n<HTML LANG=\"ja\">\r\n<HEAD>\r\n"
       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=EUC-JP\">\r\n<TITLE></TITLE>\r\n</HEAD>\r\n"
       "<BODY>\r\n" + kEnd},
      {"no version, no charset", {{"cbVersion", ""}, {"cbCharSet", ""}}, false,
       "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n" + kEnd},
      {"base and style sheet", {{"edURL", "http://a/"}, {"edStyleSheet", "s.css"}}, false,
       head + "<TITLE></TITLE>\r\n<BASE HREF=\"http://a/\">\r\n"
              "<LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"s.css\">\r\n</HEAD>\r\n<BODY>\r\n" + kEnd},
      {"BODY attributes in their order",
       {{"cbOnUnload", "u()"}, {"cbOnLoad", "l()"}, {"cbALink", "red"}, {"cbVLink", "navy"}, {"cbLink", "blue"},
        {"edBackGround", "b.gif"}, {"cbBgColor", "#FFFFFF"}, {"cbText", "black"}, {"cbStyle", "margin:0"}},
       false,
       head + "<TITLE></TITLE>\r\n</HEAD>\r\n<BODY STYLE=\"margin:0\" TEXT=\"black\" BGCOLOR=\"#FFFFFF\" "
              "BACKGROUND=\"b.gif\" LINK=\"blue\" VLINK=\"navy\" ALINK=\"red\" onLoad=\"l()\" onUnload=\"u()\">\r\n" + kEnd},
      {"lower-case tags lower the charset too, not typed values", {{"edTitle", "Top"}, {"rgSize", "0"}, {"cbText", "Red"}}, true,
       kDoctype + "<html>\r\n<head>\r\n<meta http-equiv=\"content-type\" content=\"text/html; charset=shift_jis\">\r\n"
                  "<title>Top</title>\r\n</head>\r\n<body text=\"Red\">\r\n<basefont size=\"1\">\r\n\r\n</body>\r\n</html>\r\n"},
  };
  for (const SkeletonCase& c : cases) {
    DialogFields f = CreateFields(kInitTagSetDlg);
    kInitTagSetDlg.show(f, false);
    for (const auto& [name, value] : c.fields) f.Set(name, value);
    EditingOptions o;
    o.lowerCaseTag = c.lower;
    EXPECT_EQ(kInitTagSetDlg.build(f, o).preview, c.expected) << c.name;
  }
}

struct SkeletonCommandTest : ::testing::Test {
  test::EditingFixture fx;
  test::ActingHost host;
  test::TempDir dir;
  SkeletonCommandTest() {
    fx.ctx.dialogs = &host;
    fx.ctx.services.dataFolder = dir.dir().string();
    RegisterSkeletonAndColourCommands(commands);
  }
  CommandRegistry commands;
  std::string Profiles() const { return ReadFileBytes(dir.Path("InitTagSetting.txt")); }
};

TEST_F(SkeletonCommandTest, FullModeWrapsTheSelection) {
  fx.Load("[<P>text</P>]");
  host.Field("edTitle", "T");
  InitTagSetCommand(fx.ctx);
  const std::string before = kDoctype + "<HTML>\r\n<HEAD>\r\n" + kMeta + "<TITLE>T</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
  EXPECT_EQ(fx.editor.GetText(), before + "<P>text</P>" + kEnd);
  EXPECT_TRUE(fx.ctx.repeatTag.start.empty());
  // Cancel writes nothing.
  host.ok = false;
  fx.Load("[x]");
  InitTagSetCommand(fx.ctx);
  EXPECT_EQ(fx.editor.GetText(), "x");
  EXPECT_FALSE(std::filesystem::exists(dir.Path("InitTagSetting.txt")));
}

TEST_F(SkeletonCommandTest, ProfilesSavedLoadedAndDeleted) {
  // A hand-written line the file format does not know stays.
  dir.Write("InitTagSetting.txt", "; my profiles\r\n[CURRENT]\r\nPROFILE=site\r\n[site]\r\nTITLE=Site\r\nSIZE=5\r\nnot a key\r\n");
  fx.Load("|");
  host.ok = false;
  InitTagSetCommand(fx.ctx);
  EXPECT_EQ(host.shown.Get("cbProfile"), "site");
  EXPECT_EQ(host.shown.Get("edTitle"), "Site");
  EXPECT_EQ(host.shown.Get("rgSize"), "5");
  EXPECT_EQ(host.shown.Get("cbCharSet"), "");  // a missing key is an empty field
  EXPECT_EQ(GetItems(host.shown, "cbProfile"), (std::vector<std::string>{"CURRENT", "site"}));

  // A new profile saved, then chosen again by its name.
  host.acts.clear();
  host.Field("cbProfile", "blog").Field("edTitle", "Blog").Field("cbText", "navy").Press("SaveBtn");
  InitTagSetCommand(fx.ctx);
  EXPECT_NE(Profiles().find("[blog]\r\nVERSION="), std::string::npos);
  EXPECT_NE(Profiles().find("not a key\r\n"), std::string::npos);
  host.acts.clear();
  host.Field("cbProfile", "site").Field("cbProfile", "blog");
  InitTagSetCommand(fx.ctx);
  EXPECT_EQ(host.after.Get("edTitle"), "Blog");
  EXPECT_EQ(host.after.Get("cbText"), "navy");

  // Deleting: No keeps the file and the fields exactly as they were.
  const std::string saved = Profiles();
  host.acts.clear();
  host.Field("cbProfile", "blog").Press("DeleteBtn");
  fx.prompts.QueueReply(Reply::No);
  InitTagSetCommand(fx.ctx);
  EXPECT_EQ(Profiles(), saved);
  EXPECT_EQ(host.after.Get("edTitle"), "Blog");
  EXPECT_EQ(host.after.Get("cbText"), "navy");
  EXPECT_EQ(host.after.Get("cbProfile"), "blog");

  // Yes erases the section and empties the fields.
  fx.prompts.QueueReply(Reply::Yes);
  InitTagSetCommand(fx.ctx);
  EXPECT_EQ(Profiles().find("[blog]"), std::string::npos);
  EXPECT_EQ(host.after.Get("edTitle"), "");
  EXPECT_EQ(host.after.Get("cbProfile"), "");
  EXPECT_EQ(GetItems(host.after, "cbProfile"), (std::vector<std::string>{"CURRENT", "site"}));
}

TEST_F(SkeletonCommandTest, SavingWithoutANameAndNewKeepsCharsetLanguageAndHandlers) {
  fx.Load("|");
  host.ok = false;
  host.Field("cbCharSet", "EUC-JP").Field("cbOnLoad", "go()").Field("edTitle", "x").Field("rgSize", "6").Press("NewBtn");
  host.Press("SaveBtn");
  InitTagSetCommand(fx.ctx);
  ASSERT_EQ(fx.prompts.Log().size(), 1u);
  EXPECT_EQ(fx.prompts.Log()[0].text, MessageSjis(Msg::ProfileNameMissing));
  EXPECT_EQ(host.after.Get("edTitle"), "");
  EXPECT_EQ(host.after.Get("rgSize"), "2");
  EXPECT_EQ(host.after.Get("cbCharSet"), "EUC-JP");
  EXPECT_EQ(host.after.Get("cbOnLoad"), "go()");
  EXPECT_FALSE(std::filesystem::exists(dir.Path("InitTagSetting.txt")));
}

TEST_F(SkeletonCommandTest, BodyModeRebuildsOnlyTheStartTagAndRemembersIt) {
  fx.Load("<HTML><BODY bgcolor=white onClick=\"a()\" TEXT=\"black\">|<P>x</BODY>");
  host.Field("cbText", "navy").Field("cbProfile", "mine");
  EditTag(fx.ctx);
  ASSERT_FALSE(host.shownClasses.empty());
  EXPECT_EQ(host.shownClasses.back(), "TInitTagSetDlg");
  EXPECT_EQ(host.shown.Get(kFieldCaption), MessageSjis(Msg::BodyReEditTitle));
  EXPECT_EQ(host.shown.Get("cbBgColor"), "white");
  EXPECT_EQ(host.shown.Get("edTitle#enabled"), "0");
  EXPECT_EQ(fx.editor.GetText(), "<HTML><BODY bgcolor=white onClick=\"a()\" TEXT=\"navy\"><P>x</BODY>");
  const std::string profiles = Profiles();
  EXPECT_NE(profiles.find("[CURRENT]"), std::string::npos);
  EXPECT_NE(profiles.find("TEXT=navy"), std::string::npos);
  EXPECT_NE(profiles.find("PROFILE=mine"), std::string::npos);
}

TEST_F(SkeletonCommandTest, FileSaveButtonOnlyForAnUnsavedDocument) {
  fx.Load("|");
  host.ok = false;
  fx.ctx.fileName = "";
  bool saved = false;
  fx.ctx.services.saveDocument = [&] { return saved = true; };
  InitTagSetCommand(fx.ctx);
  EXPECT_EQ(host.shown.Get("FileSaveBtn#visible"), "1");
  host.Press("FileSaveBtn");
  InitTagSetCommand(fx.ctx);
  EXPECT_TRUE(saved);
  fx.ctx.fileName = dir.Write("page.html", "x");
  host.acts.clear();
  InitTagSetCommand(fx.ctx);
  EXPECT_EQ(host.shown.Get("FileSaveBtn#visible"), "0");
}

}  // namespace
}  // namespace mw

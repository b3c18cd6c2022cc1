// Tag dialogs on the command line: fields given by name build the tag, in
// new mode and when F2 re-edits a tag, and the report says what went in.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/document_file.h"
#include "cli/cli_run.h"

namespace mw::test {
namespace {

TEST(CliDialogs, FieldsBuildTheTagAndTheReportShowsIt) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "<P>cell</P>\r\n<A HREF=\"#top\" onClick=\"go()\">t</A>");
  const std::string out = dir.Path("out.html");
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::string stdoutText;
    std::string written;
  };
  const Case cases[] = {
      {"new cell around the selection",
       {"edit", page, "--out", out, "--sel", "3,4", "--field", "edColSpan=2", "--field", "cbBgColor=#FF0000",
        "--set", "bLowerCaseTag=1", "TDClick"},
       "inserted <td colspan=\\\"2\\\" bgcolor=\\\"#FF0000\\\">cell</td>\nselection 46 0\n"
       "repeat <td colspan=\\\"2\\\" bgcolor=\\\"#FF0000\\\">\t</td>\n",
       "<P><td colspan=\"2\" bgcolor=\"#FF0000\">cell</td></P>\r\n<A HREF=\"#top\" onClick=\"go()\">t</A>"},
      {"re-edit: fields over the presets, handlers kept",
       {"edit", page, "--out", out, "--sel", "45", "--field", "cbName=end", "EditTagClick"},
       "inserted <A HREF=\\\"#end\\\" onClick=\\\"go()\\\">\nselection 43 0\nrepeat \t\n",
       "<P>cell</P>\r\n<A HREF=\"#end\" onClick=\"go()\">t</A>"},
      {"re-edit confirmed unchanged gives the same tag",
       {"edit", page, "--out", out, "--sel", "1", "EditTagClick"}, "inserted <P>\nselection 3 0\nrepeat \t\n",
       "<P>cell</P>\r\n<A HREF=\"#top\" onClick=\"go()\">t</A>"},
      {"select list with options from the grid",
       {"edit", page, "--out", out, "--sel", "13", "--field", "edRowCount=2", "--field", "sgOption[1,0]=1",
        "--field", "sgOption[1,1]=\xE4\xB8\x80", "--field", "sgOption[2,0]=two", "SELECTClick"},
       "inserted <SELECT>\\r\\n<OPTION VALUE=1>\xE4\xB8\x80\\r\\n<OPTION VALUE=\\\"two\\\">\\r\\n</SELECT>\\r\\n\n"
       "selection 76 0\nrepeat <SELECT>\\r\\n<OPTION VALUE=1>\xE4\xB8\x80\\r\\n<OPTION VALUE=\\\"two\\\">\\r\\n"
       "</SELECT>\\r\\n\t\n",
       "<P>cell</P>\r\n<SELECT>\r\n<OPTION VALUE=1>\x88\xEA\r\n<OPTION VALUE=\"two\">\r\n</SELECT>\r\n"
       "<A HREF=\"#top\" onClick=\"go()\">t</A>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto r = RunCli(c.args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.stdoutText);
    EXPECT_EQ(ReadFileBytes(out), c.written);
  }
}


TEST(CliDialogs, TheTableDialogRunsFieldsAndPressesInOrder) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "x\r\nName City\r\n");
  const std::string in = dir.Write("in.csv", "a,\"New York\"\r\n\"q\"\"x\",\r\n");
  const std::string saved = dir.Path("saved.csv");
  const std::string out = dir.Path("out.html");
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::string stdoutText;
  };
  const Case cases[] = {
      {"cells from the selection, one typed, TH, a merge",
       {"--sel", "3,11", "--field", "rgIndent=0", "--field", "ckTH=1", "--field", "edRowCount=2", "--field",
        "sgTable[1,2]=z", "--field", "sgTable.Selection=1,1,2,1", "--press", "SetSpanBtn", "--field",
        "cbAlign=center"},
       "inserted <TABLE>\\r\\n<TR>\\r\\n<TH COLSPAN=\\\"2\\\" ALIGN=\\\"center\\\">Name</TH>\\r\\n</TR>"
       "\\r\\n<TR>\\r\\n<TD>z</TD><TD></TD>\\r\\n</TR>\\r\\n</TABLE>\\r\\n\n"},
      {"CSV read from the answers, then a merge; the merge before the read would be lost",
       {"--answer", in, "--answer", saved, "--field", "rgIndent=0", "--press", "OpenCSVBtn", "--field",
        "sgTable.Selection=1,1,1,2", "--press", "SetSpanBtn", "--press", "SaveCSVBtn"},
       "inserted <TABLE>\\r\\n<TR>\\r\\n<TD ROWSPAN=\\\"2\\\">a</TD><TD>New York</TD>\\r\\n</TR>\\r\\n"
       "<TR>\\r\\n<TD></TD>\\r\\n</TR>\\r\\n</TABLE>\\r\\n\n"},
      {"a question answered no keeps the grid",
       {"--sel", "3,11", "--answer", "no", "--field", "rgIndent=0", "--press", "ClearBtn"},
       "inserted <TABLE>\\r\\n<TR>\\r\\n<TD>Name</TD><TD>City</TD>\\r\\n</TR>\\r\\n</TABLE>\\r\\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = {"edit", page, "--out", out};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.push_back("TABLEClick");
    const auto r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find("\nselection") + 1), c.stdoutText);
  }
  EXPECT_EQ(ReadFileBytes(saved), "a,\"New York\"\r\n\"q\"\"x\",\r\n");
}

TEST(CliDialogs, PressesOfOtherDialogsAndUnknownNames) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "<P>t</P>");
  std::filesystem::create_directories(dir.dir() / "img");
  const std::string image = dir.Write("img/a.gif", "GIF89a");
  const struct {
    const char* what;
    std::vector<std::string> args;
    int status;
    std::string inserted;
  } cases[] = {
      {"a reference button takes a file from the answers",
       {"--sel", "3,1", "--answer", image, "--press", "RefBtn", "TRClick"}, 0,
       "inserted <TR BACKGROUND=\\\"img/a.gif\\\">t</TR>\n"},
      {"a palette takes a colour from the answers",
       {"--sel", "3,1", "--answer", "#FF0080", "--press", "ColorPaletteBtn", "TRClick"}, 0,
       "inserted <TR BGCOLOR=\\\"#FF0080\\\">t</TR>\n"},
      {"a cancelled file choice changes nothing",
       {"--sel", "3,1", "--answer", "cancel", "--press", "RefBtn", "TRClick"}, 0, "inserted <TR>t</TR>\n"},
      {"no such button", {"--press", "NoSuchBtn", "TRClick"}, 2, ""},
      {"no such button in the table dialog", {"--press", "NoSuchBtn", "TABLEClick"}, 2, ""},
      {"no such control in the table dialog", {"--field", "sgTable[0,1]=x", "TABLEClick"}, 2, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = {"edit", page};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto r = RunCli(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    if (c.status == 0) EXPECT_EQ(r.out.substr(0, r.out.find("selection")), c.inserted);
    else EXPECT_NE(r.err.find(c.args[1].substr(0, 8)), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace mw::test

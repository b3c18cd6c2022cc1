// Tag dialogs on the command line: fields given by name build the tag, in
// new mode and when F2 re-edits a tag, and the report says what went in.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace mw::test

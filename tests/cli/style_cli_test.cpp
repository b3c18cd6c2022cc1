// The style editor and the style insertion dialogs on the command line:
// fields and presses in order, a button's own dialog taking the steps that
// follow it, and the registry files in the folder --data names.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_run.h"
#include "core/app/document_file.h"

namespace mw::test {
namespace {

TEST(CliStyles, DialogsFieldsAndPresses) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "<HTML><HEAD></HEAD><BODY>x</BODY></HTML>");
  const std::string out = dir.Path("out.html");
  const std::string data = dir.Path("data");
  std::filesystem::create_directory(data);
  ASSERT_TRUE(TempDir::WriteFile(data + "/StyleList.txt", "color:red\r\n"));
  ASSERT_TRUE(TempDir::WriteFile(data + "/TagClassList.txt", "[H1]\r\nSTYLE=color:red\r\n"));
  const std::vector<EditCase> cases = {
      {"a STYLE block in the head",
       {"--field", "edRowCount=2", "--field", "sgStyle[1,0]=H1", "--field", "sgStyle[1,1]=color:red", "--field",
        "sgStyle[2,0]=P.note", "--field", "sgStyle[2,1]=font-size:10pt", "STYLEClick"},
       "inserted \\r\\n<STYLE TYPE=\\\"text/css\\\">\\r\\n<!--\\r\\nH1{color:red}\\r\\nP.note{font-size:10pt}\\r\\n"
       "-->\\r\\n</STYLE>\\r\\n\nselection 99 0\nrepeat \t\\r\\n<STYLE TYPE=\\\"text/css\\\">\\r\\n<!--\\r\\n"
       "H1{color:red}\\r\\nP.note{font-size:10pt}\\r\\n-->\\r\\n</STYLE>\\r\\n\n",
       "<HTML><HEAD>\r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\nH1{color:red}\r\nP.note{font-size:10pt}\r\n-->\r\n"
       "</STYLE>\r\n</HEAD><BODY>x</BODY></HTML>"},
      {"a style-sheet link",
       {"--field", "edURL=main.css", "LINKRELClick"},
       "inserted <LINK REL=\\\"stylesheet\\\" TYPE=\\\"text/css\\\" HREF=\\\"main.css\\\">\nselection 67 0\n"
       "repeat <LINK REL=\\\"stylesheet\\\" TYPE=\\\"text/css\\\" HREF=\\\"main.css\\\">\t\n",
       "<HTML><HEAD><LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"main.css\"></HEAD><BODY>x</BODY></HTML>"},
      {"a selector rule from the registry",
       {"--sel", "12", "--field", "cbTagClass=H1", "TagStyleClick"},
       "inserted H1{color:red}\\r\\n\nselection 27 0\nrepeat H1{color:red}\\r\\n\t\n",
       "<HTML><HEAD>H1{color:red}\r\n</HEAD><BODY>x</BODY></HTML>"},
      {"a registered style as an attribute",
       {"--sel", "24", "--field", "cbStyle=color:red", "--set", "bLowerCaseTag=1", "InsertStyleClick"},
       "inserted style=\\\"color:red\\\"\nselection 41 0\nrepeat style=\\\"color:red\\\"\t\n",
       "<HTML><HEAD></HEAD><BODYstyle=\"color:red\">x</BODY></HTML>"},
      {"the style editor opened from a dialog's 編集 button",
       {"--sel", "25,1", "--press", "RegisterStyleBtn", "--field", "cbFloat=left", "--press", "AddBtn", "--press",
        "OkBtn", "FONTClick"},
       "inserted <FONT STYLE=\\\"float:left\\\">x</FONT>\nselection 58 0\n"
       "repeat <FONT STYLE=\\\"float:left\\\">\t</FONT>\n",
       "<HTML><HEAD></HEAD><BODY><FONT STYLE=\"float:left\">x</FONT></BODY></HTML>"},
      {"the BODY's 編集 button: the style the editor held at its OK",
       {"--sel", "21", "--press", "RegisterStyleBtn", "--field", "lbStyle=0", "--press", "OkBtn", "EditTagClick"},
       "inserted <BODY STYLE=\\\"color:red\\\">\nselection 43 0\nrepeat \t\n",
       "<HTML><HEAD></HEAD><BODY STYLE=\"color:red\">x</BODY></HTML>"},
      {"the gradation's 編集 button, then a style around the run",
       {"--sel", "25,1", "--press", "RegisterStyleBtn", "--field", "cbTextAlign=center", "--press", "OkBtn",
        "GradationClick"},
       "inserted <SPAN STYLE=\\\"text-align:center\\\">x</SPAN>\nselection 65 0\nrepeat \t\n",
       "<HTML><HEAD></HEAD><BODY><SPAN STYLE=\"text-align:center\">x</SPAN></BODY></HTML>"},
  };
  ExpectEditCases(cases, out, {"edit", page, "--out", out, "--data", data});
  EXPECT_EQ(ReadFileBytes(data + "/StyleList.txt"), "color:red\r\nfloat:left\r\n");
}

TEST(CliStyles, TheRegistriesFromTheCommandLine) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "x");
  const std::string data = dir.Path("data");
  std::filesystem::create_directory(data);
  ASSERT_TRUE(TempDir::WriteFile(data + "/StyleList.txt", "width:2px\r\ncolor:red\r\n"));
  ASSERT_TRUE(TempDir::WriteFile(data + "/TagClassList.txt", "[H1]\r\nSTYLE=color:red\r\n"));
  auto run = [&](std::vector<std::string> more) {
    std::vector<std::string> args{"edit", page, "--data", data};
    args.insert(args.end(), more.begin(), more.end());
    const auto r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
  };
  // Choosing an entry, changing it and overwriting it; deleting answered No.
  run({"--field", "lbStyle=1", "--field", "edWidth=5", "--press", "ReplaceBtn", "--field", "lbStyle=0", "--press",
       "DeleteBtn", "--answer", "no", "RegisterStyleClick"});
  EXPECT_EQ(ReadFileBytes(data + "/StyleList.txt"), "color:red\r\nwidth:5px\r\n");
  run({"--field", "lbStyle=0", "--press", "DeleteBtn", "--answer", "yes", "RegisterStyleClick"});
  EXPECT_EQ(ReadFileBytes(data + "/StyleList.txt"), "width:5px\r\n");
  // Cancel writes nothing.
  run({"--field", "cbColor=blue", "--press", "AddBtn", "--press", "CancelBtn", "RegisterStyleClick"});
  EXPECT_EQ(ReadFileBytes(data + "/StyleList.txt"), "width:5px\r\n");
  // A selector saved, then deleted on Yes.
  run({"--field", "cbTagClass=P.note", "--field", "cbStyle=font-size:10pt", "--press", "AddBtn", "--press",
       "CancelBtn", "TagStyleClick"});
  EXPECT_EQ(ReadFileBytes(data + "/TagClassList.txt"), "[H1]\r\nSTYLE=color:red\r\n[P.note]\r\nSTYLE=font-size:10pt\r\n");
  run({"--field", "cbTagClass=H1", "--press", "DeleteBtn", "--answer", "yes", "--press", "CancelBtn", "TagStyleClick"});
  EXPECT_EQ(ReadFileBytes(data + "/TagClassList.txt"), "[P.note]\r\nSTYLE=font-size:10pt\r\n");
}

}  // namespace
}  // namespace mw::test

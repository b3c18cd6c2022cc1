// Tag dialogs on the command line: fields given by name build the tag, in
// new mode and when F2 re-edits a tag, and the report says what went in.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/document_file.h"
#include "cli/cli_run.h"
#include "support/pictures.h"

#include <filesystem>

namespace mw::test {
namespace {

TEST(CliDialogs, FieldsBuildTheTagAndTheReportShowsIt) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "<P>cell</P>\r\n<A HREF=\"#top\" onClick=\"go()\">t</A>");
  const std::string out = dir.Path("out.html");
  const std::vector<EditCase> cases = {
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
  ExpectEditCases(cases, out);
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
      {"a palette colours the selected cells",
       {"--set", "bLowerCaseTag=1", "--answer", "#00FF80", "--field", "rgIndent=0", "--press", "ColorPaletteBtn2"},
       "inserted <table>\\r\\n<tr>\\r\\n<td bgcolor=\\\"#00ff80\\\"></td>\\r\\n</tr>\\r\\n</table>\\r\\n\n"},
      {"the image dialog of a cell takes the steps up to its OkBtn; the table the rest",
       {"--sel", "3,11", "--field", "rgIndent=0", "--field", "sgTable.Selection=2,1", "--press", "ImageRefBtn",
        "--field", "cbImageFile=a.gif", "--field", "edBorder=", "--press", "OkBtn", "--field", "sgTable[1,1]=after"},
       "inserted <TABLE>\\r\\n<TR>\\r\\n<TD>after</TD><TD><IMG SRC=\\\"a.gif\\\"></TD>\\r\\n</TR>\\r\\n"
       "</TABLE>\\r\\n\n"},
      {"the image dialog cancelled leaves the cell",
       {"--sel", "3,11", "--field", "rgIndent=0", "--field", "sgTable.Selection=2,1", "--press", "ImageRefBtn",
        "--field", "cbImageFile=a.gif", "--press", "CancelBtn", "--field", "sgTable[1,1]=after"},
       "inserted <TABLE>\\r\\n<TR>\\r\\n<TD>after</TD><TD>City</TD>\\r\\n</TR>\\r\\n</TABLE>\\r\\n\n"},
      {"a column dragged before the first",
       {"--sel", "3,11", "--field", "rgIndent=0", "--field", "sgTable.MoveCol=2,1"},
       "inserted <TABLE>\\r\\n<TR>\\r\\n<TD>City</TD><TD>Name</TD>\\r\\n</TR>\\r\\n</TABLE>\\r\\n\n"},
      {"the colour-name window colours the selected cells, taking the steps up to its OkBtn",
       {"--field", "rgIndent=0", "--press", "ColorFormBtn2", "--field", "edColor=navy", "--press", "OkBtn", "--field",
        "ckTH=1"},
       "inserted <TABLE>\\r\\n<TR>\\r\\n<TH BGCOLOR=\\\"navy\\\"></TH>\\r\\n</TR>\\r\\n</TABLE>\\r\\n\n"},
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
      {"a colour field's (N) opens the colour-name window, which takes the steps up to its OkBtn",
       {"--sel", "3,1", "--press", "ColorFormBtn", "--mouse", "lbColor=31", "--press", "OkBtn", "--field",
        "edTitle=x", "TRClick"},
       0, "inserted <TR BGCOLOR=\\\"turquoise\\\" TITLE=\\\"x\\\">t</TR>\n"},
      {"the colour-name window's CancelBtn leaves the field as it was",
       {"--sel", "3,1", "--field", "cbBgColor=red", "--press", "ColorFormBtn", "--mouse", "lbColor=31", "--press",
        "CancelBtn", "TRClick"},
       0, "inserted <TR BGCOLOR=\\\"red\\\">t</TR>\n"},
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

// The colour pickers, the gradation on a selection and the skeleton, with
// buttons pressed and list rows clicked by name.
TEST(CliDialogs, ColoursGradationAndSkeleton) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "\x82\xa0\x82\xa2x");
  const std::string body = dir.Write("b.html", "<BODY BGCOLOR=white onClick=\"f()\">t</BODY>");
  const std::string out = dir.Path("out.html");
  const std::vector<EditCase> cases = {
      {"gradation of two double-byte characters",
       {"edit", page, "--out", out, "--sel", "0,4", "GradationClick"},
       "inserted <SPAN STYLE=\\\"color:#0000FF\\\">\xE3\x81\x82</SPAN><SPAN STYLE=\\\"color:#AA0055\\\">\xE3\x81\x84</SPAN>\n"
       "selection 74 0\nrepeat \t\n",
       "<SPAN STYLE=\"color:#0000FF\">\x82\xa0</SPAN><SPAN STYLE=\"color:#AA0055\">\x82\xa2</SPAN>x"},
      {"gradation with other colours and a style",
       {"edit", page, "--out", out, "--sel", "4,1", "--field", "cbStyle=a:b", "--field", "StartColorPanel=#000000",
        "GradationClick"},
       "inserted <SPAN STYLE=\\\"a:b\\\">x</SPAN>\nselection 30 0\nrepeat \t\n",
       "\x82\xa0\x82\xa2<SPAN STYLE=\"a:b\">x</SPAN>"},
      {"a row clicked, then codes shown", {"edit", page, "--out", out, "--sel", "4", "--mouse", "lbColor=31", "--press",
        "SwitchBtn", "--set", "bLowerCaseTag=1", "ColorFormClick"},
       "inserted #40e0d0\nselection 11 0\nrepeat \t\n", "\x82\xa0\x82\xa2#40e0d0x"},
      {"a name no browser knows becomes its code",
       {"edit", page, "--out", out, "--sel", "4", "--field", "edColor=honeydewtad", "ColorFormClick"},
       "inserted #1EDEAA\nselection 11 0\nrepeat \t\n", "\x82\xa0\x82\xa2#1EDEAAx"},
      {"palette colour", {"edit", page, "--out", out, "--sel", "4", "--field", "Color=#00FF80", "ColorPaletteClick"},
       "inserted #00FF80\nselection 11 0\nrepeat \t\n", "\x82\xa0\x82\xa2#00FF80x"},
      {"skeleton around the selection", {"edit", page, "--out", out, "--sel", "4,1", "--field", "edTitle=T",
        "--field", "cbVersion=", "--field", "cbCharSet=", "--field", "rgSize=4", "InitTagSetClick"},
       "inserted <HTML>\\r\\n<HEAD>\\r\\n<TITLE>T</TITLE>\\r\\n</HEAD>\\r\\n<BODY>\\r\\nx<BASEFONT SIZE=\\\"5\\\">"
       "\\r\\n\\r\\n</BODY>\\r\\n</HTML>\\r\\n\nselection 97 0\nrepeat \t\n",
       "\x82\xa0\x82\xa2<HTML>\r\n<HEAD>\r\n<TITLE>T</TITLE>\r\n</HEAD>\r\n<BODY>\r\nx<BASEFONT SIZE=\"5\">\r\n\r\n"
       "</BODY>\r\n</HTML>\r\n"},
      {"BODY re-edit changes only that start tag",
       {"edit", body, "--out", out, "--sel", "2", "--field", "cbText=navy", "--field", "cbBgColor=", "EditTagClick"},
       "inserted <BODY onClick=\\\"f()\\\" TEXT=\\\"navy\\\">\nselection 32 0\nrepeat \t\n",
       "<BODY onClick=\"f()\" TEXT=\"navy\">t</BODY>"},
      {"the BODY colours' buttons: none for TEXT, then 1 to 4, the name window taking the steps up to its OkBtn",
       {"edit", body, "--out", out, "--sel", "2", "--answer", "#000080", "--press", "ColorPaletteBtn", "--press",
        "ColorFormBtn1", "--field", "edColor=silver", "--press", "OkBtn", "--press", "ColorFormBtn3", "--field",
        "edColor=#00FF00", "--press", "OkBtn", "EditTagClick"},
       "inserted <BODY BGCOLOR=\\\"silver\\\" onClick=\\\"f()\\\" TEXT=\\\"#000080\\\" VLINK=\\\"#00FF00\\\">\n"
       "selection 68 0\nrepeat \t\n",
       "<BODY BGCOLOR=\"silver\" onClick=\"f()\" TEXT=\"#000080\" VLINK=\"#00FF00\">t</BODY>"},
  };
  ExpectEditCases(cases, out);
}

}  // namespace
}  // namespace mw::test

namespace mw::test {
namespace {

// The image and map dialogs: a picture chosen with RefBtn from the
// answers, pointer gestures on the picture, in the order given.
TEST(CliDialogs, PicturesAndGestures) {
  TempDir dir;
  std::filesystem::create_directories(dir.dir() / "doc" / "img");
  const std::string page = dir.Write("doc/p.html", "<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"b.html\" ALT=\"x\">");
  const std::string gif = dir.Write("doc/img/a.gif", Gif(120, 80));
  const std::string text = dir.Write("doc/img/notes.gif", "not a picture");
#ifdef MW_CLI_READS_PICTURES
  const std::string sizes = " WIDTH=\\\"120\\\" HEIGHT=\\\"80\\\"";
  // A chosen file that is missing: why, and the field as it was.
  const std::string missing =
      "message " + dir.Path("doc/none.gif") + "\\n\xE3\x81\x8C\xE8\xA6\x8B\xE3\x81\xA4\xE3\x81\x8B\xE3\x82\x8A\xE3\x81\xBE\xE3\x81\x9B\xE3\x82\x93\xE3\x80\x82";
#else
  // Without a picture reader a chosen file is taken as it is named.
  const std::string sizes;
  const std::string missing = "inserted <IMG SRC=\\\"none.gif\\\" BORDER=\\\"0\\\">";
#endif
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::string firstLine;
  };
  const Case cases[] = {
      {"a picture from the reference button",
       {"edit", page, "--sel", "0", "--press", "RefBtn", "--answer", gif, "IMGClick"},
       "inserted <IMG SRC=\\\"img/a.gif\\\"" + sizes + " BORDER=\\\"0\\\">"},
      {"a missing file",
       {"edit", page, "--field", "cbImageFile=x.gif", "--press", "RefBtn", "--answer", dir.Path("doc/none.gif"),
        "IMGClick"},
       missing},
      {"a polygon of three clicks",
       {"edit", page, "--field", "cbShape=polygon", "--field", "cbURL=c.html", "--mouse", "Image:down@0,0",
        "--mouse", "Image:up@0,0", "--mouse", "Image:down@10,0", "--mouse", "Image:up@10,0", "--mouse",
        "Image:down@5,8", "--mouse", "Image:up@5,8", "AREAClick"},
       "inserted <AREA SHAPE=\\\"polygon\\\" COORDS=\\\"0,0,10,0,5,8\\\" HREF=\\\"c.html\\\">"},
      {"another shape empties the coordinates, as in the window",
       {"edit", page, "--field", "edCoords=1,2,3,4", "--field", "cbURL=b.html", "--field", "cbShape=circle",
        "--field", "ckMAP=1", "--field", "cbNAME=m", "AREAClick"},
       "inserted <MAP NAME=\\\"m\\\">\\r\\n\\r\\n</MAP>\\r\\n"},
      {"back to a rectangle keeps them",
       {"edit", page, "--field", "edCoords=1,2,3,4", "--field", "cbURL=b.html", "--field", "cbShape=rect",
        "AREAClick"},
       "inserted <AREA SHAPE=\\\"rect\\\" COORDS=\\\"1,2,3,4\\\" HREF=\\\"b.html\\\">"},
      {"the map's link from its reference button",
       {"edit", page, "--field", "edCoords=1,2,3,4", "--answer", dir.Path("doc/sub/b.html"), "--press", "URLRefBtn",
        "AREAClick"},
       "inserted <AREA SHAPE=\\\"rect\\\" COORDS=\\\"1,2,3,4\\\" HREF=\\\"sub/b.html\\\">"},
      {"F2 on an AREA: a circle dragged, ALT kept",
       {"edit", page, "--sel", "3", "--field", "cbShape=circle", "--mouse", "Image:down@100,100", "--mouse",
        "Image:move@103,104", "--mouse", "Image:up@103,104", "EditTagClick"},
       "inserted <AREA SHAPE=\\\"circle\\\" COORDS=\\\"100,100,5\\\" HREF=\\\"b.html\\\" ALT=\\\"x\\\">"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto r = RunCli(c.args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), c.firstLine);
  }
#ifdef MW_CLI_READS_PICTURES
  // A text file named .gif: why, and no tag.
  const auto r = RunCli({"edit", page, "--press", "RefBtn", "--answer", text, "IMGClick"});
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
            "message " + text + "\\n\xE3\x81\xAF\xE7\x94\xBB\xE5\x83\x8F\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB"
            "\xE3\x81\xA7\xE3\x81\xAF\xE3\x81\xAA\xE3\x81\x84\xE3\x81\x8B\xE3\x80\x81\xE8\xAA\xAD\xE3\x81\xBF\xE8\xBE\xBC"
            "\xE3\x82\x81\xE3\x81\xAA\xE3\x81\x84\xE5\xBD\xA2\xE5\xBC\x8F\xE3\x81\xA7\xE3\x81\x99\xE3\x80\x82");
  EXPECT_EQ(r.out.find("inserted"), std::string::npos);
#endif
  for (const char* bad : {"Image:down@1", "Image:drag@1,2", "down@1,2"}) {
    const auto e = RunCli({"edit", page, "--mouse", bad, "AREAClick"});
    EXPECT_EQ(e.status, 2) << bad;
  }
  EXPECT_EQ(RunCli({"edit", page, "--mouse", "Image:down@1,2", "HRClick"}).status, 2);
}

}  // namespace
}  // namespace mw::test

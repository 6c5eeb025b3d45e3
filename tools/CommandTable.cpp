// Every command of lessonwright-author with its texts, and the texts of the
// two manual pages. The help output, the manual pages and the README's
// command list all come from here.

#include "tools/AuthorCli.h"
#include "tools/BuilderCommands.h"
#include "tools/ContentCommands.h"
#include "tools/ManPage.h"
#include "tools/TableTool.h"
#include "tools/WebCommands.h"

namespace {

using Arg = AuthorCli::Arg;

QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

ManPage authorPage()
{
    ManPage page;
    page.name = text("lessonwright-author");
    page.purpose = text("build and check the frame stores of a Lessonwright course");
    page.synopsis = {
        text("lessonwright-author COMMAND [--quiet] [ARGUMENTS]"),
        text("lessonwright-author help [COMMAND]"),
        text("lessonwright-author COMMAND --help"),
        text("lessonwright-author --version"),
    };
    page.sections = {
        {text("DESCRIPTION"),
         {{{}, text("Each recorded part of a course is played from its frame store: a dBASE table simu.dbf with its "
                    "memo file simu.dbt, one JPEG frame per record in recording order, record 1 also carrying the "
                    "part's event script and record 2 its step script. lessonwright-author builds such stores from "
                    "a folder of frames and the two script files, looks into them, checks a whole course or one "
                    "part, and works on the storyboards the course is written from.")},
          {{}, text("A new part in one step, then checked:")},
          {{}, text("  lessonwright-author build-part frames p99.dat p99.lsn master/p99\n"
                    "  lessonwright-author check master/p99")}}},
        {text("COMMANDS"), {}},
        {text("OPTIONS"),
         {{text("--help"), text("Print the usage on standard output; after a command, or as help COMMAND, that "
                                "command's usage and description.")},
          {text("--version"), text("Print lessonwright-author and its version.")},
          {text("--quiet"), text("No progress lines on standard error. demo-course, check, render-part, "
                                 "export-web and export-scorm print one line per part as they go.")},
          {text("--append"), text("build-part only: add the frames after the records of the store already in "
                                  "OUT_DIR instead of refusing it.")},
          {text("--"), text("Ends the options: later words are arguments even when they start with two dashes.")}}},
        {text("PATHS"),
         {{{}, text("Paths are host paths, absolute or relative to the folder the command is started in, or course "
                    "paths with a drive letter and backslashes such as e:\\done_new\\p7. Drive e: stands for the "
                    "folder ~/.local/share/lessonwright/drives/e, and a name that does not exist exactly is "
                    "matched without regard to letter case.")}}},
        {text("EXIT STATUS"),
         {{{}, text("0 when the command is done; 1 when it failed, with the path and the reason on standard "
                    "error; 2 for wrong usage, with the command's usage on standard error.")}}},
        {text("ENVIRONMENT"),
         {{text("XDG_DATA_HOME"), text("Where the folders that stand for drive letters live: "
                                       "$XDG_DATA_HOME/lessonwright/drives/<letter>.")},
          {text("TMPDIR"), text("Where the private scratch folder goes that stands for drive c:; it is made "
                                "fresh for each run and removed at its end.")},
          {text("LESSONWRIGHT_DEBUG"), text("When set, the diagnostics of the toolkit are shown on standard error.")}}},
        {text("FILES"),
         {{text("ori/test.dbf, ori/test.dbt"), text("The empty template that insert copies into a new store, below "
                                                    "the folder the command is started in. template ori makes one; "
                                                    "build-part needs none.")},
          {text("simu.dbf, simu.dbt"), text("A part's frame store, in master/<part>/ below a course folder.")},
          {text("1.dbf"), text("The probe table of a course folder, which the player opens at start.")}}},
        {text("SEE ALSO"), {{{}, text("lessonwright(1)")}}},
    };
    return page;
}

ManPage playerPage()
{
    ManPage page;
    page.name = text("lessonwright");
    page.purpose = text("play a training course on form design");
    page.synopsis = {text("lessonwright"), text("lessonwright --version")};
    page.sections = {
        {text("DESCRIPTION"),
         {{{}, text("lessonwright plays the course folder that is its current directory: start it from the "
                    "folder that holds the course's 1.dbf and master folder. It takes no command line except "
                    "--version, which prints the version and exits.")},
          {{}, text("  cd /path/to/course && lessonwright")},
          {{}, text("The launcher lists twenty lessons. A single click on a lesson lists its topics; a double "
                    "click plays the lesson's recorded parts one after another in a full-screen player: each "
                    "recorded frame is shown, the mouse pointer glides to each recorded click, and narration "
                    "boxes explain the steps. Content > How to Run? walks a first-time user through it.")},
          {{}, text("At start the player opens 1.dbf to check its table engine; when that fails it says so once "
                    "and carries on, and any lesson played then reports that its frame store cannot be opened.")}}},
        {text("KEYS"),
         {{text("NEXT"), text("Click NEXT, or press Enter or Space, to close a narration box and go on.")},
          {text("Close"), text("In the player's menu: stop and return to the launcher.")},
          {text("Run"), text("In the player's menu: start the current part again from its first event.")}}},
        {text("ENVIRONMENT"),
         {{text("LESSONWRIGHT_AUTHOR=1"), text("Also show the lesson-store window, whose buttons build a part's "
                                               "frame store; learners never see it.")}}},
        {text("FILES"),
         {{text("1.dbf"), text("The probe table in the course folder.")},
          {text("master/<part>/simu.dbf"), text("A part's frame store, with its memo file simu.dbt: one JPEG frame "
                                                "per record, in the order of the part's events.")}}},
        {text("SEE ALSO"), {{{}, text("lessonwright-author(1)")}}},
    };
    return page;
}

} // namespace

const ManPage* ManPage::named(const QString& which)
{
    static const ManPage author = authorPage();
    static const ManPage player = playerPage();
    if (which == QLatin1String("author"))
        return &author;
    if (which == QLatin1String("player"))
        return &player;
    return nullptr;
}

AuthorCli AuthorCli::withStandardCommands()
{
    AuthorCli cli;
    cli.add({text("build-part"), text("FRAMES_DIR EVENTS_FILE STEPS_FILE OUT_DIR"),
             text("build a part's frame store in OUT_DIR from a folder of *.jpg frames and its two script files"),
             text("OUT_DIR is made when needed and gets a fresh store copied from the standard empty template. "
                  "One record is added per *.jpg file of FRAMES_DIR, in name order without regard to letter "
                  "case, so the names must sort in recording order (0000.jpg, 0001.jpg, ...). Then EVENTS_FILE "
                  "is loaded into M of record 1 and STEPS_FILE into M of record 2.\n\n"
                  "Every frame is decoded first: a file that is not a JPEG picture stops the command before "
                  "anything is written. An OUT_DIR that already holds a store is refused unless --append is "
                  "given."),
             {Arg::Folder, Arg::File, Arg::File, Arg::Path}, {text("--append")}, BuilderCommands::buildPart});
    cli.add({text("insert"), text("PATH"),
             text("build a frame store in PATH's folder from the *.jpg frames there"),
             text("PATH is the frame folder or any file in it. Unless a store is already there, "
                  "ori/test.dbf and ori/test.dbt below the current folder are copied in as simu.dbf and "
                  "simu.dbt; then one record is added per *.jpg file, in name order without regard to letter "
                  "case, after any records the store held. Every frame is decoded first: a file that is not a "
                  "JPEG picture stops the command before anything is written."),
             {Arg::Existing}, {}, BuilderCommands::insert});
    cli.add({text("scripts"), text("FILE"),
             text("load FILE's base name + .dat into M of record 1 and + .lsn into M of record 2"),
             text("The store and both script files are in FILE's folder; the base name is FILE's name without "
                  "its last four characters, so p4a.jpg reads p4a.dat and p4a.lsn. A store of one record gets "
                  "a second one repeating its frame."),
             {Arg::InFolder}, {}, BuilderCommands::scripts});
    cli.add({text("template"), text("DIR"),
             text("create an empty frame-store template DIR/test.dbf + test.dbt (fields GR and M)"),
             text("DIR is made when needed; an existing template is never replaced. insert copies its template "
                  "from ori below the current folder: 'lessonwright-author template ori' makes one there."),
             {Arg::Path}, {}, TableTool::templateCommand});
    cli.add({text("count"), text("DIR"), text("print the number of records of DIR/simu.dbf"), {},
             {Arg::Path}, {}, TableTool::countCommand});
    cli.add({text("dump"), text("DIR RECORD FIELD"),
             text("write field FIELD (GR or M) of record RECORD (from 1) of DIR/simu.dbf to standard output, "
                  "unchanged"),
             text("  lessonwright-author dump master/p7 5 GR > frame5.jpg"),
             {Arg::Path, Arg::Word, Arg::Word}, {}, TableTool::dumpCommand});
    cli.add({text("check"), text("FOLDER"),
             text("check a course folder, or one part's folder; one line per problem, exit 0 only when clean"),
             text("In a course folder the probe table 1.dbf and the store of each of the 37 parts in "
                  "master/<part>/ are checked against the built-in scripts. A folder that holds simu.dbf is "
                  "checked as one part: against the built-in scripts when it is named after a part of the "
                  "course, otherwise against the scripts in its own records 1 and 2. Every frame must decode "
                  "to 640 x 480 and every event needs its frame.\n\n"
                  "Problems go to standard output; progress, one line per part, to standard error."),
             {Arg::Folder}, {}, BuilderCommands::check});
    cli.add({text("move-files"), {},
             text("move e:\\tutorial\\<base>.lsn and .dat into e:\\done_new\\<base>\\jpgs\\"),
             text("For each e:\\tutorial\\*.dat in name order, the .lsn file moves first, then the .dat file. A "
                  "move is skipped, leaving the file in place, when its source is missing, its target folder "
                  "does not exist or a file is already there."),
             {}, {}, BuilderCommands::moveFiles});
    cli.add({text("demo-course"), text("DIR"),
             text("write the complete demo course into DIR (new or empty), one progress line per part"), {},
             {Arg::Path}, {}, BuilderCommands::demoCourse});
    cli.add({text("render-part"), text("CODE|FILE.story DIR"),
             text("draw a part's frames from its storyboard as DIR/0000.jpg, 0001.jpg, ..."),
             text("CODE names a part whose storyboard is built in; FILE.story a storyboard file. Numbered "
                  "frames left in DIR by a longer earlier run are removed."),
             {Arg::CodeOrStory, Arg::Path}, {}, ContentCommands::renderPart});
    cli.add({text("show-part"), text("CODE|FILE.story"),
             text("print the event script and the step script made from a part's storyboard"), {},
             {Arg::CodeOrStory}, {}, ContentCommands::showPart});
    cli.add({text("check-part"), text("CODE|FILE.story"),
             text("compare a storyboard's events, steps and arrows with its row in allocation.txt, and check every step's layout"), {},
             {Arg::CodeOrStory}, {}, ContentCommands::checkPart});
    cli.add({text("show-form"), text("CODE|FILE.story"),
             text("print the example form (navigator objects and canvas items) as a part begins and as it ends"), {},
             {Arg::CodeOrStory}, {}, ContentCommands::showForm});
    cli.add({text("check-continuity"), text("STORYBOARDS"),
             text("check that every part begins with the form the part before it ended with"),
             text("A part whose storyboard has a starts-elsewhere line (a fresh module, a sample opened from "
                  "disc) is exempt. One line per broken hand-over; exit 0 only when there is none."),
             {Arg::Folder}, {}, ContentCommands::checkContinuity});
    cli.add({text("export-library"), text("DIR"),
             text("write every list of the built-in script library as DIR/<sheet>/<list>.txt (CR LF)"), {},
             {Arg::Path}, {}, ContentCommands::exportLibrary});
    cli.add({text("build-library"), text("STORYBOARDS LIBRARY"),
             text("regenerate the script lists in LIBRARY from the storyboards in STORYBOARDS"), {},
             {Arg::Folder, Arg::Path}, {}, ContentCommands::buildLibrary});
    cli.add({text("export-web"), text("COURSE OUT"),
             text("write a folder OUT that plays every lesson of COURSE in a browser (OUT/index.html)"),
             text("OUT must not exist; it is written beside its place and renamed into it at the end, so a failure "
                  "(a damaged frame store, named in the message) leaves nothing there. The frames are the stores' "
                  "JPEG bytes, unchanged. The folder plays from a web server or straight from disk; "
                  "docs/embedding.md tells how to put its player on another page."),
             {Arg::Folder, Arg::InFolder}, {}, WebCommands::exportWeb});
    cli.add({text("export-scorm"), text("COURSE OUT.zip"),
             text("write COURSE as a SCORM 1.2 package for a learning management system, one item per lesson"),
             text("The package reports each lesson incomplete when it starts and completed when its last part "
                  "ends, and resumes a returning learner on the step they left. OUT.zip must not exist."),
             {Arg::Folder, Arg::InFolder}, {}, WebCommands::exportScorm});
    return cli;
}

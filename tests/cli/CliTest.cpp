#include "CliExpect.h"

#include <gtest/gtest.h>

TEST(Cli, HelpVersionAndUsageErrors) {
    const CliResult help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: drapier-cli"));
    // The overview gives each command's usage line.
    for (const char* line :
         {"  check SKIN [--inner NAME] [--fail-on errors|warnings] [--set KEY=VALUE]...\n",
          "  lint SKIN [--inner NAME] [--json]\n", "  pieces SKIN [--inner NAME] [--json]\n",
          "  ctime NUMBER | --date YYYY-MM-DD --time HH:MM\n",
          "sheet SKIN -o OUT.png [--sizes WxH,...] [--states NAME,...]", "--states help",
          "catalogue FOLDER [--jobs N] [--quiet] [--html]"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(line))) << line;

    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "drapier-cli 4.31\n");

    ExpectCliError({}, 2);
    ExpectCliError({"frobnicate"}, 2);
}

TEST(Cli, EveryCommandAnswersHelpBeforeJudgingItsArguments) {
    for (const char* command : {"dump", "convert", "pack", "list", "geometry", "render", "ctime", "check",
                                "lint", "pieces", "catalogue"}) {
        for (const QStringList& rest : {QStringList{"--help"}, QStringList{"-h", "--no-such-option", "x"}}) {
            const CliResult r = RunCli(QStringList{command} + rest);
            EXPECT_EQ(r.status, 0) << command;
            EXPECT_TRUE(r.out.contains(QStringLiteral("drapier-cli %1 ").arg(command))) << command;
            EXPECT_TRUE(r.err.isEmpty()) << command << ": " << r.err.toStdString();
        }
    }
}

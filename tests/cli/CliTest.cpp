#include "support/CliRunner.h"

#include <gtest/gtest.h>

TEST(Cli, HelpVersionAndUsageErrors) {
    const CliResult help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: drapier-cli"));

    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "drapier-cli 4.31\n");

    for (const QStringList& args : {QStringList{}, QStringList{"frobnicate"}}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith("drapier-cli: ")) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1);
    }
}

TEST(Cli, EveryCommandAnswersHelpBeforeJudgingItsArguments) {
    for (const char* command :
         {"dump", "convert", "pack", "list", "geometry", "render", "ctime", "check", "lint", "catalogue"}) {
        for (const QStringList& rest : {QStringList{"--help"}, QStringList{"-h", "--no-such-option", "x"}}) {
            const CliResult r = RunCli(QStringList{command} + rest);
            EXPECT_EQ(r.status, 0) << command;
            EXPECT_TRUE(r.out.contains(QStringLiteral("drapier-cli %1 ").arg(command))) << command;
            EXPECT_TRUE(r.err.isEmpty()) << command << ": " << r.err.toStdString();
        }
    }
}

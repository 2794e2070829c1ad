#pragma once

#include "support/CliRunner.h"

#include <gtest/gtest.h>

// A run that fails: the status, nothing on standard output and one line of reason on standard error,
// naming `mention`. Returns the run for any further look at the reason.
inline CliResult ExpectCliError(const QStringList& args, int status, const QString& mention = {}) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.status, status) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_TRUE(r.err.startsWith("drapier-cli: ")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(mention)) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    return r;
}

#include "render/FontFamilyNames.h"

#include <gtest/gtest.h>

TEST(FontFamilyNames, TheFoundryIsNeverPartOfTheName) {
    const struct {
        QString family, name;
    } cases[] = {
        {"Noto Sans [GOOG]", "Noto Sans"},
        {"Noto Sans", "Noto Sans"},
        {"Fixed [Misc] [Sony]", "Fixed [Misc]"}, // only the last bracket is the foundry
        {"[Odd]", "[Odd]"},                      // nothing would be left of the name
        {"Odd]", "Odd]"},
        {"", ""},
    };
    for (const auto& test : cases)
        EXPECT_EQ(FamilyWithoutFoundry(test.family).toStdString(), test.name.toStdString());
}

TEST(FontFamilyNames, TheListHoldsEachFamilyOnceSortedIgnoringCase) {
    const QStringList entries = FontListEntries(
        {"Noto Sans [GOOG]", "zeta", "Noto Sans [Monotype]", "arial", "Bitstream Charter", "Arial", "zeta"});
    EXPECT_EQ(entries.join(", ").toStdString(), "arial, Arial, Bitstream Charter, Noto Sans, zeta");
}

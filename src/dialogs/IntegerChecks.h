#pragma once

#include <functional>
#include <vector>

class IntegerBox;
class Prompter;
class QWidget;

// The number boxes of a dialog that must hold an integer (an optional sign and digits within the 32-bit
// range) when the dialog is confirmed. While typing, text that is no number simply reads as 0.
class IntegerChecks {
public:
    // when, if given, says whether the box counts at the moment (a size limit only while checked).
    void Require(IntegerBox* box, std::function<bool()> when = {});

    // True when every box that counts holds an integer. Otherwise says "Please enter an integer.",
    // puts the focus on the first box that does not, in the order they were required, and selects its
    // text.
    bool Pass(QWidget* dialog, Prompter& prompter) const;

private:
    struct Rule {
        IntegerBox* box;
        std::function<bool()> when;
    };
    std::vector<Rule> m_rules;
};

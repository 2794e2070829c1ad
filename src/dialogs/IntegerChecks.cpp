#include "dialogs/IntegerChecks.h"

#include "widgets/IntegerBox.h"
#include "widgets/Prompter.h"

void IntegerChecks::Require(IntegerBox* box, std::function<bool()> when) {
    m_rules.push_back({box, std::move(when)});
}

bool IntegerChecks::Pass(QWidget* dialog, Prompter& prompter) const {
    for (const Rule& rule : m_rules) {
        if ((rule.when && !rule.when()) || rule.box->HoldsInteger())
            continue;
        prompter.Inform(dialog, QStringLiteral("Please enter an integer."));
        rule.box->setFocus(Qt::OtherFocusReason);
        rule.box->selectAll();
        return false;
    }
    return true;
}

#pragma once

#include <QString>

// What Help shows: the program title and the quick usage guide.
QString HelpText();

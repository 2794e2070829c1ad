#pragma once

#include <QString>
#include <QStringView>

// Note states an indicator shows and an element's condition tests: codes 1 to 20.
constexpr int kFirstIndicatorCode = 1;
constexpr int kLastIndicatorCode = 20;

// Keyword to code, without regard to case; -1 for a keyword that is not in the table.
int IndicatorCodeOfKeyword(QStringView keyword);
// Code to keyword; "null" for any code outside 1 to 20.
QString IndicatorKeyword(int code);
// The text the element dialogs show for a code ("Always on top" ...); empty outside 1 to 20.
QString IndicatorDialogText(int code);
